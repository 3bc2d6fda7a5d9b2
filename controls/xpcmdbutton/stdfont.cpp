// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "xpcmdbutton/stdfont.h"

QFont StdFont::toQFont() const {
    QFont font(Name);
    font.setPointSizeF(Size);
    // Both count weights on the same scale: 400 regular, 700 bold.
    font.setWeight(QFont::Weight(qBound(1, int(Weight), 1000)));
    font.setItalic(Italic);
    font.setUnderline(Underline);
    font.setStrikeOut(Strikethrough);
    return font;
}
