// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "xpcmdbutton/windowpointer.h"

#include <QCursor>
#include <QWidget>

QPoint WindowPointer::systemPosition(const QWidget& window) {
    return window.mapFromGlobal(QCursor::pos());
}
