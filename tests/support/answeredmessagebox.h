// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/qtmessageboxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <optional>

// What a real message box showed while it was on screen.
struct ShownMessageBox {
    QString text;
    QString title;
    QMessageBox::Icon icon;
    QList<QMessageBox::StandardButton> buttons;
    QStringList buttonTexts;
};

// Shows the message as the program does and, once the box is on screen, notes what it shows and
// presses its first button, as a user would.
inline std::optional<ShownMessageBox> ShowAndAnswer(const Message& message) {
    std::optional<ShownMessageBox> shown;
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        shown = ShownMessageBox{box->text(), box->windowTitle(), box->icon(), {}, {}};
        for (QAbstractButton* button : box->buttons()) {
            shown->buttons.append(box->standardButton(button));
            shown->buttonTexts.append(button->text());
        }
        box->buttons().first()->click();
    });
    QtMessageBoxes().show(message);
    return shown;
}
