#include "system/clockchangenotifier.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <limits>

ClockChangeNotifier::ClockChangeNotifier(QObject* parent)
    : QObject(parent)
    , timer_(timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC)) {
    if (timer_ < 0)
        return;
    notifier_ = std::make_unique<QSocketNotifier>(timer_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this,
            &ClockChangeNotifier::readCancellation);
    arm();
}

ClockChangeNotifier::~ClockChangeNotifier() {
    notifier_.reset();
    if (timer_ >= 0)
        close(timer_);
}

// A wall-clock timer set for the end of time never expires; the system cancels it, and wakes
// its reader, whenever the clock is set or resumes.
void ClockChangeNotifier::arm() {
    itimerspec endOfTime{};
    endOfTime.it_value.tv_sec = std::numeric_limits<time_t>::max();
    timerfd_settime(timer_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &endOfTime, nullptr);
}

void ClockChangeNotifier::readCancellation() {
    std::uint64_t expirations = 0;
    if (read(timer_, &expirations, sizeof expirations) >= 0 || errno != ECANCELED)
        return;
    arm();
    emit clockChanged();
}
