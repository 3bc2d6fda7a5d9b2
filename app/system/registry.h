#pragma once

#include <QString>

#include <windows.h>

// Sets the default (unnamed) value of subkey under key to value, a REG_SZ in the system's ANSI
// code page, creating subkey when needed. True exactly when the registry accepted the value.
bool SetKeyDefaultValue(HKEY key, const QString& subkey, const QString& value);

// What the program writes into the Run key to start the program at programPath at logon: its
// folder, a backslash and its name without the extension.
QString AutostartValue(const QString& programPath);
