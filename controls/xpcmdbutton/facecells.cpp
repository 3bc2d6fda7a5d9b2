// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "xpcmdbutton/facecells.h"

#include "picturefile/picturefile.h"

FaceCells::FaceCells() {
    const QImage strip = LoadPicture(QStringLiteral(":/xpcmdbutton/facestrip.bmp"), "bmp")
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    for (int cell = 0; cell < Count; ++cell)
        cells_[cell] = strip.copy(cell * Width, 0, Width, Height);
}
