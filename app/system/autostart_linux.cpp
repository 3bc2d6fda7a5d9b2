// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/autostart.h"
#include "system/desktopnames_linux.h"

#include "core/userconfigfolder_linux.h"

#include <QDir>
#include <QSaveFile>

namespace {

const QString entryFileName = QStringLiteral("dovrenta.desktop");

// Qt writes no desktop entries (QSettings' INI format quotes and escapes by other rules), so the
// entry's own rules are applied here. Inside a quoted Exec argument these four characters must
// carry a backslash, and a literal percent sign is written twice so that it is not taken for a
// field code.
QString quotedExecArgument(const QString& argument) {
    QString quoted = QStringLiteral("\"");
    for (const QChar character : argument) {
        if (character == u'"' || character == u'`' || character == u'$' || character == u'\\')
            quoted += u'\\';
        if (character == u'%')
            quoted += u'%';
        quoted += character;
    }
    return quoted + u'"';
}

// The escaping of every string value of an entry, applied after the quoting: a line break in the
// value can then never end the line.
QString escapedStringValue(const QString& value) {
    QString escaped;
    for (const QChar character : value) {
        switch (character.unicode()) {
        case u'\\':
            escaped += QStringLiteral("\\\\");
            break;
        case u'\n':
            escaped += QStringLiteral("\\n");
            break;
        case u'\t':
            escaped += QStringLiteral("\\t");
            break;
        case u'\r':
            escaped += QStringLiteral("\\r");
            break;
        default:
            escaped += character;
        }
    }
    return escaped;
}

// The desktop entry that starts the program at programPath with no arguments, named and with the
// icon as in the menu.
QString desktopEntryFor(const QString& programPath) {
    return QStringLiteral("[Desktop Entry]\n") + DesktopEntryNames + QStringLiteral("Exec=") +
           escapedStringValue(quotedExecArgument(programPath)) + u'\n';
}

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
    file.write(desktopEntryFor(programPath).toUtf8());
    return file.commit();
}
