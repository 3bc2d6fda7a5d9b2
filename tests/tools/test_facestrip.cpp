#include "facestrip/facestriptables.h"

#include <QTest>

using facestrip::CellHeight;
using facestrip::CellWidth;

class TestFaceStrip : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void isAnEightBitPaletteStrip();
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
