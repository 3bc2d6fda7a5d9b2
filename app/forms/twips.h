// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Layouts are given in twips, 15 to a pixel at 96 dots per inch; Qt's device-pixel scaling
// takes care of denser screens. This is the one place that converts them.
constexpr int TwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) {
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;

    QRect toPixels() const {
        return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                TwipsToPixels(height)};
    }
};

struct TwipsSize {
    int width;
    int height;

    QSize toPixels() const { return {TwipsToPixels(width), TwipsToPixels(height)}; }
};

struct TwipsPoint {
    int left;
    int top;

    QPoint toPixels() const { return {TwipsToPixels(left), TwipsToPixels(top)}; }
};
