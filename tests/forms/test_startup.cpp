// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/form1.h"
#include "forms/form2.h"
#include "forms/form3.h"
#include "formsfixture.h"
#include "xpcmdbutton/xpcmdbutton.h"

#include <QComboBox>
#include <QTest>

namespace {

const Message dateErrorMessage{QStringLiteral("日期设置错误，请重新设置"),
                               QStringLiteral("出错了^_^")};

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void restoresStoredTarget_data();
    void restoresStoredTarget();
    void countsForTheDayOfTheClockRead();
    void reloadsClosedDateEntryWindow();
    void opensOneHelpWindow();
    void closingCountdownEndsProgram();
    void noMinimizedWindowIsLost();
};

void TestStartup::restoresStoredTarget_data() {
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("lists");
    QTest::addColumn<QString>("event");
    QTest::addColumn<QString>("dayCount");
    QTest::addColumn<bool>("dateError");

    const QString exam("高考");
    const QString placeholder("事项");
    const QStringList placeholders{"Year", "month", "Day"};
    QTest::newRow("first run") << QStringList{} << placeholders << placeholder << "0" << false;
    QTest::newRow("exam") << QStringList{"2005", "06", "1"} << QStringList{"2005", "6", "1"} << exam
                          << "120" << false;
    QTest::newRow("saved without choosing")
        << placeholders << placeholders << placeholder << "0" << true;
    QTest::newRow("month 13") << QStringList{"2005", "13", "1"} << QStringList{"2005", "13", "1"}
                              << exam << "0" << true;
}

void TestStartup::restoresStoredTarget() {
    QFETCH(QStringList, stored);
    QFETCH(QStringList, lists);
    QFETCH(QString, event);
    QFETCH(QString, dayCount);
    QFETCH(bool, dateError);
    FormsFixture fixture;
    if (!stored.isEmpty())
        fixture.storeTarget(stored[0], stored[1], stored[2], QStringLiteral("高考"));

    auto windows = fixture.start();
    QVERIFY(windows->form2()->isVisible());
    QVERIFY(!windows->form1());
    // The date-entry window shows the target of the start, whatever was stored since.
    fixture.storeTarget("2010", "1", "1", QStringLiteral("面试"));
    windows->showDateEntry();

    QCOMPARE(fixture.messages.shown(), dateError ? QList{dateErrorMessage} : QList<Message>{});
    QCOMPARE(TextOf(windows->form1(), "Combo1"), lists[0]);
    QCOMPARE(TextOf(windows->form1(), "Combo2"), lists[1]);
    QCOMPARE(TextOf(windows->form1(), "Combo3"), lists[2]);
    QCOMPARE(TextOf(windows->form1(), "Text1"), event);
    QCOMPARE(TextOf(windows->form2(), "Label3"), dayCount);
    QCOMPARE(TextOf(windows->form2(), "Text2"), event == "事项" ? QString() : event);
    QCOMPARE(TextOf(windows->form2(), "Label6"), QString());
}

// Started a moment before midnight, the count made for that day moves down once midnight has
// passed, however the start-up's steps fall on either side of it.
void TestStartup::countsForTheDayOfTheClockRead() {
    FormsFixture fixture;
    fixture.storeTarget("2027", "6", "7");
    fixture.clock.set(QDateTime(QDate(2026, 12, 7), QTime(23, 59, 59, 990)));
    fixture.clock.moveAfterNextRead(QDateTime(QDate(2026, 12, 8), QTime(0, 0, 0, 10)));
    auto windows = fixture.start();
    QCOMPARE(TextOf(windows->form2(), "Label3"), QStringLiteral("182"));

    fixture.clock.set(QDateTime(QDate(2026, 12, 8), QTime(0, 11)));
    windows->form2()->Timer1_Timer();
    QCOMPARE(TextOf(windows->form2(), "Label3"), QStringLiteral("181"));
    QCOMPARE(TextOf(windows->form2(), "Label6"), QStringLiteral("15637740"));
}

// The date button keeps an open date-entry window as it stands and reloads a closed one.
void TestStartup::reloadsClosedDateEntryWindow() {
    FormsFixture fixture;
    fixture.storeTarget("2005", "6", "1", "高考");
    auto windows = fixture.start();
    Form2* countdown = windows->form2();
    ClickButton(countdown, "xpcmdbutton1");
    windows->form1()->findChild<QComboBox*>("Combo1")->setEditText("2010");
    ClickButton(countdown, "xpcmdbutton1");
    QCOMPARE(TextOf(windows->form1(), "Combo1"), QStringLiteral("2010"));
    windows->form1()->close();
    QVERIFY(!windows->form1());

    fixture.storeTarget("2005", "2", "11", "面试");
    ClickButton(countdown, "xpcmdbutton1");

    QVERIFY(windows->form1());
    QVERIFY(windows->form1()->isVisible());
    QCOMPARE(TextOf(windows->form1(), "Combo1"), QStringLiteral("2005"));
    QCOMPARE(TextOf(windows->form1(), "Combo3"), QStringLiteral("11"));
    QCOMPARE(windows->form2(), countdown);
    QCOMPARE(TextOf(countdown, "Label3"), QStringLiteral("10"));
    QCOMPARE(TextOf(countdown, "Text2"), QStringLiteral("面试"));
}

void TestStartup::opensOneHelpWindow() {
    FormsFixture fixture;
    auto windows = fixture.start();
    QVERIFY(!windows->form3());
    ClickButton(windows->form2(), "xpcmdbutton3");
    Form3* help = windows->form3();
    QVERIFY(help && help->isVisible());
    help->findChild<TextBox*>(QStringLiteral("Text1"))->setText("typed");
    ClickButton(windows->form2(), "xpcmdbutton3");
    QCOMPARE(windows->form3(), help);

    help->close();
    QVERIFY(!windows->form3());
    ClickButton(windows->form2(), "xpcmdbutton3");
    QVERIFY(windows->form3());
    QVERIFY(TextOf(windows->form3(), "Text1").startsWith(QStringLiteral("软件简介：\r\n")));
}

void TestStartup::closingCountdownEndsProgram() {
    FormsFixture fixture;
    auto windows = fixture.start();
    ClickButton(windows->form2(), "xpcmdbutton1");
    ClickButton(windows->form2(), "xpcmdbutton3");

    QVERIFY(windows->form2()->close());

    QCOMPARE(fixture.exits, 1);
    QVERIFY(!windows->form1()->isVisible());
    QVERIFY(!windows->form2()->isVisible());
    QVERIFY(!windows->form3()->isVisible());
}

// The windows have no taskbar button: a minimized window must come back by the button that
// shows it, and the countdown window, which nothing shows, by itself.
void TestStartup::noMinimizedWindowIsLost() {
    FormsFixture fixture;
    auto windows = fixture.start();
    Form2* countdown = windows->form2();
    ClickButton(countdown, "xpcmdbutton1");
    ClickButton(countdown, "xpcmdbutton3");
    windows->form1()->setWindowState(Qt::WindowMinimized);
    windows->form3()->setWindowState(Qt::WindowMinimized);

    ClickButton(countdown, "xpcmdbutton1");
    ClickButton(countdown, "xpcmdbutton3");
    QVERIFY(!windows->form1()->isMinimized());
    QVERIFY(!windows->form3()->isMinimized());

    countdown->setWindowState(Qt::WindowMinimized);
    QVERIFY(QTest::qWaitFor([&] { return !countdown->isMinimized(); }));
    QVERIFY(countdown->isVisible());
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
