// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "indexedicon.h"

#include <QBuffer>
#include <QDataStream>
#include <QHash>

namespace {

// Index 0 stays black for the masked pixels, whose colour the mask hides.
constexpr int paletteSize = 256;
constexpr int transparentIndex = 0;

struct IndexedPixels {
    QList<QRgb> palette;
    QList<quint8> indices;
    QList<bool> transparent;
};

bool isTransparent(QRgb pixel) {
    return qAlpha(pixel) < 128;
}

QRgb reduced(QRgb pixel, int droppedBits) {
    const int keep = (0xff << droppedBits) & 0xff;
    return qRgb(qRed(pixel) & keep, qGreen(pixel) & keep, qBlue(pixel) & keep);
}

// Keeps every colour when the picture has few enough, and otherwise drops low bits of each
// channel until the opaque colours fit the palette.
IndexedPixels indexed(const QImage& picture) {
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    for (int droppedBits = 0;; ++droppedBits) {
        IndexedPixels pixels;
        pixels.palette = {qRgb(0, 0, 0)};
        QHash<QRgb, quint8> indexOf;
        for (int y = 0; y < argb.height(); ++y) {
            for (int x = 0; x < argb.width(); ++x) {
                const QRgb pixel = argb.pixel(x, y);
                pixels.transparent << isTransparent(pixel);
                if (isTransparent(pixel)) {
                    pixels.indices << transparentIndex;
                    continue;
                }
                const QRgb colour = reduced(pixel, droppedBits);
                if (!indexOf.contains(colour)) {
                    indexOf.insert(colour, static_cast<quint8>(pixels.palette.size() & 0xff));
                    pixels.palette << colour;
                }
                pixels.indices << indexOf.value(colour);
            }
        }
        if (pixels.palette.size() <= paletteSize)
            return pixels;
    }
}

void writeDirectory(QDataStream& out, int width, int height, quint32 imageBytes) {
    out << quint16(0) << quint16(1) << quint16(1);
    // Width and height are bytes in which 0 stands for 256; so is a colour count of 256.
    out << quint8(width & 0xff) << quint8(height & 0xff) << quint8(0) << quint8(0);
    out << quint16(1) << quint16(8) << imageBytes << quint32(6 + 16);
}

// The image's own header counts the colour rows and the mask rows together in its height.
void writeBitmapHeader(QDataStream& out, int width, int height, quint32 pixelBytes) {
    out << quint32(40) << qint32(width) << qint32(2 * height) << quint16(1) << quint16(8)
        << quint32(0) << pixelBytes << qint32(0) << qint32(0) << quint32(paletteSize) << quint32(0);
}

void writePalette(QDataStream& out, const QList<QRgb>& palette) {
    for (int i = 0; i < paletteSize; ++i) {
        const QRgb colour = i < palette.size() ? palette[i] : qRgb(0, 0, 0);
        out << quint8(qBlue(colour)) << quint8(qGreen(colour)) << quint8(qRed(colour)) << quint8(0);
    }
}

int rowBytes(int bits) {
    return (bits + 31) / 32 * 4;
}

// Both pixel blocks run from the bottom row up, each row padded to whole 32-bit words.
void writePixels(QDataStream& out, const IndexedPixels& pixels, int width, int height) {
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x)
            out << pixels.indices[y * width + x];
        for (int pad = width; pad < rowBytes(8 * width); ++pad)
            out << quint8(0);
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(rowBytes(width), '\0');
        for (int x = 0; x < width; ++x) {
            if (pixels.transparent[y * width + x])
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.writeRawData(row.constData(), static_cast<int>(row.size()));
    }
}

} // namespace

QByteArray EncodeIndexedIcon(const QImage& picture) {
    const int width = picture.width();
    const int height = picture.height();
    const auto pixelBytes = static_cast<quint32>((rowBytes(8 * width) + rowBytes(width)) * height);
    const quint32 imageBytes = 40 + 4 * paletteSize + pixelBytes;

    QByteArray file;
    QBuffer buffer(&file);
    buffer.open(QIODevice::WriteOnly);
    QDataStream out(&buffer);
    out.setByteOrder(QDataStream::LittleEndian);
    const IndexedPixels pixels = indexed(picture);
    writeDirectory(out, width, height, imageBytes);
    writeBitmapHeader(out, width, height, pixelBytes);
    writePalette(out, pixels.palette);
    writePixels(out, pixels, width, height);
    return file;
}
