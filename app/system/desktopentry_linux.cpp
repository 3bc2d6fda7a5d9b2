// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/desktopentry_linux.h"
#include "system/desktopnames_linux.h"

namespace {

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

} // namespace

QString DesktopEntryFor(const QString& programPath) {
    return QStringLiteral("[Desktop Entry]\n") + DesktopEntryNames + QStringLiteral("Exec=") +
           escapedStringValue(quotedExecArgument(programPath)) + u'\n';
}
