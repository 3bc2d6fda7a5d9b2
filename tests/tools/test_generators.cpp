#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Committed = QStringLiteral(DOVRENTA_RESOURCES_DIR);

QStringList FilesBelow(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// Runs both picture generators into a fresh folder: what they write must be exactly what is
// committed in resources/, so a drawing and its picture can never drift apart.
class TestGenerators : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void writeEveryCommittedPicture();
    void writeTheCommittedBytes_data();
    void writeTheCommittedBytes();

private:
    QTemporaryDir generated_;
};

void TestGenerators::initTestCase() {
    QVERIFY(generated_.isValid());
    const QList<QStringList> runs = {
        {QStringLiteral(FACESTRIP_GENERATOR), generated_.filePath(QStringLiteral("facestrip.bmp"))},
        {QStringLiteral(PICTURES_GENERATOR), generated_.path()}};
    for (const QStringList& run : runs) {
        QProcess generator;
        generator.setProcessChannelMode(QProcess::ForwardedChannels);
        generator.start(run.first(), run.mid(1));
        QVERIFY(generator.waitForFinished());
        QCOMPARE(generator.exitStatus(), QProcess::NormalExit);
        QCOMPARE(generator.exitCode(), 0);
    }
}

void TestGenerators::writeEveryCommittedPicture() {
    QCOMPARE(FilesBelow(generated_.path()), FilesBelow(Committed));
}

void TestGenerators::writeTheCommittedBytes_data() {
    QTest::addColumn<QString>("file");
    for (const QString& file : FilesBelow(Committed))
        QTest::newRow(qPrintable(file)) << file;
}

void TestGenerators::writeTheCommittedBytes() {
    QFETCH(QString, file);
    const QByteArray written = Contents(generated_.filePath(file));
    QVERIFY(!written.isEmpty());
    QVERIFY2(written == Contents(Committed + u'/' + file),
             qPrintable(file + QStringLiteral(" differs from the generator's output")));
}

QTEST_GUILESS_MAIN(TestGenerators)
#include "test_generators.moc"
