#include "system/autostart.h"

#include "system/registry.h"

// Windows starts every program named in this key's values at each logon.
QString AutostartLocation() {
    return QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run");
}

// The program goes into the default value of the key, for every user of the machine.
bool SetAutostartEntry(const QString& location, const QString& programPath) {
    return SetKeyDefaultValue(HKEY_LOCAL_MACHINE, location, AutostartValue(programPath));
}
