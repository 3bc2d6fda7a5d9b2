// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settingsstore.h"
#include "support/temporarystore.h"

#include <QProcess>
#include <QTest>

#include <windows.h>

namespace {

const QStringList targetKeys{"year", "month", "day", "shixiang"};

} // namespace

class TestSettingsStoreWindows : public QObject {
    Q_OBJECT

private slots:
    void keepsTheTargetUnderTheCurrentUser();
    void storesPlainStrings();
    void keepsEarlierValuesWhenAWriteFails();
    void namesTheKeyItCouldNotWrite();
    void keepsOneWholeTargetWhenTwoCopiesSave();
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

// The failure names the section's key under its root key, as the registry editor shows it.
void TestSettingsStoreWindows::namesTheKeyItCouldNotWrite() {
    const TemporaryStore temporary;
    SettingsStore store(temporary.location());
    try {
        store.SaveSetting(" myapp", "jishi", QString(20000, u'k'), "x");
        QFAIL("the registry took a value name of 20000 characters");
    } catch (const SettingsWriteError& error) {
        QCOMPARE(error.target(), QStringLiteral("HKEY_CURRENT_USER\\") + temporary.location() +
                                     QStringLiteral("\\ myapp\\jishi"));
    }
}

// Two copies of the program save whole targets at the same time, again and again; the key
// ends with the last target of one of them, all four values of it.
void TestSettingsStoreWindows::keepsOneWholeTargetWhenTwoCopiesSave() {
    const TemporaryStore temporary;
    QProcess copies[2];
    const char* names[] = {"first", "second"};
    for (int i = 0; i < 2; ++i)
        copies[i].start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--save-targets"), temporary.location(), names[i]});
    for (QProcess& copy : copies) {
        QVERIFY(copy.waitForFinished(60000));
        QCOMPARE(copy.exitCode(), 0);
    }

    const SettingsStore store(temporary.location());
    const QString year = store.GetSetting(" myapp", "jishi", "year");
    QVERIFY2(year == u"first 199" || year == u"second 199", qPrintable(year));
    for (const QString& key : targetKeys)
        QCOMPARE(store.GetSetting(" myapp", "jishi", key), year);
}

namespace {

// Saves 200 targets whose four values all read "<name> <number>".
int saveTargets(const QString& location, const QString& name) {
    SettingsStore store(location);
    for (int number = 0; number < 200; ++number) {
        const QString value = name + u' ' + QString::number(number);
        SettingsStore::Entries target;
        for (const QString& key : targetKeys)
            target.append({key, value});
        store.SaveSettings(" myapp", "jishi", target);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() == 4 && arguments[1] == u"--save-targets")
        return saveTargets(arguments[2], arguments[3]);
    TestSettingsStoreWindows test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_settingsstore_windows.moc"
