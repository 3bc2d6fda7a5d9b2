#include "support/testfiles.h"
#include "system/autostart.h"
#include "system/desktopentry.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

// Reads an entry back the way a desktop does: string escapes first, then the Exec quoting and
// the %% field code. Anything the reader would reject gives no result.
std::optional<QString> UnescapedString(const QString& value) {
    QString text;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\') {
            text += value[i];
            continue;
        }
        if (++i == value.size())
            return std::nullopt;
        switch (value[i].unicode()) {
        case u'\\':
            text += u'\\';
            break;
        case u'n':
            text += u'\n';
            break;
        case u't':
            text += u'\t';
            break;
        case u'r':
            text += u'\r';
            break;
        case u's':
            text += u' ';
            break;
        default:
            return std::nullopt;
        }
    }
    return text;
}

std::optional<QString> WithoutFieldCodes(const QString& argument) {
    QString text;
    for (qsizetype i = 0; i < argument.size(); ++i) {
        if (argument[i] == u'%' && (++i == argument.size() || argument[i] != u'%'))
            return std::nullopt;
        text += argument[i];
    }
    return text;
}

std::optional<QStringList> ExecArguments(const QString& exec) {
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar character = exec[i];
        if (quoted && character == u'\\') {
            if (++i == exec.size() || !QStringLiteral("\"`$\\").contains(exec[i]))
                return std::nullopt;
            current += exec[i];
        } else if (character == u'"') {
            quoted = !quoted;
            inArgument = true;
        } else if (!quoted && (character == u' ' || character == u'\t' || character == u'\n')) {
            if (inArgument)
                arguments << current;
            current.clear();
            inArgument = false;
        } else {
            current += character;
            inArgument = true;
        }
    }
    if (quoted)
        return std::nullopt;
    if (inArgument)
        arguments << current;
    for (QString& argument : arguments) {
        const auto plain = WithoutFieldCodes(argument);
        if (!plain)
            return std::nullopt;
        argument = *plain;
    }
    return arguments;
}

struct ParsedEntry {
    QStringList groups;
    QStringList keys;
    QMap<QString, QString> values;
};

ParsedEntry Parse(const QString& entry) {
    ParsedEntry parsed;
    for (const QString& line : entry.split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(u'[')) {
            parsed.groups << line;
            continue;
        }
        const QString key = line.section(u'=', 0, 0);
        parsed.keys << key;
        parsed.values[key] = line.section(u'=', 1);
    }
    return parsed;
}

// The keys that name the program and give its icon, the same in the menu and at start-up.
const QStringList NameKeys = {
    "Type",    "Name",           "Name[zh_CN]", "GenericName", "GenericName[zh_CN]",
    "Comment", "Comment[zh_CN]", "Icon"};

QString MenuEntry() {
    QFile file(QStringLiteral(MENU_ENTRY_FILE));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The desktop's own checker, which the test setup installs: it must accept the entry without a
// word.
void ExpectValidEntry(const QString& entry) {
    const QString validator =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    QVERIFY2(!validator.isEmpty(), "desktop-file-validate is not installed");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath(QStringLiteral("dovrenta.desktop")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(entry.toUtf8());
    file.close();
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(validator, {file.fileName()});
    QVERIFY(process.waitForFinished());
    const QByteArray report = process.readAll();
    QVERIFY2(process.exitCode() == 0 && report.isEmpty(), report.constData());
}

} // namespace

class TestAutostart : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void followsTheConfigHome_data();
    void followsTheConfigHome();
    void composesTheWholeEntry();
    void keepsAnyPathOneArgument_data();
    void keepsAnyPathOneArgument();
    void writesTheEntryIntoANewFolder();
    void replacesAnEarlierEntry();
    void reportsAFolderThatCannotBeWritten_data();
    void reportsAFolderThatCannotBeWritten();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QByteArray savedHome_;
    QByteArray savedConfigHome_;
};

void TestAutostart::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    savedHome_ = qgetenv("HOME");
    savedConfigHome_ = qgetenv("XDG_CONFIG_HOME");
}

void TestAutostart::cleanup() {
    qputenv("HOME", savedHome_);
    if (savedConfigHome_.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", savedConfigHome_);
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
    qputenv("HOME", "/home/ann");
    if (configHome)
        qputenv("XDG_CONFIG_HOME", *configHome);
    else
        qunsetenv("XDG_CONFIG_HOME");
    QCOMPARE(AutostartLocation(), expected);
}

// The names and the icon are the menu entry's, so the desktop's start-up settings show the
// program as the menu does.
void TestAutostart::composesTheWholeEntry() {
    const ParsedEntry menu = Parse(MenuEntry());
    QString expected = QStringLiteral("[Desktop Entry]\n");
    for (const QString& key : NameKeys) {
        QVERIFY2(!menu.values.value(key).isEmpty(), qPrintable(key));
        expected += key + u'=' + menu.values.value(key) + u'\n';
    }
    QCOMPARE(DesktopEntryFor(QStringLiteral("/opt/dovrenta/bin/dovrenta")),
             expected + QStringLiteral("Exec=\"/opt/dovrenta/bin/dovrenta\"\n"));
}

void TestAutostart::keepsAnyPathOneArgument_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("exec");

    QTest::newRow("plain") << "/usr/bin/dovrenta"
                           << R"("/usr/bin/dovrenta")";
    QTest::newRow("spaces") << "/home/ann/My Apps/dovrenta"
                            << R"("/home/ann/My Apps/dovrenta")";
    QTest::newRow("chinese") << "/home/ann/倒计时/dovrenta"
                             << R"("/home/ann/倒计时/dovrenta")";
    QTest::newRow("double quote") << R"(/a"b/c)"
                                  << R"("/a\\"b/c")";
    QTest::newRow("backquote") << "/a`id`/c"
                               << R"("/a\\`id\\`/c")";
    QTest::newRow("dollar") << "/a$(id)/c"
                            << R"("/a\\$(id)/c")";
    QTest::newRow("backslash") << R"(/a\b/c)"
                               << R"("/a\\\\b/c")";
    QTest::newRow("percent codes") << "/a%u/%f/%%"
                                   << R"("/a%%u/%%f/%%%%")";
    QTest::newRow("single quote") << "/a'b/c"
                                  << R"("/a'b/c")";
    QTest::newRow("shell specials") << "/a;b|c&d>e<f~g*h?i#j(k)"
                                    << R"exec("/a;b|c&d>e<f~g*h?i#j(k)")exec";
    QTest::newRow("newline with fake key") << "/tmp/x\nX-Evil=1"
                                           << R"("/tmp/x\nX-Evil=1")";
    QTest::newRow("newline with fake exec") << "/tmp/x\nExec=/bin/sh -c evil"
                                            << R"("/tmp/x\nExec=/bin/sh -c evil")";
    QTest::newRow("newline with fake group") << "/tmp/x\n[Desktop Action evil]\nExec=evil"
                                             << R"("/tmp/x\n[Desktop Action evil]\nExec=evil")";
    QTest::newRow("carriage return and tab") << "/tmp/a\rb\tc"
                                             << R"("/tmp/a\rb\tc")";
    QTest::newRow("quote then space") << R"(/tmp/x" "--evil)"
                                      << R"("/tmp/x\\" \\"--evil")";
    QTest::newRow("trailing backslash") << R"(/tmp/x\)"
                                        << R"("/tmp/x\\\\")";
    QTest::newRow("escape sequence") << R"(/tmp/\n)"
                                     << R"("/tmp/\\\\n")";
}

void TestAutostart::keepsAnyPathOneArgument() {
    QFETCH(QString, path);
    QFETCH(QString, exec);
    const QString entry = DesktopEntryFor(path);
    const ParsedEntry parsed = Parse(entry);

    QCOMPARE(entry.count(u'\n'), NameKeys.size() + 2);
    QCOMPARE(parsed.groups, QStringList{QStringLiteral("[Desktop Entry]")});
    QCOMPARE(parsed.keys, NameKeys + QStringList{"Exec"});
    QCOMPARE(parsed.values.value(QStringLiteral("Exec")), exec);
    ExpectValidEntry(entry);
    const auto unescaped = UnescapedString(parsed.values.value(QStringLiteral("Exec")));
    QVERIFY(unescaped);
    const auto arguments = ExecArguments(*unescaped);
    QVERIFY(arguments);
    QCOMPARE(*arguments, QStringList{path});
}

void TestAutostart::writesTheEntryIntoANewFolder() {
    const QString folder = dir_->filePath(QStringLiteral("config/autostart"));
    const QString path = QStringLiteral("/home/ann/My Apps/dovrenta");
    QVERIFY(SetAutostartEntry(folder, path));

    QFile file(folder + QStringLiteral("/dovrenta.desktop"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), DesktopEntryFor(path));
}

void TestAutostart::replacesAnEarlierEntry() {
    const QString folder = dir_->path();
    QVERIFY(SetAutostartEntry(folder, QStringLiteral("/a/long/earlier/path/of/the/program")));
    QVERIFY(SetAutostartEntry(folder, QStringLiteral("/b/dovrenta")));

    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("dovrenta.desktop")});
    QFile file(folder + QStringLiteral("/dovrenta.desktop"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), DesktopEntryFor(QStringLiteral("/b/dovrenta")));
}

// Directory permissions do not stop root, so the folders here fail for every user.
void TestAutostart::reportsAFolderThatCannotBeWritten_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("fileInTheWay");

    QTest::newRow("folder is a file") << "autostart"
                                      << "autostart";
    QTest::newRow("parent is a file") << "config/autostart"
                                      << "config";
    QTest::newRow("entry is a folder") << "autostart"
                                       << "autostart/dovrenta.desktop/keep";
    QTest::newRow("kernel folder") << "/proc/dovrenta/autostart"
                                   << "";
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
