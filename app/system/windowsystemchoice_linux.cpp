// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/windowsystemchoice.h"

#include <QByteArray>
#include <QtGlobal>

namespace {
const char* const platformVariable = "QT_QPA_PLATFORM";
}

WindowSystemChoice::WindowSystemChoice() {
    if (!qEnvironmentVariableIsEmpty(platformVariable))
        return;
    qputenv(platformVariable, QByteArrayLiteral("xcb;wayland"));
    madeHere_ = true;
}

void WindowSystemChoice::forget() {
    if (madeHere_)
        qunsetenv(platformVariable);
    madeHere_ = false;
}
