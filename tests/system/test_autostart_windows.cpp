// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/ansitext_windows.h"
#include "system/autostart.h"
#include "system/registry_windows.h"

#include <QTest>
#include <QUuid>

#include <optional>

namespace {

const wchar_t* wide(const QString& text) {
    return reinterpret_cast<const wchar_t*>(text.utf16());
}

// The default value of subkey under key, a REG_SZ, as the registry holds it.
std::optional<QString> storedText(HKEY key, const QString& subkey) {
    QString text(256, Qt::Uninitialized);
    DWORD size = DWORD(text.size() * sizeof(wchar_t));
    if (RegGetValueW(key, wide(subkey), nullptr, RRF_RT_REG_SZ, nullptr, text.data(), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    text.resize(size / sizeof(wchar_t) - 1);
    return text;
}

// A key that lives only in memory takes no lasting subkey, so the registry refuses to create a
// key below it, as it refuses a standard user a key under the local machine.
bool refuseSubkeysOf(HKEY root, const QString& key) {
    HKEY created = nullptr;
    if (RegCreateKeyExW(root, wide(key), 0, nullptr, REG_OPTION_VOLATILE, KEY_WRITE, nullptr,
                        &created, nullptr) != ERROR_SUCCESS)
        return false;
    RegCloseKey(created);
    return true;
}

QString testKey() {
    return QStringLiteral("Software\\Dovrenta-test-") +
           QUuid::createUuid().toString(QUuid::WithoutBraces);
}

} // namespace

class TestAutostartWindows : public QObject {
    Q_OBJECT

private slots:
    void convertsToTheAnsiCodePage_data();
    void convertsToTheAnsiCodePage();
    void writesTheDefaultValueExactly_data();
    void writesTheDefaultValueExactly();
    void namesTheProgramWithoutItsExtension_data();
    void namesTheProgramWithoutItsExtension();
    void writesTheRunValue_data();
    void writesTheRunValue();
};

// The tests run with the Chinese code page, 936.
void TestAutostartWindows::convertsToTheAnsiCodePage_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("ansi");
    QTest::addColumn<bool>("held");

    QTest::newRow("empty") << "" << QByteArray() << true;
    QTest::newRow("ASCII") << "D:\\Apps\\board" << QByteArray("D:\\Apps\\board") << true;
    QTest::newRow("Chinese, two bytes each") << "高考" << QByteArray("\xB8\xDF\xBF\xBC") << true;
    QTest::newRow("outside the code page") << "aกb" << QByteArray("a?b") << false;
    QTest::newRow("a near character stands in") << "À" << QByteArray("\xA8\xA4") << false;
}

void TestAutostartWindows::convertsToTheAnsiCodePage() {
    QFETCH(QString, text);
    QFETCH(QByteArray, ansi);
    QFETCH(bool, held);
    QCOMPARE(GetACP(), UINT(936));
    QCOMPARE(AnsiText(text), ansi);
    QCOMPARE(AnsiCodePageHolds(text), held);
}

void TestAutostartWindows::writesTheDefaultValueExactly_data() {
    QTest::addColumn<QString>("value");

    QTest::newRow("empty") << "";
    QTest::newRow("path") << "C:\\Apps\\board";
    QTest::newRow("Chinese") << "高考";
    QTest::newRow("outside the code page") << "C:\\한글\\board";
}

void TestAutostartWindows::writesTheDefaultValueExactly() {
    QFETCH(QString, value);
    const QString key = testKey();

    QVERIFY(SetKeyDefaultValue(HKEY_CURRENT_USER, key + QStringLiteral("\\Run"), value));

    QCOMPARE(storedText(HKEY_CURRENT_USER, key + QStringLiteral("\\Run")), value);
    RegDeleteTreeW(HKEY_CURRENT_USER, wide(key));
}

void TestAutostartWindows::namesTheProgramWithoutItsExtension_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("value");
    const auto row = [](const char* name, const QString& program, const QString& value) {
        QTest::newRow(name) << program << value;
    };

    row("folder", "D:/Apps/board.exe", "D:\\Apps\\board");
    row("drive root", "D:/board.exe", "D:\\\\board");
    row("dots in the name", "C:/Apps/my.board.exe", "C:\\Apps\\my.board.exe");
    row("dots in the name, upper case", "C:/Apps/BOARD.V2.EXE", "C:\\Apps\\BOARD.V2.EXE");
    row("dots in the name, other extension", "C:/Apps/board.v2.com", "C:\\Apps\\board.v2");
    row("dot in the folder", "C:/my.apps/board.exe", "C:\\my.apps\\board");
    row("Chinese folder", "C:/倒计时/dovrenta.exe", "C:\\倒计时\\dovrenta");
    row("space in the path", "C:/Program Files/Dovrenta/dovrenta.exe",
        "\"C:\\Program Files\\Dovrenta\\dovrenta\"");
}

void TestAutostartWindows::namesTheProgramWithoutItsExtension() {
    QFETCH(QString, program);
    QFETCH(QString, value);
    QCOMPARE(AutostartValue(program), value);
}

void TestAutostartWindows::writesTheRunValue_data() {
    QTest::addColumn<bool>("machineRefuses");
    QTest::addColumn<bool>("userRefuses");
    QTest::addColumn<bool>("written");
    QTest::addColumn<std::optional<QString>>("machineValue");
    QTest::addColumn<std::optional<QString>>("userValue");

    const std::optional<QString> value = QStringLiteral("D:\\Apps\\board");
    const std::optional<QString> none;
    QTest::newRow("local machine") << false << false << true << value << none;
    QTest::newRow("current user, refused by the machine") << true << false << true << none << value;
    QTest::newRow("refused by both") << true << true << false << none << none;
}

// Each write replaces the one before it.
void TestAutostartWindows::writesTheRunValue() {
    QFETCH(bool, machineRefuses);
    QFETCH(bool, userRefuses);
    QFETCH(bool, written);
    QFETCH(std::optional<QString>, machineValue);
    QFETCH(std::optional<QString>, userValue);
    QCOMPARE(AutostartLocation(),
             QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run"));
    const QString key = testKey();
    const QString run = key + QStringLiteral("\\Run");
    QVERIFY(!machineRefuses || refuseSubkeysOf(HKEY_LOCAL_MACHINE, key));
    QVERIFY(!userRefuses || refuseSubkeysOf(HKEY_CURRENT_USER, key));

    QCOMPARE(SetAutostartEntry(run, QStringLiteral("D:/board.exe")), written);
    QCOMPARE(SetAutostartEntry(run, QStringLiteral("D:/Apps/board.exe")), written);

    QCOMPARE(storedText(HKEY_LOCAL_MACHINE, run), machineValue);
    QCOMPARE(storedText(HKEY_CURRENT_USER, run), userValue);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, wide(key));
    RegDeleteTreeW(HKEY_CURRENT_USER, wide(key));
}

QTEST_GUILESS_MAIN(TestAutostartWindows)
#include "test_autostart_windows.moc"
