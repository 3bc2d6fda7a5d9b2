// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

// Cell n of the shipped face strip, 18 × 21 pixels, as the tests compare faces against it. The
// test's build names the strip's file in FACESTRIP_FILE.
inline QImage FaceStripCell(int n) {
    return QImage(QStringLiteral(FACESTRIP_FILE))
        .convertToFormat(QImage::Format_RGB32)
        .copy(n * 18, 0, 18, 21);
}
