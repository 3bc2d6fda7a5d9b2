// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settingsstore.h"
#include "support/filesizelimit.h"
#include "support/scopedenvironmentvariable.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <optional>

namespace {

const QString targetApplication = QStringLiteral(" myapp");
const QString targetSection = QStringLiteral("jishi");
const QStringList targetKeys{"year", "month", "day", "shixiang"};

SettingsStore::Entries targetEntries(const QStringList& values) {
    SettingsStore::Entries entries;
    for (qsizetype i = 0; i < targetKeys.size(); ++i)
        entries.append({targetKeys[i], values[i]});
    return entries;
}

// Sends one line to a running copy of the program and returns its one-line answer.
QString ask(QProcess& copy, const QString& command) {
    copy.write(command.toUtf8() + '\n');
    if (!copy.waitForReadyRead(10000))
        return QStringLiteral("no answer");
    return QString::fromUtf8(copy.readLine()).trimmed();
}

} // namespace

class TestSettingsStoreLinux : public QObject {
    Q_OBJECT

private slots:
    void init();
    void tellsKeysApartByCase();
    void reportsUnwritableFolder();
    void keepsEarlierValuesWhenAWriteFails();
    void defaultsToTheUserConfigFolder_data();
    void defaultsToTheUserConfigFolder();
    void survivesConcurrentWriters();
    void keepsAnotherCopysSaveAfterAFailedOne_data();
    void keepsAnotherCopysSaveAfterAFailedOne();
    void leavesNothingOfAKilledSave_data();
    void leavesNothingOfAKilledSave();

private:
    QString filePath() const { return dir_->filePath(QStringLiteral("conf/settings.ini")); }
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestSettingsStoreLinux::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

// The registry on Windows does not; the program only ever uses lower-case keys.
void TestSettingsStoreLinux::tellsKeysApartByCase() {
    SettingsStore store(filePath());
    store.SaveSetting(" myapp", "jishi", "year", "2005");
    QCOMPARE(store.GetSetting(" myapp", "jishi", "Year"), QString());
}

void TestSettingsStoreLinux::reportsUnwritableFolder() {
    QVERIFY(PutFileInTheWay(dir_->filePath(QStringLiteral("conf"))));
    SettingsStore store(filePath());
    QVERIFY_THROWS_EXCEPTION(SettingsWriteError, store.SaveSetting(" myapp", "jishi", "year", "1"));
}

// The failed values must not reach the file, neither with a read after the failure nor with a
// later save of other keys; keys the failed save would have added stay unwritten.
void TestSettingsStoreLinux::keepsEarlierValuesWhenAWriteFails() {
    SettingsStore store(filePath());
    store.SaveSettings(" myapp", "jishi", {{"month", "6"}});
    {
        FileSizeLimit diskFull;
        QVERIFY_THROWS_EXCEPTION(
            SettingsWriteError,
            store.SaveSettings(" myapp", "jishi", {{"year", "2010"}, {"month", "1"}}));
    }
    QCOMPARE(store.GetSetting(" myapp", "jishi", "year"), QString());
    QCOMPARE(store.GetSetting(" myapp", "jishi", "month"), QStringLiteral("6"));
    store.SaveSetting(" myapp", "jishi", "day", "9");

    QFile file(filePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray onDisk = file.readAll();
    QVERIFY2(!onDisk.contains("2010") && onDisk.contains("month=6") && onDisk.contains("day=9"),
             onDisk.constData());
}

void TestSettingsStoreLinux::defaultsToTheUserConfigFolder_data() {
    QTest::addColumn<std::optional<QByteArray>>("configHome");
    QTest::addColumn<QString>("expected");

    const QString home = QStringLiteral("/home/ann/.config/dovrenta/settings.ini");
    QTest::newRow("set") << std::optional<QByteArray>("/srv/cfg")
                         << "/srv/cfg/dovrenta/settings.ini";
    QTest::newRow("unset") << std::optional<QByteArray>() << home;
    QTest::newRow("relative") << std::optional<QByteArray>("cfg") << home;
}

void TestSettingsStoreLinux::defaultsToTheUserConfigFolder() {
    QFETCH(std::optional<QByteArray>, configHome);
    QFETCH(QString, expected);
    ScopedEnvironmentVariable home("HOME");
    ScopedEnvironmentVariable variable("XDG_CONFIG_HOME");
    home.set("/home/ann");
    variable.set(configHome);
    QCOMPARE(SettingsStore::defaultLocation(), expected);
}

// Two copies of the program saving at once: each writer runs in its own process, as the
// program's copies would, and the file must come out whole with one value of each writer.
void TestSettingsStoreLinux::survivesConcurrentWriters() {
    const QStringList arguments{QStringLiteral("--write-loop"), filePath()};
    QProcess first;
    QProcess second;
    first.start(QCoreApplication::applicationFilePath(), arguments + QStringList{"first"});
    second.start(QCoreApplication::applicationFilePath(), arguments + QStringList{"second"});
    QVERIFY(first.waitForFinished(60000));
    QVERIFY(second.waitForFinished(60000));
    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(second.exitCode(), 0);

    SettingsStore store(filePath());
    QCOMPARE(store.GetSetting(" myapp", "first", "value"), QStringLiteral("first 199"));
    QCOMPARE(store.GetSetting(" myapp", "second", "value"), QStringLiteral("second 199"));
}

void TestSettingsStoreLinux::keepsAnotherCopysSaveAfterAFailedOne_data() {
    QTest::addColumn<QString>("afterwards");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("failed copy reads, then exits")
        << "read" << QStringList{"2020", "2", "2", "other"};
    QTest::newRow("failed copy saves again")
        << "save 2030 3 3 later" << QStringList{"2030", "3", "3", "later"};
}

// Copy A's save fails while copy B's lands; whatever A does next, the file holds B's target or
// A's later one, never A's failed values nor a mix.
void TestSettingsStoreLinux::keepsAnotherCopysSaveAfterAFailedOne() {
    QFETCH(QString, afterwards);
    QFETCH(QStringList, expected);
    QProcess copyA;
    copyA.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--copy"), filePath()});
    QCOMPARE(ask(copyA, QStringLiteral("save 2005 6 1 earlier")), QStringLiteral("saved"));
    QCOMPARE(ask(copyA, QStringLiteral("fail 2010 1 1 failed")), QStringLiteral("failed"));

    SettingsStore(filePath())
        .SaveSettings(targetApplication, targetSection, targetEntries({"2020", "2", "2", "other"}));
    QVERIFY(!ask(copyA, afterwards).isEmpty());
    copyA.closeWriteChannel();
    QVERIFY(copyA.waitForFinished(10000));
    QCOMPARE(copyA.exitCode(), 0);

    const SettingsStore store(filePath());
    for (qsizetype i = 0; i < targetKeys.size(); ++i)
        QCOMPARE(store.GetSetting(targetApplication, targetSection, targetKeys[i]), expected[i]);
}

void TestSettingsStoreLinux::leavesNothingOfAKilledSave_data() {
    QTest::addColumn<bool>("linked");

    QTest::newRow("settings file") << false;
    QTest::newRow("symbolic link to it") << true;
}

// Copies of the program killed at some point of a save, one after another; the next save
// leaves the settings file, or the link and the file it points to, and nothing else.
void TestSettingsStoreLinux::leavesNothingOfAKilledSave() {
    QFETCH(bool, linked);
    const QString elsewhere = dir_->filePath(QStringLiteral("elsewhere"));
    QVERIFY(QDir().mkpath(elsewhere) && QDir().mkpath(QFileInfo(filePath()).path()));
    if (linked)
        QVERIFY(QFile::link(elsewhere + QStringLiteral("/real.ini"), filePath()));
    for (int killed = 0; killed < 20; ++killed) {
        QProcess copy;
        copy.start(QCoreApplication::applicationFilePath(),
                   {QStringLiteral("--save-loop"), filePath()});
        for (qsizetype saves = 0; saves <= killed % 4;) {
            QVERIFY(copy.waitForReadyRead(10000));
            saves += copy.readAll().count('\n');
        }
        copy.kill();
        QVERIFY(copy.waitForFinished(10000));
    }

    SettingsStore(filePath())
        .SaveSettings(targetApplication, targetSection, targetEntries({"2005", "6", "1", "x"}));

    const auto filesIn = [](const QString& folder) {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    };
    QCOMPARE(QFileInfo(filePath()).isSymLink(), linked);
    QCOMPARE(filesIn(QFileInfo(filePath()).path()), QStringList{"settings.ini"});
    QCOMPARE(filesIn(elsewhere), linked ? QStringList{"real.ini"} : QStringList{});
    QCOMPARE(SettingsStore(filePath()).GetSetting(targetApplication, targetSection, "shixiang"),
             "x");
}

namespace {

// A copy of the program that saves and reads as told by one line of standard input at a time:
// "save" and "fail" take the four target values, and "fail" saves them on a full disk.
int runCopy(const QString& filePath) {
    SettingsStore store(filePath);
    QTextStream input(stdin);
    QTextStream output(stdout);
    QString line;
    while (input.readLineInto(&line)) {
        const QStringList words = line.split(u' ');
        if (words.first() == u"read") {
            output << store.GetSetting(targetApplication, targetSection, targetKeys.first())
                   << Qt::endl;
            continue;
        }
        std::optional<FileSizeLimit> diskFull;
        if (words.first() == u"fail")
            diskFull.emplace();
        try {
            store.SaveSettings(targetApplication, targetSection, targetEntries(words.mid(1)));
            output << "saved" << Qt::endl;
        } catch (const SettingsWriteError&) {
            output << "failed" << Qt::endl;
        }
    }
    return 0;
}

int writeLoop(const QString& filePath, const QString& section) {
    SettingsStore store(filePath);
    for (int i = 0; i < 200; ++i) {
        store.SaveSetting(" myapp", section, "value", QStringLiteral("%1 %2").arg(section).arg(i));
        if (store.GetSetting(" myapp", section, "value") !=
            QStringLiteral("%1 %2").arg(section).arg(i))
            return 1;
    }
    return 0;
}

// Saves a long target again and again, one line of output after each save, until killed.
int saveLoop(const QString& filePath) {
    SettingsStore store(filePath);
    QTextStream output(stdout);
    for (int i = 0;; ++i) {
        const QString text = QString(4000, u'长') + QString::number(i);
        store.SaveSettings(targetApplication, targetSection,
                           targetEntries({"2005", "6", "1", text}));
        output << "saved" << Qt::endl;
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--save-loop")
        return saveLoop(QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && QByteArray(argv[1]) == "--copy")
        return runCopy(QString::fromLocal8Bit(argv[2]));
    if (argc == 4 && QByteArray(argv[1]) == "--write-loop")
        return writeLoop(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    TestSettingsStoreLinux test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_settingsstore_linux.moc"
