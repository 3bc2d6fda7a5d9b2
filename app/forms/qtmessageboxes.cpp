// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/qtmessageboxes.h"

#include <QMessageBox>

void QtMessageBoxes::show(const Message& message) {
    const QMessageBox::Icon icon =
        message.icon == Message::Icon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon;
    QMessageBox box(icon, message.title, message.text, QMessageBox::Ok);
    box.exec();
}
