// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QImage>

#include <array>
#include <optional>

// The colours of the button's face strip: five 18 × 21 cells side by side (0 normal,
// 1 pressed, 2 disabled, 3 hover, 4 default). FixedColour gives the pixels whose colour is
// set exactly; StripColour gives every pixel, shading the others after their neighbours.
namespace facestrip {

constexpr int CellWidth = 18;
constexpr int CellHeight = 21;
constexpr int Cells = 5;

constexpr QRgb Border = 0x003C74;

// Face colours of rows 1 .. 19 at x = 3 .. 13, for the normal and the pressed cell.
constexpr std::array<QRgb, 19> NormalFace = {0xFFFFFF, 0xFEFEFE, 0xFCFCFB, 0xFAFAF9, 0xF8F8F6,
                                             0xF6F6F3, 0xF6F6F2, 0xF5F5F1, 0xF4F4F0, 0xF3F3EF,
                                             0xF3F3EE, 0xF2F2ED, 0xF1F1ED, 0xF1F1EC, 0xF0F0EB,
                                             0xF0F0EA, 0xECEBE6, 0xE2DFD6, 0xD6D0C5};
constexpr std::array<QRgb, 19> PressedFace = {0xD1CCC1, 0xDCD8CF, 0xE5E4DD, 0xE6E6E0, 0xE5E4DE,
                                              0xE4E3DC, 0xE4E3DC, 0xE3E3DB, 0xE3E2DA, 0xE2E1DA,
                                              0xE2E1D9, 0xE2E1D9, 0xE1E0D9, 0xE1E0D8, 0xE0E0D7,
                                              0xE0E0D7, 0xE2E2DA, 0xEAE9E3, 0xF2F1EE};

// Frame colours of the hover and default cells by row 1 .. 19: the top bar (rows 1, 2), the
// outer side columns (rows 3 .. 17) and the bottom bar (rows 18, 19).
constexpr std::array<QRgb, 19> HoverFrame = {0xFFF0CF, 0xFDD889, 0xFEDF9A, 0xFEDD95, 0xFDDB8F,
                                             0xFDD889, 0xFDD582, 0xFCD27A, 0xFCCE71, 0xFCCA69,
                                             0xFBC761, 0xFAC358, 0xFAC050, 0xF9BD49, 0xFABA41,
                                             0xF9B83B, 0xF9B435, 0xF8B330, 0xE59700};
constexpr std::array<QRgb, 19> DefaultFrame = {0xCEE7FF, 0xBCD4F6, 0xBAD3F5, 0xB7D0F4, 0xB4CEF3,
                                               0xB1CBF2, 0xADC8F0, 0xA9C5EF, 0xA5C1ED, 0xA0BEEC,
                                               0x9CBBEB, 0x98B8EA, 0x94B4E8, 0x91B1E7, 0x8EAFE6,
                                               0x8BADE4, 0x89ADE4, 0x89ADE4, 0x6982EE};

struct Pixel {
    int x;
    int y;
    QRgb colour;
};

// The pixels around the curved corners of the blue border, the same in cells 0, 1, 3 and 4.
constexpr std::array<Pixel, 20> BorderCorners = {{
    {0, 0, 0xDDD7C5},  {17, 0, 0xE1DCCA}, {1, 0, 0x65869F},   {0, 1, 0x65869F},
    {16, 0, 0x577C99}, {17, 1, 0x6586A0}, {2, 0, 0x225583},   {0, 2, 0x225583},
    {15, 0, 0x154C7D}, {17, 2, 0x225583}, {0, 20, 0xECEAD9},  {17, 20, 0xF9F8F2},
    {1, 20, 0x6A8BA3}, {0, 19, 0x567B99}, {16, 20, 0x6184A0}, {17, 19, 0x5E829E},
    {2, 20, 0x225583}, {0, 18, 0x154C7D}, {15, 20, 0x154C7D}, {17, 18, 0x154C7D},
}};

// Where the frames of the hover and default cells blend into the border.
constexpr std::array<Pixel, 4> HoverBlends = {
    {{1, 1, 0x8D9EA1}, {2, 1, 0xEFE8D2}, {1, 19, 0x848671}, {2, 19, 0xE59700}}};
constexpr std::array<Pixel, 5> DefaultBlends = {
    {{1, 1, 0x274D85}, {2, 1, 0xCEE7FF}, {1, 19, 0x274D85}, {2, 19, 0x4D7DC1}, {15, 19, 0x6982EE}}};

constexpr QRgb HoverInnerTop = 0xFCD279;
constexpr QRgb DisabledBorder = 0xC9C7BA;
constexpr QRgb DisabledFace = 0xF5F4EA;

std::optional<QRgb> FixedColour(int cell, int x, int y);
QRgb StripColour(int cell, int x, int y);
QImage Strip();

} // namespace facestrip
