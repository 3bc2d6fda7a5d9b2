#include "core/integerconversion.h"

#include "core/runtimeerror.h"

#include <limits>

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

qint16 ToInteger16(QStringView text) {
    QStringView digits = trimmedBlanks(text);
    bool negative = false;
    if (!digits.isEmpty() && (digits.front() == u'+' || digits.front() == u'-')) {
        negative = digits.front() == u'-';
        digits = digits.mid(1);
    }
    if (digits.isEmpty())
        throw RuntimeError(ErrorNumber::TypeMismatch);

    constexpr qint32 limit = -qint32{std::numeric_limits<qint16>::min()};
    qint32 magnitude = 0;
    bool tooLarge = false;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            throw RuntimeError(ErrorNumber::TypeMismatch);
        // Keep reading past the limit so that a later non-digit still counts as a mismatch.
        if (!tooLarge)
            magnitude = magnitude * 10 + (c.unicode() - u'0');
        tooLarge = tooLarge || magnitude > limit;
    }
    if (tooLarge || (!negative && magnitude == limit))
        throw RuntimeError(ErrorNumber::Overflow);
    return static_cast<qint16>(negative ? -magnitude : magnitude);
}
