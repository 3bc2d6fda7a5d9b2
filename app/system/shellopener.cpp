// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/shellopener.h"

ShellOpener::ShellOpener(MessageBoxes& boxes, std::chrono::milliseconds startingTime,
                         QObject* parent)
    : QObject(parent)
    , boxes_(boxes)
    , startingTime_(startingTime) {}

void ShellOpener::conclude(bool failed) {
    if (failed)
        boxes_.show({QStringLiteral("启动外部程序出错。"), QStringLiteral("Wrong"),
                     Message::Icon::Critical});
    emit finished();
}
