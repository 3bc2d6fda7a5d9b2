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
bool takeTurn(QLockFile& lock) {
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
// through QSettings: they go into a draft copy of it under a name used once, and the draft
// replaces the file. The lock is the one QSettings itself takes, so copies of the program save
// one after another and each save starts from what the last one left.
void SettingsStore::SaveSettings(const QString& application, const QString& section,
                                 const Entries& entries) {
    QList<std::pair<QString, QString>> values;
    for (const auto& [key, value] : entries) {
        checkNames({application, section, key});
        values.append({application + u'/' + section + u'/' + key, value});
    }
    if (!QDir().mkpath(QFileInfo(location_).absolutePath()))
        fail(location_);
    QLockFile lock(location_ + QStringLiteral(".lock"));
    if (!takeTurn(lock))
        fail(location_);
    QTemporaryFile draft(location_ + QStringLiteral(".XXXXXX"));
    if (!draft.open() || !copyFileInto(location_, draft))
        fail(location_);
    draft.close();
    if (!writeDraft(draft.fileName(), values) || !stampAfter(draft.fileName(), location_) ||
        !replaceFile(draft.fileName(), location_))
        fail(location_);
}
