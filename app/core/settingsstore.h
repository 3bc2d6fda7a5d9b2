#pragma once

#include <QList>
#include <QString>

#include <stdexcept>
#include <utility>

// A write to the settings file that did not reach the disk.
class SettingsWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The per-user store of texts, addressed by (application, section, key). It lives in one INI
// file; the application and section names are kept exactly, so " myapp" and "myapp" are two
// stores. Every save replaces the file atomically, so a reader or a second running copy never
// sees a half-written file.
class SettingsStore {
public:
    using Entries = QList<std::pair<QString, QString>>;

    explicit SettingsStore(QString filePath);

    // dovrenta/settings.ini in the user's configuration folder.
    static QString defaultFilePath();

    // The stored text, or the empty text when nothing was stored under that key.
    QString GetSetting(const QString& application, const QString& section,
                       const QString& key) const;

    // Throws SettingsWriteError when the file could not be written.
    void SaveSetting(const QString& application, const QString& section, const QString& key,
                     const QString& value);

    // Writes all entries in one replacement of the file: afterwards either all of them are
    // stored or, when SettingsWriteError is thrown, none, and nothing of the failed save is
    // kept anywhere to be written later.
    void SaveSettings(const QString& application, const QString& section, const Entries& entries);

private:
    void writeDraft(const QString& draftPath, const QList<std::pair<QString, QString>>& values);
    [[noreturn]] void fail() const;

    QString filePath_;
};
