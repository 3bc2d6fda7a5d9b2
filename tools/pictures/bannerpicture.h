// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

// The countdown window's banner, 370 × 60 pixels: a textured dark-blue ground crossed by a light
// wave, with "Note:" in red italics on the wave's left end.
QImage DrawBanner();
