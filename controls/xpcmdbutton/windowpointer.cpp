// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "xpcmdbutton/windowpointer.h"

#include <QEvent>
#include <QWidget>

void WindowPointer::watch(QWidget* window) {
    if (window == window_)
        return;
    if (window_)
        window_->removeEventFilter(this);
    window_ = window;
    window_->installEventFilter(this);
}

std::optional<QPoint> WindowPointer::position() const {
    if (!inside_ || !window_)
        return std::nullopt;
    return systemPosition(*window_);
}

bool WindowPointer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_) {
        if (event->type() == QEvent::Enter)
            inside_ = true;
        else if (event->type() == QEvent::Leave)
            inside_ = false;
    }
    return QObject::eventFilter(watched, event);
}
