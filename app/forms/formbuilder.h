// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/controlspec.h"

#include <span>

class QWidget;

// Creates the controls of a layout table on a window and hands each back through its row's
// slot. The table lists the controls from front to back, so a control listed earlier is drawn
// above one listed later, except that labels and pictures always lie beneath the boxes, lists
// and buttons. The tab order follows the tab indices, and the focus starts in the lowest.
void BuildControls(QWidget* form, std::span<const ControlSpec> table);
