#include "windows/form1.h"
#include "windows/form2.h"
#include "windows/textbox.h"
#include "windowsfixture.h"
#include "xpcmdbutton/xpcmdbutton.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>

namespace {

const Message saved{QStringLiteral("日期设置完毕,请重起本软件"), QStringLiteral("提示")};

QComboBox* list(QWidget* window, const char* name) {
    return window->findChild<QComboBox*>(QLatin1StringView(name));
}

TextBox* eventBox(QWidget* window) {
    return window->findChild<TextBox*>(QStringLiteral("Text1"));
}

void save(QWidget* window) {
    click(window, "xpcmdbutton1");
}

} // namespace

class TestDateEntry : public QObject {
    Q_OBJECT

private slots:
    void savesDisplayedTextsAsTheyStand_data();
    void savesDisplayedTextsAsTheyStand();
    void savingTwiceSavesTwice();
    void keepsTwoLineEventTextAcrossRestart();
    void reportsFailedSaveAndKeepsStoredTarget();
};

void TestDateEntry::savesDisplayedTextsAsTheyStand_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("first run, save at once")
        << QStringList{} << QStringList{"Year", "month", "Day", "事项"};
    QTest::newRow("picked date") << QStringList{"2005", "6", "1", "高考"}
                                 << QStringList{"2005", "6", "1", "高考"};
    QTest::newRow("typed letters")
        << QStringList{"abc", "6", "1", ""} << QStringList{"abc", "6", "1", ""};
    QTest::newRow("blanks kept") << QStringList{" 2005 ", "6", "31", "  x"}
                                 << QStringList{" 2005 ", "6", "31", "  x"};
}

void TestDateEntry::savesDisplayedTextsAsTheyStand() {
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    WindowsFixture fixture;
    auto windows = fixture.start();
    windows->showDateEntry();
    Form1* form = windows->form1();
    if (!typed.isEmpty()) {
        list(form, "Combo1")->setEditText(typed[0]);
        list(form, "Combo2")->setEditText(typed[1]);
        list(form, "Combo3")->setEditText(typed[2]);
        eventBox(form)->SetText(typed[3]);
    }

    save(form);

    QCOMPARE(fixture.stored("year"), expected[0]);
    QCOMPARE(fixture.stored("month"), expected[1]);
    QCOMPARE(fixture.stored("day"), expected[2]);
    QCOMPARE(fixture.stored("shixiang"), expected[3]);
    QCOMPARE(fixture.messages.shown, QList{saved});
    QCOMPARE(list(form, "Combo1")->currentText(), expected[0]);
}

void TestDateEntry::savingTwiceSavesTwice() {
    WindowsFixture fixture;
    auto windows = fixture.start();
    windows->showDateEntry();
    list(windows->form1(), "Combo1")->setEditText("2006");
    save(windows->form1());
    save(windows->form1());
    QCOMPARE(fixture.messages.shown, (QList{saved, saved}));
    QCOMPARE(fixture.stored("year"), QStringLiteral("2006"));
    QCOMPARE(windows->form2()->findChild<QLabel*>(QStringLiteral("Label3"))->text(),
             QStringLiteral("0"));
}

void TestDateEntry::keepsTwoLineEventTextAcrossRestart() {
    WindowsFixture fixture;
    {
        auto windows = fixture.start();
        windows->showDateEntry();
        TextBox* box = eventBox(windows->form1());
        box->clear();
        box->insertPlainText(QStringLiteral("高考"));
        QTest::keyClick(box, Qt::Key_Return);
        box->insertPlainText(QStringLiteral("加油"));
        list(windows->form1(), "Combo1")->setEditText("2005");
        list(windows->form1(), "Combo2")->setEditText("6");
        list(windows->form1(), "Combo3")->setEditText("1");
        save(windows->form1());
    }
    QCOMPARE(fixture.stored("shixiang"), QStringLiteral("高考\r\n加油"));

    auto restarted = fixture.start();
    QCOMPARE(eventBox(restarted->form1())->Text(), QStringLiteral("高考\r\n加油"));
    QCOMPARE(restarted->form2()->findChild<TextBox*>(QStringLiteral("Text2"))->Text(),
             QStringLiteral("高考\r\n加油"));
    QCOMPARE(eventBox(restarted->form1())->blockCount(), 2);
}

void TestDateEntry::reportsFailedSaveAndKeepsStoredTarget() {
    WindowsFixture fixture;
    fixture.storeTarget("2005", "6", "1", "高考");
    auto windows = fixture.start();
    windows->showDateEntry();
    list(windows->form1(), "Combo1")->setEditText("2010");

    // A file where the settings folder belongs makes every write fail, also for root.
    const QString folder = fixture.dir.filePath(QStringLiteral("config"));
    QVERIFY(QFile::rename(folder, folder + ".kept"));
    QFile blocker(folder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    save(windows->form1());

    QCOMPARE(fixture.messages.shown.size(), 1);
    const Message failure = fixture.messages.shown.first();
    QVERIFY(failure.text.startsWith(QStringLiteral("保存设置失败：")));
    QVERIFY(failure.text.contains(QStringLiteral("settings.ini")));
    QCOMPARE(failure.icon, Message::Icon::Critical);
    QVERIFY(windows->form1()->isVisible());
    QCOMPARE(list(windows->form1(), "Combo1")->currentText(), QStringLiteral("2010"));

    QVERIFY(QFile::remove(folder));
    QVERIFY(QFile::rename(folder + ".kept", folder));
    QCOMPARE(fixture.stored("year"), QStringLiteral("2005"));
    QCOMPARE(fixture.stored("shixiang"), QStringLiteral("高考"));
}

QTEST_MAIN(TestDateEntry)
#include "test_dateentry.moc"
