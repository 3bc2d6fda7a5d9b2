// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

// The window icon: a calendar sheet with a red header and the day's number, on a transparent
// background. The design is laid out on 32 × 32 pixels and drawn scaled to size × size.
QImage DrawIcon(int size = 32);
