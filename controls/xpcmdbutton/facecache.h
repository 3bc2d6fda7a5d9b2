// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "xpcmdbutton/facecells.h"

#include <QImage>
#include <QSize>

#include <array>

// The composed face of each cell, kept until the button's size or its screen's scale changes:
// the mouse moves that redraw the face then only hand out a face composed before.
class FaceCache {
public:
    explicit FaceCache(const FaceCells& cells);

    const QImage& face(FaceCell cell, QSize size, qreal ratio);

private:
    const FaceCells& cells_;
    std::array<QImage, FaceCells::Count> faces_;
};
