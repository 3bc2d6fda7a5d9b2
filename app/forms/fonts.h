// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QApplication;

// The families that stand for the layouts' fonts on this system: the classic dialog sans-serif
// and the Kai face of the help window's title, both with Chinese glyphs.
const QString& SansSerifFamily();
const QString& KaiFamily();

// Sets the font of every window and control that names none of its own, and tells Qt what to
// use where a family the layouts name is missing.
void ApplyDialogFont(QApplication& application);
