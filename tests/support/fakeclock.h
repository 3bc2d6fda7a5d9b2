#pragma once

#include "core/clock.h"

// A clock that stands still until the test moves it.
class FakeClock final : public Clock {
public:
    explicit FakeClock(QDateTime now = QDateTime(QDate(2005, 2, 1), QTime(8, 0)))
        : now_(std::move(now)) {}

    QDateTime now() const override { return now_; }
    void set(QDateTime now) { now_ = std::move(now); }

private:
    QDateTime now_;
};
