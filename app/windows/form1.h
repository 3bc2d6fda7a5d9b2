#pragma once

#include "windows/form.h"

class QComboBox;
class TextBox;
class xpcmdbutton;

// The date-entry window and the program's start-up window: loading it restores the stored
// target, opens the countdown window and hides this one. Its button saves a new target.
class Form1 : public Form {
    Q_OBJECT

public:
    Form1(Services& services, Navigator& navigator);

    void Form_Load();
    void xpcmdbutton1_Click();

private:
    void fillDateLists();

    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QComboBox* Combo3 = nullptr;
    TextBox* Text1 = nullptr;
    xpcmdbutton* xpcmdbutton1 = nullptr;
};
