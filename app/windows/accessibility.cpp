// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/accessibility.h"

#include "xpcmdbutton/xpcmdbuttonaccessible.h"

void InstallAccessibility() {
    InstallXpcmdbuttonAccessibility();
}
