#include "core/settingsstore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

// QSettings treats '/' and '\' as group separators; the names the program uses have neither,
// and a name that had one would silently address another entry.
QString entryPath(const QString& application, const QString& section, const QString& key) {
    for (const QString& name : {application, section, key}) {
        if (name.isEmpty() || name.contains(u'/') || name.contains(u'\\'))
            throw std::invalid_argument("settings names must be non-empty, without '/' or '\\'");
    }
    return application + u'/' + section + u'/' + key;
}

QString writeFailure(const QString& filePath) {
    return QStringLiteral("无法写入 %1").arg(QDir::toNativeSeparators(filePath));
}

} // namespace

SettingsStore::SettingsStore(QString filePath)
    : filePath_(std::move(filePath)) {}

QString SettingsStore::defaultFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/dovrenta/settings.ini");
}

QString SettingsStore::GetSetting(const QString& application, const QString& section,
                                  const QString& key) const {
    const QSettings settings(filePath_, QSettings::IniFormat);
    return settings.value(entryPath(application, section, key)).toString();
}

void SettingsStore::SaveSetting(const QString& application, const QString& section,
                                const QString& key, const QString& value) {
    SaveSettings(application, section, {{key, value}});
}

void SettingsStore::SaveSettings(const QString& application, const QString& section,
                                 const Entries& entries) {
    if (!QDir().mkpath(QFileInfo(filePath_).absolutePath()))
        throw SettingsWriteError(writeFailure(filePath_).toStdString());
    QSettings settings(filePath_, QSettings::IniFormat);
    QList<std::pair<QString, QVariant>> earlier;
    for (const auto& [key, value] : entries) {
        const QString path = entryPath(application, section, key);
        earlier.append({path, settings.value(path)});
        settings.setValue(path, value);
    }
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return;
    // QSettings keeps values it could not write for every later reader in this process and
    // writes them at its next chance; putting the earlier ones back keeps a failed save unsaved.
    for (const auto& [path, value] : earlier) {
        if (value.isValid())
            settings.setValue(path, value);
        else
            settings.remove(path);
    }
    throw SettingsWriteError(writeFailure(filePath_).toStdString());
}
