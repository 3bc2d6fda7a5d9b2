// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

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

bool writeFile(const QString& path, const QByteArray& contents) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() &&
           file.commit();
}

// Every picture records 96 dots per inch whatever the screen, so that the files are the same on
// every machine.
bool writeImage(const QString& path, QImage image, const char* format, int quality) {
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    QImageWriter writer(path, format);
    writer.setQuality(quality);
    return writer.write(image);
}

// The icon theme's sizes of the window icon, installed with the program.
bool writeThemeIcons(const QDir& folder) {
    if (!folder.mkpath(QStringLiteral("icons")))
        return false;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString path = folder.filePath(QStringLiteral("icons/%1.png").arg(size));
        if (!writeImage(path, DrawIcon(size), "png", -1))
            return false;
    }
    return true;
}

} // namespace

// Usage: dovrenta_pictures <resources folder>
int main(int argc, char* argv[]) {
    // The pictures are drawn off screen, whatever display there is, so that the desktop's font
    // settings cannot change them.
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
        writeFile(folder.filePath(QStringLiteral("icon.ico")), EncodeIndexedIcon(DrawIcon())) &&
        writeImage(folder.filePath(QStringLiteral("banner.jpg")), DrawBanner(), "jpeg", 92) &&
        writeImage(folder.filePath(QStringLiteral("bubble.bmp")), DrawBubble(), "bmp", -1) &&
        writeThemeIcons(folder);
    if (!written) {
        errors << "could not write the pictures into " << folder.path() << '\n';
        return 1;
    }
    return 0;
}
