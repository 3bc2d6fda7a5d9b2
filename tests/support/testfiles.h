// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// An empty regular file where the program expects a folder: nothing can be written through it,
// whoever runs the test, root included.
inline bool PutFileInTheWay(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

// A shell script with the given body that its owner may run.
inline bool WriteExecutableScript(const QString& path, const QByteArray& body) {
    QFile script(path);
    return script.open(QIODevice::WriteOnly) && script.write("#!/bin/sh\n" + body + '\n') > 0 &&
           script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// The PATH with folder searched first, so that a script there stands in for a system program.
inline QByteArray PathWithFolderFirst(const QString& folder) {
    return QFile::encodeName(folder) + ':' + qgetenv("PATH");
}
