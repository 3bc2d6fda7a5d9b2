#include "core/settingsstore.h"
#include "support/temporarystore.h"

#include <QTest>

#include <windows.h>

class TestSettingsStoreWindows : public QObject {
    Q_OBJECT

private slots:
    void keepsTheTargetUnderTheCurrentUser();
    void storesPlainStrings();
    void keepsEarlierValuesWhenAWriteFails();
};

void TestSettingsStoreWindows::keepsTheTargetUnderTheCurrentUser() {
    QCOMPARE(SettingsStore::defaultLocation(), QStringLiteral("Software\\Dovrenta"));
}

// Another program reading the key finds a REG_SZ with one terminating zero.
void TestSettingsStoreWindows::storesPlainStrings() {
    const TemporaryStore temporary;
    SettingsStore(temporary.location()).SaveSetting(" myapp", "jishi", "shixiang", "高考");

    const std::wstring key =
        (temporary.location() + QStringLiteral("\\ myapp\\jishi")).toStdWString();
    wchar_t data[8]{};
    DWORD type = 0;
    DWORD size = sizeof data;
    QCOMPARE(
        RegGetValueW(HKEY_CURRENT_USER, key.c_str(), L"shixiang", RRF_RT_ANY, &type, data, &size),
        LSTATUS(ERROR_SUCCESS));
    QCOMPARE(type, DWORD(REG_SZ));
    QCOMPARE(size, DWORD(3 * sizeof(wchar_t)));
    QCOMPARE(QString::fromWCharArray(data), QStringLiteral("高考"));
}

// The registry refuses a value name longer than 16383 characters; by then the values before it
// are written and must be put back.
void TestSettingsStoreWindows::keepsEarlierValuesWhenAWriteFails() {
    const TemporaryStore temporary;
    SettingsStore store(temporary.location());
    store.SaveSetting(" myapp", "jishi", "year", "2005");

    const QString refusedName(20000, u'k');
    QVERIFY_THROWS_EXCEPTION(
        SettingsWriteError,
        store.SaveSettings(" myapp", "jishi",
                           {{"year", "2010"}, {"month", "1"}, {refusedName, "x"}}));

    QCOMPARE(store.GetSetting(" myapp", "jishi", "year"), QStringLiteral("2005"));
    QCOMPARE(store.GetSetting(" myapp", "jishi", "month"), QString());
}

QTEST_GUILESS_MAIN(TestSettingsStoreWindows)
#include "test_settingsstore_windows.moc"
