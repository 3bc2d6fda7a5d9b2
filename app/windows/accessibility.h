// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Makes Qt's accessibility present the program's own push button as a screen reader expects;
// the other controls keep Qt's own presentation. Called once when the program starts.
void InstallAccessibility();
