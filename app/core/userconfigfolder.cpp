#include "core/userconfigfolder.h"

#include <QDir>

QString UserConfigFolder() {
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (QDir::isAbsolutePath(configHome))
        return configHome;
    return QDir::homePath() + QStringLiteral("/.config");
}
