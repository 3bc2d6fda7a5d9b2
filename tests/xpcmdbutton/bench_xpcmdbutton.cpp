#include "xpcmdbutton/xpcmdbutton.h"

#include <QTest>

// Measures one face drawing at the countdown window's widest button size, once from the cache of
// composed faces and once composed anew from its nine pieces, and one mouse move over it. Run by
// hand: bench_xpcmdbutton -platform offscreen
class BenchXpcmdbutton : public QObject {
    Q_OBJECT

private slots:
    void drawFace();
    void drawFaceComposed();
    void mouseMoveInside();
};

void BenchXpcmdbutton::drawFace() {
    xpcmdbutton button;
    button.resize(169, 29);
    bool state = false;
    QBENCHMARK {
        button.SetState(state ? 1 : 0);
        state = !state;
    }
}

// A new size empties the cache, so every resize of the shown button composes the face anew.
void BenchXpcmdbutton::drawFaceComposed() {
    xpcmdbutton button;
    button.show();
    bool wide = false;
    QBENCHMARK {
        button.resize(wide ? 170 : 169, 29);
        wide = !wide;
    }
}

void BenchXpcmdbutton::mouseMoveInside() {
    xpcmdbutton button;
    button.resize(169, 29);
    QMouseEvent move(QEvent::MouseMove, QPointF(20, 10), QPointF(20, 10), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QBENCHMARK {
        QCoreApplication::sendEvent(&button, &move);
    }
}

QTEST_MAIN(BenchXpcmdbutton)
#include "bench_xpcmdbutton.moc"
