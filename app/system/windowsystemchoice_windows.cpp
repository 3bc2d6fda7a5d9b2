// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/windowsystemchoice.h"

WindowSystemChoice::WindowSystemChoice() = default;

void WindowSystemChoice::forget() {}
