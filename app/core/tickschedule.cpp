// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/tickschedule.h"

#include "core/clock.h"

using std::chrono::milliseconds;

TickSchedule::TickSchedule(const Clock& clock)
    : clock_(clock) {}

milliseconds TickSchedule::untilFirstTick() const {
    const milliseconds next = untilNextTick();
    return next == std::chrono::seconds(1) ? next : next + std::chrono::seconds(1);
}

milliseconds TickSchedule::untilNextTick() const {
    return std::chrono::seconds(1) - milliseconds(clock_.now().time().msec());
}
