// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settingsstore.h"

#include <QScopeGuard>

#include <optional>
#include <string>

#include <windows.h>

namespace {

std::wstring keyPath(const QString& location, const QString& application, const QString& section) {
    return (location + u'\\' + application + u'\\' + section).toStdWString();
}

[[noreturn]] void fail(const std::wstring& path) {
    throw SettingsWriteError(QStringLiteral("HKEY_CURRENT_USER\\") + QString::fromStdWString(path));
}

// A REG_SZ holds the text and one terminating zero; a text that holds zeros of its own keeps
// them. The buffer is rounded up to whole characters, since another program may have stored an
// odd number of bytes.
std::optional<QString> readValue(HKEY key, const QString& name) {
    const std::wstring valueName = name.toStdWString();
    DWORD type = 0;
    DWORD size = 0;
    std::wstring data;
    LSTATUS status = ERROR_MORE_DATA;
    while (status == ERROR_MORE_DATA) {
        data.resize((size + 1) / sizeof(wchar_t));
        size = DWORD(data.size() * sizeof(wchar_t));
        status = RegQueryValueExW(key, valueName.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(data.data()), &size);
    }
    if (status != ERROR_SUCCESS || type != REG_SZ)
        return std::nullopt;
    data.resize(size / sizeof(wchar_t));
    if (!data.empty() && data.back() == L'\0')
        data.pop_back();
    return QString::fromStdWString(data);
}

bool writeValue(HKEY key, const QString& name, const QString& value) {
    const std::wstring data = value.toStdWString();
    return RegSetValueExW(key, name.toStdWString().c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()),
                          DWORD((data.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

// Two copies of the program saving at once would interleave their values, and one copy's
// putting back could undo the other's. They take turns through a mutex named after the key, in
// the user's session; the registry's names ignore case, so the mutex's name does too. A turn
// left by a copy that ended during its save is handed on as abandoned, which is a turn as well.
HANDLE takeTurn(const QString& location) {
    const std::wstring name =
        (QStringLiteral("Local\\Dovrenta settings ") + location.toLower().replace(u'\\', u'/'))
            .toStdWString();
    HANDLE mutex = CreateMutexW(nullptr, FALSE, name.c_str());
    if (!mutex)
        return nullptr;
    const DWORD waited = WaitForSingleObject(mutex, 10000);
    if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED)
        return mutex;
    CloseHandle(mutex);
    return nullptr;
}

void restoreValue(HKEY key, const QString& name, const std::optional<QString>& earlier) {
    if (earlier)
        writeValue(key, name, *earlier);
    else
        RegDeleteValueW(key, name.toStdWString().c_str());
}

} // namespace

QString SettingsStore::defaultLocation() {
    return QStringLiteral("Software\\Dovrenta");
}

QString SettingsStore::GetSetting(const QString& application, const QString& section,
                                  const QString& key) const {
    checkNames({application, section, key});
    HKEY sectionKey = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath(location_, application, section).c_str(), 0,
                      KEY_QUERY_VALUE, &sectionKey) != ERROR_SUCCESS)
        return {};
    const auto closeKey = qScopeGuard([sectionKey] { RegCloseKey(sectionKey); });
    return readValue(sectionKey, key).value_or(QString());
}

// The registry stores each value on its own; when one is refused, the values written before
// it are put back as they were, so the save leaves all of them or none. Copies of the program
// save one after another.
void SettingsStore::SaveSettings(const QString& application, const QString& section,
                                 const Entries& entries) {
    for (const auto& entry : entries)
        checkNames({application, section, entry.first});
    const std::wstring path = keyPath(location_, application, section);
    HANDLE turn = takeTurn(location_);
    if (!turn)
        fail(path);
    const auto endTurn = qScopeGuard([turn] {
        ReleaseMutex(turn);
        CloseHandle(turn);
    });
    HKEY sectionKey = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &sectionKey,
                        nullptr) != ERROR_SUCCESS)
        fail(path);
    const auto closeKey = qScopeGuard([sectionKey] { RegCloseKey(sectionKey); });
    QList<std::optional<QString>> earlier;
    for (const auto& [key, value] : entries) {
        earlier.append(readValue(sectionKey, key));
        if (writeValue(sectionKey, key, value))
            continue;
        for (qsizetype i = 0; i < earlier.size(); ++i)
            restoreValue(sectionKey, entries[i].first, earlier[i]);
        fail(path);
    }
}
