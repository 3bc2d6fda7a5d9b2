#include "bannerpicture.h"
#include "bubblepicture.h"
#include "iconpicture.h"
#include "indexedicon.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QSaveFile>
#include <QTextStream>

namespace {

bool WriteFile(const QString& path, const QByteArray& contents) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() &&
           file.commit();
}

bool WriteImage(const QString& path, const QImage& image, const char* format, int quality) {
    QImageWriter writer(path, format);
    writer.setQuality(quality);
    return writer.write(image);
}

} // namespace

// Usage: dovrenta_pictures <resources folder>
int main(int argc, char* argv[]) {
    // The pictures are drawn off screen; no display is needed.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTextStream errors(stderr);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 2) {
        errors << "usage: dovrenta_pictures <resources folder>\n";
        return 2;
    }
    const QDir folder(arguments.at(1));
    const bool written =
        WriteFile(folder.filePath(QStringLiteral("icon.ico")), EncodeIndexedIcon(DrawIcon())) &&
        WriteImage(folder.filePath(QStringLiteral("banner.jpg")), DrawBanner(), "jpeg", 92) &&
        WriteImage(folder.filePath(QStringLiteral("bubble.bmp")), DrawBubble(), "bmp", -1);
    if (!written) {
        errors << "could not write the pictures into " << folder.path() << '\n';
        return 1;
    }
    return 0;
}
