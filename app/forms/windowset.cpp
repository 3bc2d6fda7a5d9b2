// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/windowset.h"

#include "core/clock.h"
#include "core/messagebox.h"
#include "forms/form1.h"
#include "forms/form2.h"
#include "forms/form3.h"
#include "forms/formframe.h"

#include <utility>

namespace {

// The window is still inside its own close handling, so it is deleted once that returns. A
// window already unloaded, its place perhaps taken by a new one, is left alone.
template <typename LoadedForm>
void unload(std::unique_ptr<LoadedForm>& form, const LoadedForm* window) {
    if (form.get() == window)
        form.release()->deleteLater();
}

} // namespace

WindowSet::WindowSet(Services services)
    : services_(std::move(services)) {}

WindowSet::~WindowSet() = default;

void WindowSet::start() {
    startupOutcome_ = runStartupSequence();
}

// Restores the stored target, reports a date that cannot be used, and opens the countdown
// window with the day count and the event text. The clock is read once: the count goes to the
// countdown window with the date it was computed for, which a midnight since may have changed.
RestoreOutcome WindowSet::runStartupSequence() {
    const QDate today = services_.clock.now().date();
    RestoreOutcome outcome = RestoreTarget(services_.store, today);
    if (std::holds_alternative<DateUnusable>(outcome))
        services_.messages.show(
            {QStringLiteral("日期设置错误，请重新设置"), QStringLiteral("出错了^_^")});
    const std::optional<ConvertedTarget> shown = ShownTarget(outcome);
    showCountdown(DayCountOf(outcome), today, shown ? shown->eventText : QString());
    return outcome;
}

void WindowSet::showCountdown(qint64 dayCount, QDate countedOn, const QString& eventText) {
    if (!form2_) {
        form2_ = std::make_unique<Form2>(services_);
        // Closing the countdown window ends the program at once: every window disappears and
        // nothing can refuse it.
        QObject::connect(form2_.get(), &Form::unloaded, form2_.get(), [this] { endProgram(); });
        QObject::connect(form2_.get(), &Form2::dateEntryRequested, form2_.get(),
                         [this] { showDateEntry(); });
        QObject::connect(form2_.get(), &Form2::helpRequested, form2_.get(), [this] { showHelp(); });
        form2_->Form_Load();
        CentreOnScreen(form2_.get());
    }
    form2_->show();
    form2_->setDayCount(dayCount, countedOn);
    form2_->setEventText(eventText);
}

// Until the user first asks for the date-entry window, the start's outcome stands in for its
// load, and building it then shows that target as if it had been loaded at start. Closed and
// asked for again, it is loaded anew, which runs the start-up sequence again.
void WindowSet::loadForm1() {
    form1_ = std::make_unique<Form1>(services_);
    QObject::connect(form1_.get(), &Form::unloaded, form1_.get(),
                     [this, form = form1_.get()] { unload(form1_, form); });
    const RestoreOutcome outcome =
        startupOutcome_ ? *std::exchange(startupOutcome_, std::nullopt) : runStartupSequence();
    if (const std::optional<ConvertedTarget> shown = ShownTarget(outcome))
        form1_->showTarget(*shown);
}

void WindowSet::showDateEntry() {
    if (!form1_)
        loadForm1();
    BringToFront(form1_.get());
}

void WindowSet::showHelp() {
    if (!form3_) {
        form3_ = std::make_unique<Form3>(services_);
        QObject::connect(form3_.get(), &Form::unloaded, form3_.get(),
                         [this, form = form3_.get()] { unload(form3_, form); });
    }
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
