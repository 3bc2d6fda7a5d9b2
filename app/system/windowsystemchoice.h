// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Picks the window system the application object connects to, unless QT_QPA_PLATFORM names one.
// On Linux that is X11, through XWayland on a Wayland desktop, and a Wayland compositor only when
// no X server answers: on X11 the windows open at their laid-out positions, with a close button
// only and no taskbar button, which a Wayland client cannot ask its compositor for. The choice is
// passed in QT_QPA_PLATFORM and taken back once the application object exists, so the programs
// started from here (the links' handlers) pick their own. On Windows there is nothing to pick.
//
// On Linux, for the same span, it keeps GTK's accessibility bridge off (NO_AT_BRIDGE), unless the
// variable is set already: Qt's GTK platform theme starts GTK, whose bridge would register the
// program with the screen readers a second time, as an application with nothing in it. Qt's own
// bridge, which presents the windows, does not read the variable.
class WindowSystemChoice {
public:
    // Before the application object is made.
    WindowSystemChoice();
    // After the application object is made.
    void forget();

private:
    bool platformMadeHere_ = false;
    bool bridgeOffHere_ = false;
};
