// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/countdowntarget.h"

#include "core/settingsstore.h"

#include <array>
#include <utility>

namespace {

// The key of each text, in the order they are saved.
const std::array<std::pair<QString, QString CountdownTarget::*>, 4> keys{{
    {QStringLiteral("year"), &CountdownTarget::year},
    {QStringLiteral("month"), &CountdownTarget::month},
    {QStringLiteral("day"), &CountdownTarget::day},
    {QStringLiteral("shixiang"), &CountdownTarget::eventText},
}};

} // namespace

CountdownTarget ReadCountdownTarget(const SettingsStore& store) {
    CountdownTarget target;
    for (const auto& [key, text] : keys)
        target.*text =
            store.GetSetting(CountdownTarget::Application, CountdownTarget::Section, key);
    return target;
}

void SaveCountdownTarget(SettingsStore& store, const CountdownTarget& target) {
    SettingsStore::Entries entries;
    for (const auto& [key, text] : keys)
        entries.append({key, target.*text});
    store.SaveSettings(CountdownTarget::Application, CountdownTarget::Section, entries);
}
