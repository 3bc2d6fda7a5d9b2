#include "system/registry.h"

#include "system/ansitext.h"

#include <QDir>
#include <QFileInfo>

// The data length counts the terminating zero byte.
bool SetKeyDefaultValue(HKEY key, const QString& subkey, const QString& value) {
    const QByteArray data = AnsiText(value);
    return RegSetValueA(key, AnsiText(subkey).constData(), REG_SZ, data.constData(),
                        DWORD(data.size() + 1)) == ERROR_SUCCESS;
}

// The folder of a program at a drive's root already ends in a backslash, and one more is added
// all the same (D:\\board), which Windows reads as one. A path with a space is quoted, or
// Windows would first try to start a program named after the path's first word.
QString AutostartValue(const QString& programPath) {
    const QFileInfo program(programPath);
    const QString value =
        QDir::toNativeSeparators(program.absolutePath()) + u'\\' + program.completeBaseName();
    return value.contains(u' ') ? u'"' + value + u'"' : value;
}
