// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "facestrip/facestriptables.h"

#include <QSet>

#include <algorithm>

namespace facestrip {

namespace {

QRgb darker(QRgb colour, int levels) {
    const auto channel = [levels](int value) { return qMax(0, value - levels); };
    return qRgb(channel(qRed(colour)), channel(qGreen(colour)), channel(qBlue(colour)));
}

QRgb mix(QRgb colour, QRgb with, double share) {
    const auto channel = [share](int a, int b) { return int(a + (b - a) * share + 0.5); };
    return qRgb(channel(qRed(colour), qRed(with)), channel(qGreen(colour), qGreen(with)),
                channel(qBlue(colour), qBlue(with)));
}

template <std::size_t N>
std::optional<QRgb> lookUp(const std::array<Pixel, N>& pixels, int x, int y) {
    for (const Pixel& pixel : pixels) {
        if (pixel.x == x && pixel.y == y)
            return pixel.colour;
    }
    return std::nullopt;
}

std::optional<QRgb> disabledColour(int x, int y) {
    const bool edgeColumn = x == 0 || x == 17;
    const bool edgeRow = y == 0 || y == 20;
    if (edgeColumn && edgeRow)
        return 0xFFFFFF;
    if (edgeColumn || edgeRow)
        return DisabledBorder;
    const bool nearColumn = x == 1 || x == 16;
    const bool nextColumn = x == 2 || x == 15;
    const bool nearRow = y == 1 || y == 19;
    const bool nextRow = y == 2 || y == 18;
    if (nearColumn && nearRow)
        return 0xD8D6CA;
    if (nextColumn && nearRow)
        return 0xEAE9DE;
    if (nearColumn && nextRow)
        return 0xEEEDE2;
    return DisabledFace;
}

std::optional<QRgb> borderColour(int x, int y) {
    if (auto corner = lookUp(BorderCorners, x, y))
        return corner;
    if ((y == 0 || y == 20) && x >= 3 && x <= 14)
        return Border;
    if ((x == 0 || x == 17) && y >= 3 && y <= 17)
        return Border;
    return std::nullopt;
}

std::optional<QRgb> frameColour(int cell, int x, int y) {
    const bool hover = cell == 3;
    const auto& frame = hover ? HoverFrame : DefaultFrame;
    if (auto blend = hover ? lookUp(HoverBlends, x, y) : lookUp(DefaultBlends, x, y))
        return blend;
    const bool bar = (y <= 2 || y >= 18) && x >= 2 && x <= 15;
    if (bar && hover && y == 2 && (x == 2 || x == 15))
        return HoverInnerTop;
    if (bar)
        return frame[y - 1];
    if ((x == 1 || x == 16) && y >= 3 && y <= 17)
        return frame[y - 1];
    if (hover && (x == 2 || x == 15) && y >= 3 && y <= 7)
        return HoverInnerTop;
    if (x >= 3 && x <= 13 && y >= 3 && y <= 17)
        return NormalFace[y - 1];
    return std::nullopt;
}

bool isCornerBlend(int x, int y) {
    const bool nearColumn = x == 1 || x == 16;
    const bool nearRow = y == 1 || y == 19;
    const bool nextColumn = x == 2 || x == 15;
    const bool nextRow = y == 2 || y == 18;
    return (nearColumn || nextColumn) && (nearRow || nextRow) && !(nextColumn && nextRow);
}

// The normal and pressed faces outside the fixed columns: the normal face darkens towards the
// right border, the pressed face towards the left one, and both blend into the corners.
QRgb shadedFace(int cell, int x, int y) {
    const bool pressed = cell == 1;
    QRgb colour = (pressed ? PressedFace : NormalFace)[y - 1];
    if (!pressed && x >= 14)
        colour = darker(colour, 3 * (x - 13));
    if (pressed && x <= 2)
        colour = darker(colour, 6 * (3 - x));
    if (isCornerBlend(x, y)) {
        const bool diagonal = (x == 1 || x == 16) && (y == 1 || y == 19);
        colour = mix(colour, Border, diagonal ? 0.5 : 0.2);
    }
    return colour;
}

// Frame pixels that follow their neighbours: the inner side columns a level below the outer
// ones, and the right-hand blends a little darker than their left-hand counterparts.
QRgb shadedFrame(int cell, int x, int y) {
    if ((x == 2 || x == 15) && y >= 3 && y <= 17)
        return darker(StripColour(cell, x == 2 ? 1 : 16, y), 1);
    if ((x == 15 || x == 16) && (y == 1 || y == 19))
        return darker(StripColour(cell, 17 - x, y), 2);
    return StripColour(0, x, y);
}

} // namespace

std::optional<QRgb> FixedColour(int cell, int x, int y) {
    if (cell == 2)
        return disabledColour(x, y);
    if (auto border = borderColour(x, y))
        return border;
    if (cell == 3 || cell == 4)
        return frameColour(cell, x, y);
    if (x >= 3 && x <= 13)
        return (cell == 1 ? PressedFace : NormalFace)[y - 1];
    return std::nullopt;
}

QRgb StripColour(int cell, int x, int y) {
    if (auto fixed = FixedColour(cell, x, y))
        return *fixed;
    return cell == 3 || cell == 4 ? shadedFrame(cell, x, y) : shadedFace(cell, x, y);
}

QImage Strip() {
    QImage image(CellWidth * Cells, CellHeight, QImage::Format_RGB32);
    QList<QRgb> palette;
    for (int cell = 0; cell < Cells; ++cell) {
        for (int y = 0; y < CellHeight; ++y) {
            for (int x = 0; x < CellWidth; ++x) {
                const QRgb colour = 0xFF000000 | StripColour(cell, x, y);
                image.setPixel(cell * CellWidth + x, y, colour);
                if (!palette.contains(colour))
                    palette.append(colour);
            }
        }
    }
    QImage indexed = image.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
    // The conversion leaves the bytes past the last pixel of each scanline uninitialised, and a
    // BMP file holds whole scanlines: clear them so that every run writes the same file.
    for (int y = 0; y < indexed.height(); ++y) {
        uchar* line = indexed.scanLine(y);
        std::fill(line + indexed.width(), line + indexed.bytesPerLine(), uchar(0));
    }
    return indexed;
}

} // namespace facestrip
