// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/caretblinktimeout.h"

#include <QGuiApplication>
#include <QStyleHints>

CaretBlinkTimeout::CaretBlinkTimeout(std::chrono::milliseconds timeout)
    : flashTime_(QGuiApplication::styleHints()->cursorFlashTime()) {
    idle_.setSingleShot(true);
    idle_.setInterval(timeout);
    // A flash time of 0 makes the text boxes stop their blink timers and show the caret.
    connect(&idle_, &QTimer::timeout, this, [this] { setFlashTime(0); });
    qApp->installEventFilter(this);
    idle_.start();
}

CaretBlinkTimeout::~CaretBlinkTimeout() {
    setFlashTime(flashTime_);
}

bool CaretBlinkTimeout::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::InputMethod:
        setFlashTime(flashTime_);
        idle_.start();
        break;
    default:
        break;
    }
    return false;
}

void CaretBlinkTimeout::setFlashTime(int flashTime) {
    if (QGuiApplication::styleHints()->cursorFlashTime() != flashTime)
        QGuiApplication::styleHints()->setCursorFlashTime(flashTime);
}
