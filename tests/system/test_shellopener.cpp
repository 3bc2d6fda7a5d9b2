#include "support/recordingmessageboxes.h"
#include "support/testfiles.h"
#include "system/shellopener.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const Message LaunchError{QStringLiteral("启动外部程序出错。"), QStringLiteral("Wrong"),
                          Message::Icon::Critical};

} // namespace

class TestShellOpener : public QObject {
    Q_OBJECT

private slots:
    void init();
    void reportsOnlyAFailedHandler_data();
    void reportsOnlyAFailedHandler();
    void reportsEachFailedCall();
    void passesTheTargetAsOneArgument_data();
    void passesTheTargetAsOneArgument();

private:
    QString writeScript(const QByteArray& body);
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestShellOpener::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

QString TestShellOpener::writeScript(const QByteArray& body) {
    const QString path = dir_->filePath(QStringLiteral("handler"));
    return WriteExecutableScript(path, body) ? path : QString();
}

void TestShellOpener::reportsOnlyAFailedHandler_data() {
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QString>("handler");
    QTest::addColumn<int>("errorBoxes");

    QTest::newRow("handler succeeds") << QByteArray() << "/bin/true" << 0;
    QTest::newRow("handler fails") << QByteArray() << "/bin/false" << 1;
    QTest::newRow("no such handler") << QByteArray() << "/nonexistent/xdg-open" << 1;
    QTest::newRow("handler is a folder") << QByteArray() << "/" << 1;
    QTest::newRow("handler crashes") << QByteArrayLiteral("kill -SEGV $$") << "" << 1;
    QTest::newRow("handler fails late") << QByteArrayLiteral("sleep 0.2; exit 4") << "" << 1;
}

void TestShellOpener::reportsOnlyAFailedHandler() {
    QFETCH(QByteArray, script);
    QFETCH(QString, handler);
    QFETCH(int, errorBoxes);
    if (!script.isEmpty())
        handler = writeScript(script);
    RecordingMessageBoxes boxes;
    ShellOpener opener(boxes, handler);
    QSignalSpy finished(&opener, &ShellOpener::finished);

    opener.OpenWithShell(QStringLiteral("mailto:ann@example.org"));

    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(boxes.shown, QList<Message>(errorBoxes, LaunchError));
    QTRY_VERIFY(opener.findChildren<QProcess*>().isEmpty());
}

void TestShellOpener::reportsEachFailedCall() {
    RecordingMessageBoxes boxes;
    ShellOpener opener(boxes, QStringLiteral("/bin/false"));
    QSignalSpy finished(&opener, &ShellOpener::finished);

    opener.OpenWithShell(QStringLiteral("https://example.org/"));
    opener.OpenWithShell(QStringLiteral("https://example.org/"));

    QTRY_COMPARE(finished.count(), 2);
    QCOMPARE(boxes.shown, QList<Message>(2, LaunchError));
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
    const QString handler = writeScript("printf '%s\\0' \"$@\" > '" + record.toUtf8() + "'");
    RecordingMessageBoxes boxes;
    ShellOpener opener(boxes, handler);
    QSignalSpy finished(&opener, &ShellOpener::finished);

    opener.OpenWithShell(target);

    QTRY_COMPARE(finished.count(), 1);
    QVERIFY(boxes.shown.isEmpty());
    QFile file(record);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), target.toUtf8() + '\0');
}

QTEST_GUILESS_MAIN(TestShellOpener)
#include "test_shellopener.moc"
