// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>

// Changes one environment variable for the life of the object and then puts back what was there
// before, an unset variable included, also when the test fails halfway.
class ScopedEnvironmentVariable {
public:
    explicit ScopedEnvironmentVariable(const char* name)
        : name_(name) {
        if (qEnvironmentVariableIsSet(name))
            saved_ = qgetenv(name);
    }
    ~ScopedEnvironmentVariable() {
        if (saved_)
            qputenv(name_, *saved_);
        else
            qunsetenv(name_);
    }
    ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
    ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;

    void set(const std::optional<QByteArray>& value) {
        if (value)
            qputenv(name_, *value);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    std::optional<QByteArray> saved_;
};
