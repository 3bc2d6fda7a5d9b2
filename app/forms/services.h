// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

class Clock;
class MessageBoxes;
class SettingsStore;
class ShellOpener;

// What the windows use from outside themselves. The program passes the real ones; tests pass
// their own clock, store location, message boxes, link handler and exit.
struct Services {
    SettingsStore& store;
    const Clock& clock;
    MessageBoxes& messages;
    ShellOpener& shell;
    QString autostartLocation;
    QString programPath;
    std::function<void()> exitProgram;
};
