// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/form2.h"

#include "core/daycount.h"
#include "core/messagebox.h"
#include "forms/formbuilder.h"
#include "forms/formframe.h"
#include "forms/look.h"
#include "forms/services.h"
#include "forms/textbox.h"
#include "system/autostart.h"
#include "system/clockchangenotifier.h"
#include "xpcmdbutton/xpcmdbutton.h"

#include <QLabel>

Form2::Form2(Services& services)
    : Form(services)
    , countdown_(services.clock)
    , schedule_(services.clock)
    , Timer1(this) {
    using Kind = ControlSpec::Kind;
    using Background = ControlSpec::Background;
    const QString bubble = QStringLiteral(":/pictures/bubble.bmp");
    SetUpFormFrame(this, QStringLiteral("Dovrenta"), {5535, 5385});
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
    setAutoFillBackground(true);
    // Front to back: the number labels lie above their speech bubbles.
    // clang-format off
    const ControlSpec layoutTable[] = {
        {.name = "xpcmdbutton3", .kind = Kind::Button, .twips = {0, 4800, 1455, 435}, .tabIndex = 9,
         .font = ButtonFont, .into = &xpcmdbutton3},
        {.name = "xpcmdbutton2", .kind = Kind::Button, .twips = {4080, 4800, 1395, 435},
         .tabIndex = 8, .text = "开机启动", .font = ButtonFont, .into = &xpcmdbutton2},
        {.name = "xpcmdbutton1", .kind = Kind::Button, .twips = {1500, 4800, 2535, 435},
         .tabIndex = 7, .text = "设定提示日期", .font = ButtonFont, .into = &xpcmdbutton1},
        {.name = "Text2", .kind = Kind::TextBox, .twips = {240, 1140, 5115, 1365}, .tabIndex = 0,
         .scrollBar = ControlSpec::ScrollBar::Vertical, .accessibleName = "事项", .into = &Text2},
        {.name = "Label6", .kind = Kind::Label, .twips = {1860, 3960, 3075, 435}, .tabIndex = 6,
         .font = NumberFont, .foreground = Red, .background = Background::Transparent,
         .into = &Label6},
        {.name = "Label5", .kind = Kind::Label, .twips = {4980, 4140, 315, 255}, .tabIndex = 5,
         .text = "秒", .background = Background::Transparent},
        {.name = "Label4", .kind = Kind::Label, .twips = {720, 4140, 975, 315}, .tabIndex = 4,
         .text = "距现在还有", .background = Background::Transparent},
        {.name = "Image3", .kind = Kind::Picture, .twips = {1800, 3720, 1725, 1125},
         .picture = bubble, .stretch = true},
        {.name = "Image2", .kind = Kind::Picture, .twips = {0, 0, 5550, 900},
         .picture = ":/pictures/banner.jpg"},
        // The day count's box takes the window's white, as the bubble around it does.
        {.name = "Label3", .kind = Kind::Label, .twips = {1860, 2760, 1395, 495}, .tabIndex = 3,
         .font = NumberFont, .foreground = Red, .background = Background::Opaque,
         .into = &Label3},
        {.name = "Image1", .kind = Kind::Picture, .twips = {1800, 2580, 1725, 1125},
         .picture = bubble, .stretch = true},
        {.name = "Label2", .kind = Kind::Label, .twips = {3600, 2880, 1035, 255}, .tabIndex = 2,
         .text = "天", .background = Background::Transparent},
        {.name = "Label1", .kind = Kind::Label, .twips = {705, 2880, 915, 255}, .tabIndex = 1,
         .text = "距今天还有", .background = Background::Transparent},
    };
    // clang-format on
    BuildControls(this, layoutTable);

    // One shot at a time, each aimed at the clock's next second boundary.
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setSingleShot(true);
    Timer1.setTimerType(Qt::PreciseTimer);
    connect(&Timer1, &QTimer::timeout, this, &Form2::Timer1_Timer);
    // After the clock jumps, the next tick is due at the new clock's next boundary, not at the
    // old one; during the first second the counter stays blank whatever the clock does.
    connect(new ClockChangeNotifier(this), &ClockChangeNotifier::clockChanged, this, [this] {
        if (!Label6->text().isEmpty())
            Timer1.start(schedule_.untilNextTick());
    });
    connect(xpcmdbutton1, &xpcmdbutton::Click, this, &Form2::xpcmdbutton1_Click);
    connect(xpcmdbutton2, &xpcmdbutton::Click, this, &Form2::xpcmdbutton2_Click);
    connect(xpcmdbutton3, &xpcmdbutton::Click, this, &Form2::xpcmdbutton3_Click);
    Timer1.start(schedule_.untilFirstTick());
}

void Form2::Form_Load() {
    xpcmdbutton3->SetCaption(QStringLiteral("使用帮助"));
}

void Form2::setDayCount(qint64 dayCount, QDate countedOn) {
    Label3->setText(DayCountText(dayCount));
    countdown_.setDayCount(dayCount, countedOn);
}

void Form2::setEventText(const QString& eventText) {
    Text2->setText(eventText);
}

// The counter runs down to the first moment of the target day. When a midnight has passed
// since the day count was written, the day count moves down with it.
void Form2::Timer1_Timer() {
    const Countdown::Reading reading = countdown_.read();
    const QString dayCount = DayCountText(reading.dayCount);
    if (Label3->text() != dayCount)
        Label3->setText(dayCount);
    Label6->setText(QString::number(reading.secondsLeft));
    Timer1.start(schedule_.untilNextTick());
}

void Form2::xpcmdbutton1_Click() {
    emit dateEntryRequested();
}

void Form2::xpcmdbutton2_Click() {
    const bool written = SetAutostartEntry(services_.autostartLocation, services_.programPath);
    services_.messages.show(
        {written ? QStringLiteral("Sucess!") : QStringLiteral("Fail"), QStringLiteral("结果")});
}

void Form2::xpcmdbutton3_Click() {
    emit helpRequested();
}

// Restored once the minimize has been handled, so that the window manager sees a change of
// state rather than a refusal.
void Form2::changeEvent(QEvent* event) {
    Form::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        QTimer::singleShot(0, this, [this] { BringToFront(this); });
}
