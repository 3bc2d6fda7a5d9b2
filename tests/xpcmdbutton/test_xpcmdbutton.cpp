// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/facestripcell.h"
#include "support/paintedface.h"
#include "xpcmdbutton/xpcmdbutton.h"
#include "xpcmdbutton/xpcmdbuttonaccessible.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

bool holds(const PropertyBag& bag, const QString& key) {
    return bag.ReadProperty(key, QVariant()).isValid();
}

// The button's face shows cell n stretched in nine pieces: compare the corner pixels and a
// sample of the stretched edges and centre against the cell.
bool showsCell(xpcmdbutton& button, int n) {
    const QImage face = PaintedFace(button);
    const QImage source = FaceStripCell(n);
    const int w = face.width();
    const int h = face.height();
    for (int d = 0; d < 3; ++d) {
        if (face.pixel(d, d) != source.pixel(d, d) ||
            face.pixel(w - 3 + d, h - 3 + d) != source.pixel(15 + d, 18 + d))
            return false;
    }
    return face.pixel(w / 2, 0) == source.pixel(9, 0) && face.pixel(3, 3) == source.pixel(3, 3) &&
           face.pixel(w - 4, h - 4) == source.pixel(14, 17);
}

// Whether part stands in the middle of a button of the given size: its margins on either side
// differ by a pixel at most, the larger one right of it or below it.
bool centredIn(const QWidget& part, QSize button) {
    const QRect place = part.geometry();
    const int across = (button.width() - 1 - place.right()) - place.left();
    const int down = (button.height() - 1 - place.bottom()) - place.top();
    return (across == 0 || across == 1) && (down == 0 || down == 1);
}

// The cell of the strip that the button's face shows, or -1 for none.
int shownCell(xpcmdbutton& button) {
    for (int n = 0; n < FaceCells::Count; ++n) {
        if (showsCell(button, n))
            return n;
    }
    return -1;
}

QLabel* captionOf(const xpcmdbutton& button) {
    return button.findChild<QLabel*>(QStringLiteral("lbl"));
}

// Whether the button polls for the pointer leaving it.
bool tracking(const xpcmdbutton& button) {
    return button.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive();
}

void sendMove(QWidget* target, QPointF at, Qt::MouseButtons held = Qt::NoButton) {
    QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, held,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
}

void sendKey(QWidget* target, QEvent::Type type, int key, const QString& text, bool repeated) {
    QKeyEvent event(type, key, Qt::NoModifier, text, repeated);
    QCoreApplication::sendEvent(target, &event);
}

// Sends what the keyboard sends to the focused button: a press, a release, the release and press
// that a held key repeats, or the loss of the focus.
void sendKeyStep(QWidget* target, const QString& step, int key, const QString& text) {
    if (step == QLatin1StringView("press")) {
        sendKey(target, QEvent::KeyPress, key, text, false);
    } else if (step == QLatin1StringView("release")) {
        sendKey(target, QEvent::KeyRelease, key, text, false);
    } else if (step == QLatin1StringView("repeat")) {
        sendKey(target, QEvent::KeyRelease, key, text, true);
        sendKey(target, QEvent::KeyPress, key, text, true);
    } else {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(target, &out);
    }
}

struct Fixture {
    Fixture() {
        window.resize(300, 100);
        button = qobject_cast<xpcmdbutton*>(
            CreateControl(xpcmdbutton::ProgId, QStringLiteral("xpcmdbutton1"), &window));
        button->ReadProperties(PropertyBag{{QStringLiteral("caption"), QStringLiteral("设定")}});
        button->setGeometry(10, 10, 169, 29);
        button->setPointerPosition([this]() -> std::optional<QPoint> {
            ++polls;
            return button->mapTo(&window, pointer);
        });
        window.show();
    }
    QWidget window;
    xpcmdbutton* button;
    QPoint pointer{5, 5};
    int polls = 0;
};

} // namespace

class TestXpcmdbutton : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void showsCellPixelForPixelAtItsOwnSize();
    void followsEnabledAndState();
    void persistsProperties();
    void readsDefaults();
    void rejectsWrongTypesAtTheirKey_data();
    void rejectsWrongTypesAtTheirKey();
    void sharesTheFontObject();
    void centresCaption_data();
    void centresCaption();
    void hoversAndReportsMouseOut();
    void hoverEndsWhenThePointerLeavesTheWindow();
    void clicksOnPressAndRelease();
    void clicksOnPressAndReleaseInside_data();
    void clicksOnPressAndReleaseInside();
    void dragOutAndRelease();
    void moveHandlerSeesButtonCoordinatesAndSetsTheButton();
    void mouseHandlersGetButtonAndShift_data();
    void mouseHandlersGetButtonAndShift();
    void keyHandlersGetKeyCodeAndShift_data();
    void keyHandlersGetKeyCodeAndShift();
    void keysClickOnRelease_data();
    void keysClickOnRelease();
    void accessiblePressQueuesClick();
};

void TestXpcmdbutton::initTestCase() {
    InstallXpcmdbuttonAccessibility();
}

void TestXpcmdbutton::showsCellPixelForPixelAtItsOwnSize() {
    Fixture f;
    f.button->resize(18, 21);
    QCOMPARE(PaintedFace(*f.button), FaceStripCell(0));
}

void TestXpcmdbutton::followsEnabledAndState() {
    Fixture f;
    QSignalSpy changed(f.button, &xpcmdbutton::PropertyChanged);
    f.button->SetState(1);
    QVERIFY(showsCell(*f.button, 4));
    f.button->SetEnabled(false);
    QVERIFY(showsCell(*f.button, 2));
    QCOMPARE(captionOf(*f.button)->palette().color(QPalette::WindowText), QColor(161, 161, 146));
    f.button->SetEnabled(true);
    QVERIFY(showsCell(*f.button, 4));
    QCOMPARE(captionOf(*f.button)->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    f.button->SetState(7);
    QVERIFY(showsCell(*f.button, 4));
    f.button->SetState(0);
    QVERIFY(showsCell(*f.button, 0));
    QCOMPARE(changed.count(), 5);
    QCOMPARE(changed.first().first().toString(), QStringLiteral("State"));
}

void TestXpcmdbutton::persistsProperties() {
    Fixture f;
    f.button->SetState(1);
    f.button->SetEnabled(false);
    PropertyBag bag;
    f.button->WriteProperties(bag);
    QVERIFY(holds(bag, QStringLiteral("STATE")));
    QCOMPARE(bag.ReadProperty(QStringLiteral("enabled"), QVariant()).toInt(), 0);

    xpcmdbutton copy(&f.window);
    copy.setObjectName(QStringLiteral("xpcmdbutton1"));
    copy.ReadProperties(bag);
    QCOMPARE(copy.State(), 1);
    QVERIFY(!copy.Enabled());
    QCOMPARE(copy.Caption(), QStringLiteral("设定"));

    Fixture plain;
    plain.button->InitProperties();
    PropertyBag defaults;
    plain.button->WriteProperties(defaults);
    for (const char* key : {"State", "Enabled", "Caption", "Font"})
        QVERIFY2(!holds(defaults, QLatin1StringView(key)), key);
    plain.button->Font()->Size = 18;
    plain.button->WriteProperties(defaults);
    QCOMPARE(defaults.ReadProperty(QStringLiteral("Font"), QVariant())
                 .value<std::shared_ptr<StdFont>>()
                 ->Size,
             18.0);
}

void TestXpcmdbutton::readsDefaults() {
    QWidget window;
    auto* button = qobject_cast<xpcmdbutton*>(
        CreateControl(xpcmdbutton::ProgId, QStringLiteral("xpcmdbutton3"), &window));
    button->ReadProperties(PropertyBag{});
    QCOMPARE(button->Caption(), QStringLiteral("xpcmdbutton3"));
    QVERIFY(button->Enabled());
    QVERIFY(!CreateControl(QLatin1StringView("Project1.other"), QString(), &window));
}

// The keys are read in the order State, Enabled, Caption, Font; those before the wrong one
// have taken effect when the error comes.
void TestXpcmdbutton::rejectsWrongTypesAtTheirKey_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("stateAfter");
    QTest::addColumn<bool>("enabledAfter");
    QTest::addColumn<QString>("captionAfter");

    const QString before = QStringLiteral("xpcmdbutton");
    QTest::newRow("State") << "State" << QVariant("x") << 0 << true << before;
    QTest::newRow("Enabled") << "Enabled" << QVariant("abc") << 1 << true << before;
    QTest::newRow("Caption") << "Caption" << QVariant::fromValue(std::make_shared<StdFont>()) << 1
                             << false << before;
    QTest::newRow("Font of another type") << "Font" << QVariant(12) << 1 << false << "新";
    QTest::newRow("empty Font") << "Font" << QVariant::fromValue(std::shared_ptr<StdFont>()) << 1
                                << false << "新";
}

void TestXpcmdbutton::rejectsWrongTypesAtTheirKey() {
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QFETCH(int, stateAfter);
    QFETCH(bool, enabledAfter);
    QFETCH(QString, captionAfter);
    QWidget window;
    xpcmdbutton button(&window);
    PropertyBag bag{{QStringLiteral("State"), 1},
                    {QStringLiteral("Enabled"), 0},
                    {QStringLiteral("Caption"), QStringLiteral("新")}};
    bag.WriteProperty(key, value, QVariant());

    QVERIFY_THROWS_EXCEPTION(TypeMismatchError, button.ReadProperties(bag));
    QCOMPARE(button.State(), stateAfter);
    QCOMPARE(button.Enabled(), enabledAfter);
    QCOMPARE(button.Caption(), captionAfter);
}

void TestXpcmdbutton::sharesTheFontObject() {
    Fixture f;
    auto font = std::make_shared<StdFont>(StdFont{QStringLiteral("WenQuanYi Micro Hei"), 18, 700});
    f.button->SetFont(font);
    QCOMPARE(captionOf(*f.button)->font().pointSizeF(), 18.0);
    QVERIFY(captionOf(*f.button)->font().bold());

    font->Size = 24;
    f.button->SetState(0);
    QCOMPARE(f.button->font().pointSizeF(), 24.0);
    QCOMPARE(captionOf(*f.button)->font().pointSizeF(), 24.0);
    QVERIFY(centredIn(*captionOf(*f.button), QSize(169, 29)));
}

// The rows give the caption a size of its own, so that its place can be worked out by hand: half
// the room left on either side, rounded down where the room is odd, so a half pixel goes right
// and below.
void TestXpcmdbutton::centresCaption_data() {
    QTest::addColumn<QSize>("button");
    QTest::addColumn<QSize>("caption");
    QTest::addColumn<QPoint>("at");

    // 46 / 2 and 10 / 2.
    QTest::newRow("even room") << QSize(109, 25) << QSize(63, 15) << QPoint(23, 5);
    // 33 / 2 = 16.5 and 15 / 2 = 7.5.
    QTest::newRow("odd room") << QSize(97, 29) << QSize(64, 14) << QPoint(16, 7);
    // -23 / 2 = -11.5 and -5 / 2 = -2.5.
    QTest::newRow("caption larger than the button")
        << QSize(57, 25) << QSize(80, 30) << QPoint(-12, -3);
}

void TestXpcmdbutton::centresCaption() {
    QFETCH(QSize, button);
    QFETCH(QSize, caption);
    QFETCH(QPoint, at);
    Fixture f;
    QLabel* label = captionOf(*f.button);
    label->resize(caption);
    f.button->resize(button);
    QCOMPARE(label->pos(), at);

    f.button->SetCaption(QString(60, u'宽'));
    QVERIFY(label->x() < 0);
    QVERIFY(centredIn(*label, button));
}

void TestXpcmdbutton::hoversAndReportsMouseOut() {
    Fixture f;
    QSignalSpy moves(f.button, &xpcmdbutton::MouseMove);
    QSignalSpy outs(f.button, &xpcmdbutton::MouseOut);
    sendMove(f.button, QPointF(5, 5));
    QCOMPARE(moves.count(), 1);
    QVERIFY(showsCell(*f.button, 3));
    QVERIFY(tracking(*f.button));
    sendMove(f.button, QPointF(169, 28), Qt::LeftButton | Qt::RightButton);
    QVERIFY(showsCell(*f.button, 3));
    QCOMPARE(moves.count(), 2);

    f.pointer = QPoint(169, 29);
    const int pollsBefore = f.polls;
    QVERIFY(QTest::qWaitFor([&] { return f.polls >= pollsBefore + 2; }));
    QCOMPARE(outs.count(), 0);

    f.pointer = QPoint(170, 5);
    QVERIFY(QTest::qWaitFor([&] { return outs.count() == 1; }));
    QVERIFY(showsCell(*f.button, 0));
    QVERIFY(!tracking(*f.button));
}

// Without a pointer position from outside the program's windows, the window's leave event is
// what ends the hover.
void TestXpcmdbutton::hoverEndsWhenThePointerLeavesTheWindow() {
    QWidget window;
    // At the screen's origin, where the screen's and the client area's coordinates agree: the
    // windows of the minimal platform that the Windows tests run on have no handle to convert
    // with.
    window.setGeometry(0, 0, 300, 100);
    xpcmdbutton button(&window);
    button.setGeometry(10, 10, 169, 29);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy outs(&button, &xpcmdbutton::MouseOut);
    // The system's pointer goes over the button, where the button asks for it. The minimal
    // platform has no pointer of its own to move, so on Windows the move is sent directly.
#ifdef Q_OS_WIN
    SetCursorPos(31, 22);
    sendMove(&button, QPointF(21, 12));
#else
    QTest::mouseMove(&button, QPoint(21, 12));
#endif
    QVERIFY(QTest::qWaitFor([&] { return tracking(button); }));

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&window, &leave);
    QVERIFY(QTest::qWaitFor([&] { return outs.count() == 1; }));
    QVERIFY(showsCell(button, 0));

    WindowPointer pointer;
    pointer.watch(&window);
    QCoreApplication::sendEvent(&window, &leave);
    QVERIFY(!pointer.position());
    QEnterEvent enter(QPointF(15, 15), QPointF(15, 15), window.mapToGlobal(QPointF(15, 15)));
    QCoreApplication::sendEvent(&window, &enter);
    // Where the move above left the system's pointer, in the window's client area.
    QCOMPARE(pointer.position(), std::optional<QPoint>(QPoint(31, 22)));
}

void TestXpcmdbutton::clicksOnPressAndRelease() {
    Fixture f;
    QStringList order;
    connect(f.button, &xpcmdbutton::MouseDown,
            [&](short&, short&, float&, float&) { order << "down"; });
    connect(f.button, &xpcmdbutton::MouseUp,
            [&](short&, short&, float&, float&) { order << "up"; });
    connect(f.button, &xpcmdbutton::Click, [&] { order << "click"; });
    QTest::mousePress(f.button, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(showsCell(*f.button, 1));
    QTest::mouseRelease(f.button, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(showsCell(*f.button, 0));
    QCOMPARE(order, (QStringList{"down", "up", "click"}));

    QTest::mouseClick(f.button, Qt::RightButton, {}, QPoint(5, 5));
    QCOMPARE(order.count("click"), 1);
}

// The release goes to the part that took the press, face or caption; a click is a press and a
// release anywhere inside the control.
void TestXpcmdbutton::clicksOnPressAndReleaseInside_data() {
    QTest::addColumn<bool>("onCaption");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("clicks");

    const QPoint face(5, 5);
    // Where the caption stands, in the middle of the 169 × 29 button.
    const QPoint caption(84, 14);
    QTest::newRow("caption, then face") << true << face << true << 1;
    QTest::newRow("face, then caption") << false << caption << true << 1;
    QTest::newRow("caption, then outside") << true << QPoint(200, 5) << true << 0;
    QTest::newRow("caption of a disabled control") << true << caption << false << 0;
}

void TestXpcmdbutton::clicksOnPressAndReleaseInside() {
    QFETCH(bool, onCaption);
    QFETCH(QPoint, releaseAt);
    QFETCH(bool, enabled);
    QFETCH(int, clicks);
    Fixture f;
    f.button->SetEnabled(enabled);
    int downs = 0;
    connect(f.button, &xpcmdbutton::MouseDown, [&](short&, short&, float&, float&) { ++downs; });
    QSignalSpy clicked(f.button, &xpcmdbutton::Click);
    QWidget* part = onCaption ? static_cast<QWidget*>(captionOf(*f.button)) : f.button;
    QVERIFY(captionOf(*f.button)->geometry().contains(QPoint(84, 14)));
    QTest::mousePress(part, Qt::LeftButton, {}, part->rect().center());
    QTest::mouseRelease(part, Qt::LeftButton, {}, part->mapFrom(f.button, releaseAt));
    QCOMPARE(downs, enabled ? 1 : 0);
    QCOMPARE(clicked.count(), clicks);
}

void TestXpcmdbutton::dragOutAndRelease() {
    Fixture f;
    QSignalSpy moves(f.button, &xpcmdbutton::MouseMove);
    QSignalSpy clicks(f.button, &xpcmdbutton::Click);
    QTest::mousePress(f.button, Qt::LeftButton, {}, QPoint(5, 5));
    sendMove(f.button, QPointF(200, 5), Qt::LeftButton);
    QCOMPARE(moves.count(), 0);
    QVERIFY(showsCell(*f.button, 1));
    QVERIFY(tracking(*f.button));
    QTest::mouseRelease(f.button, Qt::LeftButton, {}, QPoint(200, 5));
    QCOMPARE(clicks.count(), 0);
    QVERIFY(showsCell(*f.button, 0));
}

// Over the caption, a move handler gets the caption's place in the button's coordinates before
// it is rounded to whole pixels, wherever the pointer is on it; the button the handler sets is
// the one the face shows.
void TestXpcmdbutton::moveHandlerSeesButtonCoordinatesAndSetsTheButton() {
    Fixture f;
    captionOf(*f.button)->resize(63, 14);
    // (170 - 63) / 2 and (29 - 14) / 2.
    f.button->resize(170, 29);
    float x = -1;
    float y = -1;
    connect(f.button, &xpcmdbutton::MouseMove, [&](short& button, short&, float& mx, float& my) {
        button = 1;
        x = mx;
        y = my;
    });
    sendMove(captionOf(*f.button), QPointF(2, 2));
    QCOMPARE(x, 53.5f);
    QCOMPARE(y, 7.5f);
    QVERIFY(showsCell(*f.button, 1));
}

// Button: 1 left, 2 right, 4 middle, for the button that went down or up, and for all the
// buttons held during a move; Shift: 1 Shift, 2 Ctrl, 4 Alt.
void TestXpcmdbutton::mouseHandlersGetButtonAndShift_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::MouseButtons>("held");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("buttonOfDownAndUp");
    QTest::addColumn<int>("buttonOfMove");
    QTest::addColumn<int>("shift");

    const Qt::KeyboardModifiers none;
    QTest::newRow("left") << Qt::LeftButton << Qt::MouseButtons(Qt::LeftButton) << none << 1 << 1
                          << 0;
    QTest::newRow("right with Ctrl and Shift")
        << Qt::RightButton << Qt::MouseButtons(Qt::RightButton)
        << (Qt::ControlModifier | Qt::ShiftModifier) << 2 << 2 << 3;
    QTest::newRow("middle with Alt") << Qt::MiddleButton << Qt::MouseButtons(Qt::MiddleButton)
                                     << Qt::KeyboardModifiers(Qt::AltModifier) << 4 << 4 << 4;
    QTest::newRow("right while left held")
        << Qt::RightButton << (Qt::LeftButton | Qt::RightButton) << none << 2 << 3 << 0;
    QTest::newRow("other button") << Qt::BackButton << Qt::MouseButtons(Qt::BackButton) << none << 0
                                  << 0 << 0;
}

void TestXpcmdbutton::mouseHandlersGetButtonAndShift() {
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::MouseButtons, held);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, buttonOfDownAndUp);
    QFETCH(int, buttonOfMove);
    QFETCH(int, shift);
    Fixture f;
    QList<QList<int>> got;
    const auto note = [&](short& bits, short& shiftBits, float&, float&) {
        got.append({bits, shiftBits});
    };
    connect(f.button, &xpcmdbutton::MouseDown, note);
    connect(f.button, &xpcmdbutton::MouseMove, note);
    connect(f.button, &xpcmdbutton::MouseUp, note);
    const QPointF at(5, 5);
    const QPointF global = f.button->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, button, held, modifiers);
    QMouseEvent move(QEvent::MouseMove, at, global, Qt::NoButton, held, modifiers);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, button, held & ~button, modifiers);
    for (QMouseEvent* event : {&press, &move, &release})
        QCoreApplication::sendEvent(f.button, event);
    const QList<int> downAndUp{buttonOfDownAndUp, shift};
    QCOMPARE(got, (QList<QList<int>>{downAndUp, {buttonOfMove, shift}, downAndUp}));
}

// KeyCode: letters and digits as their upper-case characters, the common control keys by their
// numbers, F1 to F24 from 112, any other key 0; Shift as for the mouse. The Shift, Ctrl and Alt
// keys themselves have no row: a key event turns over the key's own bit in its modifiers, so
// such a row would check Qt rather than the button.
void TestXpcmdbutton::keyHandlersGetKeyCodeAndShift_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<int>("shift");

    const Qt::KeyboardModifiers none;
    QTest::newRow("letter") << int(Qt::Key_A) << none << 65 << 0;
    QTest::newRow("digit with Ctrl and Shift")
        << int(Qt::Key_7) << (Qt::ControlModifier | Qt::ShiftModifier) << 55 << 3;
    QTest::newRow("Enter of the keypad")
        << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier) << 13 << 0;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << 8 << 0;
    QTest::newRow("Escape with Alt")
        << int(Qt::Key_Escape) << Qt::KeyboardModifiers(Qt::AltModifier) << 27 << 4;
    QTest::newRow("Left") << int(Qt::Key_Left) << none << 37 << 0;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << none << 46 << 0;
    QTest::newRow("F1") << int(Qt::Key_F1) << none << 112 << 0;
    QTest::newRow("F24") << int(Qt::Key_F24) << none << 135 << 0;
    QTest::newRow("other key") << int(Qt::Key_Home) << none << 0 << 0;
}

void TestXpcmdbutton::keyHandlersGetKeyCodeAndShift() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, keyCode);
    QFETCH(int, shift);
    Fixture f;
    QList<QList<int>> got;
    const auto note = [&](short& code, short& shiftBits) { got.append({code, shiftBits}); };
    connect(f.button, &xpcmdbutton::KeyDown, note);
    connect(f.button, &xpcmdbutton::KeyUp, note);
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QCoreApplication::sendEvent(f.button, &press);
    QCoreApplication::sendEvent(f.button, &release);
    QCOMPARE(got, (QList<QList<int>>{{keyCode, shift}, {keyCode, shift}}));
}

// Each row sends its key in steps, as sendKeyStep names them; the log notes the events raised
// and, after each step and at the click, the cell of the strip that the face shows.
void TestXpcmdbutton::keysClickOnRelease_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("log");

    const QStringList pressed{"KeyDown", "KeyPress", "face 1"};
    const QStringList released{"KeyUp", "Click on face 0", "face 0"};
    const QStringList keystroke{"press", "release"};
    QTest::newRow("Space") << int(Qt::Key_Space) << " " << keystroke << pressed + released;
    QTest::newRow("Return") << int(Qt::Key_Return) << "\r" << keystroke << pressed + released;
    QTest::newRow("Enter") << int(Qt::Key_Enter) << "\r" << keystroke << pressed + released;
    QTest::newRow("letter") << int(Qt::Key_A) << "a" << keystroke
                            << QStringList{"KeyDown", "KeyPress", "face 0", "KeyUp", "face 0"};
    QTest::newRow("held Space") << int(Qt::Key_Space) << " "
                                << QStringList{"press", "repeat", "repeat", "release"}
                                << pressed + pressed + pressed + released;
    QTest::newRow("release without press")
        << int(Qt::Key_Return) << "\r" << QStringList{"release"} << QStringList{"KeyUp", "face 0"};
    QTest::newRow("held before the focus came")
        << int(Qt::Key_Return) << "\r" << QStringList{"repeat", "release"}
        << QStringList{"KeyDown", "KeyPress", "face 0", "KeyUp", "face 0"};
    QTest::newRow("focus lost while held")
        << int(Qt::Key_Space) << " " << QStringList{"press", "focus out", "release"}
        << QStringList{"KeyDown", "KeyPress", "face 1", "face 0", "KeyUp", "face 0"};
}

void TestXpcmdbutton::keysClickOnRelease() {
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, log);
    Fixture f;
    QStringList logged;
    connect(f.button, &xpcmdbutton::KeyDown, [&](short&, short&) { logged << "KeyDown"; });
    connect(f.button, &xpcmdbutton::KeyPress, [&](short&) { logged << "KeyPress"; });
    connect(f.button, &xpcmdbutton::KeyUp, [&](short&, short&) { logged << "KeyUp"; });
    connect(f.button, &xpcmdbutton::Click,
            [&] { logged << QStringLiteral("Click on face %1").arg(shownCell(*f.button)); });
    for (const QString& step : steps) {
        sendKeyStep(f.button, step, key, text);
        logged << QStringLiteral("face %1").arg(shownCell(*f.button));
    }
    QCOMPARE(logged, log);
}

void TestXpcmdbutton::accessiblePressQueuesClick() {
    Fixture f;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(f.button);
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::Button);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("设定"));
    QSignalSpy clicks(f.button, &xpcmdbutton::Click);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicks.count(), 0);
    QVERIFY(QTest::qWaitFor([&] { return clicks.count() == 1; }));
}

QTEST_MAIN(TestXpcmdbutton)
#include "test_xpcmdbutton.moc"
