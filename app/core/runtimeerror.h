// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>

// The numbered run-time errors of the date handling. The numbers are those the stored settings
// have always been judged by: 13 for a text that is not a number, 6 for a number out of range.
enum class ErrorNumber : int {
    UnusableDate = 5,
    Overflow = 6,
    TypeMismatch = 13,
};

class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(ErrorNumber number);

    ErrorNumber number() const { return number_; }

private:
    ErrorNumber number_;
};
