// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Where the system keeps the programs it starts when the user logs in: the desktop's per-user
// autostart folder on Linux, the Run key under HKEY_LOCAL_MACHINE, or else HKEY_CURRENT_USER,
// on Windows.
QString AutostartLocation();

// Puts the entry that starts the program at programPath into location, replacing an earlier
// one. True exactly when the new entry is in place.
bool SetAutostartEntry(const QString& location, const QString& programPath);
