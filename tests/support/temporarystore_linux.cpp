// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/temporarystore.h"

#include <QDir>
#include <QFileInfo>
#include <QUuid>

TemporaryStore::TemporaryStore()
    : location_(QDir::temp().filePath(QStringLiteral("dovrenta-test-") +
                                      QUuid::createUuid().toString(QUuid::WithoutBraces) +
                                      QStringLiteral("/settings.ini"))) {}

TemporaryStore::~TemporaryStore() {
    QDir(QFileInfo(location_).path()).removeRecursively();
}
