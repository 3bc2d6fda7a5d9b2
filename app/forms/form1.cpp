// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/form1.h"

#include "core/countdowntarget.h"
#include "core/messagebox.h"
#include "core/restoredtarget.h"
#include "core/settingsstore.h"
#include "forms/formbuilder.h"
#include "forms/formframe.h"
#include "forms/look.h"
#include "forms/services.h"
#include "forms/textbox.h"
#include "xpcmdbutton/xpcmdbutton.h"

#include <QComboBox>
#include <QLabel>
#include <QStringListModel>

namespace {

// The entries are plain texts, so a string list holds them: the combo box's own item model would
// make an item object with its own data list for each of the 996 years.
void fillList(QComboBox* list, int first, int last, const QString& placeholder) {
    QStringList values;
    values.reserve(last - first + 1);
    for (int value = first; value <= last; ++value)
        values.append(QString::number(value));
    list->setModel(new QStringListModel(values, list));
    list->setEditText(placeholder);
}

} // namespace

Form1::Form1(Services& services)
    : Form(services) {
    using Kind = ControlSpec::Kind;
    using Background = ControlSpec::Background;
    SetUpFormFrame(this, QStringLiteral("设定倒计时日期"), {4680, 3390});
    PlaceClientArea(this, {2865, 3210});
    // clang-format off
    const ControlSpec layoutTable[] = {
        {.name = "Label1", .kind = Kind::Label, .twips = {120, 360, 1275, 1515}, .tabIndex = 4,
         .text = "请在这里选择要提醒的日期，本软件会自动计算出倒计时天数",
         .background = Background::Opaque, .wordWrap = true},
        {.name = "Combo1", .kind = Kind::ComboBox, .twips = {1560, 360, 1935, 315}, .tabIndex = 0,
         .accessibleName = "年", .into = &Combo1},
        {.name = "Label2", .kind = Kind::Label, .twips = {3780, 360, 615, 315}, .tabIndex = 5,
         .text = "年", .background = Background::Opaque, .into = &Label2},
        {.name = "Combo2", .kind = Kind::ComboBox, .twips = {1560, 840, 1935, 315}, .tabIndex = 1,
         .accessibleName = "月", .into = &Combo2},
        {.name = "Label3", .kind = Kind::Label, .twips = {3780, 840, 615, 315}, .tabIndex = 6,
         .text = "月", .background = Background::Opaque, .into = &Label3},
        {.name = "Combo3", .kind = Kind::ComboBox, .twips = {1560, 1320, 1935, 315}, .tabIndex = 2,
         .accessibleName = "日", .into = &Combo3},
        {.name = "Label4", .kind = Kind::Label, .twips = {3780, 1380, 615, 315}, .tabIndex = 7,
         .text = "日", .background = Background::Opaque, .into = &Label4},
        {.name = "Text1", .kind = Kind::TextBox, .twips = {1560, 1800, 1935, 885}, .tabIndex = 3,
         .text = "事项", .accessibleName = "事项", .into = &Text1},
        {.name = "xpcmdbutton1", .kind = Kind::Button, .twips = {1320, 2880, 1635, 375},
         .tabIndex = 8, .text = "设定", .font = ButtonFont, .into = &xpcmdbutton1},
    };
    // clang-format on
    BuildControls(this, layoutTable);
    labelDateLists();
    fillDateLists();
    connect(xpcmdbutton1, &xpcmdbutton::Click, this, &Form1::xpcmdbutton1_Click);
}

void Form1::showTarget(const ConvertedTarget& target) {
    Combo1->setEditText(QString::number(target.date.year));
    Combo2->setEditText(QString::number(target.date.month));
    Combo3->setEditText(QString::number(target.date.day));
    Text1->setText(target.eventText);
}

// Each unit label names the list before it for a screen reader, which meets the list itself
// when the focus enters it. The labels' texts have no mnemonic, so nothing else changes.
void Form1::labelDateLists() {
    Label2->setBuddy(Combo1);
    Label3->setBuddy(Combo2);
    Label4->setBuddy(Combo3);
}

void Form1::fillDateLists() {
    fillList(Combo1, 2004, 2999, QStringLiteral("Year"));
    fillList(Combo2, 1, 12, QStringLiteral("month"));
    fillList(Combo3, 1, 31, QStringLiteral("Day"));
}

// Saves the displayed texts as they stand; the next start judges them. The four values are
// written together, so a failed save leaves the stored target as it was.
void Form1::xpcmdbutton1_Click() {
    try {
        SaveCountdownTarget(services_.store, {Combo1->currentText(), Combo2->currentText(),
                                              Combo3->currentText(), Text1->text()});
    } catch (const SettingsWriteError& error) {
        services_.messages.show({QStringLiteral("保存设置失败：无法写入 ") + error.target(),
                                 QStringLiteral("出错了^_^"), Message::Icon::Critical});
        return;
    }
    services_.messages.show({QStringLiteral("日期设置完毕,请重起本软件"), QStringLiteral("提示")});
}
