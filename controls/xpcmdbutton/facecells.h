#pragma once

#include <QImage>

#include <array>

// Holds the button's face strip and hands out its five 18 × 21 cells: 0 normal, 1 pressed,
// 2 disabled, 3 hover, 4 default.
class FaceCells {
public:
    static constexpr int Count = 5;
    static constexpr int Width = 18;
    static constexpr int Height = 21;

    FaceCells();

    const QImage& GraphicCell(int cell) const { return cells_.at(cell); }

private:
    std::array<QImage, Count> cells_;
};
