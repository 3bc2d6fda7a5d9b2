// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>

// Reads a picture from a file or resource as the format named, once: later calls for the same
// path share the pixels read the first time. Named, the format is read by its own decoder; left
// to guess, the reader would first load every picture plug-in to ask each one.
QPixmap LoadPicture(const QString& path, const QByteArray& format);
