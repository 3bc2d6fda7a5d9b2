// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QCoreApplication;

// Makes the texts that Qt draws itself (message-box buttons, the text boxes' and lists' edit
// menus) Chinese, whatever the user's locale is, from Qt's own translations. Returns false and
// leaves Qt's English texts when the translation file is not installed.
bool InstallChineseQtTexts(QCoreApplication& application);
