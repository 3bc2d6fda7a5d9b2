// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// A settings location of one test's own, empty at first and removed with the object: a file in
// a new temporary folder on Linux, a new key under HKEY_CURRENT_USER on Windows.
class TemporaryStore {
public:
    TemporaryStore();
    ~TemporaryStore();
    TemporaryStore(const TemporaryStore&) = delete;
    TemporaryStore& operator=(const TemporaryStore&) = delete;

    const QString& location() const { return location_; }

private:
    QString location_;
};
