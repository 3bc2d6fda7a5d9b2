// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/form3.h"

#include "forms/formbuilder.h"
#include "forms/formframe.h"
#include "forms/linklabel.h"
#include "forms/look.h"
#include "forms/services.h"
#include "system/shellopener.h"

namespace {

const QString introduction =
    QStringLiteral("软件简介：\r\n"
                   "     Dovrenta是一款个人时间提醒软件。具有体积小巧\r\n"
                   "，功能贴心等优点。现在社会，经常有预定要办的事情，比\r\n"
                   "如高考，面试，重要约会，等等等等，一款提示软件\r\n"
                   "就必不可少。他让经常坐的电脑前的你具有一个明确的时间\r\n"
                   "观念，让你有计划的去准备，也让高考的学子们有计划的去\r\n"
                   "复习。");

} // namespace

Form3::Form3(Services& services)
    : Form(services) {
    using Kind = ControlSpec::Kind;
    using Background = ControlSpec::Background;
    SetUpFormFrame(this, QStringLiteral("使用帮助"), {7590, 6660});
    PlaceClientArea(this, {1455, 1125});
    // clang-format off
    const ControlSpec layoutTable[] = {
        {.name = "Label1", .kind = Kind::Label, .twips = {960, 180, 3075, 615}, .text = "Dovrenta",
         .font = ControlSpec::Font{KaiFamily(), 24, true}, .foreground = Red,
         .background = Background::Opaque},
        {.name = "Label5", .kind = Kind::Label, .twips = {4800, 180, 1935, 495}, .text = "V1.6",
         .font = ControlSpec::Font{SansSerifFamily(), 24}, .foreground = Red,
         .background = Background::Opaque},
        {.name = "Text1", .kind = Kind::TextBox, .twips = {180, 780, 5055, 5175}, .tabIndex = 0,
         .text = introduction, .foreground = Red, .scrollBar = ControlSpec::ScrollBar::Vertical,
         .accessibleName = "软件简介"},
        {.name = "Label6", .kind = Kind::LinkLabel, .twips = {5340, 3780, 2235, 255}, .tabIndex = 1,
         .text = Form3::WebAddress, .font = LinkFont, .foreground = Blue,
         .background = Background::Opaque,
         .into = &Label6},
        {.name = "Label7", .kind = Kind::LinkLabel, .twips = {5340, 4200, 2175, 255}, .tabIndex = 2,
         .text = Form3::FirstMailAddress, .font = LinkFont, .foreground = Blue,
         .background = Background::Opaque,
         .into = &Label7},
        {.name = "Label8", .kind = Kind::LinkLabel, .twips = {5340, 4620, 2295, 315}, .tabIndex = 3,
         .text = Form3::SecondMailAddress, .font = LinkFont, .foreground = Blue,
         .background = Background::Opaque,
         .into = &Label8},
    };
    // clang-format on
    BuildControls(this, layoutTable);
    connect(Label6, &LinkLabel::Click, this, &Form3::Label6_Click);
    connect(Label7, &LinkLabel::Click, this, &Form3::Label7_Click);
    connect(Label8, &LinkLabel::Click, this, &Form3::Label8_Click);
}

void Form3::Label6_Click() {
    services_.shell.OpenWithShell(winId(), WebAddress);
}

void Form3::Label7_Click() {
    services_.shell.OpenWithShell(winId(), QStringLiteral("mailto:") + FirstMailAddress);
}

void Form3::Label8_Click() {
    services_.shell.OpenWithShell(winId(), QStringLiteral("mailto:") + SecondMailAddress);
}
