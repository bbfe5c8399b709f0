// The board's drawing, read back pixel by pixel from offscreen pictures.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <memory>

#include "render/board_renderer.h"
#include "render/example_board.h"
#include "render/sprites.h"
#include "state/board.h"
#include "state/new_game.h"

namespace quorbis {
namespace {

const QColor kBoardMint(209, 234, 219);

class BoardDrawing : public testing::Test {
 protected:
  void SetUp() override {
    game_ = std::make_unique<Game>();
    MakeFreshBoard(g(), 4);
    // No picture files: the drawing must stand on its own.
    renderer_ = std::make_unique<BoardRenderer>("/nonexistent/maps/");
    ASSERT_TRUE(LayOutBoard(g(), r(), 1024, 768));
  }
  Game& g() { return *game_; }
  BoardRenderer& r() { return *renderer_; }
  const BoardGeometry& geo() { return r().geometry(); }

  void Own(int square, int player) {
    Square& s = g().Squares[square];
    s.Owner = player;
    s.Color = g().Players[player].Color;
  }
  // The part of a side square that holds its label: all but the colour band.
  QRect LabelArea(int s) {
    const BoardRect& sq = geo().Squares[s];
    QRect r(QPoint(sq.Left + 2, sq.Top + 2), QPoint(sq.Right - 2, sq.Bottom - 2));
    const int band = kBandDepth + 2;
    if (s < 12)
      r.setBottom(sq.Bottom - band);
    else if (s < 24)
      r.setLeft(sq.Left + band);
    else if (s < 36)
      r.setTop(sq.Top + band);
    else
      r.setRight(sq.Right - band);
    return r;
  }
  void RedrawAll() {
    r().DrawMap(g(), 1024, 768);
    r().UpdateMap(g());
    r().DrawPlayer(g(), -1);
  }

  std::unique_ptr<Game> game_;
  std::unique_ptr<BoardRenderer> renderer_;
};

QColor Pixel(const QImage& img, int x, int y) {
  return img.pixelColor(x, y);
}

// How many pixels of `area` are within `tol` of `c` on every channel.
int CountNear(const QImage& img, const QRect& area, const QColor& c, int tol = 12) {
  int n = 0;
  const QRect a = area.intersected(img.rect());
  for (int y = a.top(); y <= a.bottom(); ++y) {
    for (int x = a.left(); x <= a.right(); ++x) {
      const QColor p = img.pixelColor(x, y);
      if (std::abs(p.red() - c.red()) <= tol && std::abs(p.green() - c.green()) <= tol &&
          std::abs(p.blue() - c.blue()) <= tol)
        ++n;
    }
  }
  return n;
}

QColor ExpectedBand(int square) {
  if (square % 2 != 0 || square % 12 == 0) return kBoardMint;
  switch (BuildingGroup(square)) {
    case 1:
      return QColor(0, 255, 0);
    case 2:
      return QColor(255, 0, 0);
    case 3:
      return QColor(0, 0, 255);
    case 4:
      return QColor(255, 255, 0);
    case 5:
      return QColor(255, 0, 255);
    case 6:
      return QColor(255, 128, 0);
  }
  return QColor();
}

TEST_F(BoardDrawing, ColourBandsMarkTheSixGroups) {
  const QImage& board = r().StaticMap();
  const int m = geo().BoardMin, M = geo().BoardMax;
  for (int s = 1; s < 48; ++s) {
    if (s % 12 == 0) continue;
    const BoardRect& sq = geo().Squares[s];
    const int cx = (sq.Left + sq.Right) / 2 + 1, cy = (sq.Top + sq.Bottom) / 2 + 1;
    QPoint band;
    if (s < 12)
      band = {cx, M - 12};
    else if (s < 24)
      band = {m + 12, cy};
    else if (s < 36)
      band = {cx, m + 12};
    else
      band = {M - 12, cy};
    EXPECT_EQ(Pixel(board, band.x(), band.y()), ExpectedBand(s)) << "square " << s;
  }
}

TEST_F(BoardDrawing, LabelsTakeTheOwnersColour) {
  // One square of each side, so that every rotation of the labels is read.
  const int squares[] = {4, 14, 26, 40};
  const QColor blue = QColor(0, 0, 255), grey = QColor(80, 80, 80);
  g().Players[0].Color = RGB(0, 0, 255);
  for (int s : squares) Own(s, 0);
  r().UpdateMap(g());
  const QImage& map = r().Map();
  for (int s = 1; s < 48; ++s) {
    if (s % 12 == 0 || g().Squares[s].Kind != kProperty) continue;
    const QRect label = LabelArea(s);
    const bool owned = std::find(std::begin(squares), std::end(squares), s) != std::end(squares);
    SCOPED_TRACE(s);
    if (owned) {
      EXPECT_GT(CountNear(map, label, blue, 40), 15);
      EXPECT_EQ(CountNear(map, label, grey, 6), 0);
    } else {
      EXPECT_GT(CountNear(map, label, grey, 10), 10);
      EXPECT_EQ(CountNear(map, label, blue, 40), 0);
    }
  }
}

TEST_F(BoardDrawing, SpecialSquaresAndGoTextAreWrittenInBlack) {
  r().UpdateMap(g());
  const QImage& map = r().Map();
  for (int s : {3, 9, 21, 29, 41}) EXPECT_GT(CountNear(map, LabelArea(s), Qt::black, 30), 15) << s;
  const BoardRect& go = geo().Squares[0];
  EXPECT_GT(
      CountNear(r().StaticMap(), QRect(go.Left, go.Top + 3, go.Right - go.Left, 26), Qt::black, 30),
      40);
}

TEST(TransparentCopy, KeyPixelsLeaveTheDestinationUntouched) {
  QImage src(4, 2, QImage::Format_ARGB32);
  src.fill(QColor(255, 0, 255));
  src.setPixelColor(1, 0, QColor(10, 20, 30));
  src.setPixelColor(2, 1, QColor(254, 0, 254));      // one step off the key: drawn
  src.setPixelColor(3, 1, QColor(200, 100, 50, 0));  // fully transparent: not drawn
  const QColor back(0, 128, 0);
  struct Case {
    const char* name;
    int scale;
  };
  for (const Case c : {Case{"plain copy", 1}, Case{"stretched copy", 3}}) {
    SCOPED_TRACE(c.name);
    QImage dst(20, 10, QImage::Format_RGB32);
    dst.fill(back);
    DrawTransparent(dst, 2, 3, 4 * c.scale, 2 * c.scale, src, 0, 0, 4, 2);
    for (int y = 0; y < 10; ++y) {
      for (int x = 0; x < 20; ++x) {
        QColor want = back;
        const int sx = (x - 2) / c.scale, sy = (y - 3) / c.scale;
        if (x >= 2 && y >= 3 && sx < 4 && sy < 2) {
          if (sx == 1 && sy == 0) want = QColor(10, 20, 30);
          if (sx == 2 && sy == 1) want = QColor(254, 0, 254);
        }
        ASSERT_EQ(dst.pixelColor(x, y), want) << x << "," << y;
      }
    }
  }
}

TEST(TransparentCopy, ClipsAtTheDestinationEdges) {
  QImage src(8, 8, QImage::Format_ARGB32);
  src.fill(Qt::red);
  QImage dst(10, 10, QImage::Format_RGB32);
  dst.fill(Qt::white);
  DrawTransparent(dst, -4, 6, 8, 8, src, 0, 0, 8, 8);
  EXPECT_EQ(dst.pixelColor(0, 9), QColor(Qt::red));
  EXPECT_EQ(dst.pixelColor(3, 6), QColor(Qt::red));
  EXPECT_EQ(dst.pixelColor(4, 6), QColor(Qt::white));
  EXPECT_EQ(dst.pixelColor(0, 5), QColor(Qt::white));
}

TEST(Sprites, EveryTokenStaysVisibleEvenInTheKeyColour) {
  // Magenta is a player colour and also the sprites' key: drawn naively, the
  // magenta token would vanish from the board.
  for (int i = 0; i < kPlayerColorCount; ++i) {
    SCOPED_TRACE(i);
    const QImage sprite = MakeTokenSprite(i);
    ASSERT_EQ(sprite.size(), QSize(kTokenWidth, kTokenHeight));
    QImage board(kTokenWidth, kTokenHeight, QImage::Format_RGB32);
    board.fill(kBoardMint);
    DrawTransparent(board, 0, 0, kTokenWidth, kTokenHeight, sprite, 0, 0, kTokenWidth,
                    kTokenHeight);
    const int untouched = CountNear(board, board.rect(), kBoardMint, 0);
    EXPECT_GT(kTokenWidth * kTokenHeight - untouched, 350);
    // The token's own colour shows.
    EXPECT_GT(CountNear(board, board.rect(), PlayerColor(i), 70), 20);
  }
  QImage drawing(2, 1, QImage::Format_ARGB32);
  drawing.setPixelColor(0, 0, QColor(255, 0, 255));
  drawing.setPixelColor(1, 0, QColor(0, 0, 0, 0));
  const QImage keyed = KeySprite(drawing);
  EXPECT_EQ(keyed.pixelColor(0, 0), QColor(254, 0, 254));
  EXPECT_EQ(keyed.pixel(1, 0) & 0xFFFFFF, kKeyColor & 0xFFFFFF);
}

TEST_F(BoardDrawing, TokensStandInTheirLanesAndBankruptPlayersVanish) {
  g().Players[2].ColorIndex = 5;  // magenta
  // A side column: there the lanes lie side by side and cannot cover each other.
  for (int i = 0; i < 4; ++i) g().Players[i].Position = 17;
  g().Players[1].Bankrupt = true;
  r().UpdateMap(g());
  const QImage before = r().Map();
  r().DrawPlayer(g(), -1);
  const QImage& after = r().Map();
  for (int i = 0; i < 4; ++i) {
    const Point at = geo().Lanes[i][17];
    // The token's middle column, below the name.
    int changed = 0;
    for (int y = at.Y + 8; y < at.Y + kTokenHeight - 4; ++y)
      if (after.pixel(at.X + 13, y) != before.pixel(at.X + 13, y)) ++changed;
    if (i == 1)
      EXPECT_EQ(changed, 0) << "a bankrupt player's token";
    else
      EXPECT_GT(changed, 25) << "player " << i;
  }
}

TEST_F(BoardDrawing, AnimationFrameRepaintsOnlyAroundTheToken) {
  Player& p = g().Players[0];
  p.Position = 5;
  r().UpdateMap(g());
  r().DrawPlayer(g(), -1);
  r().ExchangePic(g(), 0);
  const Point start = geo().Lanes[0][5];

  const QImage before = r().Map();
  const QRect changed = r().DrawPlayerMove(g(), start.X - 4, start.Y);
  const QImage& after = r().Map();
  const int w = BoardNameWidth(QString::fromStdString(p.Name.Trimmed()));
  EXPECT_LE(changed.width(), std::max(42, w + 16) + 4);
  EXPECT_EQ(changed.height(), 80);
  for (int y = 0; y < after.height(); ++y)
    for (int x = 0; x < after.width(); ++x)
      if (!changed.contains(x, y)) {
        ASSERT_EQ(after.pixel(x, y), before.pixel(x, y)) << x << "," << y;
      }

  // A walk of 4-pixel steps, then a jump: no trace of the token stays behind.
  QRect last;
  for (int step = 2; step <= 20; ++step)
    last = r().DrawPlayerMove(g(), start.X - 4 * step, start.Y);
  const Point far = geo().Lanes[0][20];
  last = r().DrawPlayerMove(g(), far.X, far.Y);
  const QImage& map = r().Map();
  const QImage& ex = r().Composition();
  const QRect final_rect(far.X - 30, far.Y - 24, w + 60, 80);
  int stray = 0;
  for (int y = 0; y < ex.height(); ++y)
    for (int x = 0; x < ex.width(); ++x)
      if (!final_rect.contains(x, y) && map.pixel(x, y) != ex.pixel(x, y)) ++stray;
  EXPECT_EQ(stray, 0);
}

TEST_F(BoardDrawing, MarksOfClassesAndMortgages) {
  Own(28, 0);
  g().Squares[28].StarClass = 4;
  Own(7, 1);
  g().Squares[7].Mortgaged = true;
  RedrawAll();
  const Point star = geo().StarMark[28];
  const Point flag = geo().MortgageMark[7];
  // The mark's middle is drawn over the board: no longer the plain centre
  // picture background or board fill.
  EXPECT_NE(r().StaticMap().pixelColor(star.X + 16, star.Y + 16), QColor(90, 131, 187));
  EXPECT_LT(CountNear(r().StaticMap(), QRect(star.X + 4, star.Y + 4, 24, 24), kBoardMint, 0), 10);
  EXPECT_LT(CountNear(r().Map(), QRect(flag.X + 4, flag.Y + 4, 24, 24), kBoardMint, 0), 10);
  // Nothing marks an unowned building.
  const Point none = geo().StarMark[26];
  EXPECT_GT(CountNear(r().StaticMap(), QRect(none.X, none.Y, 32, 32), kBoardMint, 0), 900);
}

TEST_F(BoardDrawing, DiceTotalIsCentredForOneAndTwoFigures) {
  struct Case {
    int total, x;
  };
  int centres[2] = {};
  int k = 0;
  for (const Case c : {Case{9, geo().DiceX1}, Case{12, geo().DiceX2}}) {
    SCOPED_TRACE(c.total);
    r().UpdateMap(g());
    const QRect area = r().DrawDice(c.total);
    ASSERT_FALSE(area.isEmpty());
    EXPECT_NEAR(area.left(), c.x, 10);
    EXPECT_GT(CountNear(r().Map(), area, QColor(255, 0, 0), 10), 200);
    centres[k++] = area.center().x();
  }
  // The second figure's place moves the total left, so one and two figures
  // share their middle.
  EXPECT_NEAR(centres[0], centres[1], 6);
}

TEST_F(BoardDrawing, TooSmallAWindowKeepsTheLastBoard) {
  const BoardGeometry kept = geo();
  const QImage board = r().StaticMap();
  const int32_t left7 = g().Squares[7].Left;
  for (auto [w, h] : {std::pair{0, 0}, {300, 200}, {kMinClientWidth - 1, kMinClientHeight}}) {
    EXPECT_FALSE(LayOutBoard(g(), r(), w, h));
    EXPECT_EQ(r().geometry().B, kept.B);
    EXPECT_EQ(r().StaticMap(), board);
    EXPECT_EQ(g().Squares[7].Left, left7);
  }
  EXPECT_TRUE(LayOutBoard(g(), r(), 1920, 1080));
  EXPECT_EQ(r().geometry().B, 1048);
  EXPECT_EQ(r().Map().size(), QSize(1048, 1080));
}

}  // namespace
}  // namespace quorbis
