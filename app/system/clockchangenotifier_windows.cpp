// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/clockchangenotifier.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>

#include <windows.h>

// Windows tells every top-level window when the clock was set and when the machine resumed;
// the program's windows pass those messages through the application's native filter.
class ClockChangeNotifier::SystemReport : public QAbstractNativeEventFilter {
public:
    explicit SystemReport(ClockChangeNotifier& notifier)
        : notifier_(notifier) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    ~SystemReport() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    SystemReport(const SystemReport&) = delete;
    SystemReport& operator=(const SystemReport&) = delete;

    bool nativeEventFilter(const QByteArray&, void* message, qintptr*) override {
        const auto* windowsMessage = static_cast<const MSG*>(message);
        const bool resumed = windowsMessage->message == WM_POWERBROADCAST &&
                             windowsMessage->wParam == PBT_APMRESUMEAUTOMATIC;
        if (windowsMessage->message == WM_TIMECHANGE || resumed)
            emit notifier_.clockChanged();
        return false;
    }

private:
    ClockChangeNotifier& notifier_;
};

ClockChangeNotifier::ClockChangeNotifier(QObject* parent)
    : QObject(parent)
    , report_(std::make_unique<SystemReport>(*this)) {}

ClockChangeNotifier::~ClockChangeNotifier() = default;
