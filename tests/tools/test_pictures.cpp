// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/facestripcell.h"

#include <QFile>
#include <QImageReader>
#include <QTest>
#include <QtEndian>

namespace {

QString picturePath(const char* fileName) {
    return QStringLiteral(DOVRENTA_RESOURCES_DIR "/") + QLatin1String(fileName);
}

quint16 littleEndianWordAt(const QByteArray& bytes, qsizetype offset) {
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

QByteArray fileStart(const QString& path, qint64 length) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(length) : QByteArray();
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void haveTheirSizeAndFormat_data();
    void haveTheirSizeAndFormat();
    void iconHasOne256ColourImage();
    void bitmapsHaveTheirPixelDepth();
    void faceStripShadesTheDescribedPixels();
};

void TestPictures::haveTheirSizeAndFormat_data() {
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");

    QTest::newRow("icon.ico") << QByteArray("ico") << QSize(32, 32);
    QTest::newRow("banner.jpg") << QByteArray("jpeg") << QSize(370, 60);
    QTest::newRow("bubble.bmp") << QByteArray("bmp") << QSize(139, 123);
    QTest::newRow("facestrip.bmp") << QByteArray("bmp") << QSize(90, 21);
}

void TestPictures::haveTheirSizeAndFormat() {
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QImageReader reader(picturePath(QTest::currentDataTag()));
    reader.setDecideFormatFromContent(true);

    QCOMPARE(reader.format(), format);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
}

// The icon directory: a 6-byte header with the image count and one 16-byte entry with the bit
// count at its offset 6; the image's own bitmap header follows at offset 22.
void TestPictures::iconHasOne256ColourImage() {
    const QByteArray header = fileStart(picturePath("icon.ico"), 22 + 40);
    QCOMPARE(header.size(), 22 + 40);
    QCOMPARE(littleEndianWordAt(header, 2), quint16(1));
    QCOMPARE(littleEndianWordAt(header, 4), quint16(1));
    QCOMPARE(littleEndianWordAt(header, 6 + 6), quint16(8));
    QCOMPARE(littleEndianWordAt(header, 22 + 14), quint16(8));

    const QImage icon(picturePath("icon.ico"));
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(icon.pixel(16, 20)), 255);
}

// The bits per pixel follow the 14-byte file header and the first 14 bytes of the info header.
void TestPictures::bitmapsHaveTheirPixelDepth() {
    for (const auto& [file, bits] : {std::pair{"bubble.bmp", 24}, std::pair{"facestrip.bmp", 8}}) {
        const QByteArray header = fileStart(picturePath(file), 30);
        QCOMPARE(header.size(), 30);
        QCOMPARE(littleEndianWordAt(header, 28), quint16(bits));
    }
}

void TestPictures::faceStripShadesTheDescribedPixels() {
    QImage cells[5];
    for (int n = 0; n < 5; ++n)
        cells[n] = FaceStripCell(n);
    const auto level = [&](int cell, int x, int y) {
        const QRgb c = cells[cell].pixel(x, y);
        return qRed(c) + qGreen(c) + qBlue(c);
    };
    for (int y = 3; y <= 17; ++y) {
        QVERIFY(level(0, 14, y) < level(0, 13, y));
        QVERIFY(level(1, 1, y) < level(1, 3, y));
        for (int cell : {3, 4}) {
            const bool fixedInner = cell == 3 && y <= 7;
            if (!fixedInner)
                QVERIFY(qAbs(level(cell, 2, y) - level(cell, 1, y)) <= 6);
            QVERIFY(qAbs(level(cell, 16, y) - level(cell, 1, y)) <= 6);
        }
    }
    QCOMPARE(cells[3].pixel(3, 10), cells[0].pixel(3, 10));
    QCOMPARE(cells[4].pixel(14, 10), cells[0].pixel(14, 10));
}

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
