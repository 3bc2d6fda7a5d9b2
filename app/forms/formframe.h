// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/twips.h"

class QString;
class QWidget;

// Gives a window the program's frame: a fixed dialog border with only a close button, no
// taskbar button, the shared icon, and a client area of the given size.
void SetUpFormFrame(QWidget* form, const QString& caption, TwipsSize clientArea);

// Places the client area's top-left corner at a point of the screen.
void PlaceClientArea(QWidget* form, TwipsPoint topLeft);

void CentreOnScreen(QWidget* form);

// Shows a window un-minimized and in front: a window without a taskbar button would otherwise
// be out of the user's reach once minimized.
void BringToFront(QWidget* form);
