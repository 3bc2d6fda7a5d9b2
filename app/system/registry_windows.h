// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <windows.h>

// Sets the default (unnamed) value of subkey under key to value, a REG_SZ, creating subkey when
// needed. The text goes through the system's ANSI code page where that holds it exactly, and is
// stored in full otherwise. True exactly when the registry accepted the value.
bool SetKeyDefaultValue(HKEY key, const QString& subkey, const QString& value);

// What the program writes into the Run key to start the program at programPath at logon: its
// folder, a backslash and its name, without the extension where Windows adds it back.
QString AutostartValue(const QString& programPath);
