// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settingsstore.h"

#include <stdexcept>

SettingsWriteError::SettingsWriteError(const QString& target)
    : std::runtime_error("cannot write " + target.toStdString())
    , target_(target) {}

SettingsStore::SettingsStore(QString location)
    : location_(std::move(location)) {}

void SettingsStore::SaveSetting(const QString& application, const QString& section,
                                const QString& key, const QString& value) {
    SaveSettings(application, section, {{key, value}});
}

void SettingsStore::checkNames(const QStringList& names) {
    for (const QString& name : names) {
        if (name.isEmpty() || name.contains(u'/') || name.contains(u'\\'))
            throw std::invalid_argument("settings names must be non-empty, without '/' or '\\'");
    }
}
