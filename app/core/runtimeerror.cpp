// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/runtimeerror.h"

namespace {

const char* describe(ErrorNumber number) {
    switch (number) {
    case ErrorNumber::UnusableDate:
        return "unusable date";
    case ErrorNumber::Overflow:
        return "overflow";
    case ErrorNumber::TypeMismatch:
        return "type mismatch";
    }
    return "run-time error";
}

} // namespace

RuntimeError::RuntimeError(ErrorNumber number)
    : std::runtime_error(describe(number))
    , number_(number) {}
