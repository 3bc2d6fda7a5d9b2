// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/autostart.h"
#include "system/desktopentry_linux.h"

#include "core/userconfigfolder_linux.h"

#include <QDir>
#include <QSaveFile>

namespace {

const QString entryFileName = QStringLiteral("dovrenta.desktop");

} // namespace

// Every desktop entry in the folder is started at login.
QString AutostartLocation() {
    return UserConfigFolder() + QStringLiteral("/autostart");
}

// The entry replaces an earlier one in one step, so a failed write leaves the old one intact.
bool SetAutostartEntry(const QString& folder, const QString& programPath) {
    if (!QDir().mkpath(folder))
        return false;
    QSaveFile file(QDir(folder).filePath(entryFileName));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(DesktopEntryFor(programPath).toUtf8());
    return file.commit();
}
