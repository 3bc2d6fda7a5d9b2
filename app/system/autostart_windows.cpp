// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/autostart.h"

#include "system/registry_windows.h"

// Windows starts every program named in this key's values at each logon.
QString AutostartLocation() {
    return QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run");
}

// The program goes into the default value of the key for every user of the machine. That takes
// administrator rights, which programs run without unless the user asks for them; refused, the
// value goes into the same key in the user's own part of the registry, read at the user's logon.
bool SetAutostartEntry(const QString& location, const QString& programPath) {
    const QString value = AutostartValue(programPath);
    return SetKeyDefaultValue(HKEY_LOCAL_MACHINE, location, value) ||
           SetKeyDefaultValue(HKEY_CURRENT_USER, location, value);
}
