#include "facestrip/facestriptables.h"

#include <QTest>

using facestrip::CellHeight;
using facestrip::CellWidth;

class TestFaceStrip : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void isAnEightBitPaletteStrip();
    void matchesEveryFixedPixel_data();
    void matchesEveryFixedPixel();
    void shadesTheDescribedPixels();

private:
    QRgb shipped(int cell, int x, int y) const {
        return strip_.pixel(cell * CellWidth + x, y) & 0xFFFFFF;
    }
    QImage strip_;
};

void TestFaceStrip::initTestCase() {
    QVERIFY(strip_.load(QStringLiteral(FACESTRIP_FILE)));
}

void TestFaceStrip::isAnEightBitPaletteStrip() {
    QCOMPARE(strip_.size(), QSize(90, 21));
    QCOMPARE(strip_.format(), QImage::Format_Indexed8);
    QVERIFY(strip_.colorCount() <= 256);
}

void TestFaceStrip::matchesEveryFixedPixel_data() {
    QTest::addColumn<int>("cell");
    for (int cell = 0; cell < facestrip::Cells; ++cell)
        QTest::addRow("cell %d", cell) << cell;
}

void TestFaceStrip::matchesEveryFixedPixel() {
    QFETCH(int, cell);
    int fixedPixels = 0;
    for (int y = 0; y < CellHeight; ++y) {
        for (int x = 0; x < CellWidth; ++x) {
            if (const auto fixed = facestrip::fixedColour(cell, x, y)) {
                ++fixedPixels;
                QVERIFY2(shipped(cell, x, y) == *fixed,
                         qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
            }
        }
    }
    QVERIFY(fixedPixels > 100);
}

void TestFaceStrip::shadesTheDescribedPixels() {
    const auto level = [](QRgb c) { return qRed(c) + qGreen(c) + qBlue(c); };
    for (int y = 3; y <= 17; ++y) {
        QVERIFY(level(shipped(0, 14, y)) < level(shipped(0, 13, y)));
        QVERIFY(level(shipped(1, 1, y)) < level(shipped(1, 3, y)));
        for (int cell : {3, 4}) {
            const bool fixedInner = cell == 3 && y <= 7;
            if (!fixedInner)
                QVERIFY(qAbs(level(shipped(cell, 2, y)) - level(shipped(cell, 1, y))) <= 6);
            QVERIFY(qAbs(level(shipped(cell, 16, y)) - level(shipped(cell, 1, y))) <= 6);
        }
    }
    QCOMPARE(shipped(3, 3, 10), shipped(0, 3, 10));
    QCOMPARE(shipped(4, 14, 10), shipped(0, 14, 10));
}

QTEST_GUILESS_MAIN(TestFaceStrip)
#include "test_facestrip.moc"
