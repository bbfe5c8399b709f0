#include "render/board_renderer.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "render/board_colors.h"
#include "render/sprites.h"

namespace quorbis {

namespace {

const QColor kMapBackground(90, 131, 187);
const QColor kBoardFill(209, 234, 219);
const QColor kDiceRed(255, 0, 0);

// Classic inclusive boxes: (x1, y1)-(x2, y2) covers both corner pixels.
void FillBox(QPainter& p, int x1, int y1, int x2, int y2, const QColor& c) {
  p.fillRect(
      QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2))),
      c);
}
void LineBox(QPainter& p, int x1, int y1, int x2, int y2) {
  p.drawRect(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1));
}

QString ToQString(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The colour bands of the six groups: each side names a first colour for its
// even squares and a second colour that takes over from a given position on.
struct SideBands {
  QColor first, second;
  int second_from;  // positions p greater than this take the second colour
};
const SideBands kBands[4] = {
    {QColor(0, 255, 0), QColor(255, 0, 0), 6},      // bottom
    {QColor(255, 0, 0), QColor(0, 0, 255), 4},      // left
    {QColor(255, 255, 0), QColor(255, 0, 255), 6},  // top
    {QColor(255, 0, 255), QColor(255, 128, 0), 4},  // right
};

QImage LoadSprite(const QString& file, const QImage& fallback) {
  QImage img(file);
  if (img.isNull()) return fallback;
  return img.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

void DrawTransparent(QImage& dst, int x, int y, int w, int h, const QImage& src, int sx, int sy,
                     int sw, int sh, QRgb key) {
  if (dst.isNull() || src.isNull() || w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return;
  QImage piece = src.copy(sx, sy, sw, sh);
  // Nearest-pixel stretch keeps key pixels exact, so the key still matches.
  if (sw != w || sh != h) piece = piece.scaled(w, h, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  piece = piece.convertToFormat(QImage::Format_ARGB32);
  const QRect clip = QRect(x, y, w, h).intersected(dst.rect());
  if (clip.isEmpty()) return;
  if (dst.format() != QImage::Format_RGB32 && dst.format() != QImage::Format_ARGB32)
    dst = dst.convertToFormat(QImage::Format_ARGB32);
  const QRgb key_rgb = key & 0xFFFFFF;
  for (int dy = clip.top(); dy <= clip.bottom(); ++dy) {
    auto* out = reinterpret_cast<QRgb*>(dst.scanLine(dy));
    const auto* in = reinterpret_cast<const QRgb*>(piece.constScanLine(dy - y));
    for (int dx = clip.left(); dx <= clip.right(); ++dx) {
      const QRgb s = in[dx - x];
      const int a = qAlpha(s);
      if (a == 0 || (s & 0xFFFFFF) == key_rgb) continue;
      if (a == 255) {
        out[dx] = s;
        continue;
      }
      const QRgb d = out[dx];
      auto mix = [a](int sc, int dc) { return (sc * a + dc * (255 - a) + 127) / 255; };
      out[dx] = qRgba(mix(qRed(s), qRed(d)), mix(qGreen(s), qGreen(d)), mix(qBlue(s), qBlue(d)),
                      std::max(a, qAlpha(d)));
    }
  }
}

QFont BoardNameFont() {
  QFont f(kTahomaFace);
  f.setBold(true);
  f.setPixelSize(16);  // 12 points on a 96-dpi screen
  return f;
}

int BoardNameWidth(const QString& name) {
  return QFontMetrics(BoardNameFont()).horizontalAdvance(name);
}

BoardRenderer::BoardRenderer(const std::string& map_path) : map_path_(ToQString(map_path)) {
  LoadPictures();
}

void BoardRenderer::LoadPictures() {
  static const char* const kBoardFiles[5] = {"center.jpg", "rb.jpg", "lb.jpg", "lt.jpg", "rt.jpg"};
  for (int i = 0; i < 5; ++i) pic_src_[i] = QImage(map_path_ + QLatin1String(kBoardFiles[i]));
  for (int i = 0; i < kPlayerColorCount; ++i)
    pic_player_[i] =
        LoadSprite(map_path_ + QStringLiteral("token%1.png").arg(i), MakeTokenSprite(i));
  for (int c : {0, 3, 4, 5})
    pic_class_[c] = LoadSprite(map_path_ + QStringLiteral("class%1.png").arg(c), MakeStarMark(c));
  pic_flag_ = LoadSprite(map_path_ + QStringLiteral("mortgage.png"), MakeMortgageMark());
}

const QImage& BoardRenderer::TokenSprite(int color_index) const {
  return pic_player_[std::clamp(color_index, 0, kPlayerColorCount - 1)];
}

bool BoardRenderer::DrawMap(const Game& g, int w, int h) {
  const BoardGeometry geo = ComputeBoardGeometry(w, h);
  if (!geo.Valid) return false;
  geo_ = geo;
  const int b = geo.B, c = geo.CellWidth, k = geo.CornerSize;
  const int m = geo.BoardMin, M = geo.BoardMax, N = geo.N, F = geo.F;

  pic_m_ = QImage(b, h, QImage::Format_RGB32);
  pic_m_.fill(kMapBackground);
  pic_map_ = QImage(b, h, QImage::Format_RGB32);
  pic_map_.fill(kMapBackground);
  pic_ex_ = QImage(b, b, QImage::Format_RGB32);
  pic_ex_.fill(kMapBackground);
  last_move_rect_ = QRect();
  ex_hide_ = -2;

  QPainter p(&pic_m_);
  p.setPen(Qt::black);
  FillBox(p, m, m, M, M, kBoardFill);
  LineBox(p, m, m, M, M);

  // The pictures, each scaled with a proper filter from its larger source.
  struct Place {
    int x, y, w, h;
  };
  const Place places[5] = {
      {N + 1, N + 1, 11 * c - 1, 11 * c - 1}, {F, F, k, k},         {m + 1, F, k - 1, k},
      {m + 1, m + 1, k - 1, k - 1},           {F, m + 1, k, k - 1},
  };
  for (int i = 0; i < 5; ++i) {
    if (pic_src_[i].isNull()) continue;
    const Place& pl = places[i];
    p.drawImage(pl.x, pl.y,
                pic_src_[i].scaled(pl.w, pl.h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  }

  LineBox(p, m, N, M, F);
  LineBox(p, N, m, F, M);

  for (int pos = 2; pos <= 10; pos += 2) {
    auto band = [&](int side, int x1, int y1, int x2, int y2) {
      const SideBands& sb = kBands[side];
      FillBox(p, x1, y1, x2, y2, pos > sb.second_from ? sb.second : sb.first);
    };
    band(0, F - pos * c + 1, M - kBandDepth, F - (pos - 1) * c, M);
    band(1, m, F + 1 - pos * c, m + kBandDepth, F - (pos - 1) * c);
    band(2, N + (pos - 1) * c + 1, m, N + pos * c, m + kBandDepth);
    band(3, M - kBandDepth, N + (pos - 1) * c + 1, M, N + pos * c);
  }
  LineBox(p, m, N, m + kBandDepth, F);
  LineBox(p, M - kBandDepth, N, M, F);
  LineBox(p, N, m, F, m + kBandDepth);
  LineBox(p, N, M - kBandDepth, F, M);

  for (int i = 1; i <= 10; ++i) {
    const int v = N + i * c;
    p.drawLine(m, v, N, v);
    p.drawLine(F, v, M, v);
    p.drawLine(v, m, v, N);
    p.drawLine(v, F, v, M);
  }

  // The salary reminder on GO.
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setPen(Qt::black);
  board_font_.FontOutC(QStringLiteral("COLLECT $%1 SALARY").arg(static_cast<qlonglong>(g.Salary)),
                       p, F, F + 3, M, 0, 0, 14);
  board_font_.FontOutC(QStringLiteral("AS YOU PASS"), p, F, F + 15, M, 0, 0, 14);
  p.end();

  StampStarMarks(g);
  return true;
}

void BoardRenderer::StampStarMarks(const Game& g) {
  if (!geo_.Valid) return;
  for (int s = 1; s < kSquareCount; ++s) {
    const Square& sq = g.Squares[s];
    if (sq.Owner == -1 || sq.TrustType != kBuilding || sq.Kind != kProperty) continue;
    const int cls = sq.StarClass;
    if (cls != 0 && (cls < 3 || cls > 5)) continue;  // no mark for a class without one
    const QImage& mark = pic_class_[cls];
    const Point at = geo_.StarMark[s];
    DrawTransparent(pic_m_, at.X, at.Y, kMarkSize, kMarkSize, mark, 0, 0, mark.width(),
                    mark.height());
  }
}

void BoardRenderer::UpdateMap(const Game& g, Surface target) {
  if (!geo_.Valid) return;
  QImage& img = SurfaceImage(target);
  if (target == Surface::Map) last_move_rect_ = QRect();
  QPainter p(&img);
  p.drawImage(0, 0, pic_m_);
  p.setRenderHint(QPainter::TextAntialiasing);

  const int c = geo_.CellWidth, m = geo_.BoardMin, M = geo_.BoardMax, N = geo_.N, F = geo_.F;
  const int gap = NearestEven((c - 30) / 3.0);
  const int band_edge_lo = m + kBandDepth, band_edge_hi = M - kBandDepth;

  for (int sq = 1; sq < kSquareCount; ++sq) {
    if (sq % 12 == 0) continue;
    const Square& s = g.Squares[sq];
    p.setPen(ToQColor(s.Color));
    const QString name = ToQString(g.ShortNames[sq]);
    QString second;
    const bool special = s.Kind != kProperty && s.Kind != kTax;
    if (!special) {
      const bool price_only = s.Kind == kTax || sq == 15 || sq == 39;
      second = ToQString(price_only ? g.PriceText[sq] : g.PriceRentText[sq]);
    }
    auto& f = board_font_;
    if (sq < 12) {  // bottom row, written downwards
      const int i = sq - 1;
      if (special) {
        f.FontOutC(name, p, F - i * c, F + 4, F - (i + 1) * c, band_edge_hi, 2700, 17);
      } else {
        f.FontOutC(name, p, F - gap - i * c, F + 4, 0, band_edge_hi, 2700, 13);
        f.FontOutC(second, p, F - 2 * gap - i * c - 15, F + 4, 0, band_edge_hi, 2700, 11);
      }
    } else if (sq < 24) {  // left column
      const int i = sq - 12;
      if (special) {
        f.FontOutC(name, p, band_edge_lo, F - i * c, N, F - (i - 1) * c, 0, 18);
      } else {
        f.FontOutC(name, p, band_edge_lo, F - i * c + gap + 2, N, 0, 0, 15);
        f.FontOutC(second, p, band_edge_lo, F - i * c + 2 * gap + 16, N, 0, 0, 13);
      }
    } else if (sq < 36) {  // top row, written upwards
      const int i = sq - 25;
      if (special) {
        f.FontOutC(name, p, N + i * c, N - 3, N + (i + 1) * c, band_edge_lo, 900, 17);
      } else {
        f.FontOutC(name, p, N + i * c + gap + 1, N - 3, 0, band_edge_lo, 900, 13);
        f.FontOutC(second, p, N + i * c + 2 * gap + 15, N - 3, 0, band_edge_lo, 900, 11);
      }
    } else {  // right column
      const int i = sq - 37;
      if (special) {
        f.FontOutC(name, p, F, N + i * c, band_edge_hi, N + (i + 1) * c, 0, 18);
      } else {
        f.FontOutC(name, p, F, N + i * c + gap + 2, band_edge_hi, 0, 0, 15);
        f.FontOutC(second, p, F, N + i * c + 2 * gap + 16, band_edge_hi, 0, 0, 13);
      }
    }
  }
}

int BoardRenderer::NameWidthOf(const Game& g, int player) {
  const QString name = ToQString(g.Players[player].Name.Trimmed());
  auto it = name_widths_.find(name);
  if (it != name_widths_.end()) return *it;
  const int w = BoardNameWidth(name);
  name_widths_.insert(name, w);
  return w;
}

void BoardRenderer::DrawName(QPainter& p, const Game& g, int player, int x, int y) {
  const Player& pl = g.Players[player];
  const QString name = ToQString(pl.Name.Trimmed());
  const QFont font = BoardNameFont();
  p.setFont(font);
  const int baseline = y + QFontMetrics(font).ascent();
  // A faint light halo keeps dark names readable over pictures and bands.
  p.setPen(QColor(255, 255, 255, 150));
  for (const QPoint d : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)})
    p.drawText(x + d.x(), baseline + d.y(), name);
  p.setPen(ToQColor(pl.Color));
  p.drawText(x, baseline, name);
}

void BoardRenderer::DrawToken(QImage& dst, const Game& g, int player, int x, int y) {
  const QImage& sprite = TokenSprite(g.Players[player].ColorIndex);
  DrawTransparent(dst, x, y, kTokenWidth, kTokenHeight, sprite, 0, 0, sprite.width(),
                  sprite.height());
}

void BoardRenderer::DrawPlayer(const Game& g, int hide, Surface target) {
  if (!geo_.Valid) return;
  QImage& img = SurfaceImage(target);
  for (int s = 1; s < kSquareCount; ++s) {
    const Square& sq = g.Squares[s];
    if (sq.Kind != kProperty || !sq.Mortgaged) continue;
    const Point at = geo_.MortgageMark[s];
    DrawTransparent(img, at.X, at.Y, kMarkSize, kMarkSize, pic_flag_, 0, 0, pic_flag_.width(),
                    pic_flag_.height());
  }
  const int count = std::min(g.PlayerCount, kLaneCount);
  for (int i = 0; i < count; ++i) {
    const Player& pl = g.Players[i];
    if (i == hide || pl.Bankrupt) continue;
    if (pl.Position < 0 || pl.Position >= kSquareCount) continue;
    const Point at = geo_.Lanes[i][pl.Position];
    DrawToken(img, g, i, at.X, at.Y);
    QPainter p(&img);
    p.setRenderHint(QPainter::TextAntialiasing);
    const int w = NameWidthOf(g, i);
    DrawName(p, g, i, NearestEven(at.X - (w - kTokenWidth) / 2.0), at.Y - 18);
  }
}

void BoardRenderer::ExchangePic(const Game& g, int hide) {
  if (!geo_.Valid) return;
  pic_ex_.fill(kMapBackground);
  ex_hide_ = hide;
  UpdateMap(g, Surface::Ex);
  StampStarMarks(g);
  DrawPlayer(g, hide, Surface::Ex);
}

QRect BoardRenderer::MoveRect(int w, int x, int y) const {
  const int name_x = NearestEven(x - (w - kTokenWidth) / 2.0);
  if (w < kTokenWidth) return QRect(x - 8, y - 24, 42, 80);
  return QRect(name_x - 8, y - 24, w + 16, 80);
}

void BoardRenderer::Restore(const QRect& r) {
  const QRect area = r.intersected(pic_map_.rect()).intersected(pic_ex_.rect());
  if (area.isEmpty()) return;
  QPainter p(&pic_map_);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(area.topLeft(), pic_ex_, area);
}

QRect BoardRenderer::DrawPlayerMove(const Game& g, int x, int y) {
  if (!geo_.Valid || pic_map_.isNull()) return {};
  const int cur = g.CurPlayer;
  if (cur < 0 || cur >= kPlayerRecords) return {};
  const int w = NameWidthOf(g, cur);
  const QRect rect = MoveRect(w, x, y);
  Restore(rect);
  QRect changed = rect;
  // A jump longer than one step (the last frame, a card's move) would leave
  // the previous frame behind: restore that rectangle as well.
  if (!last_move_rect_.isNull() && !rect.contains(last_move_rect_)) {
    Restore(last_move_rect_);
    changed = changed.united(last_move_rect_);
  }
  last_move_rect_ = rect;
  if (!g.Players[cur].Bankrupt) {
    DrawToken(pic_map_, g, cur, x, y);
    QPainter p(&pic_map_);
    p.setRenderHint(QPainter::TextAntialiasing);
    DrawName(p, g, cur, NearestEven(x - (w - kTokenWidth) / 2.0), y - 18);
  }
  return changed.intersected(pic_map_.rect());
}

QRect BoardRenderer::EraseToken(const Game& g, int player) {
  if (!geo_.Valid || player < 0 || player >= kLaneCount) return {};
  const Player& pl = g.Players[player];
  if (pl.Position < 0 || pl.Position >= kSquareCount) return {};
  const Point at = geo_.Lanes[player][pl.Position];
  const int w = NameWidthOf(g, player);
  const QRect name_strip(NearestEven(at.X - (w - kTokenWidth) / 2.0) - 5, at.Y - 23, w + 10, 28);
  const QRect token(at.X - 5, at.Y, 36, 53);
  // The composition buffer is the board without this token, labels and other
  // tokens included; the static board serves when it was composed for another.
  const bool ex_fits = ex_hide_ == player && !pic_ex_.isNull();
  const QImage& source = ex_fits ? pic_ex_ : pic_m_;
  QPainter p(&pic_map_);
  for (const QRect& r : {name_strip, token}) {
    const QRect area = r.intersected(pic_map_.rect()).intersected(source.rect());
    if (!area.isEmpty()) p.drawImage(area.topLeft(), source, area);
  }
  last_move_rect_ = QRect();
  return name_strip.united(token).intersected(pic_map_.rect());
}

QRect BoardRenderer::DrawDice(int total) {
  if (!geo_.Valid || pic_map_.isNull()) return {};
  const int x = total < 10 ? geo_.DiceX1 : geo_.DiceX2;
  const int y = geo_.DiceY;
  QFont font(kArialFace);
  font.setBold(true);
  font.setPixelSize(75);  // 56 points
  const QFontMetrics fm(font);
  const QString text = QString::number(total);
  QPainterPath path;
  path.addText(x, y + fm.ascent(), font, text);
  QPainter p(&pic_map_);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(2, 3);
  p.fillPath(path, QColor(0, 0, 0, 90));  // drop shadow
  p.translate(-2, -3);
  p.strokePath(path, QPen(QColor(255, 246, 224), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.fillPath(path, kDiceRed);
  return path.boundingRect().toAlignedRect().adjusted(-4, -4, 6, 7).intersected(pic_map_.rect());
}

bool LayOutBoard(Game& g, BoardRenderer& r, int w, int h) {
  if (!r.DrawMap(g, w, h)) return false;
  ApplyBoardGeometry(g, r.geometry());
  return true;
}

}  // namespace quorbis
