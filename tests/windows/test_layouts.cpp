#include "windows/fonts.h"
#include "windows/form1.h"
#include "windows/form2.h"
#include "windows/form3.h"
#include "windowsfixture.h"
#include "xpcmdbutton/xpcmdbutton.h"

#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QTest>

#include "windows/textbox.h"

namespace {

QString shownText(const QWidget* control) {
    if (const auto* button = qobject_cast<const xpcmdbutton*>(control))
        return button->Caption();
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* box = qobject_cast<const TextBox*>(control))
        return box->Text();
    return qobject_cast<const QComboBox*>(control)->currentText();
}

} // namespace

class TestLayouts : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void placesControls_data();
    void placesControls();
    void framesWindows();
    void usesFontsWithChineseGlyphs();
    void colours();
    void stacksNumbersAboveBubbles();
    void ordersTabsAndFocus();
    void showsPictures();

private:
    QWidget* window(int number) const;

    WindowsFixture fixture_;
    std::unique_ptr<WindowSet> windows_;
};

void TestLayouts::initTestCase() {
    windows_ = fixture_.start();
    windows_->showDateEntry();
    windows_->showHelp();
}

QWidget* TestLayouts::window(int number) const {
    QWidget* forms[] = {windows_->form1(), windows_->form2(), windows_->form3()};
    return forms[number - 1];
}

void TestLayouts::placesControls_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<QString>("text");

    QTest::newRow("1 Label1") << 1 << "Label1" << QRect(8, 24, 85, 101)
                              << "请在这里选择要提醒的日期，本软件会自动计算出倒计时天数";
    QTest::newRow("1 Combo1") << 1 << "Combo1" << QRect(104, 24, 129, 21) << "Year";
    QTest::newRow("1 Label2") << 1 << "Label2" << QRect(252, 24, 41, 21) << "年";
    QTest::newRow("1 Combo2") << 1 << "Combo2" << QRect(104, 56, 129, 21) << "month";
    QTest::newRow("1 Label3") << 1 << "Label3" << QRect(252, 56, 41, 21) << "月";
    QTest::newRow("1 Combo3") << 1 << "Combo3" << QRect(104, 88, 129, 21) << "Day";
    QTest::newRow("1 Label4") << 1 << "Label4" << QRect(252, 92, 41, 21) << "日";
    QTest::newRow("1 Text1") << 1 << "Text1" << QRect(104, 120, 129, 59) << "事项";
    QTest::newRow("1 button") << 1 << "xpcmdbutton1" << QRect(88, 192, 109, 25) << "设定";

    QTest::newRow("2 help") << 2 << "xpcmdbutton3" << QRect(0, 320, 97, 29) << "使用帮助";
    QTest::newRow("2 autostart") << 2 << "xpcmdbutton2" << QRect(272, 320, 93, 29) << "开机启动";
    QTest::newRow("2 date") << 2 << "xpcmdbutton1" << QRect(100, 320, 169, 29) << "设定提示日期";
    QTest::newRow("2 Text2") << 2 << "Text2" << QRect(16, 76, 341, 91) << "";
    QTest::newRow("2 Label6") << 2 << "Label6" << QRect(124, 264, 205, 29) << "";
    QTest::newRow("2 Label5") << 2 << "Label5" << QRect(332, 276, 21, 17) << "秒";
    QTest::newRow("2 Label4") << 2 << "Label4" << QRect(48, 276, 65, 21) << "距现在还有";
    QTest::newRow("2 Image3") << 2 << "Image3" << QRect(120, 248, 115, 75) << "";
    QTest::newRow("2 Image2") << 2 << "Image2" << QRect(0, 0, 370, 60) << "";
    QTest::newRow("2 Label3") << 2 << "Label3" << QRect(124, 184, 93, 33) << "0";
    QTest::newRow("2 Image1") << 2 << "Image1" << QRect(120, 172, 115, 75) << "";
    QTest::newRow("2 Label2") << 2 << "Label2" << QRect(240, 192, 69, 17) << "天";
    QTest::newRow("2 Label1") << 2 << "Label1" << QRect(47, 192, 61, 17) << "距今天还有";

    QTest::newRow("3 Label1") << 3 << "Label1" << QRect(64, 12, 205, 41) << "Dovrenta";
    QTest::newRow("3 Label5") << 3 << "Label5" << QRect(320, 12, 129, 33) << "V1.6";
    QTest::newRow("3 Label6") << 3 << "Label6" << QRect(356, 252, 149, 17) << Form3::WebAddress;
    QTest::newRow("3 Label7") << 3 << "Label7" << QRect(356, 280, 145, 17)
                              << Form3::FirstMailAddress;
    QTest::newRow("3 Label8") << 3 << "Label8" << QRect(356, 308, 153, 21)
                              << Form3::SecondMailAddress;
}

void TestLayouts::placesControls() {
    QFETCH(int, form);
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    QFETCH(QString, text);
    const auto* control = window(form)->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), pixels);
    QCOMPARE(shownText(control), text);
}

void TestLayouts::framesWindows() {
    QCOMPARE(window(1)->windowTitle(), QStringLiteral("设定倒计时日期"));
    QCOMPARE(window(2)->windowTitle(), QStringLiteral("Dovrenta"));
    QCOMPARE(window(1)->geometry(), QRect(191, 214, 312, 226));
    QCOMPARE(window(2)->size(), QSize(369, 359));
    QCOMPARE(window(2)->geometry().center(), window(2)->screen()->geometry().center());
    QCOMPARE(window(3)->geometry(), QRect(97, 75, 506, 444));
    for (int form = 1; form <= 3; ++form) {
        const QWidget* w = window(form);
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(w->windowFlags().testFlag(Qt::Tool));
        QVERIFY(w->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!w->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(w->windowIcon().availableSizes(), QList{QSize(32, 32)});
    }
}

void TestLayouts::usesFontsWithChineseGlyphs() {
    const auto family = [](const QWidget* w) { return QFontInfo(w->font()).family(); };
    const QWidget* kaiTitle = window(3)->findChild<QLabel*>(QStringLiteral("Label1"));
    QCOMPARE(family(kaiTitle), KaiFamily);
    QVERIFY(kaiTitle->font().bold());
    QCOMPARE(kaiTitle->font().pointSizeF(), 24.0);
    const auto* counter = window(2)->findChild<QLabel*>(QStringLiteral("Label6"));
    QCOMPARE(family(counter), SansSerifFamily);
    QCOMPARE(counter->font().pointSizeF(), 18.0);
    const auto* link = window(3)->findChild<QLabel*>(QStringLiteral("Label7"));
    QVERIFY(link->font().underline());
    QCOMPARE(link->font().pointSizeF(), 8.25);
    for (const char* name : {"xpcmdbutton1", "xpcmdbutton2", "xpcmdbutton3"}) {
        const auto* button = window(2)->findChild<xpcmdbutton*>(QLatin1StringView(name));
        QCOMPARE(button->Font()->Name, SansSerifFamily);
        QCOMPARE(button->Font()->Size, 8.25);
    }
    for (int form = 1; form <= 3; ++form) {
        for (const QLabel* label : window(form)->findChildren<QLabel*>()) {
            for (QChar c : label->text())
                QVERIFY2(QFontMetrics(label->font()).inFont(c), qPrintable(label->text()));
        }
    }
}

void TestLayouts::colours() {
    const QColor red(255, 0, 0);
    const auto textColour = [this](int form, const char* name) {
        return window(form)
            ->findChild<QWidget*>(QLatin1StringView(name))
            ->palette()
            .color(QPalette::WindowText);
    };
    QCOMPARE(window(2)->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(textColour(2, "Label3"), red);
    QCOMPARE(textColour(2, "Label6"), red);
    QCOMPARE(textColour(3, "Label1"), red);
    QCOMPARE(textColour(3, "Label5"), red);
    QCOMPARE(textColour(3, "Label6"), QColor(0, 0, 255));
    QCOMPARE(window(3)->findChild<TextBox*>()->palette().color(QPalette::Text), red);
    QVERIFY(window(2)->findChild<QLabel*>(QStringLiteral("Label3"))->autoFillBackground());
    QVERIFY(!window(2)->findChild<QLabel*>(QStringLiteral("Label6"))->autoFillBackground());
}

void TestLayouts::stacksNumbersAboveBubbles() {
    const QObjectList children = window(2)->children();
    const auto depth = [&](const char* name) {
        return children.indexOf(window(2)->findChild<QWidget*>(QLatin1StringView(name)));
    };
    // Qt draws later siblings above earlier ones.
    QVERIFY(depth("Label3") > depth("Image1"));
    QVERIFY(depth("Label6") > depth("Image3"));
    QVERIFY(depth("xpcmdbutton3") > depth("Text2"));
    QVERIFY(depth("Label1") < depth("Label2"));
}

void TestLayouts::ordersTabsAndFocus() {
    QWidget* form1 = window(1);
    QStringList chain;
    QWidget* next = form1->findChild<QWidget*>(QStringLiteral("Combo1"));
    for (int i = 0; i < 5; ++i) {
        chain << next->objectName();
        do
            next = next->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus || next->objectName().isEmpty() ||
               next->parentWidget() != form1);
    }
    QCOMPARE(chain, (QStringList{"Combo1", "Combo2", "Combo3", "Text1", "xpcmdbutton1"}));
    QCOMPARE(window(2)->focusWidget(), window(2)->findChild<QWidget*>(QStringLiteral("Text2")));
}

void TestLayouts::showsPictures() {
    const auto* banner = window(2)->findChild<QLabel*>(QStringLiteral("Image2"));
    QCOMPARE(banner->pixmap().size(), QSize(370, 60));
    QVERIFY(!banner->hasScaledContents());
    QVERIFY(banner->geometry().right() > window(2)->rect().right());
    for (const char* name : {"Image1", "Image3"}) {
        const auto* bubble = window(2)->findChild<QLabel*>(QLatin1StringView(name));
        QCOMPARE(bubble->pixmap().size(), QSize(139, 123));
        QVERIFY(bubble->hasScaledContents());
    }
}

QTEST_MAIN(TestLayouts)
#include "test_layouts.moc"
