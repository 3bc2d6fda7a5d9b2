// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QWidget>

// What the button paints of itself, its caption left out: its face, one image pixel to each of
// its device pixels, in the format the face strip's cells are compared in.
inline QImage PaintedFace(QWidget& button) {
    const qreal ratio = button.devicePixelRatioF();
    QImage face(button.size() * ratio, QImage::Format_RGB32);
    face.setDevicePixelRatio(ratio);
    face.fill(Qt::black);
    button.render(&face, QPoint(), QRegion(), QWidget::RenderFlags());
    return face;
}
