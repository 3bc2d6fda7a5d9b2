// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/clockchangenotifier.h"

#include <QSocketNotifier>

#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <limits>

// A wall-clock timer set for the end of time never expires; the system cancels it, and wakes
// its reader, whenever the clock is set or resumes.
class ClockChangeNotifier::SystemReport {
public:
    explicit SystemReport(ClockChangeNotifier& notifier)
        : notifier_(notifier)
        , timer_(timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC)) {
        if (timer_ < 0)
            return;
        readable_ = std::make_unique<QSocketNotifier>(timer_, QSocketNotifier::Read);
        QObject::connect(readable_.get(), &QSocketNotifier::activated, &notifier_,
                         [this] { readCancellation(); });
        arm();
    }

    ~SystemReport() {
        readable_.reset();
        if (timer_ >= 0)
            close(timer_);
    }

    SystemReport(const SystemReport&) = delete;
    SystemReport& operator=(const SystemReport&) = delete;

private:
    void arm() {
        itimerspec endOfTime{};
        endOfTime.it_value.tv_sec = std::numeric_limits<time_t>::max();
        timerfd_settime(timer_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &endOfTime, nullptr);
    }

    void readCancellation() {
        std::uint64_t expirations = 0;
        if (read(timer_, &expirations, sizeof expirations) >= 0 || errno != ECANCELED)
            return;
        arm();
        emit notifier_.clockChanged();
    }

    ClockChangeNotifier& notifier_;
    int timer_;
    std::unique_ptr<QSocketNotifier> readable_;
};

ClockChangeNotifier::ClockChangeNotifier(QObject* parent)
    : QObject(parent)
    , report_(std::make_unique<SystemReport>(*this)) {}

ClockChangeNotifier::~ClockChangeNotifier() = default;
