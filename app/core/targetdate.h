// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

// A target date as the stored texts convert to it: year, month and day as 16-bit numbers,
// not yet checked against the calendar.
struct TargetDate {
    qint16 year;
    qint16 month;
    qint16 day;

    bool operator==(const TargetDate&) const = default;
};
