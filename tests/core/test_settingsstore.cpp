#include "core/settingsstore.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

class TestSettingsStore : public QObject {
    Q_OBJECT

private slots:
    void init();
    void returnsTextsExactlyAsSaved_data();
    void returnsTextsExactlyAsSaved();
    void readsUnwrittenKeysAsEmpty();
    void keepsApplicationNamesApart();
    void savesSeveralEntriesTogether();
    void reportsUnwritableFolder();
    void keepsEarlierValuesWhenAWriteFails();
    void forgetsAFailedSaveWhenTheDiskIsFull();
    void defaultsToTheUserConfigFolder();
    void survivesConcurrentWriters();

private:
    QString filePath() const { return dir_->filePath(QStringLiteral("conf/settings.ini")); }
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestSettingsStore::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void TestSettingsStore::returnsTextsExactlyAsSaved_data() {
    QTest::addColumn<QString>("value");

    QTest::newRow("empty") << "";
    QTest::newRow("placeholder") << "Year";
    QTest::newRow("chinese") << "高考";
    QTest::newRow("CR LF inside") << "第一行\r\n第二行";
    QTest::newRow("blanks around") << "  x  ";
    QTest::newRow("leading space") << " 2005";
    QTest::newRow("trailing space") << "2005 ";
    QTest::newRow("ini specials") << R"(a=b;c#d[e]f"g\h@i)";
    QTest::newRow("at sign first") << "@String(x)";
    QTest::newRow("comma list") << "1, 2, 3";
    QTest::newRow("quotes only") << R"("")";
    QTest::newRow("backslash end") << R"(C:\)";
    QTest::newRow("number-like") << "06";
    QTest::newRow("boolean-like") << "true";
    QTest::newRow("tab and newline") << "\t\n";
    QTest::newRow("long") << QString(5000, u'长');
}

void TestSettingsStore::returnsTextsExactlyAsSaved() {
    QFETCH(QString, value);
    SettingsStore(filePath()).SaveSetting(" myapp", "jishi", "shixiang", value);
    QCOMPARE(SettingsStore(filePath()).GetSetting(" myapp", "jishi", "shixiang"), value);
}

void TestSettingsStore::readsUnwrittenKeysAsEmpty() {
    SettingsStore missingFolder(dir_->filePath(QStringLiteral("no/such/folder/settings.ini")));
    QCOMPARE(missingFolder.GetSetting(" myapp", "jishi", "year"), QString());

    SettingsStore store(filePath());
    store.SaveSetting(" myapp", "jishi", "year", "2005");
    QCOMPARE(store.GetSetting(" myapp", "jishi", "day"), QString());
    QCOMPARE(store.GetSetting(" myapp", "other", "year"), QString());
    QCOMPARE(store.GetSetting(" myapp", "jishi", "Year"), QString());
}

void TestSettingsStore::keepsApplicationNamesApart() {
    SettingsStore store(filePath());
    store.SaveSetting(" myapp", "jishi", "year", "2005");
    QCOMPARE(store.GetSetting("myapp", "jishi", "year"), QString());
    store.SaveSetting("myapp", "jishi", "year", "2010");
    QCOMPARE(store.GetSetting(" myapp", "jishi", "year"), QStringLiteral("2005"));
    QCOMPARE(store.GetSetting("myapp", "jishi", "year"), QStringLiteral("2010"));
}

void TestSettingsStore::savesSeveralEntriesTogether() {
    SettingsStore store(filePath());
    store.SaveSettings(" myapp", "jishi", {{"year", "2005"}, {"month", "6"}, {"day", "1"}});
    QCOMPARE(store.GetSetting(" myapp", "jishi", "year"), QStringLiteral("2005"));
    QCOMPARE(store.GetSetting(" myapp", "jishi", "month"), QStringLiteral("6"));
    QCOMPARE(store.GetSetting(" myapp", "jishi", "day"), QStringLiteral("1"));
}

void TestSettingsStore::reportsUnwritableFolder() {
    // A regular file where the folder should be stops every writer, root included.
    QFile blocker(dir_->filePath(QStringLiteral("conf")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    SettingsStore store(filePath());
    QVERIFY_THROWS_EXCEPTION(SettingsWriteError, store.SaveSetting(" myapp", "jishi", "year", "1"));
}

void TestSettingsStore::keepsEarlierValuesWhenAWriteFails() {
    SettingsStore store(filePath());
    store.SaveSettings(" myapp", "jishi", {{"year", "2005"}, {"month", "6"}});
    // Replace the folder with a file of the same name so that the next write cannot land.
    const QString folder = dir_->filePath(QStringLiteral("conf"));
    QVERIFY(QFile::rename(folder, folder + QStringLiteral(".kept")));
    QFile blocker(folder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QVERIFY_THROWS_EXCEPTION(
        SettingsWriteError,
        store.SaveSettings(" myapp", "jishi", {{"year", "2010"}, {"month", "1"}}));
    QVERIFY(QFile::remove(folder));
    QVERIFY(QFile::rename(folder + QStringLiteral(".kept"), folder));
    QCOMPARE(store.GetSetting(" myapp", "jishi", "year"), QStringLiteral("2005"));
    QCOMPARE(store.GetSetting(" myapp", "jishi", "month"), QStringLiteral("6"));
}

// A file-size limit fails every write of this process, root's included, as a full disk would,
// while the settings file stays readable.
void TestSettingsStore::forgetsAFailedSaveWhenTheDiskIsFull() {
    SettingsStore store(filePath());
    store.SaveSettings(" myapp", "jishi", {{"month", "6"}});
    const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit unlimited{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &unlimited), 0);
    rlimit full = unlimited;
    full.rlim_cur = 1;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &full), 0);

    bool threw = false;
    try {
        store.SaveSettings(" myapp", "jishi", {{"year", "2010"}, {"month", "1"}});
    } catch (const SettingsWriteError&) {
        threw = true;
    }
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &unlimited), 0);
    std::signal(SIGXFSZ, previousSignal);
    QVERIFY(threw);
    QCOMPARE(store.GetSetting(" myapp", "jishi", "year"), QString());
    QCOMPARE(store.GetSetting(" myapp", "jishi", "month"), QStringLiteral("6"));
    QFile file(filePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray onDisk = file.readAll();
    QVERIFY2(!onDisk.contains("2010") && onDisk.contains("month=6"), onDisk.constData());
}

void TestSettingsStore::defaultsToTheUserConfigFolder() {
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir_->path().toUtf8());
    QCOMPARE(SettingsStore::defaultFilePath(),
             dir_->filePath(QStringLiteral("dovrenta/settings.ini")));
    qunsetenv("XDG_CONFIG_HOME");
    QCOMPARE(SettingsStore::defaultFilePath(),
             QDir::homePath() + QStringLiteral("/.config/dovrenta/settings.ini"));
    qputenv("XDG_CONFIG_HOME", saved);
}

// Two copies of the program saving at once: each writer runs in its own process, as the
// program's copies would, and the file must come out whole with one value of each writer.
void TestSettingsStore::survivesConcurrentWriters() {
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

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--write-loop")
        return writeLoop(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    TestSettingsStore test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_settingsstore.moc"
