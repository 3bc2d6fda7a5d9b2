// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/messagebox.h"

#include <QList>

// Keeps every message box the program asked for instead of showing it.
class RecordingMessageBoxes final : public MessageBoxes {
public:
    void show(const Message& message) override { shown_.append(message); }

    // The boxes asked for so far, first asked first.
    const QList<Message>& shown() const { return shown_; }

private:
    QList<Message> shown_;
};

inline char* toString(const Message& message) {
    return qstrdup(QStringLiteral("Message(\"%1\", \"%2\", icon %3)")
                       .arg(message.text, message.title)
                       .arg(int(message.icon))
                       .toUtf8()
                       .constData());
}
