// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <Qt>

// The values the button's mouse and key events carry, in the bits and numbers its window's
// handlers are written against.

// Button: 1 left, 2 right, 4 middle.
short ButtonBits(Qt::MouseButtons buttons);
// Shift: 1 Shift key, 2 Ctrl, 4 Alt.
short ShiftBits(Qt::KeyboardModifiers modifiers);
// Letters and digits as their upper-case characters, the common control keys by their classic
// numbers, and 0 for any other key.
short KeyCode(int key);
