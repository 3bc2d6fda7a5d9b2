// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

// Gives a window the border of a fixed dialog with a title and only a close button, and keeps
// it out of the taskbar.
void GiveDialogFrame(QWidget* form);
