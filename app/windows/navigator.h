// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

// What one window asks of the others. The windows know each other only through this, so each
// can be loaded on first use, unloaded when closed and loaded anew.
class Navigator {
public:
    virtual ~Navigator() = default;

    // Makes the date-entry window visible, loading it anew when the user has closed it.
    virtual void showDateEntry() = 0;
    // Shows the one help window, loading it first when it is not loaded.
    virtual void showHelp() = 0;
    // A window that the user closed tells its owner, which unloads it; unloading the countdown
    // window ends the program at once: every window disappears and nothing can refuse it.
    virtual void unloaded(QObject* window) = 0;
};
