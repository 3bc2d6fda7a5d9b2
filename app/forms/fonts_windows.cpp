// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/fonts.h"

#include <QApplication>
#include <QFont>

const QString& SansSerifFamily() {
    static const QString family = QStringLiteral("MS Sans Serif");
    return family;
}

// With character set 134 (GB2312) the system picks the face by this name.
const QString& KaiFamily() {
    static const QString family = QStringLiteral("楷体_GB2312");
    return family;
}

// Windows itself keeps the dialog font, and names the stand-ins for the two families it may
// lack: the TrueType successor of the bitmap sans-serif, and the Kai face under the name it has
// had since the GB2312 one was retired, each followed by a face with Chinese glyphs.
void ApplyDialogFont(QApplication&) {
    const QStringList chineseFaces{QStringLiteral("SimSun"), QStringLiteral("宋体"),
                                   QStringLiteral("Microsoft YaHei")};
    QFont::insertSubstitutions(SansSerifFamily(),
                               QStringList{QStringLiteral("Microsoft Sans Serif")} + chineseFaces);
    QFont::insertSubstitutions(
        KaiFamily(), QStringList{QStringLiteral("KaiTi"), QStringLiteral("楷体")} + chineseFaces);
}
