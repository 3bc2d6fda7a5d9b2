#pragma once

#include <QString>

// The desktop's per-user start-up list, inside the user's configuration folder: every desktop
// entry in this folder is started at login.
QString AutostartFolder();

// The desktop entry that starts the program at programPath with no arguments, named and with the
// icon as in the menu.
QString DesktopEntryFor(const QString& programPath);

// Writes the program's entry into folder, creating the folder when needed, and replaces an
// earlier entry in one step so that a failed write leaves the old one intact. True exactly when
// the new entry is in place.
bool SetAutostartEntry(const QString& folder, const QString& programPath);
