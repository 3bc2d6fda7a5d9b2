#pragma once

#include "core/restoredtarget.h"
#include "windows/navigator.h"
#include "windows/services.h"

#include <memory>
#include <optional>

class Form1;
class Form2;
class Form3;

// Owns the program's three windows: loads each on first use, unloads the one the user closes
// and loads it anew when it is asked for again. Only the countdown window opens at start.
class WindowSet final : public Navigator {
public:
    explicit WindowSet(Services services);
    ~WindowSet() override;

    // Runs the start-up sequence, which opens the countdown window.
    void start();

    Form1* form1() const { return form1_.get(); }
    Form2* form2() const { return form2_.get(); }
    Form3* form3() const { return form3_.get(); }

    void showCountdown(qint64 dayCount, const QString& eventText) override;
    void showDateEntry() override;
    void showHelp() override;
    void unloaded(QObject* window) override;

private:
    void endProgram();
    void loadForm1();

    Services services_;
    std::optional<RestoredTarget> startupTarget_;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<Form3> form3_;
};
