// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picturefile/picturefile.h"

#include <QImageReader>
#include <QPixmapCache>

QPixmap LoadPicture(const QString& path, const QByteArray& format) {
    QPixmap picture;
    if (QPixmapCache::find(path, &picture))
        return picture;
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    picture = QPixmap::fromImage(reader.read());
    QPixmapCache::insert(path, picture);
    return picture;
}
