#include "windows/qtmessageboxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <optional>

namespace {

struct ShownBox {
    QString text;
    QString title;
    QMessageBox::Icon icon;
    QList<QMessageBox::StandardButton> buttons;
};

// Shows the message as the program does and, once the box is on screen, notes what it shows and
// presses its first button, as a user would.
std::optional<ShownBox> showAndAnswer(const Message& message) {
    std::optional<ShownBox> shown;
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        QList<QMessageBox::StandardButton> buttons;
        for (QAbstractButton* button : box->buttons())
            buttons.append(box->standardButton(button));
        shown = ShownBox{box->text(), box->windowTitle(), box->icon(), buttons};
        box->buttons().first()->click();
    });
    QtMessageBoxes().show(message);
    return shown;
}

} // namespace

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

    const std::optional<ShownBox> shown = showAndAnswer(message);

    QVERIFY2(shown, "no modal message box was shown");
    QCOMPARE(shown->text, message.text);
    QCOMPARE(shown->title, message.title);
    QCOMPARE(shown->icon, icon);
    QCOMPARE(shown->buttons, QList{QMessageBox::Ok});
}

QTEST_MAIN(TestQtMessageBoxes)
#include "test_qtmessageboxes.moc"
