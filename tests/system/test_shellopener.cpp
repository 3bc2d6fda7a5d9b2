// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/recordingmessageboxes.h"
#include "support/scopedenvironmentvariable.h"
#include "support/testfiles.h"
#include "system/shellopener.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const Message launchError{QStringLiteral("启动外部程序出错。"), QStringLiteral("Wrong"),
                          Message::Icon::Critical};

// A starting time that outlasts any test, so that only the handler's end judges a call, and one
// that ends while a held handler still waits.
constexpr std::chrono::hours noEndOfStarting(1);
constexpr std::chrono::milliseconds briefStarting(10);

// A held handler waits for a line on a fifo; the test writes it while the opener still waits for
// the handler to fail, or once the opener has judged the handler started.
enum class Release { NotHeld, WhileStarting, OnceStarted };

} // namespace

class TestShellOpener : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void reportsOnlyAFailedHandler_data();
    void reportsOnlyAFailedHandler();
    void reportsEachFailedCall();
    void passesTheTargetAsOneArgument_data();
    void passesTheTargetAsOneArgument();

private:
    bool writeHandler(const QByteArray& body);
    QByteArray fifo() const { return QFile::encodeName(dir_->filePath(QStringLiteral("go"))); }
    bool releaseHandler() const;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<ScopedEnvironmentVariable> path_;
};

// Each test finds its own xdg-open first on the PATH, in a folder that holds nothing else.
void TestShellOpener::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    path_ = std::make_unique<ScopedEnvironmentVariable>("PATH");
    path_->set(PathWithFolderFirst(dir_->path()));
}

// The PATH is put back after each test, before the next one saves it, and only then is the
// folder on it removed.
void TestShellOpener::cleanup() {
    path_.reset();
    dir_.reset();
}

bool TestShellOpener::writeHandler(const QByteArray& body) {
    return WriteExecutableScript(dir_->filePath(QStringLiteral("xdg-open")), body);
}

// Writes the line, once the handler has opened the fifo to read it.
bool TestShellOpener::releaseHandler() const {
    const int writer = ::open(fifo().constData(), O_WRONLY | O_NONBLOCK);
    if (writer < 0)
        return false;
    const bool written = ::write(writer, "\n", 1) == 1;
    ::close(writer);
    return written;
}

void TestShellOpener::reportsOnlyAFailedHandler_data() {
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<Release>("release");
    QTest::addColumn<int>("errorBoxes");

    const QByteArray held = QByteArrayLiteral(R"(read -r line < "$(dirname "$0")/go"; exit 4)");
    QTest::newRow("handler succeeds") << QByteArrayLiteral("exit 0") << Release::NotHeld << 0;
    QTest::newRow("handler fails") << QByteArrayLiteral("exit 1") << Release::NotHeld << 1;
    QTest::newRow("handler crashes") << QByteArrayLiteral("kill -SEGV $$") << Release::NotHeld << 1;
    QTest::newRow("handler fails while starting") << held << Release::WhileStarting << 1;
    QTest::newRow("handler fails once started") << held << Release::OnceStarted << 0;
}

void TestShellOpener::reportsOnlyAFailedHandler() {
    QFETCH(QByteArray, script);
    QFETCH(Release, release);
    QFETCH(int, errorBoxes);
    QVERIFY(writeHandler(script));
    QCOMPARE(::mkfifo(fifo().constData(), 0600), 0);
    RecordingMessageBoxes boxes;
    ShellOpener opener(boxes, release == Release::OnceStarted ? briefStarting : noEndOfStarting);
    QSignalSpy finished(&opener, &ShellOpener::finished);

    opener.OpenWithShell(0, QStringLiteral("mailto:ann@example.org"));

    if (release == Release::OnceStarted)
        QVERIFY(QTest::qWaitFor([&] { return finished.count() == 1; }));
    if (release != Release::NotHeld)
        QVERIFY(QTest::qWaitFor([&] { return releaseHandler(); }));
    QVERIFY(QTest::qWaitFor([&] { return opener.findChildren<QProcess*>().isEmpty(); }));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(boxes.shown(), QList<Message>(errorBoxes, launchError));
}

// Without a handler on the PATH, the launch itself fails, at every call.
void TestShellOpener::reportsEachFailedCall() {
    path_->set(QFile::encodeName(dir_->path()));
    RecordingMessageBoxes boxes;
    ShellOpener opener(boxes, noEndOfStarting);
    QSignalSpy finished(&opener, &ShellOpener::finished);

    opener.OpenWithShell(0, QStringLiteral("https://example.org/"));
    opener.OpenWithShell(0, QStringLiteral("https://example.org/"));

    QVERIFY(QTest::qWaitFor([&] { return finished.count() == 2; }));
    QCOMPARE(boxes.shown(), QList<Message>(2, launchError));
}

void TestShellOpener::passesTheTargetAsOneArgument_data() {
    QTest::addColumn<QString>("target");

    QTest::newRow("web address") << "https://example.org/dovrenta?a=1&b=2";
    QTest::newRow("mail address") << "mailto:ann@example.org";
    QTest::newRow("spaces") << "/home/ann/My Notes/read me.txt";
    QTest::newRow("quotes") << R"(a "quoted" 'word')";
    QTest::newRow("leading dash") << "--help";
    QTest::newRow("shell syntax") << "$(touch pwned); `id` | cat > x & *";
    QTest::newRow("newline") << "first\nsecond";
    QTest::newRow("empty") << "";
}

void TestShellOpener::passesTheTargetAsOneArgument() {
    QFETCH(QString, target);
    const QString record = dir_->filePath(QStringLiteral("arguments"));
    QVERIFY(writeHandler("printf '%s\\0' \"$@\" > '" + record.toUtf8() + "'"));
    RecordingMessageBoxes boxes;
    ShellOpener opener(boxes, noEndOfStarting);
    QSignalSpy finished(&opener, &ShellOpener::finished);

    opener.OpenWithShell(0, target);

    QVERIFY(QTest::qWaitFor([&] { return finished.count() == 1; }));
    QVERIFY(boxes.shown().isEmpty());
    QFile file(record);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), target.toUtf8() + '\0');
}

QTEST_GUILESS_MAIN(TestShellOpener)
#include "test_shellopener.moc"
