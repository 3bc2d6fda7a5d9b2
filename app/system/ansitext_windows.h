// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// text in the system's ANSI code page, as the system's "A" calls take it. A character the code
// page lacks becomes the code page's substitution character.
QByteArray AnsiText(const QString& text);

// True when the ANSI code page holds every character of text, so that AnsiText(text) reads back
// as text itself.
bool AnsiCodePageHolds(const QString& text);
