// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <stdexcept>
#include <utility>

// A save that did not reach the system's store. target names what could not be written the way
// the user finds it: the settings file's native path on Linux, the section's key with its root
// key on Windows.
class SettingsWriteError : public std::runtime_error {
public:
    explicit SettingsWriteError(const QString& target);

    const QString& target() const { return target_; }

private:
    QString target_;
};

// The per-user store of texts, addressed by (application, section, key). The application and
// section names are kept exactly, so " myapp" and "myapp" are two stores. On Linux it lives in
// one INI file, which every save replaces atomically, so a reader or a second running copy never
// sees a half-written file. On Windows it lives in the registry, under a key of the current user.
class SettingsStore {
public:
    using Entries = QList<std::pair<QString, QString>>;

    // location is the INI file's path on Linux, the key's path under HKEY_CURRENT_USER on
    // Windows.
    explicit SettingsStore(QString location);

    // dovrenta/settings.ini in the user's configuration folder; Software\Dovrenta.
    static QString defaultLocation();

    // The stored text, or the empty text when nothing was stored under that key.
    QString GetSetting(const QString& application, const QString& section,
                       const QString& key) const;

    // Throws SettingsWriteError when the value could not be stored.
    void SaveSetting(const QString& application, const QString& section, const QString& key,
                     const QString& value);

    // Writes all entries in one replacement of the file: afterwards either all of them are
    // stored or, when SettingsWriteError is thrown, none, and nothing of the failed save is
    // kept anywhere to be written later.
    void SaveSettings(const QString& application, const QString& section, const Entries& entries);

private:
    // Refuses an empty name and one with '/' or '\': QSettings and the registry both read those
    // as separators, so such a name would silently address another entry.
    static void checkNames(const QStringList& names);

    QString location_;
};
