// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/registry_windows.h"

#include "system/ansitext_windows.h"

#include <QDir>
#include <QFileInfo>

namespace {

const wchar_t* wideText(const QString& text) {
    return reinterpret_cast<const wchar_t*>(text.utf16());
}

// Windows adds ".exe" only to a name without any extension: board.v2 would be looked for as
// a file of the kind ".v2", so such a name keeps its ".exe".
QString startableName(const QFileInfo& program) {
    const QString withoutExtension = program.completeBaseName();
    const bool isExe = program.suffix().compare(QLatin1StringView("exe"), Qt::CaseInsensitive) == 0;
    return isExe && withoutExtension.contains(u'.') ? program.fileName() : withoutExtension;
}

} // namespace

// The data length counts the terminating zero. A text the ANSI call would store with
// substitution characters goes through the wide-character call, so that a path with a folder
// named in another script still names the program.
bool SetKeyDefaultValue(HKEY key, const QString& subkey, const QString& value) {
    if (AnsiCodePageHolds(subkey) && AnsiCodePageHolds(value)) {
        const QByteArray data = AnsiText(value);
        return RegSetValueA(key, AnsiText(subkey).constData(), REG_SZ, data.constData(),
                            DWORD(data.size() + 1)) == ERROR_SUCCESS;
    }
    return RegSetValueW(key, wideText(subkey), REG_SZ, wideText(value),
                        DWORD((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

// The folder of a program at a drive's root already ends in a backslash, and one more is added
// all the same (D:\\board), which Windows reads as one. A path with a space is quoted, or
// Windows would first try to start a program named after the path's first word.
QString AutostartValue(const QString& programPath) {
    const QFileInfo program(programPath);
    const QString value =
        QDir::toNativeSeparators(program.absolutePath()) + u'\\' + startableName(program);
    return value.contains(u' ') ? u'"' + value + u'"' : value;
}
