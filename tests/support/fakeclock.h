// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/clock.h"

#include <QTimeZone>

#include <optional>
#include <utility>

// A clock that stands still until the test moves it. A time given without a time zone is a time
// in UTC, so that no count depends on the zone of the machine the tests run on; a time given in
// a zone keeps its zone and that zone's clock changes.
class FakeClock final : public Clock {
public:
    explicit FakeClock(QDateTime now = QDateTime(QDate(2005, 2, 1), QTime(8, 0)))
        : now_(zoned(std::move(now))) {}

    QDateTime now() const override {
        const QDateTime read = now_;
        if (afterNextRead_)
            now_ = *std::exchange(afterNextRead_, std::nullopt);
        return read;
    }

    void set(QDateTime now) { now_ = zoned(std::move(now)); }

    // The next read still gives the time set, every later one gives later: a clock that passes
    // a moment between two reads.
    void moveAfterNextRead(QDateTime later) { afterNextRead_ = zoned(std::move(later)); }

private:
    static QDateTime zoned(QDateTime time) {
        if (time.timeSpec() != Qt::LocalTime)
            return time;
        return QDateTime(time.date(), time.time(), QTimeZone::utc());
    }

    mutable QDateTime now_;
    mutable std::optional<QDateTime> afterNextRead_;
};
