// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/shellopener.h"

#include "system/ansitext_windows.h"

#include <windows.h>

// The shell answers at once: an instance value below 32 is its failure range.
void ShellOpener::OpenWithShell(quintptr ownerWindow, const QString& target) {
    const auto instance = reinterpret_cast<INT_PTR>(
        ShellExecuteA(reinterpret_cast<HWND>(ownerWindow), "open", AnsiText(target).constData(),
                      nullptr, nullptr, SW_SHOW));
    conclude(instance < 32);
}
