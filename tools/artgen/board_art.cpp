// The board's own pictures: the centre, the four corners, the 48 square
// pictures and the sprites.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "art.h"
#include "paint_kit.h"
#include "render/sprites.h"
#include "state/board.h"

using namespace quorbis;

namespace artgen {

QColor GroupColor(int group) {
  static const QColor colors[7] = {
      QColor(120, 120, 120), QColor(46, 178, 76),  QColor(226, 59, 59),  QColor(47, 95, 208),
      QColor(245, 196, 0),   QColor(210, 58, 210), QColor(255, 138, 28),
  };
  return colors[(group >= 1 && group <= 6) ? group : 0];
}

void MakeSprites(const QString& map_dir) {
  for (int i = 0; i < kPlayerColorCount; ++i)
    SavePng(MakeTokenSprite(i), map_dir + QStringLiteral("token%1.png").arg(i));
  for (int c : {0, 3, 4, 5})
    SavePng(MakeStarMark(c), map_dir + QStringLiteral("class%1.png").arg(c));
  SavePng(MakeMortgageMark(), map_dir + "mortgage.png");
}

namespace {

// --- Square pictures ---------------------------------------------------------

struct Sky {
  QColor top, bottom;
};

Sky SkyForGroup(int group) {
  switch (group) {
    case 1:
      return {QColor(118, 178, 236), QColor(255, 218, 176)};
    case 2:
      return {QColor(66, 138, 222), QColor(196, 228, 250)};
    case 3:
      return {QColor(58, 116, 196), QColor(250, 222, 164)};
    case 4:
      return {QColor(52, 62, 142), QColor(255, 154, 96)};
    case 5:
      return {QColor(36, 40, 102), QColor(222, 112, 134)};
    default:
      return {QColor(14, 22, 52), QColor(54, 76, 138)};
  }
}

TowerStyle TowerFor(int sq) {
  TowerStyle s;
  s.glass = QColor(40, 60, 96);
  switch (sq) {
    case 2:  // art-deco crown of spikes
      s = {QColor(214, 170, 120),
           QColor(120, 72, 40),
           QColor(60, 62, 84),
           3,
           0.36,
           0.86,
           0.0,
           Crown::Gothic,
           true,
           false};
      break;
    case 4:  // white gothic tower, copper roof
      s = {QColor(238, 232, 214),
           QColor(74, 150, 128),
           QColor(70, 80, 100),
           3,
           0.42,
           0.84,
           0.0,
           Crown::Gothic,
           true,
           false};
      break;
    case 6:  // slim brick tower
      s = {QColor(176, 84, 62),
           QColor(232, 214, 180),
           QColor(62, 50, 54),
           1,
           0.26,
           0.86,
           0.0,
           Crown::Flat,
           false,
           false};
      break;
    case 8:  // brick tower, copper pyramid with a lantern
      s = {QColor(188, 110, 82),
           QColor(86, 156, 132),
           QColor(60, 56, 70),
           2,
           0.42,
           0.86,
           0.0,
           Crown::Pyramid,
           false,
           false};
      break;
    case 10:  // dark office slab
      s = {QColor(92, 98, 112),
           QColor(160, 168, 180),
           QColor(50, 64, 90),
           1,
           0.5,
           0.8,
           0.0,
           Crown::Flat,
           true,
           false};
      break;
    case 14:  // pale tower with a stepped pyramid top
      s = {QColor(226, 214, 190),
           QColor(190, 176, 150),
           QColor(70, 90, 120),
           3,
           0.44,
           0.8,
           0.0,
           Crown::Pyramid,
           false,
           false};
      break;
    case 16:  // limestone slab with setbacks
      s = {QColor(222, 214, 196),
           QColor(150, 140, 120),
           QColor(74, 82, 100),
           4,
           0.4,
           0.9,
           0.0,
           Crown::Flat,
           true,
           false};
      break;
    case 18:  // aluminium box
      s = {QColor(150, 156, 166),
           QColor(40, 44, 52),
           QColor(34, 44, 64),
           1,
           0.56,
           0.82,
           0.0,
           Crown::Flat,
           true,
           false};
      break;
    case 20:  // blue glass tower
      s = {QColor(72, 130, 190),
           QColor(200, 224, 245),
           QColor(58, 120, 190),
           1,
           0.38,
           0.88,
           0.06,
           Crown::Slant,
           false,
           true};
      break;
    case 22:  // glass tower with a mast
      s = {QColor(170, 186, 200),
           QColor(210, 220, 230),
           QColor(96, 130, 170),
           1,
           0.4,
           0.9,
           0.0,
           Crown::Antenna,
           true,
           false};
      break;
    case 26:  // tapering glass obelisk with a spire
      s = {QColor(110, 160, 210),
           QColor(220, 230, 240),
           QColor(90, 150, 210),
           1,
           0.4,
           0.96,
           0.36,
           Crown::Antenna,
           false,
           true};
      break;
    case 28:  // the stepped art-deco tower with its mast
      s = {QColor(206, 196, 176),
           QColor(232, 226, 210),
           QColor(60, 66, 90),
           4,
           0.44,
           0.97,
           0.0,
           Crown::Spire,
           true,
           false};
      break;
    case 30:  // plaza slab
      s = {QColor(212, 200, 176),
           QColor(170, 150, 110),
           QColor(66, 74, 96),
           3,
           0.46,
           0.82,
           0.0,
           Crown::Flat,
           true,
           false};
      break;
    case 32:  // the silver sunburst crown
      s = {QColor(196, 196, 204),
           QColor(214, 220, 232),
           QColor(56, 60, 80),
           3,
           0.36,
           0.97,
           0.0,
           Crown::Arches,
           true,
           false};
      break;
    case 34:  // green pyramid roof with a spire
      s = {QColor(206, 190, 160),
           QColor(70, 150, 120),
           QColor(62, 66, 84),
           3,
           0.38,
           0.95,
           0.0,
           Crown::Pyramid,
           true,
           false};
      break;
    case 38:  // wide office slab
      s = {QColor(200, 196, 186),
           QColor(120, 116, 108),
           QColor(64, 70, 86),
           1,
           0.64,
           0.74,
           0.0,
           Crown::Flat,
           false,
           false};
      break;
    case 40:  // tower with a dome
      s = {QColor(214, 206, 190),
           QColor(110, 170, 150),
           QColor(64, 70, 96),
           3,
           0.4,
           0.9,
           0.0,
           Crown::Dome,
           false,
           false};
      break;
    case 42:  // slim bronze glass slab
      s = {QColor(92, 74, 58),
           QColor(140, 110, 80),
           QColor(80, 64, 50),
           1,
           0.3,
           0.95,
           0.0,
           Crown::Flat,
           false,
           true};
      break;
    case 44:  // slim stone tiers with a glass lantern
      s = {QColor(216, 204, 184),
           QColor(180, 150, 90),
           QColor(66, 72, 96),
           4,
           0.38,
           0.96,
           0.0,
           Crown::Lantern,
           true,
           false};
      break;
    case 46:  // dark steel box with girder bands
      s = {QColor(56, 58, 64),
           QColor(120, 124, 132),
           QColor(30, 36, 48),
           1,
           0.54,
           0.8,
           0.0,
           Crown::Flat,
           false,
           false};
      break;
    default:
      break;
  }
  return s;
}

struct EmojiSubject {
  const char* main;
  const char* side;
  const char* label;
  QColor strip;
  Sky sky;
};

EmojiSubject EmojiFor(int sq) {
  const Sky food{QColor(255, 236, 200), QColor(255, 190, 120)};
  const Sky traffic{QColor(140, 196, 240), QColor(228, 244, 255)};
  const Sky oil{QColor(255, 226, 160), QColor(236, 150, 80)};
  const Sky utility{QColor(196, 236, 250), QColor(110, 190, 226)};
  const Sky game{QColor(44, 70, 122), QColor(120, 160, 210)};
  const QColor food_c(226, 80, 40), traffic_c(255, 176, 0), oil_c(60, 60, 70), util_c(0, 150, 190),
      navy(27, 42, 71);
  switch (sq) {
    case 1:
      return {"\U0001F37D\uFE0F", "\U0001F379", "FAST-FOOD CHAIN", food_c, food};
    case 13:
      return {"\U0001F354", "\U0001F35F", "FAST-FOOD CHAIN", food_c, food};
    case 25:
      return {"\u2615", "\U0001F369", "FAST-FOOD CHAIN", food_c, food};
    case 37:
      return {"\U0001F357", "\U0001F35F", "FAST-FOOD CHAIN", food_c, food};
    case 7:
      return {"\U0001F68C", "\U0001F68F", "URBAN TRAFFIC", traffic_c, traffic};
    case 19:
      return {"\U0001F687", "\U0001F3AB", "URBAN TRAFFIC", traffic_c, traffic};
    case 31:
      return {"\U0001F695", "\U0001F6A6", "URBAN TRAFFIC", traffic_c, traffic};
    case 43:
      return {"\u2708\uFE0F", "\u2601\uFE0F", "URBAN TRAFFIC", traffic_c, traffic};
    case 11:
      return {"\u26FD", "\U0001F6E2\uFE0F", "OIL TRUST", oil_c, oil};
    case 23:
      return {"\U0001F6E2\uFE0F", "\u26FD", "OIL TRUST", oil_c, oil};
    case 35:
      return {"\U0001F3ED", "\U0001F6E2\uFE0F", "OIL TRUST", oil_c, oil};
    case 47:
      return {"\U0001F69B", "\U0001F6E2\uFE0F", "OIL TRUST", oil_c, oil};
    case 15:
      return {"\u26A1", "\U0001F4A1", "UTILITY", util_c, utility};
    case 39:
      return {"\U0001F4A7", "\U0001F6B0", "UTILITY", util_c, utility};
    case 3:
    case 17:
    case 33:
      return {"\U0001F340", "\u2728", "LUCK", QColor(46, 160, 80), game};
    case 9:
    case 27:
    case 41:
      return {"\u2753", "\U0001F3B2", "CHANCE", QColor(255, 128, 0), game};
    case 5:
      return {"\U0001F9FE", "\U0001F4B0", "TAX", navy, game};
    case 45:
      return {"\U0001F48E", "\U0001F48D", "TAX", navy, game};
    case 21:
      return {"\U0001F3E6", "\U0001F4B5", "BANK", navy, game};
    case 29:
      return {"\U0001F3B0", "\U0001F3B2", "CASINO", QColor(190, 30, 60), game};
    case 12:
      return {"\U0001F512", "\U0001F6A8", "JAIL", navy, game};
    case 24:
      return {"\U0001F333", "\u26F2", "FREE PARK", QColor(46, 160, 80), traffic};
    case 36:
      return {"\U0001F46E", "\U0001F693", "GO INTO JAIL", QColor(190, 30, 60), game};
    default:
      return {"\U0001F3C1", "\U0001F4B5", "START", QColor(214, 48, 49), food};
  }
}

void CardFrame(QPainter& p, const QRectF& r, const QColor& strip, const QString& strip_text,
               const QString& caption) {
  // Top strip with a gloss, like the colour band of a title deed.
  const QRectF band(r.left(), r.top(), r.width(), 46);
  QLinearGradient g(band.topLeft(), band.bottomLeft());
  g.setColorAt(0, strip.lighter(125));
  g.setColorAt(1, strip.darker(112));
  p.fillRect(band, g);
  p.fillRect(QRectF(band.left(), band.bottom() - 3, band.width(), 3), QColor(0, 0, 0, 50));
  if (!strip_text.isEmpty())
    OutlinedText(p, band.adjusted(8, 2, -8, 0), strip_text, Sans(19), Qt::white, strip.darker(200),
                 1.6);
  // Caption plate.
  const QRectF plate(r.left(), r.bottom() - 62, r.width(), 62);
  VGradient(p, plate, pal::kCream, QColor(246, 232, 200));
  p.fillRect(QRectF(plate.left(), plate.top(), plate.width(), 3), strip.darker(110));
  FitText(p, plate.adjusted(10, 6, -10, -4), caption, Sans(30), pal::kNavy);
  // Frame.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(pal::kNavy, 8));
  p.drawRect(r.adjusted(4, 4, -4, -4));
  p.setPen(QPen(pal::kGold, 2));
  p.drawRect(r.adjusted(9, 9, -9, -9));
}

void Stars(QPainter& p, const QRectF& r, uint32_t seed, int count) {
  Dice d(seed);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < count; ++i) {
    p.setBrush(QColor(255, 255, 240, d.Int(80, 230)));
    const double s = d.Range(0.8, 2.4);
    p.drawEllipse(QPointF(r.left() + d.Unit() * r.width(), r.top() + d.Unit() * r.height()), s, s);
  }
}

QImage SquarePicture(int sq, const Game& board) {
  constexpr int W = 276, H = 370;
  const Square& s = board.Squares[sq];
  const QString caption = QString::fromStdString(board.ShortNames[sq]);
  const bool building = s.Kind == kProperty && s.TrustType == kBuilding;
  return Render(W, H, [&](QPainter& p) {
    const QRectF scene(0, 46, W, H - 46 - 62);
    if (building) {
      const int group = BuildingGroup(sq);
      const Sky sky = SkyForGroup(group);
      VGradient(p, scene, sky.top, sky.bottom);
      if (group >= 5) Stars(p, scene.adjusted(0, 0, 0, -scene.height() * 0.4), 97 + sq, 40);
      // The sun or moon.
      QRadialGradient glow(QPointF(W * 0.78, scene.top() + 60), 60);
      glow.setColorAt(0, QColor(255, 250, 220, group >= 5 ? 200 : 160));
      glow.setColorAt(1, QColor(255, 250, 220, 0));
      p.fillRect(scene, glow);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(255, 250, 225, group >= 5 ? 230 : 200));
      p.drawEllipse(QPointF(W * 0.78, scene.top() + 60), 17, 17);
      // Neighbours behind, the landmark in front, the street below.
      const QColor far = sky.top.darker(group >= 5 ? 140 : 115);
      DrawSkyline(p, QRectF(0, scene.top() + scene.height() * 0.45, W, scene.height() * 0.5),
                  11 + sq, QColor(far.red(), far.green(), far.blue(), 150),
                  QColor(255, 230, 150, group >= 4 ? 160 : 40), 0.8);
      const QRectF lot(0, scene.top() + 14, W, scene.height() - 36);
      DrawTower(p, lot, TowerFor(sq));
      const QRectF street(0, scene.bottom() - 22, W, 22);
      VGradient(p, street, QColor(70, 76, 90), QColor(44, 48, 58));
      p.setPen(QPen(QColor(255, 214, 90), 2, Qt::DashLine));
      p.drawLine(QPointF(0, street.center().y()), QPointF(W, street.center().y()));
      if (sq == 30) DrawEmoji(p, QRectF(W * 0.06, scene.bottom() - 86, 64, 74), "\U0001F384");
      if (sq == 6) DrawEmoji(p, QRectF(W * 0.66, scene.bottom() - 62, 70, 44), "\U0001F3BB");
      if (sq == 22) DrawEmoji(p, QRectF(W * 0.68, scene.bottom() - 66, 60, 46), "\U0001F4F0");
      if (sq == 20) DrawEmoji(p, QRectF(W * 0.06, scene.bottom() - 66, 56, 46), "\U0001F4C8");
      CardFrame(p, QRectF(0, 0, W, H), GroupColor(group), QStringLiteral("LANDMARK"), caption);
      return;
    }
    const EmojiSubject e = EmojiFor(sq);
    VGradient(p, scene, e.sky.top, e.sky.bottom);
    QRadialGradient spot(scene.center() + QPointF(0, -10), W * 0.55);
    spot.setColorAt(0, QColor(255, 255, 255, 150));
    spot.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(scene, spot);
    if (e.sky.top.lightness() < 100) Stars(p, scene, 300 + sq, 50);
    DrawSkyline(p, QRectF(0, scene.bottom() - 90, W, 90), 500 + sq, QColor(20, 30, 60, 70),
                QColor(255, 240, 180, 90), 0.6);
    // A soft floor shadow under the motif.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawEllipse(QPointF(W / 2.0, scene.bottom() - 30), 92, 14);
    DrawEmoji(p, QRectF(W / 2.0 - 92, scene.top() + 22, 184, 176), QString::fromUtf8(e.main));
    DrawEmoji(p, QRectF(W - 96, scene.bottom() - 86, 70, 66), QString::fromUtf8(e.side));
    if (sq == 0) {
      OutlinedText(p, QRectF(0, scene.top() + 10, W, 110), "GO", Display(104), pal::kRed, Qt::white,
                   4);
    }
    CardFrame(p, QRectF(0, 0, W, H), e.strip, QString::fromUtf8(e.label), caption);
  });
}

// --- Corners ----------------------------------------------------------------

void CornerBase(QPainter& p, int size, const QColor& top, const QColor& bottom) {
  VGradient(p, QRectF(0, 0, size, size), top, bottom);
  p.setPen(QPen(QColor(255, 255, 255, 120), 3));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(7, 7, size - 14, size - 14));
}

QImage GoCorner() {
  constexpr int S = 400;
  return Render(S, S, [](QPainter& p) {
    // The top fifth stays pale and plain: the salary line is written there.
    CornerBase(p, S, QColor(232, 246, 236), QColor(209, 234, 219));
    QRadialGradient glow(QPointF(S * 0.5, S * 0.58), S * 0.55);
    glow.setColorAt(0, QColor(255, 222, 120, 200));
    glow.setColorAt(1, QColor(255, 222, 120, 0));
    p.fillRect(QRectF(0, S * 0.2, S, S * 0.8), glow);
    OutlinedText(p, QRectF(0, S * 0.22, S, S * 0.42), "GO", Display(190), pal::kRed, Qt::white, 7);
    // The arrow points the way the tokens travel: to the left along the bottom.
    QPainterPath arrow;
    const double y = S * 0.8;
    arrow.moveTo(S * 0.1, y);
    arrow.lineTo(S * 0.32, y - S * 0.12);
    arrow.lineTo(S * 0.32, y - S * 0.05);
    arrow.lineTo(S * 0.9, y - S * 0.05);
    arrow.lineTo(S * 0.9, y + S * 0.05);
    arrow.lineTo(S * 0.32, y + S * 0.05);
    arrow.lineTo(S * 0.32, y + S * 0.12);
    arrow.closeSubpath();
    p.translate(2, 4);
    p.fillPath(arrow, QColor(0, 0, 0, 60));
    p.translate(-2, -4);
    QLinearGradient g(0, y - S * 0.12, 0, y + S * 0.12);
    g.setColorAt(0, QColor(255, 170, 40));
    g.setColorAt(1, QColor(230, 100, 0));
    p.setPen(QPen(pal::kNavy, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(arrow);
    DrawEmoji(p, QRectF(S * 0.66, S * 0.56, 70, 70), "\U0001F4B0");
  });
}

QImage JailCorner() {
  constexpr int S = 400;
  return Render(S, S, [](QPainter& p) {
    CornerBase(p, S, QColor(255, 214, 150), QColor(246, 168, 90));
    // The cell in the inner corner; visitors pass along the outer edges.
    const QRectF cell(S * 0.3, S * 0.06, S * 0.64, S * 0.64);
    Panel(p, cell, 10, QColor(60, 70, 96), QColor(26, 32, 50), pal::kNavyDeep, 4);
    DrawEmoji(p, cell.adjusted(46, 56, -46, -26), "\U0001F61F");
    p.setPen(QPen(QColor(200, 206, 220), 9, Qt::SolidLine, Qt::RoundCap));
    for (int i = 1; i <= 5; ++i) {
      const double x = cell.left() + cell.width() * i / 6.0;
      p.drawLine(QPointF(x, cell.top() + 40), QPointF(x, cell.bottom() - 8));
    }
    p.setPen(QPen(QColor(160, 166, 180), 7));
    p.drawLine(QPointF(cell.left() + 8, cell.top() + 40),
               QPointF(cell.right() - 8, cell.top() + 40));
    OutlinedText(p, QRectF(cell.left(), cell.top() + 2, cell.width(), 38), "IN JAIL", Display(30),
                 pal::kGold, pal::kNavyDeep, 2, Qt::AlignCenter, false);
    OutlinedText(p, QRectF(0, S * 0.74, S, S * 0.2), "JUST VISITING", Display(44), Qt::white,
                 pal::kNavy, 3);
    DrawEmoji(p, QRectF(S * 0.05, S * 0.3, 90, 120), "\U0001F6B6");
  });
}

QImage ParkCorner() {
  constexpr int S = 400;
  return Render(S, S, [](QPainter& p) {
    CornerBase(p, S, QColor(170, 220, 250), QColor(120, 200, 110));
    p.setPen(Qt::NoPen);
    QLinearGradient lawn(0, S * 0.5, 0, S);
    lawn.setColorAt(0, QColor(120, 196, 96));
    lawn.setColorAt(1, QColor(70, 150, 70));
    p.setBrush(lawn);
    QPainterPath hill;
    hill.moveTo(0, S * 0.58);
    hill.cubicTo(S * 0.3, S * 0.48, S * 0.7, S * 0.62, S, S * 0.52);
    hill.lineTo(S, S);
    hill.lineTo(0, S);
    hill.closeSubpath();
    p.drawPath(hill);
    DrawSkyline(p, QRectF(0, S * 0.28, S, S * 0.28), 77, QColor(90, 120, 160, 120),
                QColor(255, 255, 255, 60), 0.5);
    p.drawPath(hill);
    DrawEmoji(p, QRectF(S * 0.04, S * 0.3, 130, 150), "\U0001F333");
    DrawEmoji(p, QRectF(S * 0.62, S * 0.26, 140, 160), "\U0001F333");
    DrawEmoji(p, QRectF(S * 0.36, S * 0.42, 120, 110), "\u26F2");
    OutlinedText(p, QRectF(0, S * 0.74, S, S * 0.2), "FREE PARK", Display(52), Qt::white,
                 QColor(30, 90, 40), 3);
    OutlinedText(p, QRectF(0, S * 0.06, S, S * 0.16), "REST & RELAX", Sans(28), pal::kNavy,
                 Qt::white, 2, Qt::AlignCenter, false);
  });
}

QImage GoToJailCorner() {
  constexpr int S = 400;
  return Render(S, S, [](QPainter& p) {
    CornerBase(p, S, QColor(120, 150, 210), QColor(40, 60, 120));
    QRadialGradient siren(QPointF(S * 0.5, S * 0.42), S * 0.5);
    siren.setColorAt(0, QColor(255, 80, 80, 120));
    siren.setColorAt(1, QColor(60, 100, 255, 0));
    p.fillRect(QRectF(0, 0, S, S), siren);
    DrawEmoji(p, QRectF(S * 0.26, S * 0.1, S * 0.48, S * 0.5), "\U0001F46E");
    DrawEmoji(p, QRectF(S * 0.06, S * 0.44, 120, 90), "\U0001F693");
    DrawEmoji(p, QRectF(S * 0.7, S * 0.46, 90, 80), "\U0001F6A8");
    OutlinedText(p, QRectF(0, S * 0.66, S, S * 0.14), "GO INTO", Display(48), Qt::white,
                 QColor(150, 20, 30), 3);
    OutlinedText(p, QRectF(0, S * 0.8, S, S * 0.14), "JAIL", Display(56), QColor(255, 220, 80),
                 QColor(150, 20, 30), 3);
  });
}

// --- Centre -----------------------------------------------------------------

void DeckCard(QPainter& p, QPointF centre, double angle, const QString& title, const QString& icon,
              const QColor& colour) {
  p.save();
  p.translate(centre);
  p.rotate(angle);
  const QRectF card(-95, -130, 190, 260);
  for (int i = 3; i >= 1; --i) {  // the deck under the top card
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(card.translated(i * 3, i * 4), 14, 14);
  }
  Panel(p, card, 14, colour.lighter(125), colour.darker(115), pal::kCream, 6);
  p.setPen(QPen(QColor(255, 255, 255, 140), 2, Qt::DashLine));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(card.adjusted(14, 14, -14, -14), 8, 8);
  DrawEmoji(p, QRectF(-52, -78, 104, 104), icon);
  OutlinedText(p, QRectF(-95, 40, 190, 60), title, Display(40), Qt::white, colour.darker(190), 2.5);
  p.restore();
}

QImage Centre() {
  constexpr int S = 1024;
  return Render(S, S, [](QPainter& p) {
    QLinearGradient sky(0, 0, 0, S);
    sky.setColorAt(0, QColor(24, 38, 76));
    sky.setColorAt(0.5, QColor(70, 104, 168));
    sky.setColorAt(0.78, QColor(236, 150, 120));
    sky.setColorAt(1, QColor(255, 200, 140));
    p.fillRect(QRectF(0, 0, S, S), sky);
    Stars(p, QRectF(0, 0, S, S * 0.45), 4242, 160);
    QRadialGradient glow(QPointF(S * 0.5, S * 0.5), S * 0.45);
    glow.setColorAt(0, QColor(255, 230, 170, 90));
    glow.setColorAt(1, QColor(255, 230, 170, 0));
    p.fillRect(QRectF(0, 0, S, S), glow);

    // Skyline: a far layer, landmarks, a near layer, the river.
    DrawSkyline(p, QRectF(0, S * 0.58, S, S * 0.24), 9001, QColor(80, 86, 140, 170),
                QColor(255, 226, 160, 120), 0.7);
    TowerStyle empire{QColor(70, 76, 118),
                      QColor(120, 126, 170),
                      QColor(255, 214, 130),
                      4,
                      0.5,
                      0.95,
                      0.0,
                      Crown::Spire,
                      true,
                      false};
    DrawTower(p, QRectF(S * 0.38, S * 0.36, S * 0.24, S * 0.5), empire);
    TowerStyle chrysler{QColor(86, 90, 126),
                        QColor(200, 204, 226),
                        QColor(255, 214, 130),
                        3,
                        0.45,
                        0.93,
                        0.0,
                        Crown::Arches,
                        true,
                        false};
    DrawTower(p, QRectF(S * 0.13, S * 0.42, S * 0.2, S * 0.44), chrysler);
    TowerStyle freedom{QColor(90, 110, 160),
                       QColor(200, 210, 230),
                       QColor(140, 180, 230),
                       1,
                       0.45,
                       0.97,
                       0.36,
                       Crown::Antenna,
                       false,
                       true};
    DrawTower(p, QRectF(S * 0.64, S * 0.36, S * 0.22, S * 0.5), freedom);
    DrawSkyline(p, QRectF(0, S * 0.68, S, S * 0.16), 31337, QColor(30, 36, 70),
                QColor(255, 210, 120, 200), 1.0);
    QLinearGradient river(0, S * 0.84, 0, S);
    river.setColorAt(0, QColor(40, 56, 100));
    river.setColorAt(1, QColor(26, 36, 70));
    p.fillRect(QRectF(0, S * 0.84, S, S * 0.16), river);
    Dice d(55);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 90; ++i) {
      p.setBrush(QColor(255, 214, 140, d.Int(40, 140)));
      p.drawRect(QRectF(d.Unit() * S, S * 0.85 + d.Unit() * S * 0.14, d.Range(8, 40), 2));
    }

    // The two decks flank the dice total, which is printed high in the middle.
    p.save();
    p.translate(S * 0.19, S * 0.2);
    p.scale(0.8, 0.8);
    DeckCard(p, QPointF(0, 0), -10, "LUCK", "\U0001F340", QColor(46, 160, 80));
    p.restore();
    p.save();
    p.translate(S * 0.81, S * 0.2);
    p.scale(0.8, 0.8);
    DeckCard(p, QPointF(0, 0), 10, "CHANCE", "\u2753", QColor(255, 128, 0));
    p.restore();

    // The title.
    const QRectF ribbon(S * 0.16, S * 0.5, S * 0.68, S * 0.095);
    Panel(p, ribbon, 26, QColor(230, 64, 60), QColor(170, 30, 40), pal::kGold, 5);
    OutlinedText(p, QRectF(0, S * 0.33, S, S * 0.2), "QUORBIS", Display(150), pal::kGold,
                 pal::kNavyDeep, 7);
    QFont sub = Display(58);
    sub.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    OutlinedText(p, ribbon, "OF NEW YORK", sub, pal::kCream, QColor(110, 10, 20), 2.5);
  });
}

}  // namespace

void MakeBoardPictures(const QString& map_dir, const Game& /*board*/) {
  SaveJpg(Centre(), map_dir + "center.jpg");
  SaveJpg(GoCorner(), map_dir + "rb.jpg");
  SaveJpg(JailCorner(), map_dir + "lb.jpg");
  SaveJpg(ParkCorner(), map_dir + "lt.jpg");
  SaveJpg(GoToJailCorner(), map_dir + "rt.jpg");
}

void MakeSquarePictures(const QString& image_dir, const Game& board) {
  for (int sq = 0; sq < kSquareCount; ++sq)
    SaveJpg(SquarePicture(sq, board), image_dir + QString::number(sq) + ".jpg");
}

}  // namespace artgen
