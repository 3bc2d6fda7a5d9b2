// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/formframe.h"

#include "forms/dialogframe.h"
#include "picturefile/picturefile.h"

#include <QIcon>
#include <QScreen>
#include <QWidget>

void SetUpFormFrame(QWidget* form, const QString& caption, TwipsSize clientArea) {
    GiveDialogFrame(form);
    form->setWindowTitle(caption);
    form->setWindowIcon(QIcon(LoadPicture(QStringLiteral(":/pictures/icon.ico"), "ico")));
    form->setFixedSize(clientArea.toPixels());
}

void PlaceClientArea(QWidget* form, TwipsPoint topLeft) {
    form->setGeometry(QRect(topLeft.toPixels(), form->size()));
}

void CentreOnScreen(QWidget* form) {
    QRect area(QPoint(), form->size());
    area.moveCenter(form->screen()->geometry().center());
    form->setGeometry(area);
}

void BringToFront(QWidget* form) {
    form->setWindowState(form->windowState() & ~Qt::WindowMinimized);
    form->show();
    form->raise();
    form->activateWindow();
}
