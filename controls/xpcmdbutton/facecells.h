// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

#include <array>
#include <cstddef>

// The cells of the button's face strip, in the strip's order from left to right.
enum class FaceCell : short { Normal, Pressed, Disabled, Hover, Default };

// Holds the button's face strip and hands out its five 18 × 21 cells.
class FaceCells {
public:
    static constexpr int Count = 5;
    static constexpr int Width = 18;
    static constexpr int Height = 21;

    FaceCells();

    const QImage& graphicCell(FaceCell cell) const { return cells_.at(std::size_t(cell)); }

private:
    std::array<QImage, Count> cells_;
};
