#pragma once

#include "core/countdown.h"
#include "core/tickschedule.h"

#include <QTimer>
#include <QWidget>

class Navigator;
class QLabel;
class TextBox;
class xpcmdbutton;
struct Services;

// The countdown window: the day count, a seconds counter that runs down every second, the
// event text, and the buttons to set a date, start with the desktop and open the help.
// Closing it ends the program.
class Form2 : public QWidget {
    Q_OBJECT

public:
    Form2(Services& services, Navigator& navigator);

    void Form_Load();
    void SetDayCount(const QString& dayCount);
    void SetEventText(const QString& eventText);

    void Timer1_Timer();
    void xpcmdbutton1_Click();
    void xpcmdbutton2_Click();
    void xpcmdbutton3_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    xpcmdbutton* button(const char* name) const;

    Services& services_;
    Navigator& navigator_;
    Countdown countdown_;
    TickSchedule schedule_;
    QTimer Timer1;
    QLabel* Label3;
    QLabel* Label6;
    TextBox* Text2;
};
