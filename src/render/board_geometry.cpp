#include "render/board_geometry.h"

#include "state/money.h"

namespace quorbis {

int32_t NearestEven(double x) {
  return static_cast<int32_t>(HalfEven(x));
}

namespace {

// The board size for a client area: the height, less the action bar, unless
// the panels beside the board leave too little width.
int BoardSizeFor(int w, int h) {
  int b = h;
  if (w - h < kPanelWidth) b = w - kPanelWidth;
  if (h - b < kMenuBarHeight) b -= kMenuBarHeight;
  return b;
}

void LayOutCells(BoardGeometry& g) {
  const int b = g.B;
  int c = NearestEven(b / 19.0);
  if (b < 19 * c) --c;
  g.CellWidth = c;
  g.BoardSpan = 19 * c - 1;
  int m = NearestEven((b - 19 * c + 1) / 2.0);
  if (b < 2 * m + g.BoardSpan) --m;
  g.BoardMin = m;
  g.BoardMax = g.BoardSpan + m;
  g.CornerSize = 4 * c;
  g.N = m + g.CornerSize;
  g.F = g.BoardMax - g.CornerSize;
}

void PlaceWidgets(BoardGeometry& g) {
  const int w = g.MapWidth, h = g.MapHeight, b = g.B;
  g.MapTop = NearestEven((h - b - kMenuBarHeight) / 2.0);
  g.MapLeft = NearestEven((w - b - kPanelWidth) / 2.0);
  g.MenuBarTop = b + 1;
  g.MenuBarLeft = g.BoardMin;
  g.MenuBarWidth = b;
  g.PopMenuTop = NearestEven((g.MapTop + b - 234) * 15.0);
  g.PopMenuLeft = NearestEven((g.MapLeft + g.BoardMin) * 15.0);
  g.BankruptLeft = NearestEven((b - kBankruptWidth) / 2.0);
  g.BankruptTop = NearestEven(0.7 * (h - kBankruptHeight));
  g.DiceY = NearestEven(b / 4.0 + 15);
  g.DiceX1 = NearestEven((b - 86) / 2.0);
  g.DiceX2 = NearestEven((b - 130) / 2.0);
}

void PlaceSquares(BoardGeometry& g) {
  const int c = g.CellWidth, k = g.CornerSize;
  const int m = g.BoardMin, M = g.BoardMax, N = g.N, F = g.F;
  auto& r = g.Squares;
  r[0] = {F, F, M, M};
  r[12] = {m, F, N, M};
  r[24] = {m, m, N, N};
  r[36] = {F, m, M, N};
  for (int i = 1; i <= 11; ++i) {
    r[i] = {F - i * c, F, F - (i - 1) * c, M};
    r[12 + i] = {m, F - i * c, N, F - (i - 1) * c};
    r[36 - i] = {F - i * c, m, F - (i - 1) * c, N};
    r[48 - i] = {F, F - i * c, M, F - (i - 1) * c};
  }

  // Mortgage marks: centred across the part of the square the colour band
  // leaves free, and along the square.
  const int a = NearestEven((k - 57) / 2.0);
  const int bm = NearestEven((c - 32) / 2.0);
  for (int i = 1; i <= 11; ++i) g.MortgageMark[i] = {F - i * c + bm, F + a};
  for (int j = 1; j <= 11; ++j) g.MortgageMark[12 + j] = {m + kBandDepth + a, F - j * c + bm + 1};
  for (int j = 0; j <= 10; ++j) {
    g.MortgageMark[25 + j] = {N + j * c + bm, m + kBandDepth + a};
    g.MortgageMark[37 + j] = {F + a, N + j * c + bm};
  }

  // Star-class marks: just inside the centre area, next to their square.
  const double bs = (c - 32) / 2.0;
  for (int i = 1; i <= 11; ++i) g.StarMark[i] = {NearestEven(F - i * c + bs), F - 32};
  for (int i = 13; i <= 23; ++i) g.StarMark[i] = {N + 1, NearestEven(F - (i - 12) * c + bs)};
  for (int i = 25; i <= 35; ++i) g.StarMark[i] = {NearestEven(N + (i - 25) * c + bs), N + 1};
  for (int i = 37; i <= 47; ++i) g.StarMark[i] = {F - 33, NearestEven(N + (i - 37) * c + bs)};
}

// Each of the four lanes keeps one player's token clear of the others: the
// lanes differ in y on the top and bottom rows and in x on the side columns.
void PlaceLanes(BoardGeometry& g) {
  const float ts = static_cast<float>(g.CornerSize - 25) / 5.0f;
  const float s = ts + (ts - 25.0f) / 5.0f;
  g.TokenSpacing = ts;
  const double c = g.CellWidth, N = g.N, F = g.F;
  for (int q = 0; q < kLaneCount; ++q) {
    auto& lane = g.Lanes[q];
    auto put = [&lane](int sq, double x, double y) { lane[sq] = {NearestEven(x), NearestEven(y)}; };
    const double qs = q * static_cast<double>(s);
    const double bottom_y = F - 48 + (q + 1) * static_cast<double>(ts);
    const double top_y = N - q * static_cast<double>(ts) - 48;
    const double left_x = N - qs - 25;
    const double right_x = F + qs;
    put(0, right_x, bottom_y);
    for (int i = 1; i <= 11; ++i) put(i, F - (i - 1) * c - c / 2 - 12, bottom_y);
    put(12, left_x, bottom_y);
    for (int i = 13; i <= 23; ++i) put(i, left_x, F - (i - 13) * c - c / 4 - 48);
    put(24, left_x, top_y);
    for (int i = 25; i <= 35; ++i) put(i, N + (i - 25) * c + c / 2 - 12, top_y);
    put(36, right_x, top_y);
    for (int i = 37; i <= 47; ++i) put(i, right_x, N + (i - 37) * c + 3 * c / 4 - 48);
  }
}

}  // namespace

BoardGeometry ComputeBoardGeometry(int client_w, int client_h) {
  BoardGeometry g;
  g.MapWidth = client_w;
  g.MapHeight = client_h;
  g.B = BoardSizeFor(client_w, client_h);
  if (g.B < kMinBoardSize) return g;  // Valid stays false
  LayOutCells(g);
  PlaceWidgets(g);
  PlaceSquares(g);
  PlaceLanes(g);
  g.Valid = true;
  return g;
}

void ApplyBoardGeometry(Game& game, const BoardGeometry& geo) {
  if (!geo.Valid) return;
  for (int s = 0; s < kSquareCount; ++s) {
    Square& sq = game.Squares[s];
    const BoardRect& r = geo.Squares[s];
    sq.Left = r.Left;
    sq.Top = r.Top;
    sq.Right = r.Right;
    sq.Bottom = r.Bottom;
    sq.ImageX = geo.StarMark[s].X;
    sq.ImageY = geo.StarMark[s].Y;
    sq.TextX = geo.MortgageMark[s].X;
    sq.TextY = geo.MortgageMark[s].Y;
  }
  for (int q = 0; q < kLaneCount; ++q) game.Players[q].TokenPos = geo.Lanes[q];
}

}  // namespace quorbis
