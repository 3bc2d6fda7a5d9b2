// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/ansitext_windows.h"

#include <windows.h>

QByteArray AnsiText(const QString& text) {
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    const int length = int(text.size());
    if (length == 0)
        return {};
    QByteArray ansi(WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr),
                    Qt::Uninitialized);
    WideCharToMultiByte(CP_ACP, 0, wide, length, ansi.data(), int(ansi.size()), nullptr, nullptr);
    return ansi;
}

// Read back rather than asked for a substitution: the code page may also stand a near
// character in for a missing one, which reads back as that other character.
bool AnsiCodePageHolds(const QString& text) {
    const QByteArray ansi = AnsiText(text);
    const int length = int(ansi.size());
    QString readBack(MultiByteToWideChar(CP_ACP, 0, ansi.constData(), length, nullptr, 0),
                     Qt::Uninitialized);
    MultiByteToWideChar(CP_ACP, 0, ansi.constData(), length,
                        reinterpret_cast<wchar_t*>(readBack.data()), int(readBack.size()));
    return readBack == text;
}
