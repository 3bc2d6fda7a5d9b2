#pragma once

#include <QWidget>

class Navigator;
class QComboBox;
class TextBox;
struct Services;

// The date-entry window and the program's start-up window: loading it restores the stored
// target, opens the countdown window and hides this one. Its button saves a new target.
class Form1 : public QWidget {
    Q_OBJECT

public:
    Form1(Services& services, Navigator& navigator);

    void Form_Load();
    void xpcmdbutton1_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void fillDateLists();

    Services& services_;
    Navigator& navigator_;
    QComboBox* Combo1;
    QComboBox* Combo2;
    QComboBox* Combo3;
    TextBox* Text1;
};
