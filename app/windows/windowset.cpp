#include "windows/windowset.h"

#include "windows/form1.h"
#include "windows/form2.h"
#include "windows/form3.h"
#include "windows/formframe.h"
#include "windows/startupsequence.h"

#include <utility>

namespace {

// The window is still inside its own close handling, so it is deleted once that returns.
template <typename Form> void unload(std::unique_ptr<Form>& form, QObject* window) {
    if (form.get() == window)
        form.release()->deleteLater();
}

} // namespace

WindowSet::WindowSet(Services services)
    : services_(std::move(services)) {}

WindowSet::~WindowSet() = default;

void WindowSet::start() {
    startupTarget_ = RunStartupSequence(services_, *this);
}

// Until the user first asks for the date-entry window, the target restored at start stands in
// for its lists, and building it then shows that target as if it had been loaded at start.
// Closed and asked for again, it is loaded anew.
void WindowSet::loadForm1() {
    form1_ = std::make_unique<Form1>(services_, *this);
    if (startupTarget_)
        form1_->ShowTarget(*std::exchange(startupTarget_, std::nullopt));
    else
        form1_->Form_Load();
}

void WindowSet::showCountdown(qint64 dayCount, const QString& eventText) {
    if (!form2_) {
        form2_ = std::make_unique<Form2>(services_, *this);
        form2_->Form_Load();
        CentreOnScreen(form2_.get());
    }
    form2_->show();
    form2_->SetDayCount(dayCount);
    form2_->SetEventText(eventText);
}

void WindowSet::showDateEntry() {
    if (!form1_)
        loadForm1();
    BringToFront(form1_.get());
}

void WindowSet::showHelp() {
    if (!form3_)
        form3_ = std::make_unique<Form3>(services_, *this);
    BringToFront(form3_.get());
}

void WindowSet::endProgram() {
    for (QWidget* window :
         {static_cast<QWidget*>(form1_.get()), static_cast<QWidget*>(form2_.get()),
          static_cast<QWidget*>(form3_.get())}) {
        if (window)
            window->hide();
    }
    services_.exitProgram();
}

// Closing the countdown window ends the program; closing another window unloads it.
void WindowSet::unloaded(QObject* window) {
    if (window == form2_.get()) {
        endProgram();
        return;
    }
    unload(form1_, window);
    unload(form3_, window);
}
