// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>

class Clock;

// When the seconds counter ticks: at each second boundary of the clock, so the counter changes
// when the clock's second does. Each wait is measured from the clock's time now, so a tick
// that came late, early or after the clock was set lands on the next boundary again.
class TickSchedule {
public:
    explicit TickSchedule(const Clock& clock);

    // The first tick: the first boundary at least one second from now, so the counter stays
    // blank for a whole second after the window loads.
    std::chrono::milliseconds untilFirstTick() const;
    // Every later tick: the next boundary after now.
    std::chrono::milliseconds untilNextTick() const;

private:
    const Clock& clock_;
};
