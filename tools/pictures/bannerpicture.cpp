// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bannerpicture.h"

#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int width = 370;
constexpr int height = 60;

// A fixed seed keeps the texture the same at every run, so the committed file only changes
// when the drawing does.
void paintTexturedGround(QImage& banner) {
    QRandomGenerator grain(2005);
    for (int y = 0; y < height; ++y) {
        const double depth = static_cast<double>(y) / (height - 1);
        for (int x = 0; x < width; ++x) {
            const int weave = (x + y) % 4 == 0 ? 7 : 0;
            const int noise = grain.bounded(-9, 10) + weave;
            const int red = static_cast<int>(14 - 8 * depth) + noise / 2;
            const int green = static_cast<int>(36 - 18 * depth) + noise;
            const int blue = static_cast<int>(96 - 40 * depth) + noise;
            banner.setPixel(
                x, y,
                qRgb(std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255)));
        }
    }
}

double smoothstep(double from, double to, double x) {
    const double t = std::clamp((x - from) / (to - from), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// The wave lies flat under the word at the left and starts to swing after it.
double waveCentre(double x, double phase) {
    const double swing = 11 * smoothstep(70, 170, x);
    return 31 + swing * std::sin(2 * std::numbers::pi * (x - 70) / 190 + phase);
}

double waveHalfWidth(double x) {
    return 17 - 12 * smoothstep(0, width, x);
}

QPainterPath waveBand(double widening, double phase) {
    QPainterPath band;
    band.moveTo(0, waveCentre(0, phase) - waveHalfWidth(0) - widening);
    for (int x = 0; x <= width; x += 2)
        band.lineTo(x, waveCentre(x, phase) - waveHalfWidth(x) - widening);
    for (int x = width; x >= 0; x -= 2)
        band.lineTo(x, waveCentre(x, phase) + waveHalfWidth(x) + widening);
    band.closeSubpath();
    return band;
}

QPainterPath waveLine(double phase, double offset) {
    QPainterPath line;
    line.moveTo(0, waveCentre(0, phase) + offset);
    for (int x = 2; x <= width; x += 2)
        line.lineTo(x, waveCentre(x, phase) + offset);
    return line;
}

void paintWave(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    for (int glow = 4; glow >= 1; --glow)
        painter.fillPath(waveBand(2.0 * glow, 0), QColor(150, 190, 255, 16));

    QLinearGradient fade(0, 0, width, 0);
    fade.setColorAt(0, QColor(236, 244, 255, 240));
    fade.setColorAt(0.35, QColor(200, 222, 255, 190));
    fade.setColorAt(1, QColor(150, 186, 245, 110));
    painter.fillPath(waveBand(0, 0), fade);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 150), 1));
    painter.drawPath(waveLine(0.6, 0));
    painter.setPen(QPen(QColor(190, 215, 255, 90), 1));
    painter.drawPath(waveLine(-0.8, 6));
}

void paintNote(QPainter& painter) {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setItalic(true);
    font.setBold(true);
    font.setPixelSize(28);
    painter.setFont(font);
    const QRectF area(12, 0, 120, height);
    painter.setPen(QColor(255, 255, 255, 170));
    painter.drawText(area.translated(1, 1), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Note:"));
    painter.setPen(QColor(214, 0, 0));
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Note:"));
}

} // namespace

QImage DrawBanner() {
    QImage banner(width, height, QImage::Format_RGB32);
    paintTexturedGround(banner);
    QPainter painter(&banner);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintWave(painter);
    paintNote(painter);
    return banner;
}
