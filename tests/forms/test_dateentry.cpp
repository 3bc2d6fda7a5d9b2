// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/form1.h"
#include "forms/form2.h"
#include "forms/textbox.h"
#include "formsfixture.h"
#include "xpcmdbutton/xpcmdbutton.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QTest>
#include <QWheelEvent>

#ifndef Q_OS_WIN
#include "support/filesizelimit.h"
#endif

namespace {

const Message saved{QStringLiteral("日期设置完毕,请重起本软件"), QStringLiteral("提示")};

QComboBox* dateList(QWidget* window, const char* name) {
    return window->findChild<QComboBox*>(QLatin1StringView(name));
}

TextBox* eventBox(QWidget* window) {
    return window->findChild<TextBox*>(QStringLiteral("Text1"));
}

void save(QWidget* window) {
    ClickButton(window, "xpcmdbutton1");
}

// Types into the control that has the focus as a user would: letters and digits as keys,
// Chinese through the input method, each line break as a press of Enter.
void typeLines(const QString& text) {
    for (const QChar c : text) {
        QWidget* focus = QApplication::focusWidget();
        if (c == u'\n') {
            QTest::keyClick(focus, Qt::Key_Return);
        } else if (c.unicode() < 0x80) {
            QTest::keyClick(focus, char(c.unicode()));
        } else {
            QInputMethodEvent composed;
            composed.setCommitString(c);
            QCoreApplication::sendEvent(focus, &composed);
        }
    }
}

QStringList storedTarget(const FormsFixture& fixture) {
    return {fixture.stored("year"), fixture.stored("month"), fixture.stored("day"),
            fixture.stored("shixiang")};
}

void pressTab() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

void turnWheel(QComboBox* list, int notches) {
    const QPointF centre = QRectF(list->rect()).center();
    QWheelEvent wheel(centre, list->mapToGlobal(centre), {}, {0, 120 * notches}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(list, &wheel);
}

// One thing a user does to the list that has the focus: a key, a notch of the wheel, opening
// the drop-down, or typing.
void act(QComboBox* list, const QString& step) {
    static const QHash<QString, Qt::Key> keys{{"Down", Qt::Key_Down},
                                              {"Up", Qt::Key_Up},
                                              {"PageDown", Qt::Key_PageDown},
                                              {"PageUp", Qt::Key_PageUp},
                                              {"Home", Qt::Key_Home}};
    if (keys.contains(step))
        QTest::keyClick(QApplication::focusWidget(), keys[step]);
    else if (step == u"WheelDown" || step == u"WheelUp")
        turnWheel(list, step == u"WheelUp" ? 1 : -1);
    else if (step == u"Open")
        list->showPopup();
    else
        typeLines(step);
}

Form1* shownDateEntry(WindowSet& windows) {
    windows.showDateEntry();
    Form1* form = windows.form1();
    return Activate(form) ? form : nullptr;
}

} // namespace

class TestDateEntry : public QObject {
    Q_OBJECT

private slots:
    void savesDisplayedTextsAsTheyStand_data();
    void savesDisplayedTextsAsTheyStand();
    void storesWhatWasTypedWithTheKeyboard_data();
    void storesWhatWasTypedWithTheKeyboard();
    void stepsFromTheShownEntry_data();
    void stepsFromTheShownEntry();
    void savesRestoredEventTextUnchanged_data();
    void savesRestoredEventTextUnchanged();
    void savingTwiceSavesTwice();
    void restoresTwoLineEventText();
#ifndef Q_OS_WIN
    void reportsFailedSaveAndKeepsStoredTarget();
#endif
};

void TestDateEntry::savesDisplayedTextsAsTheyStand_data() {
    QTest::addColumn<QStringList>("typed");

    QTest::newRow("first run, save at once") << QStringList{};
    QTest::newRow("picked date") << QStringList{"2005", "6", "1", "高考"};
    QTest::newRow("typed letters") << QStringList{"abc", "6", "1", ""};
    QTest::newRow("blanks kept") << QStringList{" 2005 ", "6", "31", "  x"};
}

// Without typing, the placeholders are what the lists and the event box show.
void TestDateEntry::savesDisplayedTextsAsTheyStand() {
    QFETCH(QStringList, typed);
    const QStringList expected =
        typed.isEmpty() ? QStringList{"Year", "month", "Day", "事项"} : typed;
    FormsFixture fixture;
    auto windows = fixture.start();
    windows->showDateEntry();
    Form1* form = windows->form1();
    if (!typed.isEmpty()) {
        dateList(form, "Combo1")->setEditText(typed[0]);
        dateList(form, "Combo2")->setEditText(typed[1]);
        dateList(form, "Combo3")->setEditText(typed[2]);
        eventBox(form)->setText(typed[3]);
    }

    save(form);

    QCOMPARE(storedTarget(fixture), expected);
    QCOMPARE(fixture.messages.shown(), QList{saved});
    QCOMPARE(dateList(form, "Combo1")->currentText(), expected[0]);
}

void TestDateEntry::storesWhatWasTypedWithTheKeyboard_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("short year, no completion")
        << QStringList{"2", "6", "1", "高考"} << QStringList{"2", "6", "1", "高考"};
    QTest::newRow("Enter in the lists")
        << QStringList{"2\n", "12\n", "3\n", "x"} << QStringList{"2", "12", "3", "x"};
    QTest::newRow("letters and blanks")
        << QStringList{"abc", " 7", "31 ", "a b"} << QStringList{"abc", " 7", "31 ", "a b"};
    QTest::newRow("an entry, then more")
        << QStringList{"2005x", "6", "1", "x"} << QStringList{"2005x", "6", "1", "x"};
    QTest::newRow("two lines") << QStringList{"2005", "6", "1", "高考\n加油"}
                               << QStringList{"2005", "6", "1", "高考\r\n加油"};
}

// Tab from the list that opens with the focus, type each field, Tab on; Tab leaves the event
// box for the button.
void TestDateEntry::storesWhatWasTypedWithTheKeyboard() {
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    FormsFixture fixture;
    auto windows = fixture.start();
    Form1* form = shownDateEntry(*windows);
    QVERIFY(form);
    for (const QString& field : typed.first(3)) {
        typeLines(field);
        pressTab();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    typeLines(typed[3]);
    pressTab();
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("xpcmdbutton1"));

    save(form);

    QCOMPARE(storedTarget(fixture), expected);
    QCOMPARE(dateList(form, "Combo1")->count(), 996);
}

void TestDateEntry::stepsFromTheShownEntry_data() {
    QTest::addColumn<QStringList>("restored");
    QTest::addColumn<QString>("listName");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected");

    const QStringList target{"2005", "6", "15"};
    const QStringList none;
    QTest::newRow("restored, Down") << target << "Combo2" << QStringList{"Down"} << "7";
    QTest::newRow("restored, Up") << target << "Combo2" << QStringList{"Up"} << "5";
    QTest::newRow("restored, pages")
        << target << "Combo2" << QStringList{"PageDown", "PageUp", "PageUp"} << "5";
    QTest::newRow("restored, wheel")
        << target << "Combo1" << QStringList{"WheelDown", "WheelDown", "WheelUp"} << "2006";
    QTest::newRow("restored, opened") << target << "Combo3" << QStringList{"Open"} << "15";
    QTest::newRow("placeholder, Down") << none << "Combo1" << QStringList{"Down"} << "2004";
    QTest::newRow("placeholder, Up") << none << "Combo1" << QStringList{"Up"} << "Year";
    QTest::newRow("placeholder, wheel") << none << "Combo3" << QStringList{"WheelUp"} << "Day";
    QTest::newRow("placeholder, opened") << none << "Combo2" << QStringList{"Open"} << "";
    QTest::newRow("typed, Down") << none << "Combo3" << QStringList{"12", "Down"} << "13";
    QTest::newRow("typed over restored, Down")
        << target << "Combo1" << QStringList{"abc", "Down"} << "2004";
    QTest::newRow("typed over restored, Up")
        << target << "Combo1" << QStringList{"abc", "Up"} << "abc";
    QTest::newRow("typed before restored")
        << target << "Combo1" << QStringList{"Home", "x", "y"} << "xy2005";
}

// The list's shown text, or with the drop-down open, the entry it opened on chosen.
void TestDateEntry::stepsFromTheShownEntry() {
    QFETCH(QStringList, restored);
    QFETCH(QString, listName);
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);
    FormsFixture fixture;
    if (!restored.isEmpty())
        fixture.storeTarget(restored[0], restored[1], restored[2]);
    auto windows = fixture.start();
    Form1* form = shownDateEntry(*windows);
    QVERIFY(form);
    QComboBox* combo = form->findChild<QComboBox*>(listName);
    combo->setFocus(Qt::TabFocusReason);

    for (const QString& step : steps)
        act(combo, step);

    if (steps.last() == u"Open") {
        const QModelIndexList chosen = combo->view()->selectionModel()->selectedIndexes();
        QCOMPARE(chosen.isEmpty() ? QString() : chosen.first().data().toString(), expected);
        combo->hidePopup();
    } else {
        QCOMPARE(combo->currentText(), expected);
    }
}

void TestDateEntry::savesRestoredEventTextUnchanged_data() {
    QTest::addColumn<QString>("restored");
    QTest::addColumn<QString>("appended");
    QTest::addColumn<QString>("expected");

    for (const QString& text :
         {QStringLiteral("a\rb"), QStringLiteral("a\nb"), QStringLiteral("a\u00a0b"),
          QStringLiteral("a\u2028b"), QStringLiteral("a\tb"), QStringLiteral("a\r\nb\r\n")})
        QTest::addRow("%s", qPrintable(text.toUtf8().toPercentEncoding()))
            << text << QString() << text;
    const QString edited("!");
    QTest::newRow("edited, no-break space and tab kept")
        << QString("a\u00a0b\tc") << edited << QString("a\u00a0b\tc!");
    QTest::newRow("edited, line breaks as CR LF")
        << QString("a\rb\r\nc") << edited << QString("a\r\nb\r\nc!");
}

// The user walks through the event box with Tab, perhaps types at its end, and saves.
void TestDateEntry::savesRestoredEventTextUnchanged() {
    QFETCH(QString, restored);
    QFETCH(QString, appended);
    QFETCH(QString, expected);
    FormsFixture fixture;
    fixture.storeTarget("2005", "6", "1", restored);
    auto windows = fixture.start();
    Form1* form = shownDateEntry(*windows);
    QVERIFY(form);
    for (int field = 0; field < 3; ++field)
        pressTab();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), appended);
    pressTab();

    save(form);

    QCOMPARE(fixture.stored("shixiang"), expected);
}

void TestDateEntry::savingTwiceSavesTwice() {
    FormsFixture fixture;
    auto windows = fixture.start();
    windows->showDateEntry();
    dateList(windows->form1(), "Combo1")->setEditText("2006");
    save(windows->form1());
    save(windows->form1());
    QCOMPARE(fixture.messages.shown(), (QList{saved, saved}));
    QCOMPARE(fixture.stored("year"), QStringLiteral("2006"));
    QCOMPARE(windows->form2()->findChild<QLabel*>(QStringLiteral("Label3"))->text(),
             QStringLiteral("0"));
}

// A stored two-line event text comes back as two lines in both windows.
void TestDateEntry::restoresTwoLineEventText() {
    FormsFixture fixture;
    fixture.storeTarget("2005", "6", "1", QStringLiteral("高考\r\n加油"));
    auto windows = fixture.start();
    windows->showDateEntry();
    QCOMPARE(eventBox(windows->form1())->text(), QStringLiteral("高考\r\n加油"));
    QCOMPARE(windows->form2()->findChild<TextBox*>(QStringLiteral("Text2"))->text(),
             QStringLiteral("高考\r\n加油"));
    QCOMPARE(eventBox(windows->form1())->blockCount(), 2);
}

#ifndef Q_OS_WIN
void TestDateEntry::reportsFailedSaveAndKeepsStoredTarget() {
    FormsFixture fixture;
    fixture.storeTarget("2005", "6", "1", "高考");
    auto windows = fixture.start();
    windows->showDateEntry();
    dateList(windows->form1(), "Combo1")->setEditText("2010");

    {
        FileSizeLimit diskFull;
        save(windows->form1());
    }

    QCOMPARE(fixture.messages.shown().size(), 1);
    const Message failure = fixture.messages.shown().first();
    QVERIFY(failure.text.startsWith(QStringLiteral("保存设置失败：")));
    QVERIFY(failure.text.contains(QStringLiteral("settings.ini")));
    QCOMPARE(failure.text,
             QStringLiteral("保存设置失败：无法写入 ") + fixture.temporaryStore.location());
    QCOMPARE(failure.icon, Message::Icon::Critical);
    QVERIFY(windows->form1()->isVisible());
    QCOMPARE(dateList(windows->form1(), "Combo1")->currentText(), QStringLiteral("2010"));

    QCOMPARE(fixture.stored("year"), QStringLiteral("2005"));
    QCOMPARE(fixture.stored("shixiang"), QStringLiteral("高考"));
}
#endif

QTEST_MAIN(TestDateEntry)
#include "test_dateentry.moc"
