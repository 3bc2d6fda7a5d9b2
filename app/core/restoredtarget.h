// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/targetdate.h"

#include <QDate>
#include <QString>

#include <optional>
#include <variant>

class SettingsStore;

// A stored date converted to numbers, with the event text stored beside it.
struct ConvertedTarget {
    TargetDate date;
    QString eventText;
};

// The year, the month or the day was never stored: there is nothing to restore.
struct NothingStored {};

// The stored date cannot be counted from: a text is no number or out of range, or the month or
// the day is none of the calendar's. When the texts converted, they are kept for the lists.
struct DateUnusable {
    std::optional<ConvertedTarget> converted;
};

struct TargetRestored {
    ConvertedTarget target;
    qint64 dayCount;
};

using RestoreOutcome = std::variant<NothingStored, DateUnusable, TargetRestored>;

// Restores the target only when the stored year, month and day are all non-empty: converts
// them, reads the event text, and counts the days from today.
RestoreOutcome RestoreTarget(const SettingsStore& store, QDate today);

// The converted target that the date-entry window shows, when the texts converted.
std::optional<ConvertedTarget> ShownTarget(const RestoreOutcome& outcome);
// The day count that the countdown window shows: 0 unless the target was restored.
qint64 DayCountOf(const RestoreOutcome& outcome);
