// The board's layout as plain arithmetic: where every square, mark and token
// lane lies for a given client area. No Qt here, so that the turn engine and
// headless tests can lay out token lanes without a window system.
#pragma once

#include <array>
#include <cstdint>

#include "state/game_state.h"

namespace quorbis {

// Below this board size the labels, marks and tokens no longer fit their
// squares (a cell must hold a 32-pixel mark). A smaller client area is not laid
// out at all: the last layout stays in force.
constexpr int kMinBoardSize = 608;
// The smallest client area that still gives kMinBoardSize: the board plus the
// 270-pixel player panels beside it and the 32-pixel action bar under it.
constexpr int kMinClientWidth = kMinBoardSize + 270;
constexpr int kMinClientHeight = kMinBoardSize + 32;

// Fixed sizes of the board's sprites and widgets.
constexpr int kPanelWidth = 270;
constexpr int kMenuBarHeight = 32;
constexpr int kBandDepth = 25;
constexpr int kTokenWidth = 26;
constexpr int kTokenHeight = 48;
constexpr int kMarkSize = 32;  // star-class and mortgage marks
constexpr int kBankruptWidth = 292;
constexpr int kBankruptHeight = 53;
constexpr int kLaneCount = 4;

struct BoardRect {
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool operator==(const BoardRect&) const = default;
};

struct BoardGeometry {
  // False when the client area was too small to lay out (see kMinBoardSize);
  // every other field is then meaningless.
  bool Valid = false;

  int32_t MapWidth = 0, MapHeight = 0;  // client area of the main window
  int32_t B = 0;                        // board size in pixels
  int32_t CellWidth = 0;
  int32_t CornerSize = 0;
  int32_t BoardMin = 0, BoardSpan = 0, BoardMax = 0;
  int32_t N = 0, F = 0;  // inner edges: top row / left column, bottom row / right column

  // The visible board picture in the main window: B wide, MapHeight high.
  int32_t MapTop = 0, MapLeft = 0;
  // The action bar inside the board picture, under the board.
  int32_t MenuBarTop = 0, MenuBarLeft = 0, MenuBarWidth = 0;
  // The bankrupt button (292 x 53) inside the board picture.
  int32_t BankruptLeft = 0, BankruptTop = 0;
  // Offset of the pop-up game menu from the main window's top left, twips.
  int32_t PopMenuTop = 0, PopMenuLeft = 0;

  int32_t DiceX1 = 0, DiceX2 = 0, DiceY = 0;
  float TokenSpacing = 0;

  std::array<BoardRect, kSquareCount> Squares{};
  std::array<Point, kSquareCount> StarMark{};                       // ImageX, ImageY
  std::array<Point, kSquareCount> MortgageMark{};                   // TextX, TextY
  std::array<std::array<Point, kSquareCount>, kLaneCount> Lanes{};  // TokenPos
};

// The layout for a client area of w x h pixels. Valid is false when the board
// would be smaller than kMinBoardSize.
BoardGeometry ComputeBoardGeometry(int client_w, int client_h);

// Writes the square rectangles, the mark places and the token lanes into the
// game's records. An invalid geometry writes nothing.
void ApplyBoardGeometry(Game& g, const BoardGeometry& geo);

// Nearest integer, halves to the even neighbour (0.5 -> 0, 1.5 -> 2).
int32_t NearestEven(double x);

}  // namespace quorbis
