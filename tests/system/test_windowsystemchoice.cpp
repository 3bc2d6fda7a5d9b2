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
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<OptionalValue>("before");
        QTest::addColumn<OptionalValue>("whileConnecting");
        QTest::addColumn<OptionalValue>("afterwards");

        const QByteArray platform = "QT_QPA_PLATFORM";
        QTest::newRow("no choice: X11, else Wayland")
            << platform << OptionalValue() << OptionalValue("xcb;wayland") << OptionalValue();
        QTest::newRow("empty counts as no choice")
            << platform << OptionalValue("") << OptionalValue("xcb;wayland") << OptionalValue();
        QTest::newRow("Wayland chosen") << platform << OptionalValue("wayland")
                                        << OptionalValue("wayland") << OptionalValue("wayland");
        // GTK's accessibility bridge would present the program a second time, empty.
        const QByteArray gtkBridge = "NO_AT_BRIDGE";
        QTest::newRow("GTK's bridge off while connecting")
            << gtkBridge << OptionalValue() << OptionalValue("1") << OptionalValue();
        QTest::newRow("GTK's bridge as the user set it")
            << gtkBridge << OptionalValue("0") << OptionalValue("0") << OptionalValue("0");
    }
    void userChoiceWinsAndNothingIsInherited() {
        QFETCH(QByteArray, variable);
        QFETCH(OptionalValue, before);
        QFETCH(OptionalValue, whileConnecting);
        QFETCH(OptionalValue, afterwards);
        ScopedEnvironmentVariable set(variable);
        set.set(before);

        WindowSystemChoice choice;
        QCOMPARE(value(variable), whileConnecting);
        choice.forget();
        QCOMPARE(value(variable), afterwards);
    }

private:
    static OptionalValue value(const QByteArray& variable) {
        if (!qEnvironmentVariableIsSet(variable))
            return std::nullopt;
        return qgetenv(variable);
    }
};

QTEST_GUILESS_MAIN(TestWindowSystemChoice)
#include "test_windowsystemchoice.moc"
