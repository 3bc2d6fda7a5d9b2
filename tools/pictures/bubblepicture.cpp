// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bubblepicture.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int width = 139;
constexpr int height = 123;
constexpr QPointF shadowOffset(5, 5);

QPainterPath bubbleOutline() {
    QPainterPath body;
    body.addRoundedRect(QRectF(3, 3, 127, 88), 24, 24);

    QPainterPath tail;
    tail.moveTo(30, 84);
    tail.quadTo(28, 104, 8, 116);
    tail.quadTo(42, 108, 60, 84);
    tail.closeSubpath();
    return body.united(tail).simplified();
}

// A few widening passes of faint grey give the shadow a soft edge.
void paintShadow(QPainter& painter, const QPainterPath& outline) {
    const QPainterPath shadow = outline.translated(shadowOffset);
    painter.setBrush(Qt::NoBrush);
    for (int spread = 3; spread >= 1; --spread) {
        painter.setPen(QPen(QColor(150, 150, 150, 40), 2.0 * spread, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        painter.drawPath(shadow);
    }
    painter.setPen(Qt::NoPen);
    painter.fillPath(shadow, QColor(168, 168, 168));
}

void paintBubble(QPainter& painter, const QPainterPath& outline) {
    painter.fillPath(outline, Qt::white);
    QPen dashes(QColor(240, 190, 0), 2.5, Qt::CustomDashLine, Qt::RoundCap, Qt::RoundJoin);
    dashes.setDashPattern({2.4, 1.6});
    painter.setPen(dashes);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
}

} // namespace

QImage DrawBubble() {
    QImage bubble(width, height, QImage::Format_RGB32);
    bubble.fill(Qt::white);
    QPainter painter(&bubble);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath outline = bubbleOutline();
    paintShadow(painter, outline);
    paintBubble(painter, outline);
    return bubble;
}
