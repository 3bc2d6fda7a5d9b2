// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/countdowntarget.h"
#include "core/restoredtarget.h"
#include "core/settingsstore.h"
#include "support/temporarystore.h"

#include <QTest>

class TestRestoredTarget : public QObject {
    Q_OBJECT

private slots:
    void init();
    void restoresStoredTarget_data();
    void restoresStoredTarget();
    void skipsRestoreWhenAnyDateTextIsEmpty_data();
    void skipsRestoreWhenAnyDateTextIsEmpty();

private:
    void storeValue(const QString& key, const QString& value) {
        SettingsStore(path()).SaveSetting(CountdownTarget::Application, CountdownTarget::Section,
                                          key, value);
    }
    QString path() const { return temporary_->location(); }
    std::unique_ptr<TemporaryStore> temporary_;
};

void TestRestoredTarget::init() {
    temporary_ = std::make_unique<TemporaryStore>();
}

void TestRestoredTarget::restoresStoredTarget_data() {
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("lists");
    QTest::addColumn<qint64>("dayCount");
    QTest::addColumn<bool>("unusable");

    const QStringList none;
    const QStringList exam{"2005", "6", "1"};
    const QStringList past{"2005", "1", "29"};
    const QStringList february30{"2005", "2", "30"};
    const QStringList month13{"2005", "13", "1"};
    QTest::newRow("exam") << exam << exam << qint64{120} << false;
    QTest::newRow("leading zero shown converted")
        << QStringList{"2005", "06", "01"} << exam << qint64{120} << false;
    QTest::newRow("past target") << past << past << qint64{-3} << false;
    QTest::newRow("30 February accepted") << february30 << february30 << qint64{29} << false;
    QTest::newRow("placeholders") << QStringList{"Year", "month", "Day"} << none << qint64{0}
                                  << true;
    QTest::newRow("year too long") << QStringList{"200500", "6", "1"} << none << qint64{0} << true;
    QTest::newRow("only the day is text")
        << QStringList{"2005", "6", "Day"} << none << qint64{0} << true;
    QTest::newRow("impossible month keeps what was restored")
        << month13 << month13 << qint64{0} << true;
}

// The event text is read whenever a date is shown.
void TestRestoredTarget::restoresStoredTarget() {
    QFETCH(QStringList, stored);
    QFETCH(QStringList, lists);
    QFETCH(qint64, dayCount);
    QFETCH(bool, unusable);
    SettingsStore store(path());
    SaveCountdownTarget(store, {stored[0], stored[1], stored[2], QStringLiteral("高考")});

    const RestoreOutcome restored = RestoreTarget(store, QDate(2005, 2, 1));

    const std::optional<ConvertedTarget> shown = ShownTarget(restored);
    QCOMPARE(shown.has_value(), !lists.isEmpty());
    if (shown) {
        QCOMPARE(QString::number(shown->date.year), lists[0]);
        QCOMPARE(QString::number(shown->date.month), lists[1]);
        QCOMPARE(QString::number(shown->date.day), lists[2]);
        QCOMPARE(shown->eventText, QStringLiteral("高考"));
    }
    QCOMPARE(DayCountOf(restored), dayCount);
    QCOMPARE(std::holds_alternative<DateUnusable>(restored), unusable);
}

void TestRestoredTarget::skipsRestoreWhenAnyDateTextIsEmpty_data() {
    QTest::addColumn<QStringList>("keys");

    QTest::newRow("first run") << QStringList{};
    QTest::newRow("day missing") << QStringList{"year", "month"};
    QTest::newRow("year missing") << QStringList{"month", "day"};
}

void TestRestoredTarget::skipsRestoreWhenAnyDateTextIsEmpty() {
    QFETCH(QStringList, keys);
    for (const QString& key : keys)
        storeValue(key, QStringLiteral("3"));
    storeValue(QStringLiteral("shixiang"), QStringLiteral("高考"));

    const RestoreOutcome restored = RestoreTarget(SettingsStore(path()), QDate(2005, 2, 1));

    QVERIFY(std::holds_alternative<NothingStored>(restored));
    QVERIFY(!ShownTarget(restored));
    QCOMPARE(DayCountOf(restored), qint64{0});
}

QTEST_GUILESS_MAIN(TestRestoredTarget)
#include "test_restoredtarget.moc"
