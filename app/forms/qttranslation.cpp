// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/qttranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

// The Windows program carries the translation in its resources; on Linux it comes with Qt.
bool InstallChineseQtTexts(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    const QString name = QStringLiteral("qtbase_zh_CN");
    if (!translator->load(name, QStringLiteral(":/translations")) &&
        !translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
