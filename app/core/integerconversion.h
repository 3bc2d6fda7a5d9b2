// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>

// Converts a stored text to a 16-bit signed integer: decimal digits with an optional sign and
// optional blanks (spaces, tabs) around them. "06" is 6. Throws RuntimeError: TypeMismatch for
// a text that is not such a number, Overflow for a number outside -32768 .. 32767.
qint16 ToInteger16(QStringView text);
