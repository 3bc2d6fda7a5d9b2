#pragma once

#include <QString>

// The desktop entry that starts the program at programPath with no arguments, named and with the
// icon as in the menu.
QString DesktopEntryFor(const QString& programPath);
