#pragma once

#include "windows/form.h"

struct RestoredTarget;
class QComboBox;
class TextBox;
class xpcmdbutton;

// The date-entry window. Loading it anew runs the start-up sequence: it restores the stored
// target, opens the countdown window and hides this one. Its button saves a new target.
class Form1 : public Form {
    Q_OBJECT

public:
    Form1(Services& services, Navigator& navigator);

    void Form_Load();
    // Puts a restored target into the lists and the event box.
    void ShowTarget(const RestoredTarget& restored);
    void xpcmdbutton1_Click();

private:
    void fillDateLists();

    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QComboBox* Combo3 = nullptr;
    TextBox* Text1 = nullptr;
    xpcmdbutton* xpcmdbutton1 = nullptr;
};
