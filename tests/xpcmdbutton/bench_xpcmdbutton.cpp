#include "xpcmdbutton.h"

#include <QTest>

// Measures one face drawing at the countdown window's widest button size and one mouse move
// over it. Run by hand: bench_xpcmdbutton -platform offscreen
class BenchXpcmdbutton : public QObject {
    Q_OBJECT

private slots:
    void drawFace();
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
