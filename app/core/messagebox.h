// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// A modal message box as the program asks for it. Every box of the program has one OK button,
// so the button set needs no field of its own.
struct Message {
    enum class Icon { None, Critical };

    QString text;
    QString title;
    Icon icon = Icon::None;

    bool operator==(const Message&) const = default;
};

// Shows a message box and returns when the user has closed it. The program's windows show
// real boxes; tests put a recorder in their place.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void show(const Message& message) = 0;
};
