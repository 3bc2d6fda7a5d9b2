#include <QFile>
#include <QImageReader>
#include <QTest>
#include <QtEndian>

namespace {

QString PicturePath(const char* fileName) {
    return QStringLiteral(DOVRENTA_RESOURCES_DIR "/") + QLatin1String(fileName);
}

quint16 LittleEndianWordAt(const QByteArray& bytes, qsizetype offset) {
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

QByteArray FileStart(const QString& path, qint64 length) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(length) : QByteArray();
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void haveTheirSizeAndFormat_data();
    void haveTheirSizeAndFormat();
    void iconHasOne256ColourImage();
    void bubbleHas24BitPixels();
};

void TestPictures::haveTheirSizeAndFormat_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");

    QTest::newRow("icon") << PicturePath("icon.ico") << QByteArray("ico") << QSize(32, 32);
    QTest::newRow("banner") << PicturePath("banner.jpg") << QByteArray("jpeg") << QSize(370, 60);
    QTest::newRow("bubble") << PicturePath("bubble.bmp") << QByteArray("bmp") << QSize(139, 123);
}

void TestPictures::haveTheirSizeAndFormat() {
    QFETCH(QString, path);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);

    QCOMPARE(reader.format(), format);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
}

// The icon directory: a 6-byte header with the image count and one 16-byte entry with the bit
// count at its offset 6; the image's own bitmap header follows at offset 22.
void TestPictures::iconHasOne256ColourImage() {
    const QByteArray header = FileStart(PicturePath("icon.ico"), 22 + 40);
    QCOMPARE(header.size(), 22 + 40);
    QCOMPARE(LittleEndianWordAt(header, 2), quint16(1));
    QCOMPARE(LittleEndianWordAt(header, 4), quint16(1));
    QCOMPARE(LittleEndianWordAt(header, 6 + 6), quint16(8));
    QCOMPARE(LittleEndianWordAt(header, 22 + 14), quint16(8));

    const QImage icon(PicturePath("icon.ico"));
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(icon.pixel(16, 20)), 255);
}

// The bits per pixel follow the 14-byte file header and the first 14 bytes of the info header.
void TestPictures::bubbleHas24BitPixels() {
    const QByteArray header = FileStart(PicturePath("bubble.bmp"), 30);
    QCOMPARE(header.size(), 30);
    QCOMPARE(LittleEndianWordAt(header, 28), quint16(24));
}

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
