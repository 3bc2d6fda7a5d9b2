#include "support/facestripcell.h"
#include "xpcmdbutton/xpcmdbutton.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

// Runs with QT_SCALE_FACTOR=2: the face is composed at device pixels, not scaled up afterwards.
class TestXpcmdbuttonScale : public QObject {
    Q_OBJECT

private slots:
    void composesFaceAtDevicePixels_data();
    void composesFaceAtDevicePixels();
};

namespace {

// The nine pieces of the cell, each scaled on its own to its place at device size.
QImage ninePiecesAtDeviceSize(const QImage& cell, QSize logical, int ratio) {
    const int c = 3 * ratio;
    const int w = logical.width() * ratio;
    const int h = logical.height() * ratio;
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

// The screen is scaled by 2 before the application starts; set here rather than by the test
// runner, since Wine keeps Qt's variables from the programs it runs.
int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    TestXpcmdbuttonScale test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_xpcmdbuttonscale.moc"
