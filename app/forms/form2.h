// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/countdown.h"
#include "core/tickschedule.h"

#include "forms/form.h"

#include <QTimer>

class QLabel;
class TextBox;
class xpcmdbutton;

// The countdown window: the day count, a seconds counter that runs down every second, the
// event text, and the buttons to set a date, start with the desktop and open the help.
// Closing it ends the program; it never stays minimized, as nothing else could bring it back.
class Form2 : public Form {
    Q_OBJECT

public:
    explicit Form2(Services& services);

    void Form_Load();
    // The day count as computed for the date countedOn.
    void setDayCount(qint64 dayCount, QDate countedOn);
    void setEventText(const QString& eventText);

    void Timer1_Timer();
    void xpcmdbutton1_Click();
    void xpcmdbutton2_Click();
    void xpcmdbutton3_Click();

signals:
    // 设定提示日期 asks for the date-entry window, 使用帮助 for the help window.
    void dateEntryRequested();
    void helpRequested();

protected:
    void changeEvent(QEvent* event) override;

private:
    Countdown countdown_;
    TickSchedule schedule_;
    QTimer Timer1;
    QLabel* Label3 = nullptr;
    QLabel* Label6 = nullptr;
    TextBox* Text2 = nullptr;
    xpcmdbutton* xpcmdbutton1 = nullptr;
    xpcmdbutton* xpcmdbutton2 = nullptr;
    xpcmdbutton* xpcmdbutton3 = nullptr;
};
