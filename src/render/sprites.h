// The board's small pictures: tokens, star-class marks and the mortgage mark.
// The art generator writes them to files with these functions, and the board
// painter falls back on them when a file is missing, so both always agree.
#pragma once

#include <QColor>
#include <QImage>

namespace quorbis {

constexpr int kPlayerColorCount = 6;

// The colours a player can choose, by colour index: red, green, blue, orange,
// black, magenta.
QColor PlayerColor(int color_index);

// Sprites are ARGB32 (not premultiplied): fully transparent pixels hold the key
// colour magenta, so they can be copied by key or by alpha; no visible pixel is
// ever exactly the key colour.
QImage MakeTokenSprite(int color_index);  // 26 x 48
QImage MakeStarMark(int star_class);      // 32 x 32; classes 0, 3, 4, 5
QImage MakeMortgageMark();                // 32 x 32

// Turns a drawing with alpha into a keyed sprite: transparent pixels become the
// key colour, and visible pixels that happen to equal it move one step off it
// (RGB(254,0,254)).
QImage KeySprite(const QImage& drawing);

}  // namespace quorbis
