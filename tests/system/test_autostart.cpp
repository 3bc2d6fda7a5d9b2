// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/scopedenvironmentvariable.h"
#include "support/testfiles.h"
#include "system/autostart.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

// The entry's lines before Exec: the keys that name the program and give its icon, with the
// menu entry's values, so the desktop's start-up settings show the program as the menu does.
QString namesFromTheMenuEntry() {
    QFile file(QStringLiteral(MENU_ENTRY_FILE));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QMap<QString, QString> values;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n'))
        values[line.section(u'=', 0, 0)] = line.section(u'=', 1);
    QString names = QStringLiteral("[Desktop Entry]\n");
    for (const char* key : {"Type", "Name", "Name[zh_CN]", "GenericName", "GenericName[zh_CN]",
                            "Comment", "Comment[zh_CN]", "Icon"}) {
        if (values.value(QLatin1String(key)).isEmpty())
            return {};
        names += QLatin1String(key) + u'=' + values.value(QLatin1String(key)) + u'\n';
    }
    return names;
}

QString fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The desktop's own checker, which the test setup installs: it must accept the entry file at path
// without a word.
void expectValidEntry(const QString& path) {
    const QString validator =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    QVERIFY2(!validator.isEmpty(), "desktop-file-validate is not installed");
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(validator, {path});
    QVERIFY(process.waitForFinished());
    const QByteArray report = process.readAll();
    QVERIFY2(process.exitCode() == 0 && report.isEmpty(), report.constData());
}

} // namespace

class TestAutostart : public QObject {
    Q_OBJECT

private slots:
    void init();
    void followsTheConfigHome_data();
    void followsTheConfigHome();
    void keepsAnyPathOneArgument_data();
    void keepsAnyPathOneArgument();
    void writesOneEntryIntoANewFolder();
    void reportsAFolderThatCannotBeWritten_data();
    void reportsAFolderThatCannotBeWritten();

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestAutostart::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void TestAutostart::followsTheConfigHome_data() {
    QTest::addColumn<std::optional<QByteArray>>("configHome");
    QTest::addColumn<QString>("expected");

    QTest::newRow("set") << std::optional<QByteArray>("/srv/cfg") << "/srv/cfg/autostart";
    QTest::newRow("unset") << std::optional<QByteArray>() << "/home/ann/.config/autostart";
    QTest::newRow("empty") << std::optional<QByteArray>("") << "/home/ann/.config/autostart";
    QTest::newRow("relative") << std::optional<QByteArray>("cfg") << "/home/ann/.config/autostart";
}

void TestAutostart::followsTheConfigHome() {
    QFETCH(std::optional<QByteArray>, configHome);
    QFETCH(QString, expected);
    ScopedEnvironmentVariable home("HOME");
    ScopedEnvironmentVariable variable("XDG_CONFIG_HOME");
    home.set("/home/ann");
    variable.set(configHome);
    QCOMPARE(AutostartLocation(), expected);
}

// Whatever the path holds, the entry is the menu entry's names and one Exec line that a desktop
// reads back as that one path, quoted and escaped, with no line or key of its own.
void TestAutostart::keepsAnyPathOneArgument_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("exec");
    const auto row = [](const char* name, const QString& path, const QString& exec) {
        QTest::newRow(name) << path << exec;
    };

    row("installed", "/opt/dovrenta/bin/dovrenta", R"("/opt/dovrenta/bin/dovrenta")");
    row("spaces", "/home/ann/My Apps/dovrenta", R"("/home/ann/My Apps/dovrenta")");
    row("chinese", "/home/ann/倒计时/dovrenta", R"("/home/ann/倒计时/dovrenta")");
    row("double quote", R"(/a"b/c)", R"("/a\\"b/c")");
    row("backquote", "/a`id`/c", R"("/a\\`id\\`/c")");
    row("dollar", "/a$(id)/c", R"("/a\\$(id)/c")");
    row("backslash", R"(/a\b/c)", R"("/a\\\\b/c")");
    row("percent codes", "/a%u/%f/%%", R"("/a%%u/%%f/%%%%")");
    row("single quote", "/a'b/c", R"("/a'b/c")");
    row("shell specials", "/a;b|c&d>e<f~g*h?i#j(k)", R"exec("/a;b|c&d>e<f~g*h?i#j(k)")exec");
    row("newline with fake key", "/tmp/x\nX-Evil=1", R"("/tmp/x\nX-Evil=1")");
    row("newline with fake exec", "/tmp/x\nExec=/bin/sh -c evil",
        R"("/tmp/x\nExec=/bin/sh -c evil")");
    row("newline with fake group", "/tmp/x\n[Desktop Action evil]\nExec=evil",
        R"("/tmp/x\n[Desktop Action evil]\nExec=evil")");
    row("carriage return and tab", "/tmp/a\rb\tc", R"("/tmp/a\rb\tc")");
    row("quote then space", R"(/tmp/x" "--evil)", R"("/tmp/x\\" \\"--evil")");
    row("trailing backslash", R"(/tmp/x\)", R"("/tmp/x\\\\")");
    row("escape sequence", R"(/tmp/\n)", R"("/tmp/\\\\n")");
}

void TestAutostart::keepsAnyPathOneArgument() {
    QFETCH(QString, path);
    QFETCH(QString, exec);
    QVERIFY(SetAutostartEntry(dir_->path(), path));
    const QString entry = dir_->filePath(QStringLiteral("dovrenta.desktop"));
    QCOMPARE(fileText(entry), namesFromTheMenuEntry() + QStringLiteral("Exec=") + exec + u'\n');
    expectValidEntry(entry);
}

// A later entry replaces the earlier, longer one whole and leaves no other file behind.
void TestAutostart::writesOneEntryIntoANewFolder() {
    const QString folder = dir_->filePath(QStringLiteral("config/autostart"));
    QVERIFY(SetAutostartEntry(folder, QStringLiteral("/a/long/earlier/path/of/the/program")));
    QVERIFY(SetAutostartEntry(folder, QStringLiteral("/home/ann/My Apps/dovrenta")));

    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("dovrenta.desktop")});
    QCOMPARE(fileText(folder + QStringLiteral("/dovrenta.desktop")),
             namesFromTheMenuEntry() + QStringLiteral("Exec=\"/home/ann/My Apps/dovrenta\"\n"));
}

// Directory permissions do not stop root, so the folders here fail for every user.
void TestAutostart::reportsAFolderThatCannotBeWritten_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("fileInTheWay");

    QTest::newRow("folder is a file") << "autostart" << QString("autostart");
    QTest::newRow("parent is a file") << "config/autostart" << QString("config");
    QTest::newRow("entry is a folder") << "autostart" << QString("autostart/dovrenta.desktop/keep");
    QTest::newRow("kernel folder") << "/proc/dovrenta/autostart" << QString();
}

void TestAutostart::reportsAFolderThatCannotBeWritten() {
    QFETCH(QString, folder);
    QFETCH(QString, fileInTheWay);
    const QDir temp(dir_->path());
    if (!fileInTheWay.isEmpty()) {
        QVERIFY(temp.mkpath(QFileInfo(temp.filePath(fileInTheWay)).path()));
        QVERIFY(PutFileInTheWay(temp.filePath(fileInTheWay)));
    }
    QVERIFY(!SetAutostartEntry(temp.filePath(folder), QStringLiteral("/usr/bin/dovrenta")));
}

QTEST_GUILESS_MAIN(TestAutostart)
#include "test_autostart.moc"
