// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/fonts.h"

#include <QApplication>
#include <QFont>

const QString& SansSerifFamily() {
    static const QString family = QStringLiteral("WenQuanYi Micro Hei");
    return family;
}

const QString& KaiFamily() {
    static const QString family = QStringLiteral("AR PL KaitiM GB");
    return family;
}

// Fontconfig already stands in for missing families.
void ApplyDialogFont(QApplication& application) {
    QFont font(SansSerifFamily());
    font.setPointSizeF(9);
    application.setFont(font);
}
