// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The desktop entry that starts the program at programPath with no arguments, named and with the
// icon as in the menu.
QString DesktopEntryFor(const QString& programPath);
