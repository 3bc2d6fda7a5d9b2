// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/caretblinktimeout.h"
#include "forms/form2.h"
#include "forms/form3.h"
#include "formsfixture.h"
#include "support/clockreport.h"
#include "system/clockchangenotifier.h"
#include "xpcmdbutton/xpcmdbutton.h"

#include <QLabel>
#include <QSignalSpy>
#include <QStyleHints>
#include <QTest>

class TestCountdownWindow : public QObject {
    Q_OBJECT

private slots:
    void ticksAtEachSecondBoundary();
    void aimsAtTheNextBoundaryOfTheSetClock();
    void caretStopsBlinkingWhenIdle();
#ifndef Q_OS_WIN
    void writesAutostartEntry();
    void reportsFailedAutostart();
    void opensLinkTargets_data();
    void opensLinkTargets();
    void reportsLinkNoHandlerTakes();
#endif
};

void TestCountdownWindow::ticksAtEachSecondBoundary() {
    FormsFixture fixture;
    fixture.clock.set(QDateTime(QDate(2005, 2, 1), QTime(8, 0, 0, 300)));
    fixture.storeTarget("2005", "6", "1");
    auto windows = fixture.start();
    Form2* form = windows->form2();
    auto* timer = form->findChild<QTimer*>(QStringLiteral("Timer1"));
    QVERIFY(timer->isActive());
    // A coarse timer may fire up to 5% of its interval early, before the boundary it aims at.
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    QCOMPARE(timer->interval(), 1700);
    QCOMPARE(TextOf(form, "Label6"), QString());

    fixture.clock.set(QDateTime(QDate(2005, 2, 1), QTime(8, 0, 1, 999)));
    QMetaObject::invokeMethod(timer, "timeout");
    QCOMPARE(TextOf(form, "Label6"), QStringLiteral("10339199"));
    QCOMPARE(timer->interval(), 1);

    fixture.clock.set(QDateTime(QDate(2005, 2, 1), QTime(8, 0, 2, 4)));
    QMetaObject::invokeMethod(timer, "timeout");
    QCOMPARE(TextOf(form, "Label6"), QStringLiteral("10339198"));
    QCOMPARE(timer->interval(), 996);
    QVERIFY(timer->isActive());
}

// The clock is set through the system, which reports it to the program as it would after a user
// set it, each time it is set.
void TestCountdownWindow::aimsAtTheNextBoundaryOfTheSetClock() {
    FormsFixture fixture;
    fixture.clock.set(QDateTime(QDate(2005, 2, 1), QTime(8, 0, 0, 300)));
    fixture.storeTarget("2005", "6", "1");
    auto windows = fixture.start();
    Form2* form = windows->form2();
    auto* timer = form->findChild<QTimer*>(QStringLiteral("Timer1"));
    QSignalSpy reports(form->findChild<ClockChangeNotifier*>(), &ClockChangeNotifier::clockChanged);
    if (!ReportClockSet())
        QSKIP("this process may not set the system's clock");

    QVERIFY(QTest::qWaitFor([&] { return !reports.isEmpty(); }));
    QCOMPARE(timer->interval(), 1700);
    QCOMPARE(TextOf(form, "Label6"), QString());

    form->Timer1_Timer();
    QCOMPARE(timer->interval(), 700);
    fixture.clock.set(QDateTime(QDate(2005, 2, 1), QTime(9, 30, 5, 250)));
    const qsizetype reportsBefore = reports.size();
    QVERIFY(ReportClockSet());
    QVERIFY(QTest::qWaitFor([&] { return reports.size() > reportsBefore; }));
    QCOMPARE(timer->interval(), 750);
}

void TestCountdownWindow::caretStopsBlinkingWhenIdle() {
    FormsFixture fixture;
    auto windows = fixture.start();
    QWidget* text = windows->form2()->findChild<QWidget*>(QStringLiteral("Text2"));
    QStyleHints* hints = QGuiApplication::styleHints();
    const int flashTime = hints->cursorFlashTime();
    QVERIFY(flashTime > 0);
    {
        CaretBlinkTimeout caretBlink(std::chrono::milliseconds(50));
        QVERIFY(QTest::qWaitFor([&] { return hints->cursorFlashTime() == 0; }));

        QTest::keyClick(text, Qt::Key_A);
        QCOMPARE(hints->cursorFlashTime(), flashTime);
        QVERIFY(QTest::qWaitFor([&] { return hints->cursorFlashTime() == 0; }));

        QTest::mouseClick(text, Qt::LeftButton);
        QCOMPARE(hints->cursorFlashTime(), flashTime);
        QVERIFY(QTest::qWaitFor([&] { return hints->cursorFlashTime() == 0; }));
    }
    QCOMPARE(hints->cursorFlashTime(), flashTime);
}

#ifndef Q_OS_WIN
void TestCountdownWindow::writesAutostartEntry() {
    FormsFixture fixture;
    auto windows = fixture.start();
    ClickButton(windows->form2(), "xpcmdbutton2");
    ClickButton(windows->form2(), "xpcmdbutton2");

    const Message success{QStringLiteral("Sucess!"), QStringLiteral("结果")};
    QCOMPARE(fixture.messages.shown(), (QList{success, success}));
    QFile entry(fixture.services.autostartLocation + QStringLiteral("/dovrenta.desktop"));
    QVERIFY(entry.open(QIODevice::ReadOnly));
    QVERIFY(entry.readAll().contains("Exec=\"/opt/dovrenta/bin/dovrenta\"\n"));
}

void TestCountdownWindow::reportsFailedAutostart() {
    FormsFixture fixture;
    QVERIFY(PutFileInTheWay(fixture.services.autostartLocation));
    auto windows = fixture.start();

    ClickButton(windows->form2(), "xpcmdbutton2");

    const Message fail{QStringLiteral("Fail"), QStringLiteral("结果")};
    QCOMPARE(fixture.messages.shown(), QList{fail});
}

void TestCountdownWindow::opensLinkTargets_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("target");

    QTest::newRow("web") << "Label6" << QStringLiteral("http://example.org/");
    QTest::newRow("first mail") << "Label7" << QStringLiteral("mailto:author@example.org");
    QTest::newRow("second mail") << "Label8" << QStringLiteral("mailto:support@example.org");
}

void TestCountdownWindow::opensLinkTargets() {
    QFETCH(QString, label);
    QFETCH(QString, target);
    FormsFixture fixture;
    auto windows = fixture.start();
    ClickButton(windows->form2(), "xpcmdbutton3");
    auto* link = windows->form3()->findChild<QLabel*>(label);

    QTest::mouseClick(link, Qt::LeftButton);
    QTest::mouseClick(link, Qt::LeftButton);

    const QStringList twice{target, target};
    QVERIFY(QTest::qWaitFor([&] { return fixture.openedTargets() == twice; }));
    QVERIFY(fixture.messages.shown().isEmpty());
}

void TestCountdownWindow::reportsLinkNoHandlerTakes() {
    FormsFixture fixture;
    QVERIFY(WriteExecutableScript(fixture.dir.filePath(QStringLiteral("xdg-open")), "exit 3"));
    const auto windows = fixture.start();
    windows->showHelp();

    QTest::mouseClick(windows->form3()->findChild<QLabel*>(QStringLiteral("Label8")),
                      Qt::LeftButton);

    const Message wrong{QStringLiteral("启动外部程序出错。"), QStringLiteral("Wrong"),
                        Message::Icon::Critical};
    QVERIFY(QTest::qWaitFor([&] { return fixture.messages.shown() == QList{wrong}; }));
}
#endif

QTEST_MAIN(TestCountdownWindow)
#include "test_countdownwindow.moc"
