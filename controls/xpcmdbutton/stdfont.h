// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QMetaType>
#include <QString>

#include <memory>

// The caption font as the button keeps it: shared by reference between the button, its surface
// and its caption label, so the object handed out is the very one that was assigned.
struct StdFont {
    QString Name;
    double Size = 8.25;
    short Weight = 400;
    short Charset = 0;
    bool Italic = false;
    bool Underline = false;
    bool Strikethrough = false;

    bool operator==(const StdFont&) const = default;
    QFont toQFont() const;
};

Q_DECLARE_METATYPE(std::shared_ptr<StdFont>)
