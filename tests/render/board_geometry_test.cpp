#include "render/board_geometry.h"

#include <gtest/gtest.h>

#include <memory>

namespace quorbis {
namespace {

TEST(BoardGeometry, WorkedLayoutOf1024x768) {
  const BoardGeometry g = ComputeBoardGeometry(1024, 768);
  ASSERT_TRUE(g.Valid);
  EXPECT_EQ(g.B, 722);
  EXPECT_EQ(g.CellWidth, 38);
  EXPECT_EQ(g.BoardMin, 0);
  EXPECT_EQ(g.BoardMax, 721);
  EXPECT_EQ(g.CornerSize, 152);
  EXPECT_EQ(g.MapTop, 7);
  EXPECT_EQ(g.MapLeft, 16);
  EXPECT_EQ(g.DiceX1, 318);
  EXPECT_EQ(g.DiceX2, 296);
  EXPECT_EQ(g.DiceY, 196);
  EXPECT_FLOAT_EQ(g.TokenSpacing, 25.4f);
}

TEST(BoardGeometry, WorkedLayoutOf1280x1024) {
  const BoardGeometry g = ComputeBoardGeometry(1280, 1024);
  ASSERT_TRUE(g.Valid);
  EXPECT_EQ(g.B, 978);
  EXPECT_EQ(g.CellWidth, 51);
  EXPECT_EQ(g.BoardMin, 5);
  EXPECT_EQ(g.BoardMax, 973);
}

TEST(BoardGeometry, BoardSizeFollowsTheWindowShape) {
  struct Case {
    const char* regime;
    int w, h, board;
  };
  const Case cases[] = {
      {"wide: height less the action bar", 1920, 1080, 1048},
      {"wide, exactly at the panel width", 1370, 1100, 1068},
      {"nearly square: width less panel and bar", 1300, 1031, 998},
      {"nearly square, upper bound", 1300, 1061, 998},
      {"tall: width less the panel", 1300, 1062, 1030},
      {"very tall", 1024, 1400, 754},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.regime);
    const BoardGeometry g = ComputeBoardGeometry(c.w, c.h);
    ASSERT_TRUE(g.Valid);
    EXPECT_EQ(g.B, c.board);
    // The board's 19 cells always fit inside the board picture.
    EXPECT_LE(g.BoardMax, g.B - 1);
    EXPECT_GE(g.BoardMin, 0);
    EXPECT_EQ(g.BoardMax - g.BoardMin, 19 * g.CellWidth - 1);
  }
}

TEST(BoardGeometry, BoardOfWholeCellsFillsThePictureToItsLastColumn) {
  // 1022 - 270 = 752 = 19 * 39 + 11 is not whole; 19 * 40 = 760 is.
  const BoardGeometry g = ComputeBoardGeometry(760 + 270, 900);
  ASSERT_EQ(g.B, 760);
  EXPECT_EQ(g.CellWidth, 40);
  EXPECT_EQ(g.BoardMin, 0);
  EXPECT_EQ(g.BoardMax, g.B - 1);
}

TEST(BoardGeometry, SquaresTileTheRingInTravelOrder) {
  const BoardGeometry g = ComputeBoardGeometry(1024, 768);
  const int c = g.CellWidth, F = g.F, N = g.N, m = g.BoardMin, M = g.BoardMax;
  EXPECT_EQ(g.Squares[0], (BoardRect{F, F, M, M}));
  EXPECT_EQ(g.Squares[1], (BoardRect{F - c, F, F, M}));
  EXPECT_EQ(g.Squares[11], (BoardRect{F - 11 * c, F, F - 10 * c, M}));
  EXPECT_EQ(g.Squares[12], (BoardRect{m, F, N, M}));
  EXPECT_EQ(g.Squares[13], (BoardRect{m, F - c, N, F}));
  EXPECT_EQ(g.Squares[25], (BoardRect{F - 11 * c, m, F - 10 * c, N}));
  EXPECT_EQ(g.Squares[47], (BoardRect{F, F - c, M, F}));
  // Travel goes left along the bottom, up the left, right along the top and
  // down the right: each square lies next to the one before it.
  for (int s = 1; s < 48; ++s) {
    const BoardRect& a = g.Squares[s - 1];
    const BoardRect& b = g.Squares[s];
    const bool touches =
        a.Left <= b.Right && b.Left <= a.Right && a.Top <= b.Bottom && b.Top <= a.Bottom;
    EXPECT_TRUE(touches) << "squares " << s - 1 << " and " << s;
  }
}

TEST(BoardGeometry, TokenLanesKeepPlayersApart) {
  const BoardGeometry g = ComputeBoardGeometry(1024, 768);
  // Top and bottom rows: lanes differ in y; side columns: in x.
  for (int sq : {5, 30}) {
    for (int q = 1; q < kLaneCount; ++q) {
      EXPECT_EQ(g.Lanes[q][sq].X, g.Lanes[0][sq].X);
      EXPECT_NE(g.Lanes[q][sq].Y, g.Lanes[q - 1][sq].Y);
    }
  }
  for (int sq : {17, 40}) {
    for (int q = 1; q < kLaneCount; ++q) {
      EXPECT_EQ(g.Lanes[q][sq].Y, g.Lanes[0][sq].Y);
      EXPECT_GE(std::abs(g.Lanes[q][sq].X - g.Lanes[q - 1][sq].X), 20);
    }
  }
  // Worked values of lane 0 at 1024 x 768 (F = 569, N = 152, c = 38).
  EXPECT_EQ(g.Lanes[0][0], (Point{569, 546}));
  EXPECT_EQ(g.Lanes[0][1], (Point{538, 546}));
  EXPECT_EQ(g.Lanes[1][12], (Point{NearestEven(152 - 25.48 - 25), 572}));
}

TEST(BoardGeometry, MarksSitBesideTheirSquares) {
  const BoardGeometry g = ComputeBoardGeometry(1024, 768);
  // Star marks just inside the centre, mortgage marks inside the square.
  EXPECT_EQ(g.StarMark[1], (Point{NearestEven(569 - 38 + 3.0), 569 - 32}));
  EXPECT_EQ(g.StarMark[13], (Point{153, NearestEven(569 - 38 + 3.0)}));
  EXPECT_EQ(g.StarMark[37], (Point{569 - 33, 152 + 3}));
  for (int s = 1; s < 48; ++s) {
    if (s % 12 == 0) continue;
    const BoardRect& r = g.Squares[s];
    const Point mm = g.MortgageMark[s];
    EXPECT_GE(mm.X, r.Left - 1) << s;
    EXPECT_LE(mm.X + kMarkSize, r.Right + 1) << s;
    EXPECT_GE(mm.Y, r.Top - 1) << s;
    EXPECT_LE(mm.Y + kMarkSize, r.Bottom + 1) << s;
  }
}

TEST(BoardGeometry, TooSmallAWindowIsNotLaidOut) {
  // A minimised window reports a tiny or zero client area; the classic rule
  // would give a negative board.
  for (auto [w, h] : {std::pair{0, 0},
                      {160, 28},
                      {400, 300},
                      {kMinClientWidth - 1, 900},
                      {1200, kMinClientHeight - 1}}) {
    EXPECT_FALSE(ComputeBoardGeometry(w, h).Valid) << w << "x" << h;
  }
  const BoardGeometry smallest = ComputeBoardGeometry(kMinClientWidth, kMinClientHeight);
  ASSERT_TRUE(smallest.Valid);
  EXPECT_EQ(smallest.B, kMinBoardSize);
  EXPECT_GE(smallest.CellWidth, kMarkSize);
  EXPECT_GT(smallest.TokenSpacing, 0);
}

TEST(BoardGeometry, ApplyWritesRecordsAndAnInvalidLayoutWritesNothing) {
  auto game = std::make_unique<Game>();
  const BoardGeometry g = ComputeBoardGeometry(1280, 1024);
  ApplyBoardGeometry(*game, g);
  EXPECT_EQ(game->Squares[7].Left, g.Squares[7].Left);
  EXPECT_EQ(game->Squares[7].Bottom, g.Squares[7].Bottom);
  EXPECT_EQ(game->Squares[30].ImageX, g.StarMark[30].X);
  EXPECT_EQ(game->Squares[30].TextY, g.MortgageMark[30].Y);
  EXPECT_EQ(game->Players[3].TokenPos[44], g.Lanes[3][44]);

  ApplyBoardGeometry(*game, ComputeBoardGeometry(100, 100));
  EXPECT_EQ(game->Squares[7].Left, g.Squares[7].Left);
  EXPECT_EQ(game->Players[3].TokenPos[44], g.Lanes[3][44]);
}

}  // namespace
}  // namespace quorbis
