// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/controlspec.h"
#include "forms/fonts.h"

#include <QColor>

// The fonts and colours that the layout tables share.
inline const QColor Red(255, 0, 0);
inline const QColor Blue(0, 0, 255);
inline const ControlSpec::Font ButtonFont{SansSerifFamily(), 8.25};
inline const ControlSpec::Font NumberFont{SansSerifFamily(), 18};
inline const ControlSpec::Font LinkFont{SansSerifFamily(), 8.25, false, true};
