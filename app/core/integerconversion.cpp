// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/integerconversion.h"

#include "core/runtimeerror.h"

#include <QByteArray>

#include <charconv>
#include <string_view>

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

QStringView trimmedBlanks(QStringView text) {
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.mid(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

} // namespace

// std::from_chars takes exactly a minus sign and ASCII digits, with no blanks, so a plus sign
// and the blanks around are the only things handled here. Characters outside Latin-1 become
// '?', which no digit matches.
qint16 ToInteger16(QStringView text) {
    const QByteArray latin1 = trimmedBlanks(text).toLatin1();
    std::string_view number(latin1.constData(), std::size_t(latin1.size()));
    if (number.starts_with('+') && !number.substr(1).starts_with('-'))
        number.remove_prefix(1);
    const char* const end = number.data() + number.size();
    qint16 value = 0;
    const auto [stop, error] = std::from_chars(number.data(), end, value);
    if (error == std::errc::invalid_argument || stop != end)
        throw RuntimeError(ErrorNumber::TypeMismatch);
    if (error == std::errc::result_out_of_range)
        throw RuntimeError(ErrorNumber::Overflow);
    return value;
}
