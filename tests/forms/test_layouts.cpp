// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/form1.h"
#include "forms/form2.h"
#include "forms/form3.h"
#include "forms/qttranslation.h"
#include "forms/textbox.h"
#include "formsfixture.h"
#include "support/answeredmessagebox.h"
#include "xpcmdbutton/xpcmdbutton.h"
#include "xpcmdbutton/xpcmdbuttonaccessible.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScopeGuard>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <map>

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
    void walksFocusChainWithTab_data();
    void walksFocusChainWithTab();
    void namesEveryFocusableControl_data();
    void namesEveryFocusableControl();
    void presentsDateListsAsQtDoes_data();
    void presentsDateListsAsQtDoes();
    void showsMessagesWithAnOkButton_data();
    void showsMessagesWithAnOkButton();
    void showsQtsOwnTextsInChinese();
    void showsPictures();
    void textsReadOnTheirBackgrounds_data();
    void textsReadOnTheirBackgrounds();

private:
    QWidget* window(int number) const;
    template <typename Control = QWidget> Control* child(int form, const char* name) const {
        return window(form)->findChild<Control*>(QLatin1StringView(name));
    }

    FormsFixture fixture_;
    std::unique_ptr<WindowSet> windows_;
    QPalette desktopPalette_;
};

void TestLayouts::initTestCase() {
    desktopPalette_ = QApplication::palette();
    QVERIFY(InstallChineseQtTexts(*qApp));
    InstallXpcmdbuttonAccessibility();
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
    QTest::newRow("3 Label6") << 3 << "Label6" << QRect(356, 252, 149, 17) << "http://example.org/";
    QTest::newRow("3 Label7") << 3 << "Label7" << QRect(356, 280, 145, 17) << "author@example.org";
    QTest::newRow("3 Label8") << 3 << "Label8" << QRect(356, 308, 153, 21) << "support@example.org";
}

void TestLayouts::placesControls() {
    QFETCH(int, form);
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    QFETCH(QString, text);
    const auto* control = window(form)->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), pixels);
    QCOMPARE(TextOf(window(form), name), text);
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
#ifdef Q_OS_WIN
        // A dialog owned by a window that is never shown: no taskbar button, the full caption.
        QCOMPARE(w->windowType(), Qt::Dialog);
        QVERIFY(w->windowFlags().testFlag(Qt::WindowSystemMenuHint));
        const QWindow* owner = w->windowHandle()->transientParent();
        QVERIFY(owner && owner->handle() && !owner->isVisible());
#else
        QVERIFY(w->windowFlags().testFlag(Qt::Tool));
#endif
        QVERIFY(w->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!w->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(w->windowIcon().availableSizes(), QList{QSize(32, 32)});
    }
}

void TestLayouts::usesFontsWithChineseGlyphs() {
    const QWidget* kaiTitle = child(3, "Label1");
    const QWidget* counter = child(2, "Label6");
#ifdef Q_OS_WIN
    const QString sansSerif = QStringLiteral("MS Sans Serif");
#else
    const QString sansSerif = QStringLiteral("WenQuanYi Micro Hei");
    // The family the layout names, or the system's stand-in for it. Wine reports the host's face
    // behind its own font replacements instead of a Windows family, so this holds only where the
    // system's fonts are its own.
    for (const auto& [widget, named] :
         {std::pair{kaiTitle, QStringLiteral("AR PL KaitiM GB")}, std::pair{counter, sansSerif}}) {
        const QString family = QFontInfo(widget->font()).family();
        QVERIFY2((QStringList{named} + QFont::substitutes(named)).contains(family),
                 qPrintable(family));
    }
#endif
    QVERIFY(kaiTitle->font().bold());
    QCOMPARE(kaiTitle->font().pointSizeF(), 24.0);
    QCOMPARE(counter->font().pointSizeF(), 18.0);
    const QWidget* link = child(3, "Label7");
    QVERIFY(link->font().underline());
    QCOMPARE(link->font().pointSizeF(), 8.25);
    for (const char* name : {"xpcmdbutton1", "xpcmdbutton2", "xpcmdbutton3"}) {
        const auto* button = child<xpcmdbutton>(2, name);
        QCOMPARE(button->Font()->Name, sansSerif);
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
        return child(form, name)->palette().color(QPalette::WindowText);
    };
    QCOMPARE(window(2)->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(textColour(2, "Label3"), red);
    QCOMPARE(textColour(2, "Label6"), red);
    QCOMPARE(textColour(3, "Label1"), red);
    QCOMPARE(textColour(3, "Label5"), red);
    QCOMPARE(textColour(3, "Label6"), QColor(0, 0, 255));
    QCOMPARE(window(3)->findChild<TextBox*>()->palette().color(QPalette::Text), red);
    QVERIFY(child(2, "Label3")->autoFillBackground());
    QVERIFY(!child(2, "Label6")->autoFillBackground());
}

void TestLayouts::stacksNumbersAboveBubbles() {
    const auto depth = [this](int form, const char* name) {
        return window(form)->children().indexOf(child(form, name));
    };
    // Qt draws later siblings above earlier ones.
    QVERIFY(depth(2, "Label3") > depth(2, "Image1"));
    QVERIFY(depth(2, "Label6") > depth(2, "Image3"));
    QVERIFY(depth(2, "xpcmdbutton3") > depth(2, "Text2"));
    QVERIFY(depth(2, "Label1") < depth(2, "Label2"));
    // Labels lie beneath the boxes they overlap, whatever the table's order.
    QVERIFY(depth(3, "Text1") > depth(3, "Label1"));
}

void TestLayouts::walksFocusChainWithTab_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("chain");

    // Each walk starts where the window opens with the focus and comes back to it.
    const QStringList dateEntry{"Combo1", "Combo2", "Combo3", "Text1", "xpcmdbutton1", "Combo1"};
    QTest::newRow("date entry") << 1 << int(Qt::Key_Tab) << dateEntry;
    QTest::newRow("date entry backwards")
        << 1 << int(Qt::Key_Backtab) << QStringList(dateEntry.rbegin(), dateEntry.rend());
    QTest::newRow("countdown") << 2 << int(Qt::Key_Tab)
                               << QStringList{"Text2", "xpcmdbutton1", "xpcmdbutton2",
                                              "xpcmdbutton3", "Text2"};
    QTest::newRow("help") << 3 << int(Qt::Key_Tab)
                          << QStringList{"Text1", "Label6", "Label7", "Label8", "Text1"};
}

void TestLayouts::walksFocusChainWithTab() {
    QFETCH(int, form);
    QFETCH(int, key);
    QFETCH(QStringList, chain);
    QWidget* w = window(form);
    QVERIFY(Activate(w));
    const Qt::KeyboardModifiers modifiers =
        key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
    QStringList walked{QApplication::focusWidget()->objectName()};
    for (qsizetype step = 1; step < chain.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
        walked << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(walked, chain);
}

void TestLayouts::namesEveryFocusableControl_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("date entry") << 1 << QStringList{"年", "月", "日", "事项", "设定"};
    QTest::newRow("countdown") << 2 << QStringList{"事项", "设定提示日期", "开机启动", "使用帮助"};
    QTest::newRow("help") << 3
                          << QStringList{"软件简介", "http://example.org/", "author@example.org",
                                         "support@example.org"};
}

// What a screen reader says for each control that takes the focus, in the focus order: the
// name of the object inside it that holds the focus, such as a list's edit field.
void TestLayouts::namesEveryFocusableControl() {
    QFETCH(int, form);
    QFETCH(QStringList, names);
    QWidget* w = window(form);
    QStringList heard;
    for (QWidget* control = w->nextInFocusChain(); control != w;
         control = control->nextInFocusChain()) {
        if (control->parentWidget() != w || control->focusPolicy() == Qt::NoFocus)
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        if (QAccessibleInterface* inner = accessible->focusChild())
            accessible = inner;
        heard << accessible->text(QAccessible::Name);
    }
    heard.sort();
    names.sort();
    QCOMPARE(heard, names);
}

void TestLayouts::presentsDateListsAsQtDoes_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("entries");
    QTest::addColumn<QString>("lastEntry");

    QTest::newRow("year") << "Combo1" << QString("年") << "Year" << 996 << "2999";
    QTest::newRow("month") << "Combo2" << QString("月") << "month" << 12 << "12";
    QTest::newRow("day") << "Combo3" << QString("日") << "Day" << 31 << "31";
}

// The list is labelled by the label beside it. Its edit field, which holds the focus, and its
// drop-down carry the list's name; the field's value is the shown text, and the drop-down holds
// every entry as a list item.
void TestLayouts::presentsDateListsAsQtDoes() {
    QFETCH(QString, list);
    QFETCH(QString, name);
    QFETCH(QString, shown);
    QFETCH(int, entries);
    QFETCH(QString, lastEntry);
    QAccessibleInterface* combo =
        QAccessible::queryAccessibleInterface(window(1)->findChild<QComboBox*>(list));
    QCOMPARE(combo->role(), QAccessible::ComboBox);
    QStringList labels;
    for (const auto& [label, relation] : combo->relations(QAccessible::Label))
        labels << label->text(QAccessible::Name);
    QCOMPARE(labels, QStringList{name});

    QAccessibleInterface* field = combo->focusChild();
    QVERIFY(field);
    QCOMPARE(field->role(), QAccessible::EditableText);
    QCOMPARE(field->text(QAccessible::Name), name);
    QCOMPARE(field->text(QAccessible::Value), shown);

    QAccessibleInterface* dropDown = combo->child(0);
    QCOMPARE(dropDown->role(), QAccessible::List);
    QCOMPARE(dropDown->text(QAccessible::Name), name);
    QCOMPARE(dropDown->childCount(), entries);
    QAccessibleInterface* last = dropDown->child(entries - 1);
    QCOMPARE(last->role(), QAccessible::ListItem);
    QCOMPARE(last->text(QAccessible::Name), lastEntry);
}

void TestLayouts::showsMessagesWithAnOkButton_data() {
    QTest::addColumn<Message>("message");
    QTest::addColumn<QMessageBox::Icon>("icon");

    QTest::newRow("saved") << Message{"日期设置完毕,请重起本软件", "提示"} << QMessageBox::NoIcon;
    QTest::newRow("date error") << Message{"日期设置错误，请重新设置", "出错了^_^"}
                                << QMessageBox::NoIcon;
    QTest::newRow("autostart result") << Message{"Sucess!", "结果"} << QMessageBox::NoIcon;
    QTest::newRow("launch error") << Message{"启动外部程序出错。", "Wrong", Message::Icon::Critical}
                                  << QMessageBox::Critical;
}

// A real box, answered once it is on screen; its button carries Qt's own text in Chinese.
void TestLayouts::showsMessagesWithAnOkButton() {
    QFETCH(Message, message);
    QFETCH(QMessageBox::Icon, icon);

    const std::optional<ShownMessageBox> shown = ShowAndAnswer(message);

    QVERIFY2(shown, "no modal message box was shown");
    QCOMPARE(shown->text, message.text);
    QCOMPARE(shown->title, message.title);
    QCOMPARE(shown->icon, icon);
    QCOMPARE(shown->buttons, QList{QMessageBox::Ok});
    QCOMPARE(shown->buttonTexts, QStringList{"确定"});
}

void TestLayouts::showsQtsOwnTextsInChinese() {
    const std::unique_ptr<QMenu> menu(child<TextBox>(1, "Text1")->createStandardContextMenu());
    QCOMPARE(menu->actions().last()->text(), QStringLiteral("全选\tCtrl+A"));
}

void TestLayouts::showsPictures() {
    const auto* banner = child<QLabel>(2, "Image2");
    QCOMPARE(banner->pixmap().size(), QSize(370, 60));
    QVERIFY(!banner->hasScaledContents());
    QVERIFY(banner->geometry().right() > window(2)->rect().right());
    for (const char* name : {"Image1", "Image3"}) {
        const auto* bubble = child<QLabel>(2, name);
        QCOMPARE(bubble->pixmap().size(), QSize(139, 123));
        QVERIFY(bubble->hasScaledContents());
    }
}

namespace {

// The palette Qt gives a GNOME desktop in the dark style (Qt's GTK platform theme with
// GTK_THEME=Adwaita:dark, as measured on Debian 12); Qt 6.8 gives the same one for the desktop's
// dark colour scheme.
QPalette darkDesktopPalette() {
    QPalette palette;
    const std::pair<QPalette::ColorRole, QColor> colours[] = {
        {QPalette::Window, QColor(0x32, 0x32, 0x32)},
        {QPalette::WindowText, QColor(0xf0, 0xf0, 0xf0)},
        {QPalette::Base, QColor(0x24, 0x24, 0x24)},
        {QPalette::AlternateBase, QColor(0x2b, 0x2b, 0x2b)},
        {QPalette::Text, QColor(0xf0, 0xf0, 0xf0)},
        {QPalette::PlaceholderText, QColor(0xf0, 0xf0, 0xf0)},
        {QPalette::Button, QColor(0x32, 0x32, 0x32)},
        {QPalette::ButtonText, QColor(0xf0, 0xf0, 0xf0)},
        {QPalette::BrightText, QColor(0x4b, 0x4b, 0x4b)},
        {QPalette::Light, QColor(0x4b, 0x4b, 0x4b)},
        {QPalette::Midlight, QColor(0x2a, 0x2a, 0x2a)},
        {QPalette::Mid, QColor(0x26, 0x26, 0x26)},
        {QPalette::Dark, QColor(0x21, 0x21, 0x21)},
        {QPalette::Shadow, QColor(0x19, 0x19, 0x19)},
        {QPalette::Highlight, QColor(0x30, 0x8c, 0xc6)},
        {QPalette::HighlightedText, QColor(0xf0, 0xf0, 0xf0)},
        {QPalette::Link, QColor(0x30, 0x8c, 0xc6)},
        {QPalette::LinkVisited, QColor(0xff, 0x00, 0xff)},
    };
    for (const auto& [role, colour] : colours)
        palette.setColor(role, colour);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(0x82, 0x82, 0x82));
    palette.setColor(QPalette::Disabled, QPalette::Base, QColor(0x32, 0x32, 0x32));
    return palette;
}

// WCAG 2's relative luminance and contrast ratio.
double relativeLuminance(QRgb colour) {
    const auto linear = [](int channel) {
        const double value = channel / 255.0;
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
           0.0722 * linear(qBlue(colour));
}

double contrastRatio(QRgb first, QRgb second) {
    const double one = relativeLuminance(first);
    const double other = relativeLuminance(second);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

QRgb mostCommon(const std::map<QRgb, int>& counts) {
    return std::max_element(counts.begin(), counts.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

// The widget that draws a control's text: a label or text box itself, a list's edit field, a
// button's caption label.
QWidget* textWidgetOf(QWidget* control) {
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return combo->lineEdit();
    if (qobject_cast<xpcmdbutton*>(control))
        return control->findChild<QLabel*>(QStringLiteral("lbl"));
    return control;
}

// The window as drawn, and as drawn with the text's colours made transparent: the pixels that
// differ are the text's, and the second image has the background beneath them.
std::pair<QImage, QImage> grabWithAndWithoutText(QWidget* window, QWidget* textWidget) {
    const QImage withText = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPalette drawn = textWidget->palette();
    QPalette invisible = drawn;
    if (qobject_cast<QLabel*>(textWidget)) {
        invisible.setColor(QPalette::WindowText, Qt::transparent);
    } else {
        invisible.setColor(QPalette::Text, Qt::transparent);
        invisible.setColor(QPalette::HighlightedText, Qt::transparent);
    }
    textWidget->setPalette(invisible);
    const QImage withoutText = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    textWidget->setPalette(drawn);
    return {withText, withoutText};
}

} // namespace

void TestLayouts::textsReadOnTheirBackgrounds_data() {
    QTest::addColumn<bool>("dark");
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("sitsOn");

    const std::pair<int, const char*> texts[] = {
        {1, "Label1"},       {1, "Combo1"},       {1, "Label2"},       {1, "Combo2"},
        {1, "Label3"},       {1, "Combo3"},       {1, "Label4"},       {1, "Text1"},
        {1, "xpcmdbutton1"}, {2, "xpcmdbutton3"}, {2, "xpcmdbutton2"}, {2, "xpcmdbutton1"},
        {2, "Text2"},        {2, "Label6"},       {2, "Label5"},       {2, "Label4"},
        {2, "Label3"},       {2, "Label2"},       {2, "Label1"},       {3, "Label1"},
        {3, "Label5"},       {3, "Text1"},        {3, "Label6"},       {3, "Label7"},
        {3, "Label8"},
    };
    for (const bool dark : {false, true}) {
        for (const auto& [form, name] : texts) {
#ifdef Q_OS_WIN
            // The Windows style draws a date list's field in the system theme's white whatever
            // the palette, and Qt 6.4 gives widgets on Windows no dark palette of its own.
            if (dark && QLatin1StringView(name).startsWith(QLatin1StringView("Combo")))
                continue;
#endif
            // The day count's opaque box lies inside the speech bubble and takes its colour.
            const QString sitsOn = form == 2 && QLatin1StringView(name) == "Label3" ? "Image1" : "";
            QTest::addRow("%s %d %s", dark ? "dark" : "light", form, name)
                << dark << form << QString(name) << sitsOn;
        }
    }
}

// Each text, drawn on a desktop with a light or a dark palette, reaches 3:1 against the
// background around it, by WCAG's contrast ratio of the colours on screen.
void TestLayouts::textsReadOnTheirBackgrounds() {
    QFETCH(bool, dark);
    QFETCH(int, form);
    QFETCH(QString, name);
    QFETCH(QString, sitsOn);

    QApplication::setPalette(dark ? darkDesktopPalette() : desktopPalette_);
    const auto restorePalette = qScopeGuard([this] { QApplication::setPalette(desktopPalette_); });
    fixture_.storeTarget("2999", "1", "1", "高考");
    const std::unique_ptr<WindowSet> windows = fixture_.start();
    windows->showDateEntry();
    windows->showHelp();
    QWidget* forms[] = {windows->form1(), windows->form2(), windows->form3()};
    QWidget* window = forms[form - 1];
    windows->form2()->findChild<QLabel*>(QStringLiteral("Label6"))->setText("10337385");

    QWidget* control = window->findChild<QWidget*>(name);
    QVERIFY(control);
    QWidget* textWidget = textWidgetOf(control);
    QVERIFY(textWidget);
    const auto [withText, withoutText] = grabWithAndWithoutText(window, textWidget);
    const QRect area =
        QRect(textWidget->mapTo(window, QPoint()), textWidget->size()) & withText.rect();

    std::map<QRgb, int> beneath;
    std::vector<QRgb> ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (withText.pixel(x, y) == withoutText.pixel(x, y))
                continue;
            ink.push_back(withText.pixel(x, y));
            ++beneath[withoutText.pixel(x, y)];
        }
    }
    QVERIFY2(ink.size() >= 10, "no text drawn");
    const QRgb background = mostCommon(beneath);
    double best = 0;
    QRgb text = background;
    for (const QRgb pixel : ink) {
        if (const double ratio = contrastRatio(pixel, background); ratio > best) {
            best = ratio;
            text = pixel;
        }
    }
    const QString measured = QStringLiteral("%1 on %2: %3:1")
                                 .arg(QColor(text).name(), QColor(background).name())
                                 .arg(best, 0, 'f', 2);
    QVERIFY2(best >= 3.0, qPrintable(measured));

    // A box inside a picture shows the picture's colour around its text: the most common
    // colour of a ring two pixels wide around it.
    if (!sitsOn.isEmpty()) {
        const QRect picture = window->findChild<QWidget*>(sitsOn)->geometry();
        const QRect box = control->geometry();
        std::map<QRgb, int> around;
        for (int y = box.top() - 2; y <= box.bottom() + 2; ++y) {
            for (int x = box.left() - 2; x <= box.right() + 2; ++x) {
                if (!box.contains(x, y) && picture.contains(x, y))
                    ++around[withoutText.pixel(x, y)];
            }
        }
        QCOMPARE(QColor(background).name(), QColor(mostCommon(around)).name());
    }
}

QTEST_MAIN(TestLayouts)
#include "test_layouts.moc"
