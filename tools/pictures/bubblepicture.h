// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

// The speech bubble behind the countdown window's numbers, 139 × 123 pixels on white: a white
// bubble with rounded corners and a dashed yellow outline, its tail at the lower left and a grey
// shadow to the right and below.
QImage DrawBubble();
