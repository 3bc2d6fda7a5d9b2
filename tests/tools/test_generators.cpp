// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString committedFolder = QStringLiteral(DOVRENTA_RESOURCES_DIR);

QStringList filesBelow(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Qt's raster engine rounds antialiased edges by one step differently on different processors,
// so a theme icon drawn on one machine may differ from the committed one by that much.
bool samePixelsToARoundingStep(const QString& writtenPath, const QString& committedPath) {
    const QImage written = QImage(writtenPath).convertToFormat(QImage::Format_ARGB32);
    const QImage committed = QImage(committedPath).convertToFormat(QImage::Format_ARGB32);
    if (written.isNull() || written.size() != committed.size())
        return false;
    for (int y = 0; y < written.height(); ++y) {
        for (int x = 0; x < written.width(); ++x) {
            const QRgb a = written.pixel(x, y);
            const QRgb b = committed.pixel(x, y);
            if (qAbs(qRed(a) - qRed(b)) > 1 || qAbs(qGreen(a) - qGreen(b)) > 1 ||
                qAbs(qBlue(a) - qBlue(b)) > 1 || qAbs(qAlpha(a) - qAlpha(b)) > 1)
                return false;
        }
    }
    return true;
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
    QCOMPARE(filesBelow(generated_.path()), filesBelow(committedFolder));
}

void TestGenerators::writeTheCommittedBytes_data() {
    QTest::addColumn<QString>("file");
    for (const QString& file : filesBelow(committedFolder))
        QTest::newRow(qPrintable(file)) << file;
}

void TestGenerators::writeTheCommittedBytes() {
    QFETCH(QString, file);
    const QByteArray written = contents(generated_.filePath(file));
    QVERIFY(!written.isEmpty());
    const bool same =
        written == contents(committedFolder + u'/' + file) ||
        (file.startsWith(QStringLiteral("icons/")) &&
         samePixelsToARoundingStep(generated_.filePath(file), committedFolder + u'/' + file));
    QVERIFY2(same, qPrintable(file + QStringLiteral(" differs from the generator's output")));
}

QTEST_GUILESS_MAIN(TestGenerators)
#include "test_generators.moc"
