// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The folder that holds the user's configuration: $XDG_CONFIG_HOME, or ~/.config when the
// variable is unset, empty or not an absolute path (a relative value is to be ignored).
QString UserConfigFolder();
