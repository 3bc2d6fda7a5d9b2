// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/clock.h"

QDateTime SystemClock::now() const {
    return QDateTime::currentDateTime();
}
