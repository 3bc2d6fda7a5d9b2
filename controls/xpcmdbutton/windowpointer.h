// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <optional>

class QWidget;

// Where the pointer is in a window's client area while it is over the window, and nothing once
// it has left it. Some
// desktops tell a program the pointer's position only while the pointer is over one of its
// windows, so the last position inside would otherwise stand for ever; the window's leave and
// enter events say when to trust the position.
class WindowPointer : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    void watch(QWidget* window);
    std::optional<QPoint> position() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The system's pointer position in window's client area, in the window's own pixels.
    static QPoint systemPosition(const QWidget& window);

    QPointer<QWidget> window_;
    bool inside_ = true;
};
