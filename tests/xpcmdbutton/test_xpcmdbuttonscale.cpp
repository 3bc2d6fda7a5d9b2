#include "support/facestripcell.h"
#include "xpcmdbutton/facecomposer.h"
#include "xpcmdbutton/xpcmdbutton.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

// Runs with QT_SCALE_FACTOR=2: the face is composed at device pixels, not scaled up afterwards.
// The composer itself is checked at whole and fractional ratios.
class TestXpcmdbuttonScale : public QObject {
    Q_OBJECT

private slots:
    void composesFaceAtDevicePixels_data();
    void composesFaceAtDevicePixels();
    void composerPlacesNinePieces_data();
    void composerPlacesNinePieces();
};

namespace {

// The nine pieces of the cell, each scaled on its own to its place at device size: the corners
// 3 pixels times the ratio, rounded, and the edges and the centre filling the rest.
QImage ninePiecesAtDeviceSize(const QImage& cell, QSize logical, qreal ratio) {
    const int c = qRound(3 * ratio);
    const int w = qRound(logical.width() * ratio);
    const int h = qRound(logical.height() * ratio);
    const std::pair<QRect, QRect> pieces[] = {
        {{0, 0, c, c}, {0, 0, 3, 3}},
        {{w - c, 0, c, c}, {15, 0, 3, 3}},
        {{w - c, h - c, c, c}, {15, 18, 3, 3}},
        {{0, h - c, c, c}, {0, 18, 3, 3}},
        {{c, 0, w - 2 * c, c}, {3, 0, 12, 3}},
        {{w - c, c, c, h - 2 * c}, {15, 3, 3, 15}},
        {{0, c, c, h - 2 * c}, {0, 3, 3, 15}},
        {{c, h - c, w - 2 * c, c}, {3, 18, 12, 3}},
        {{c, c, w - 2 * c, h - 2 * c}, {3, 3, 12, 15}},
    };
    QImage face(w, h, QImage::Format_RGB32);
    QPainter painter(&face);
    for (const auto& [target, source] : pieces)
        painter.drawImage(target.topLeft(), cell.copy(source).scaled(target.size()));
    return face;
}

} // namespace

void TestXpcmdbuttonScale::composesFaceAtDevicePixels_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("cell");
    QTest::addColumn<QSize>("size");

    QTest::newRow("normal, countdown window's button") << 0 << 0 << QSize(169, 29);
    QTest::newRow("default, date-entry window's button") << 1 << 4 << QSize(57, 25);
    QTest::newRow("cell size") << 0 << 0 << QSize(18, 21);
}

void TestXpcmdbuttonScale::composesFaceAtDevicePixels() {
    QFETCH(int, state);
    QFETCH(int, cell);
    QFETCH(QSize, size);
    QWidget window;
    auto* button = qobject_cast<xpcmdbutton*>(
        CreateControl(xpcmdbutton::ProgId, QStringLiteral("xpcmdbutton1"), &window));
    button->InitProperties();
    button->setGeometry(QRect(QPoint(10, 10), size));
    button->SetState(state);
    window.show();
    QCOMPARE(button->devicePixelRatio(), 2);

    const QImage source = FaceStripCell(cell);
    QImage face = button->surface();
    QCOMPARE(face.devicePixelRatio(), 2.0);
    face.setDevicePixelRatio(1);
    QCOMPARE(face, ninePiecesAtDeviceSize(source, size, 2));
}

void TestXpcmdbuttonScale::composerPlacesNinePieces_data() {
    QTest::addColumn<int>("cell");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qreal>("ratio");

    QTest::newRow("1") << 0 << QSize(169, 29) << 1.0;
    QTest::newRow("1.25") << 3 << QSize(169, 29) << 1.25;
    QTest::newRow("1.5") << 4 << QSize(109, 25) << 1.5;
    QTest::newRow("1.75") << 1 << QSize(57, 25) << 1.75;
    QTest::newRow("2") << 2 << QSize(93, 29) << 2.0;
}

void TestXpcmdbuttonScale::composerPlacesNinePieces() {
    QFETCH(int, cell);
    QFETCH(QSize, size);
    QFETCH(qreal, ratio);
    QImage face = ComposeFace(FaceStripCell(cell), size, ratio);
    QCOMPARE(face.devicePixelRatio(), ratio);
    face.setDevicePixelRatio(1);
    QCOMPARE(face, ninePiecesAtDeviceSize(FaceStripCell(cell), size, ratio));
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
