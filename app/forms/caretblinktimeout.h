// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>

// Stops the text caret blinking after a spell without input and leaves it shown, as desktops
// do, so a window left open all day does not wake twice a second for it. The next key or click
// sets it blinking again.
class CaretBlinkTimeout : public QObject {
    Q_OBJECT

public:
    explicit CaretBlinkTimeout(std::chrono::milliseconds timeout = std::chrono::seconds(10));
    ~CaretBlinkTimeout() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setFlashTime(int flashTime);

    const int flashTime_;
    QTimer idle_;
};
