// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "iconpicture.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QRectF sheet(3.5, 5.5, 25, 24);

void drawSheet(QPainter& painter) {
    painter.setPen(QPen(QColor(40, 48, 72), 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(sheet, 3, 3);

    QPainterPath header;
    header.addRoundedRect(sheet, 3, 3);
    painter.save();
    painter.setClipRect(QRectF(sheet.left(), sheet.top(), sheet.width(), 8));
    painter.fillPath(header, QColor(208, 32, 32));
    painter.restore();
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(sheet, 3, 3);
}

void drawRings(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 48, 72));
    for (const qreal x : {9.0, 21.0})
        painter.drawRoundedRect(QRectF(x, 2, 2.5, 6), 1.2, 1.2);
}

void drawDayNumber(QPainter& painter) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(15);
    painter.setFont(font);
    painter.setPen(QColor(20, 52, 140));
    painter.drawText(QRectF(sheet.left(), sheet.top() + 8, sheet.width(), sheet.height() - 8),
                     Qt::AlignCenter, QStringLiteral("30"));
}

} // namespace

QImage DrawIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    drawSheet(painter);
    drawRings(painter);
    drawDayNumber(painter);
    painter.end();
    return icon.convertToFormat(QImage::Format_ARGB32);
}
