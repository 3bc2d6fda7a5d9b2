// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/dialogframe.h"

#include <QWidget>

// A tool window keeps out of the taskbar; the hints leave a title and a close button only.
void GiveDialogFrame(QWidget* form) {
    form->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}
