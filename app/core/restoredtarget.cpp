// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/restoredtarget.h"

#include "core/countdowntarget.h"
#include "core/daycount.h"
#include "core/integerconversion.h"
#include "core/runtimeerror.h"

RestoreOutcome RestoreTarget(const SettingsStore& store, QDate today) {
    const CountdownTarget stored = ReadCountdownTarget(store);
    if (stored.year.isEmpty() || stored.month.isEmpty() || stored.day.isEmpty())
        return NothingStored{};
    std::optional<ConvertedTarget> converted;
    try {
        converted = ConvertedTarget{
            {ToInteger16(stored.year), ToInteger16(stored.month), ToInteger16(stored.day)},
            stored.eventText};
        return TargetRestored{*converted, DayCount(today, converted->date)};
    } catch (const RuntimeError&) {
        return DateUnusable{converted};
    }
}

std::optional<ConvertedTarget> ShownTarget(const RestoreOutcome& outcome) {
    if (const auto* restored = std::get_if<TargetRestored>(&outcome))
        return restored->target;
    if (const auto* unusable = std::get_if<DateUnusable>(&outcome))
        return unusable->converted;
    return std::nullopt;
}

qint64 DayCountOf(const RestoreOutcome& outcome) {
    const auto* restored = std::get_if<TargetRestored>(&outcome);
    return restored ? restored->dayCount : 0;
}
