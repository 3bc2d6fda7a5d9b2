#include "system/ansitext.h"
#include "system/autostart.h"
#include "system/registry.h"

#include <QTest>
#include <QUuid>

namespace {

// The default value of subkey under key, as bytes with the length the registry holds.
QByteArray defaultValue(HKEY key, const QString& subkey, DWORD* type) {
    QByteArray data(64, '\0');
    DWORD size = DWORD(data.size());
    if (RegGetValueA(key, AnsiText(subkey).constData(), nullptr, RRF_RT_ANY, type, data.data(),
                     &size) != ERROR_SUCCESS)
        return "unreadable";
    data.resize(size);
    return data;
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
    void writesTheDefaultValueAsAnsiText_data();
    void writesTheDefaultValueAsAnsiText();
    void namesTheProgramWithoutItsExtension_data();
    void namesTheProgramWithoutItsExtension();
    void writesTheRunValueUnderTheLocalMachine();
};

// The tests run with the Chinese code page, 936.
void TestAutostartWindows::convertsToTheAnsiCodePage_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("ansi");

    QTest::newRow("empty") << "" << QByteArray();
    QTest::newRow("ASCII") << "D:\\Apps\\board" << QByteArray("D:\\Apps\\board");
    QTest::newRow("Chinese, two bytes each") << "高考" << QByteArray("\xB8\xDF\xBF\xBC");
    QTest::newRow("outside the code page") << "aกb" << QByteArray("a?b");
}

void TestAutostartWindows::convertsToTheAnsiCodePage() {
    QFETCH(QString, text);
    QFETCH(QByteArray, ansi);
    QCOMPARE(GetACP(), UINT(936));
    QCOMPARE(AnsiText(text), ansi);
}

void TestAutostartWindows::writesTheDefaultValueAsAnsiText_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("stored");

    QTest::newRow("empty") << "" << QByteArray("", 1);
    QTest::newRow("path") << "C:\\Apps\\board" << QByteArray("C:\\Apps\\board", 14);
    QTest::newRow("Chinese") << "高考" << QByteArray("\xB8\xDF\xBF\xBC", 5);
    QTest::newRow("outside the code page") << "ก" << QByteArray("?", 2);
}

void TestAutostartWindows::writesTheDefaultValueAsAnsiText() {
    QFETCH(QString, value);
    QFETCH(QByteArray, stored);
    const QString key = testKey();

    QVERIFY(SetKeyDefaultValue(HKEY_CURRENT_USER, key + QStringLiteral("\\Run"), value));

    DWORD type = 0;
    QCOMPARE(defaultValue(HKEY_CURRENT_USER, key + QStringLiteral("\\Run"), &type), stored);
    QCOMPARE(type, DWORD(REG_SZ));
    RegDeleteTreeA(HKEY_CURRENT_USER, AnsiText(key).constData());
}

void TestAutostartWindows::namesTheProgramWithoutItsExtension_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("value");

    QTest::newRow("folder") << "D:/Apps/board.exe"
                            << "D:\\Apps\\board";
    QTest::newRow("drive root") << "D:/board.exe"
                                << "D:\\\\board";
    QTest::newRow("dots in the name") << "C:/Apps/my.board.exe"
                                      << "C:\\Apps\\my.board";
    QTest::newRow("Chinese folder") << "C:/倒计时/dovrenta.exe"
                                    << "C:\\倒计时\\dovrenta";
    QTest::newRow("space in the path") << "C:/Program Files/Dovrenta/dovrenta.exe"
                                       << "\"C:\\Program Files\\Dovrenta\\dovrenta\"";
}

void TestAutostartWindows::namesTheProgramWithoutItsExtension() {
    QFETCH(QString, program);
    QFETCH(QString, value);
    QCOMPARE(AutostartValue(program), value);
}

void TestAutostartWindows::writesTheRunValueUnderTheLocalMachine() {
    QCOMPARE(AutostartLocation(),
             QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run"));
    const QString key = testKey();

    QVERIFY(SetAutostartEntry(key, QStringLiteral("D:/board.exe")));
    QVERIFY(SetAutostartEntry(key, QStringLiteral("D:/Apps/board.exe")));

    DWORD type = 0;
    QCOMPARE(defaultValue(HKEY_LOCAL_MACHINE, key, &type), QByteArray("D:\\Apps\\board", 14));
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, AnsiText(key).constData());
}

QTEST_GUILESS_MAIN(TestAutostartWindows)
#include "test_autostart_windows.moc"
