// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QSize>

// The face of a button of the given size in pixels, on a screen of the given device pixel ratio,
// composed from one 18 × 21 cell of the face strip in nine pieces at the screen's device pixels.
// Each piece is scaled by the ratio with nearest-neighbour sampling onto whole device pixels, so
// the corners stay sharp (3 × 3 cell pixels become, for instance, 6 × 6 at ratio 2) and no piece
// blends into its neighbour. At ratio 1 the corners are copied as they are and the edges and the
// centre stretched. qDrawBorderPixmap lays the pieces out in logical pixels, which at a
// fractional ratio leaves them on fractional device pixels; hence the pieces are placed here.
QImage ComposeFace(const QImage& cell, QSize size, qreal ratio);
