// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/temporarystore.h"

#include <QUuid>

#include <windows.h>

TemporaryStore::TemporaryStore()
    : location_(QStringLiteral("Software\\Dovrenta-test-") +
                QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

TemporaryStore::~TemporaryStore() {
    RegDeleteTreeW(HKEY_CURRENT_USER, location_.toStdWString().c_str());
}
