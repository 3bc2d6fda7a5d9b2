// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settingsstore.h"

#include "core/userconfigfolder_linux.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryFile>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

bool copyFileInto(const QString& sourcePath, QFile& target) {
    QFile source(sourcePath);
    if (!source.exists())
        return true;
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QByteArray contents = source.readAll();
    return target.write(contents) == contents.size() && target.flush();
}

// Copies of the program take turns through the system's lock on the settings folder. The
// system drops it when its holder ends, however it ends, so a killed save neither blocks a later
// one nor leaves a lock file behind. A save holds it for milliseconds; short steps keep two
// copies saving at once from waiting far longer than either save takes. Where the file system
// cannot lock a folder, saves go on without turns, each still replacing the file in one step.
int takeTurn(const QString& folder) {
    const int handle =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return -1;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        if (::flock(handle, LOCK_EX | LOCK_NB) == 0 || (errno != EWOULDBLOCK && errno != EINTR))
            return handle;
        QThread::msleep(5);
    }
    ::close(handle);
    return -1;
}

[[noreturn]] void fail(const QString& filePath) {
    throw SettingsWriteError(QDir::toNativeSeparators(filePath));
}

bool writeDraft(const QString& draftPath, const QList<std::pair<QString, QString>>& values) {
    QSettings settings(draftPath, QSettings::IniFormat);
    for (const auto& [path, value] : values)
        settings.setValue(path, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

// A copy of the program that read the file before keeps its contents in QSettings' cache and
// trusts them while the file's size and modification time stay the same. The file system
// stamps times in clock ticks, so two saves of the same size in one tick would look alike:
// each replacement is stamped at least a millisecond after the file it replaces.
bool stampAfter(const QString& replacementPath, const QString& target) {
    const QDateTime previous = QFileInfo(target).lastModified();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QDateTime stamp = previous.isValid() ? std::max(now, previous.addMSecs(1)) : now;
    QFile replacement(replacementPath);
    return replacement.open(QIODevice::ReadWrite | QIODevice::ExistingOnly) &&
           replacement.setFileTime(stamp, QFileDevice::FileModificationTime);
}

// The file a save replaces: the settings path itself, or the file a symbolic link there points
// to, so that the link stays.
QString fileBehind(const QString& location) {
    QFileInfo file(location);
    for (int depth = 0; depth < 40 && file.isSymLink(); ++depth)
        file.setFile(file.symLinkTarget());
    return file.isSymLink() ? location : file.absoluteFilePath();
}

QString draftPrefix(const QString& target) {
    return QFileInfo(target).fileName() + QStringLiteral(".draft-");
}

// A save that was killed leaves its draft behind, with the lock and the temporary file that
// QSettings makes beside it. Only saves make such files, one at a time, so whatever the save
// whose turn it is finds is left over.
void removeDraftsLeftBehind(const QString& target) {
    const QDir folder = QFileInfo(target).dir();
    const QString prefix = draftPrefix(target);
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (name.startsWith(prefix))
            QFile::remove(folder.filePath(name));
    }
}

// Replaces target in one step, as only the system's rename does.
bool replaceFile(const QString& replacement, const QString& target) {
    return std::rename(QFile::encodeName(replacement).constData(),
                       QFile::encodeName(target).constData()) == 0;
}

} // namespace

QString SettingsStore::defaultLocation() {
    return UserConfigFolder() + QStringLiteral("/dovrenta/settings.ini");
}

QString SettingsStore::GetSetting(const QString& application, const QString& section,
                                  const QString& key) const {
    checkNames({application, section, key});
    const QSettings settings(location_, QSettings::IniFormat);
    return settings.value(application + u'/' + section + u'/' + key).toString();
}

// QSettings keeps values it could not write in a cache shared by the whole process and writes
// them at its next chance, even for a mere read. So the values never go to the settings file
// through QSettings: they go into a draft copy of it under a name used once, beside the file,
// and the draft replaces the file. Copies of the program save one after another, and each save
// starts from what the last one left.
void SettingsStore::SaveSettings(const QString& application, const QString& section,
                                 const Entries& entries) {
    QList<std::pair<QString, QString>> values;
    for (const auto& [key, value] : entries) {
        checkNames({application, section, key});
        values.append({application + u'/' + section + u'/' + key, value});
    }
    const QString folder = QFileInfo(location_).absolutePath();
    if (!QDir().mkpath(folder))
        fail(location_);
    const int turn = takeTurn(folder);
    if (turn < 0)
        fail(location_);
    const auto endTurn = qScopeGuard([turn] { ::close(turn); });
    const QString target = fileBehind(location_);
    removeDraftsLeftBehind(target);
    QTemporaryFile draft(
        QFileInfo(target).dir().filePath(draftPrefix(target) + QStringLiteral("XXXXXX")));
    if (!draft.open() || !copyFileInto(target, draft))
        fail(location_);
    draft.close();
    if (!writeDraft(draft.fileName(), values) || !stampAfter(draft.fileName(), target) ||
        !replaceFile(draft.fileName(), target))
        fail(location_);
}
