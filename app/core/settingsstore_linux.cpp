#include "core/settingsstore.h"

#include "core/userconfigfolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryFile>
#include <QThread>

#include <algorithm>
#include <cstdio>

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

// A save holds the lock for milliseconds, and QLockFile's own wait starts at 100 ms and doubles;
// short steps keep two copies saving at once from waiting far longer than either save takes.
// A copy killed before it wrote its name into the lock leaves a lock that QLockFile judges by
// its age alone, 30 s by default. The lock's holder keeps a system lock on the file, which
// QLockFile checks before it removes one, so a short age never breaks a living holder's lock.
bool takeTurn(QLockFile& lock) {
    lock.setStaleLockTime(1000);
    for (int attempt = 0; attempt < 1000; ++attempt) {
        if (lock.tryLock(0))
            return true;
        if (lock.error() != QLockFile::LockFailedError)
            return false;
        QThread::msleep(5);
    }
    return false;
}

[[noreturn]] void fail(const QString& filePath) {
    throw SettingsWriteError(
        QStringLiteral("无法写入 %1").arg(QDir::toNativeSeparators(filePath)).toStdString());
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
// QSettings makes beside it, and perhaps the lock QLockFile takes to remove a stale lock. Only
// saves make such files, one at a time under the lock, so whatever the lock's holder finds is
// left over.
void removeDraftsLeftBehind(const QString& lockPath, const QString& target) {
    QFile::remove(lockPath + QStringLiteral(".rmlock"));
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
// and the draft replaces the file. The lock is the one QSettings itself takes, so copies of the
// program save one after another and each save starts from what the last one left.
void SettingsStore::SaveSettings(const QString& application, const QString& section,
                                 const Entries& entries) {
    QList<std::pair<QString, QString>> values;
    for (const auto& [key, value] : entries) {
        checkNames({application, section, key});
        values.append({application + u'/' + section + u'/' + key, value});
    }
    if (!QDir().mkpath(QFileInfo(location_).absolutePath()))
        fail(location_);
    const QString lockPath = location_ + QStringLiteral(".lock");
    QLockFile lock(lockPath);
    if (!takeTurn(lock))
        fail(location_);
    const QString target = fileBehind(location_);
    removeDraftsLeftBehind(lockPath, target);
    QTemporaryFile draft(
        QFileInfo(target).dir().filePath(draftPrefix(target) + QStringLiteral("XXXXXX")));
    if (!draft.open() || !copyFileInto(target, draft))
        fail(location_);
    draft.close();
    if (!writeDraft(draft.fileName(), values) || !stampAfter(draft.fileName(), target) ||
        !replaceFile(draft.fileName(), target))
        fail(location_);
}
