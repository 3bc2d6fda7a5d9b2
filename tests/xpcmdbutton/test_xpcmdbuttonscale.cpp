// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/facestripcell.h"
#include "support/paintedface.h"
#include "xpcmdbutton/facecomposer.h"
#include "xpcmdbutton/xpcmdbutton.h"

#include <QApplication>
#include <QTest>

#include <algorithm>

// Runs with QT_SCALE_FACTOR=2: the face is composed at device pixels, not scaled up afterwards.
// The composer itself is checked at whole ratios and a fractional one.
class TestXpcmdbuttonScale : public QObject {
    Q_OBJECT

private slots:
    void composesFaceAtDevicePixels_data();
    void composesFaceAtDevicePixels();
    void composerPlacesNinePieces_data();
    void composerPlacesNinePieces();
};

namespace {

// A cell whose every pixel tells where in the cell it is, so that a pixel of the face tells
// which cell pixel it was taken from.
QImage coordinateCell() {
    QImage cell(18, 21, QImage::Format_RGB32);
    for (int y = 0; y < cell.height(); ++y) {
        for (int x = 0; x < cell.width(); ++x)
            cell.setPixel(x, y, qRgb(10 * x, 10 * y, 99));
    }
    return cell;
}

QPoint cellPixelOf(QRgb pixel) {
    return qBlue(pixel) == 99 ? QPoint(qRed(pixel) / 10, qGreen(pixel) / 10) : QPoint(-1, -1);
}

// The cell pixels that a face pixel may show along one direction, given where the face's and
// the cell's bands (corner, edge, corner) end: any of its band's, but exactly the band's first
// or last at the band's ends.
std::pair<int, int> allowedCellPixels(int position, const QList<int>& faceEnds,
                                      const QList<int>& cellEnds) {
    const qsizetype band =
        std::upper_bound(faceEnds.cbegin(), faceEnds.cend(), position) - faceEnds.cbegin();
    const int first = band == 0 ? 0 : cellEnds[band - 1];
    const int last = cellEnds[band] - 1;
    if (position == (band == 0 ? 0 : faceEnds[band - 1]))
        return {first, first};
    if (position == faceEnds[band] - 1)
        return {last, last};
    return {first, last};
}

// Whether the face pixel at place shows one of the cell pixels that the place allows.
bool showsAllowedCellPixel(const QImage& face, const QImage& cell, QPoint place,
                           const QList<int>& columnEnds, const QList<int>& rowEnds) {
    const auto [firstColumn, lastColumn] = allowedCellPixels(place.x(), columnEnds, {3, 15, 18});
    const auto [firstRow, lastRow] = allowedCellPixels(place.y(), rowEnds, {3, 18, 21});
    for (int y = firstRow; y <= lastRow; ++y) {
        for (int x = firstColumn; x <= lastColumn; ++x) {
            if (face.pixel(place) == cell.pixel(x, y))
                return true;
        }
    }
    return false;
}

// The heights, in device rows, that the runs of one colour down the face's centre column have
// between the rows first and end, each height once, from the smallest.
QList<int> runHeights(const QImage& face, int first, int end) {
    QList<int> heights;
    const int x = face.width() / 2;
    int start = first;
    for (int y = first + 1; y <= end; ++y) {
        if (y == end || face.pixel(x, y) != face.pixel(x, start)) {
            heights.append(y - start);
            start = y;
        }
    }
    std::sort(heights.begin(), heights.end());
    heights.erase(std::unique(heights.begin(), heights.end()), heights.end());
    return heights;
}

} // namespace

// The bands end as in composerPlacesNinePieces, at ratio 2: corners of 6 device pixels. The
// middle band's 15 cell rows, each of its own colour down the centre of the cells shown, are
// stretched over 46, 38 or 30 device rows: 3 or 4, 2 or 3, or 2 device rows each. Composed at
// ratio 1 in 23 or 19 pixel rows and doubled, they would take 2 or 4 device rows each.
void TestXpcmdbuttonScale::composesFaceAtDevicePixels_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("cell");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QList<int>>("columnEnds");
    QTest::addColumn<QList<int>>("rowEnds");
    QTest::addColumn<QList<int>>("cellRowHeights");

    QTest::newRow("normal, countdown window's button")
        << 0 << 0 << QSize(169, 29) << QList{6, 332, 338} << QList{6, 52, 58} << QList{3, 4};
    QTest::newRow("default, date-entry window's button")
        << 1 << 4 << QSize(57, 25) << QList{6, 108, 114} << QList{6, 44, 50} << QList{2, 3};
    QTest::newRow("cell size") << 0 << 0 << QSize(18, 21) << QList{6, 30, 36} << QList{6, 36, 42}
                               << QList{2};
}

void TestXpcmdbuttonScale::composesFaceAtDevicePixels() {
    QFETCH(int, state);
    QFETCH(int, cell);
    QFETCH(QSize, size);
    QFETCH(QList<int>, columnEnds);
    QFETCH(QList<int>, rowEnds);
    QFETCH(QList<int>, cellRowHeights);
    QWidget window;
    auto* button = qobject_cast<xpcmdbutton*>(
        CreateControl(xpcmdbutton::ProgId, QStringLiteral("xpcmdbutton1"), &window));
    button->InitProperties();
    button->setGeometry(QRect(QPoint(10, 10), size));
    button->SetState(state);
    window.show();
    QCOMPARE(button->devicePixelRatio(), 2);

    const QImage face = PaintedFace(*button);
    QCOMPARE(face.size(), size * 2);
    const QImage source = FaceStripCell(cell);
    // Each corner pixel of the cell covers two by two device pixels.
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            QCOMPARE(face.pixel(x, y), source.pixel(x / 2, y / 2));
            QCOMPARE(face.pixel(face.width() - 6 + x, face.height() - 6 + y),
                     source.pixel(15 + x / 2, 18 + y / 2));
        }
    }
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x)
            QVERIFY2(showsAllowedCellPixel(face, source, {x, y}, columnEnds, rowEnds),
                     qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
    }
    QCOMPARE(runHeights(face, rowEnds[0], rowEnds[1]), cellRowHeights);
}

// Each row gives where the face's bands of columns and of rows end, in device pixels: the
// corners are 3 cell pixels times the ratio, rounded half away from zero.
void TestXpcmdbuttonScale::composerPlacesNinePieces_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QList<int>>("columnEnds");
    QTest::addColumn<QList<int>>("rowEnds");

    QTest::newRow("1") << 1.0 << QSize(169, 29) << QList{3, 166, 169} << QList{3, 26, 29};
    QTest::newRow("2") << 2.0 << QSize(169, 29) << QList{6, 332, 338} << QList{6, 52, 58};
    // 163.5 × 37.5 device pixels round to 164 × 38, and corners of 4.5 to 5.
    QTest::newRow("1.5") << 1.5 << QSize(109, 25) << QList{5, 159, 164} << QList{5, 33, 38};
}

void TestXpcmdbuttonScale::composerPlacesNinePieces() {
    QFETCH(qreal, ratio);
    QFETCH(QSize, size);
    QFETCH(QList<int>, columnEnds);
    QFETCH(QList<int>, rowEnds);
    const QImage face = ComposeFace(coordinateCell(), size, ratio);
    QCOMPARE(face.devicePixelRatio(), ratio);
    QCOMPARE(face.size(), QSize(columnEnds.last(), rowEnds.last()));

    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            const auto [firstColumn, lastColumn] = allowedCellPixels(x, columnEnds, {3, 15, 18});
            const auto [firstRow, lastRow] = allowedCellPixels(y, rowEnds, {3, 18, 21});
            const QPoint cell = cellPixelOf(face.pixel(x, y));
            QVERIFY2(cell.x() >= firstColumn && cell.x() <= lastColumn && cell.y() >= firstRow &&
                         cell.y() <= lastRow,
                     qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
        }
    }
}

// The screen is scaled by 2 before the application starts; set here rather than by the test
// runner, since Wine keeps Qt's variables from the programs it runs.
int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    TestXpcmdbuttonScale test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_xpcmdbuttonscale.moc"
