// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/form.h"

struct ConvertedTarget;
class QComboBox;
class QLabel;
class TextBox;
class xpcmdbutton;

// The date-entry window: three lists for the target date, the event box, and a button that
// saves a new target. The window set gives it the restored target to show.
class Form1 : public Form {
    Q_OBJECT

public:
    explicit Form1(Services& services);

    // Puts a restored target into the lists, as the numbers it converted to, and the event box.
    void showTarget(const ConvertedTarget& target);
    void xpcmdbutton1_Click();

private:
    void labelDateLists();
    void fillDateLists();

    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QComboBox* Combo3 = nullptr;
    TextBox* Text1 = nullptr;
    xpcmdbutton* xpcmdbutton1 = nullptr;
};
