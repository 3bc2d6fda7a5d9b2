// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "xpcmdbutton/xpcmdbutton.h"

#include <QLabel>
#include <QPainter>

#include <cmath>

void xpcmdbutton::refreshFace() {
    if (State() == 1)
        restFace_ = FaceCell::Default;
    else if (State() == 0)
        restFace_ = FaceCell::Normal;
    drawFace(isEnabled() ? restFace_ : FaceCell::Disabled);
}

void xpcmdbutton::drawFace(FaceCell cell) {
    applyFont();
    shownCell_ = cell;
    surface_ = faces_.face(cell, size(), devicePixelRatioF());
    update();
}

void xpcmdbutton::applyFont() {
    if (!currentFont_ || appliedFont_ == *currentFont_)
        return;
    appliedFont_ = *currentFont_;
    setFont(appliedFont_->toQFont());
    lbl->setFont(appliedFont_->toQFont());
    lbl->adjustSize();
    centreCaption();
}

void xpcmdbutton::resizeHandling() {
    refreshFace();
    centreCaption();
}

void xpcmdbutton::centreCaption() {
    lblPosition_ = {(width() - lbl->width()) / 2.0, (height() - lbl->height()) / 2.0};
    lbl->move(int(std::floor(lblPosition_.x())), int(std::floor(lblPosition_.y())));
}

void xpcmdbutton::paintEvent(QPaintEvent*) {
    // Moved to a screen of another scale: the face shown is composed again at its device pixels.
    if (surface_.devicePixelRatio() != devicePixelRatioF())
        surface_ = faces_.face(shownCell_, size(), devicePixelRatioF());
    QPainter(this).drawImage(0, 0, surface_);
}

void xpcmdbutton::resizeEvent(QResizeEvent*) {
    resizeHandling();
}

void xpcmdbutton::showEvent(QShowEvent*) {
    refreshFace();
}
