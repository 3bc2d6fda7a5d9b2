// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/windowsystemchoice.h"

#include <QByteArray>
#include <QtGlobal>

namespace {
const char* const platformVariable = "QT_QPA_PLATFORM";
// Read by GTK's accessibility bridge, not by Qt's.
const char* const gtkBridgeVariable = "NO_AT_BRIDGE";
} // namespace

WindowSystemChoice::WindowSystemChoice() {
    if (qEnvironmentVariableIsEmpty(platformVariable)) {
        qputenv(platformVariable, QByteArrayLiteral("xcb;wayland"));
        platformMadeHere_ = true;
    }
    if (!qEnvironmentVariableIsSet(gtkBridgeVariable)) {
        qputenv(gtkBridgeVariable, QByteArrayLiteral("1"));
        bridgeOffHere_ = true;
    }
}

void WindowSystemChoice::forget() {
    if (platformMadeHere_)
        qunsetenv(platformVariable);
    if (bridgeOffHere_)
        qunsetenv(gtkBridgeVariable);
    platformMadeHere_ = false;
    bridgeOffHere_ = false;
}
