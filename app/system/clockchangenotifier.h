// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <memory>

// Reports at once when the wall clock jumps against the timers, which run on elapsed time: when
// the system clock is set and when the machine resumes from suspend. Where the system cannot
// report it, it stays silent and costs nothing.
class ClockChangeNotifier : public QObject {
    Q_OBJECT

public:
    explicit ClockChangeNotifier(QObject* parent = nullptr);
    ~ClockChangeNotifier() override;

signals:
    void clockChanged();

private:
    // How this system reports a change; it raises clockChanged.
    class SystemReport;
    std::unique_ptr<SystemReport> report_;
};
