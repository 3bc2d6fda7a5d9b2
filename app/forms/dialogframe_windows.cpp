// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/dialogframe.h"

#include <QWidget>
#include <QWindow>

// Windows gives no taskbar button to a window that another window owns, so each window is owned
// by a hidden window of its own and keeps the whole caption of a dialog: the icon that opens the
// system menu, the title in the caption font and a close button. (A tool window would keep out
// of the taskbar too, but with a thin caption in a small font and no icon.) The owner goes with
// the window; Qt lets go of an owned window before it destroys the owner, so Windows does not
// destroy the owned window with it.
void GiveDialogFrame(QWidget* form) {
    form->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint);
    auto* owner = new QWindow;
    static_cast<QObject*>(owner)->setParent(form);
    owner->create();
    form->winId();
    form->windowHandle()->setTransientParent(owner);
}
