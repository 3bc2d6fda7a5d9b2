#include "support/answeredmessagebox.h"

#include <QTest>

class TestQtMessageBoxes : public QObject {
    Q_OBJECT

private slots:
    void showsTextTitleIconAndOkButton_data();
    void showsTextTitleIconAndOkButton();
};

void TestQtMessageBoxes::showsTextTitleIconAndOkButton_data() {
    QTest::addColumn<Message>("message");
    QTest::addColumn<QMessageBox::Icon>("icon");

    QTest::newRow("date error") << Message{"日期设置错误，请重新设置", "出错了^_^"}
                                << QMessageBox::NoIcon;
    QTest::newRow("autostart result") << Message{"Sucess!", "结果"} << QMessageBox::NoIcon;
    QTest::newRow("launch error") << Message{"启动外部程序出错。", "Wrong", Message::Icon::Critical}
                                  << QMessageBox::Critical;
}

void TestQtMessageBoxes::showsTextTitleIconAndOkButton() {
    QFETCH(Message, message);
    QFETCH(QMessageBox::Icon, icon);

    const std::optional<ShownMessageBox> shown = ShowAndAnswer(message);

    QVERIFY2(shown, "no modal message box was shown");
    QCOMPARE(shown->text, message.text);
    QCOMPARE(shown->title, message.title);
    QCOMPARE(shown->icon, icon);
    QCOMPARE(shown->buttons, QList{QMessageBox::Ok});
}

QTEST_MAIN(TestQtMessageBoxes)
#include "test_qtmessageboxes.moc"
