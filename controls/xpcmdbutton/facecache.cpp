// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "xpcmdbutton/facecache.h"

#include "xpcmdbutton/facecomposer.h"

#include <cstddef>

FaceCache::FaceCache(const FaceCells& cells)
    : cells_(cells) {}

const QImage& FaceCache::face(FaceCell cell, QSize size, qreal ratio) {
    QImage& face = faces_.at(std::size_t(cell));
    if (face.size() != (QSizeF(size) * ratio).toSize() || face.devicePixelRatio() != ratio)
        face = ComposeFace(cells_.graphicCell(cell), size, ratio);
    return face;
}
