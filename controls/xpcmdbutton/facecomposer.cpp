// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "xpcmdbutton/facecomposer.h"

#include <QPainter>

namespace {

struct Piece {
    QRect target;
    QRect source;
};

} // namespace

QImage ComposeFace(const QImage& cell, QSize size, qreal ratio) {
    const QSize device = (QSizeF(size) * ratio).toSize();
    const int c = qRound(3 * ratio);
    const int w = device.width();
    const int h = device.height();
    const int wr = w - c, hb = h - c, wi = w - 2 * c, hi = h - 2 * c;
    const Piece pieces[] = {
        {{0, 0, c, c}, {0, 0, 3, 3}},     {{wr, 0, c, c}, {15, 0, 3, 3}},
        {{wr, hb, c, c}, {15, 18, 3, 3}}, {{0, hb, c, c}, {0, 18, 3, 3}},
        {{c, 0, wi, c}, {3, 0, 12, 3}},   {{wr, c, c, hi}, {15, 3, 3, 15}},
        {{0, c, c, hi}, {0, 3, 3, 15}},   {{c, hb, wi, c}, {3, 18, 12, 3}},
        {{c, c, wi, hi}, {3, 3, 12, 15}},
    };
    QImage face(device, QImage::Format_RGB32);
    face.fill(Qt::white);
    QPainter painter(&face);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (const Piece& piece : pieces) {
        if (piece.target.width() > 0 && piece.target.height() > 0)
            painter.drawImage(piece.target, cell, piece.source);
    }
    painter.end();
    face.setDevicePixelRatio(ratio);
    return face;
}
