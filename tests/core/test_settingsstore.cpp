// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settingsstore.h"
#include "support/temporarystore.h"

#include <QTest>

#include <memory>

class TestSettingsStore : public QObject {
    Q_OBJECT

private slots:
    void init();
    void returnsTextsExactlyAsSaved_data();
    void returnsTextsExactlyAsSaved();
    void keepsEntriesApart();

private:
    std::unique_ptr<TemporaryStore> temporary_;
    QString location() const { return temporary_->location(); }
};

void TestSettingsStore::init() {
    temporary_ = std::make_unique<TemporaryStore>();
}

void TestSettingsStore::returnsTextsExactlyAsSaved_data() {
    QTest::addColumn<QString>("value");

    QTest::newRow("empty") << "";
    QTest::newRow("placeholder") << "Year";
    QTest::newRow("chinese") << "高考";
    QTest::newRow("CR LF inside") << "第一行\r\n第二行";
    QTest::newRow("blanks around") << "  x  ";
    QTest::newRow("ini specials") << R"(a=b;c#d[e]f"g\h@i)";
    QTest::newRow("at sign first") << "@String(x)";
    QTest::newRow("comma list") << "1, 2, 3";
    QTest::newRow("quotes only") << R"("")";
    QTest::newRow("backslash end") << R"(C:\)";
    QTest::newRow("number-like") << "06";
    QTest::newRow("boolean-like") << "true";
    QTest::newRow("tab and newline") << "\t\n";
    QTest::newRow("beyond the code page") << "😀 ü ∞";
    QTest::newRow("long") << QString(5000, u'长');
}

void TestSettingsStore::returnsTextsExactlyAsSaved() {
    QFETCH(QString, value);
    SettingsStore(location()).SaveSetting(" myapp", "jishi", "shixiang", value);
    QCOMPARE(SettingsStore(location()).GetSetting(" myapp", "jishi", "shixiang"), value);
}

// Each value lives under its own application name, blanks included, section and key; a key
// never written reads as empty.
void TestSettingsStore::keepsEntriesApart() {
    SettingsStore store(location());
    QCOMPARE(store.GetSetting(" myapp", "jishi", "year"), QString());
    store.SaveSettings(" myapp", "jishi", {{"year", "2005"}, {"month", "6"}, {"day", "1"}});
    store.SaveSetting("myapp", "jishi", "year", "2010");

    QCOMPARE(store.GetSetting(" myapp", "jishi", "year"), QStringLiteral("2005"));
    QCOMPARE(store.GetSetting(" myapp", "jishi", "month"), QStringLiteral("6"));
    QCOMPARE(store.GetSetting(" myapp", "jishi", "day"), QStringLiteral("1"));
    QCOMPARE(store.GetSetting(" myapp", "jishi", "shixiang"), QString());
    QCOMPARE(store.GetSetting(" myapp", "other", "year"), QString());
    QCOMPARE(store.GetSetting("myapp", "jishi", "year"), QStringLiteral("2010"));
    QCOMPARE(store.GetSetting("myapp", "jishi", "month"), QString());
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_settingsstore.moc"
