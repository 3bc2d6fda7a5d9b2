// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/restoredtarget.h"
#include "forms/services.h"

#include <memory>
#include <optional>

class Form1;
class Form2;
class Form3;

// Owns the program's three windows: loads each on first use, unloads the one the user closes
// and loads it anew when it is asked for again. It alone runs the start-up sequence: at start,
// which opens the countdown window, and each time a closed date-entry window is loaded anew.
// The windows do not know it: it answers their signals.
class WindowSet final {
public:
    explicit WindowSet(Services services);
    ~WindowSet();

    void start();

    Form1* form1() const { return form1_.get(); }
    Form2* form2() const { return form2_.get(); }
    Form3* form3() const { return form3_.get(); }

    // Makes the date-entry window visible, loading it anew when the user has closed it.
    void showDateEntry();
    // Shows the one help window, loading it first when it is not loaded.
    void showHelp();

private:
    RestoreOutcome runStartupSequence();
    void showCountdown(qint64 dayCount, QDate countedOn, const QString& eventText);
    void loadForm1();
    void endProgram();

    Services services_;
    std::optional<RestoreOutcome> startupOutcome_;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<Form3> form3_;
};
