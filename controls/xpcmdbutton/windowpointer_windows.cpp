// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "xpcmdbutton/windowpointer.h"

#include <QWidget>

#include <windows.h>

// The system works in device pixels, the window in pixels of its own, which differ on a scaled
// screen.
QPoint WindowPointer::systemPosition(const QWidget& window) {
    POINT pointer{};
    GetCursorPos(&pointer);
    ScreenToClient(reinterpret_cast<HWND>(window.winId()), &pointer);
    return (QPointF(pointer.x, pointer.y) / window.devicePixelRatioF()).toPoint();
}
