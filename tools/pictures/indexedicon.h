// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>

// The contents of an .ico file holding picture as one 256-colour image: its opaque pixels in an
// 8-bit palette and its transparent ones (alpha below one half) in the icon's mask.
QByteArray EncodeIndexedIcon(const QImage& picture);
