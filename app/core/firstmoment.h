// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QTimeZone>

// The first moment of a day on the clocks of a time zone, in milliseconds since the epoch:
// midnight where the zone has one; where the zone moves its clock forward across midnight, the
// moment the day begins after the jump; where midnight comes twice, the first of them.
qint64 FirstMomentOfDay(QDate day, const QTimeZone& zone);
