// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/scopedenvironmentvariable.h"
#include "system/windowsystemchoice.h"

#include <QTest>

#include <optional>

using OptionalValue = std::optional<QByteArray>;
Q_DECLARE_METATYPE(OptionalValue)

class TestWindowSystemChoice : public QObject {
    Q_OBJECT

private slots:
    void userChoiceWinsAndNothingIsInherited_data() {
        QTest::addColumn<OptionalValue>("before");
        QTest::addColumn<OptionalValue>("whileConnecting");

        QTest::newRow("no choice: X11, else Wayland")
            << OptionalValue() << OptionalValue("xcb;wayland");
        QTest::newRow("empty counts as no choice")
            << OptionalValue("") << OptionalValue("xcb;wayland");
        QTest::newRow("Wayland chosen") << OptionalValue("wayland") << OptionalValue("wayland");
    }
    void userChoiceWinsAndNothingIsInherited() {
        QFETCH(OptionalValue, before);
        QFETCH(OptionalValue, whileConnecting);
        ScopedEnvironmentVariable platform("QT_QPA_PLATFORM");
        platform.set(before);

        WindowSystemChoice choice;
        QCOMPARE(value(), whileConnecting);
        choice.forget();
        const OptionalValue inherited = before && !before->isEmpty() ? before : OptionalValue();
        QCOMPARE(value(), inherited);
    }

private:
    static OptionalValue value() {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            return std::nullopt;
        return qgetenv("QT_QPA_PLATFORM");
    }
};

QTEST_GUILESS_MAIN(TestWindowSystemChoice)
#include "test_windowsystemchoice.moc"
