// The board painter. It owns the board's pictures and drawing surfaces and
// draws a read-only view of the game: the static board (PicM), the board the
// player sees (PicMap), and the composition buffer of the token animation
// (PicEx). Drawing never changes the game; the layout it computes is written
// into the game's records by ApplyBoardGeometry (or LayOutBoard).
#pragma once

#include <QHash>
#include <QImage>
#include <QRect>
#include <QString>
#include <array>

class QPainter;
#include <string>

#include "render/api_font.h"
#include "render/board_geometry.h"
#include "state/game_state.h"

namespace quorbis {

// The key colour of the sprites: pixels of exactly this colour are not drawn.
constexpr QRgb kKeyColor = 0xFFFF00FF;

// Copies the source rectangle onto the destination at (x, y, w, h) (stretched
// when the sizes differ), leaving the destination untouched wherever the
// source pixel equals `key` (or is fully transparent). Other pixels are
// blended by their alpha, so soft sprite edges stay soft.
void DrawTransparent(QImage& dst, int x, int y, int w, int h, const QImage& src, int sx, int sy,
                     int sw, int sh, QRgb key = kKeyColor);

// The board's name font (bold, 12 points) and the pixel width of a name in it.
QFont BoardNameFont();
int BoardNameWidth(const QString& name);

class BoardRenderer {
 public:
  // `map_path` is the board folder ("maps/new york/", ending in "/"): the five
  // board pictures and the sprites are loaded from it. Missing files are
  // replaced by plain built-in drawings, so the board always works.
  explicit BoardRenderer(const std::string& map_path);

  // Lays the board out for a client area of w x h and redraws the static board
  // PicM: background, frame, pictures, colour bands, lines, GO text and the
  // star-class marks of owned buildings. Returns false, and keeps the previous
  // layout and pictures, when the area is too small (see kMinBoardSize). The
  // caller then writes the layout into the game with ApplyBoardGeometry.
  bool DrawMap(const Game& g, int w, int h);

  // PicMap := PicM plus the labels of all 44 side squares in their owners'
  // colours. `target` chooses PicMap (the visible board) or PicEx.
  enum class Surface { Map, Ex };
  void UpdateMap(const Game& g, Surface target = Surface::Map);

  // Mortgage marks and every token with its name except that of `hide`
  // (-1: all), onto PicMap or PicEx.
  void DrawPlayer(const Game& g, int hide, Surface target = Surface::Map);

  // Rebuilds PicEx as the board without player `hide`'s token: the buffer the
  // animation frames restore from. Also stamps the current star classes into PicM.
  void ExchangePic(const Game& g, int hide);

  // One animation frame: restores a small rectangle around (x, y) from PicEx
  // and draws the current player's token and name at (x, y) on PicMap. Returns
  // the rectangle of PicMap that changed (to repaint). Never redraws the board.
  QRect DrawPlayerMove(const Game& g, int x, int y);

  // Takes `player`'s token and name off PicMap (the jump to jail) by restoring
  // the two rectangles around them from PicM. Returns the area that changed.
  QRect EraseToken(const Game& g, int player);

  // Prints the dice total (2..12) in large red figures on PicMap. Returns the
  // area that changed.
  QRect DrawDice(int total);

  // The visible board: B wide and MapHeight high, to be shown at
  // (geometry().MapLeft, geometry().MapTop) in the main window.
  const QImage& Map() const { return pic_map_; }
  const QImage& StaticMap() const { return pic_m_; }
  const QImage& Composition() const { return pic_ex_; }
  // The layout of the last successful DrawMap (Valid false before the first).
  const BoardGeometry& geometry() const { return geo_; }

  // Sprites, for windows that show the same tokens and marks.
  const QImage& TokenSprite(int color_index) const;

 private:
  void LoadPictures();
  void StampStarMarks(const Game& g);
  QImage& SurfaceImage(Surface s) { return s == Surface::Map ? pic_map_ : pic_ex_; }
  void DrawToken(QImage& dst, const Game& g, int player, int x, int y);
  void DrawName(QPainter& p, const Game& g, int player, int x, int y);
  int NameWidthOf(const Game& g, int player);
  QRect MoveRect(int name_width, int x, int y) const;
  void Restore(const QRect& r);

  QString map_path_;
  BoardGeometry geo_;
  QImage pic_m_, pic_map_, pic_ex_;
  std::array<QImage, 5> pic_src_;  // center, rb, lb, lt, rt
  std::array<QImage, 6> pic_player_;
  std::array<QImage, 6> pic_class_;  // indices 0, 3, 4, 5 used
  QImage pic_flag_;
  APIFont board_font_;
  QHash<QString, int> name_widths_;
  QRect last_move_rect_;  // the previous animation frame's rectangle
  int ex_hide_ = -2;      // whose token PicEx was composed without
};

// DrawMap, and on success ApplyBoardGeometry into `g`: the one call a window
// needs on every resize and new game.
bool LayOutBoard(Game& g, BoardRenderer& r, int w, int h);

}  // namespace quorbis
