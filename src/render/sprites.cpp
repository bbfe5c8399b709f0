#include "render/sprites.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "render/api_font.h"

namespace quorbis {

namespace {

constexpr QRgb kKey = 0xFFFF00FF;

// Sprites are drawn four times larger and scaled down, for clean soft edges.
constexpr int kOver = 4;

QImage Canvas(int w, int h) {
  QImage img(w * kOver, h * kOver, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  return img;
}

QImage Shrink(const QImage& big, int w, int h) {
  return KeySprite(big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

QPainterPath StarPath(QPointF centre, double outer, double inner, int points = 5) {
  QPainterPath path;
  for (int i = 0; i < 2 * points; ++i) {
    const double r = (i % 2 == 0) ? outer : inner;
    const double a = -M_PI / 2 + i * M_PI / points;
    const QPointF p(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
    if (i == 0)
      path.moveTo(p);
    else
      path.lineTo(p);
  }
  path.closeSubpath();
  return path;
}

// The round badge every mark sits on: the same opaque disc for every mark, so
// a new mark stamped over an old one covers it completely.
void Badge(QPainter& p, QColor face, QColor rim) {
  const QRectF disc(1.2 * kOver, 1.2 * kOver, 29.6 * kOver, 29.6 * kOver);
  QRadialGradient g(disc.center() - QPointF(4 * kOver, 5 * kOver), 18 * kOver);
  g.setColorAt(0, face.lighter(150));
  g.setColorAt(1, face);
  p.setPen(QPen(rim, 2.4 * kOver));
  p.setBrush(g);
  p.drawEllipse(disc);
  p.setPen(QPen(QColor(0, 0, 0, 120), 0.8 * kOver));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(disc.adjusted(-0.9 * kOver, -0.9 * kOver, 0.9 * kOver, 0.9 * kOver));
}

}  // namespace

QColor PlayerColor(int color_index) {
  static const QColor colors[kPlayerColorCount] = {
      QColor(255, 0, 0),   QColor(0, 192, 0), QColor(0, 0, 255),
      QColor(255, 128, 0), QColor(0, 0, 0),   QColor(255, 0, 255),
  };
  if (color_index < 0 || color_index >= kPlayerColorCount) return QColor(128, 128, 128);
  return colors[color_index];
}

QImage KeySprite(const QImage& drawing) {
  QImage out = drawing.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      const QRgb px = line[x];
      if (qAlpha(px) == 0)
        line[x] = qRgba(255, 0, 255, 0);
      else if ((px & 0xFFFFFF) == (kKey & 0xFFFFFF))
        line[x] = qRgba(254, 0, 254, qAlpha(px));
    }
  }
  return out;
}

QImage MakeTokenSprite(int color_index) {
  const QColor base = PlayerColor(color_index);
  // Black and very dark colours get a lifted body so the shading still reads.
  const bool dark = base.lightness() < 40;
  const QColor body = dark ? QColor(46, 48, 56) : base;
  const QColor outline = dark ? QColor(0, 0, 0) : base.darker(260);

  QImage big = Canvas(26, 48);
  QPainter p(&big);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(kOver, kOver);

  // Soft shadow under the base.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawEllipse(QRectF(2.5, 42.5, 21, 5));

  // Body: a pawn of head, collar and flared foot, shaded like a turned piece.
  QPainterPath foot;
  foot.moveTo(9.5, 22);
  foot.cubicTo(9.5, 30, 5, 36, 3, 40.5);
  foot.quadTo(13, 45.5, 23, 40.5);
  foot.cubicTo(21, 36, 16.5, 30, 16.5, 22);
  foot.closeSubpath();
  QPainterPath base_disc;
  base_disc.addEllipse(QRectF(2, 37.5, 22, 7.5));
  QPainterPath collar;
  collar.addRoundedRect(QRectF(6.5, 19.5, 13, 4.2), 2, 2);
  QPainterPath head;
  head.addEllipse(QRectF(5.5, 3.5, 15, 15));
  QPainterPath whole = foot.united(base_disc).united(collar).united(head);

  QLinearGradient shade(2, 0, 24, 0);
  shade.setColorAt(0.0, body.darker(135));
  shade.setColorAt(0.32, body.lighter(dark ? 210 : 135));
  shade.setColorAt(0.55, body);
  shade.setColorAt(1.0, body.darker(190));
  p.setBrush(shade);
  p.setPen(QPen(outline, 1.1));
  p.drawPath(whole);

  // Head: a sphere with its own light.
  QRadialGradient sphere(QPointF(10.5, 8), 11);
  sphere.setColorAt(0, body.lighter(dark ? 260 : 165));
  sphere.setColorAt(0.45, body);
  sphere.setColorAt(1, body.darker(170));
  p.setBrush(sphere);
  p.drawEllipse(QRectF(5.5, 3.5, 15, 15));

  // Collar ring and base rim catch the light.
  p.setPen(QPen(QColor(255, 255, 255, 110), 0.8));
  p.setBrush(Qt::NoBrush);
  p.drawLine(QPointF(8, 20.6), QPointF(18, 20.6));
  p.drawArc(QRectF(3.2, 38.3, 19.6, 5.6), 200 * 16, 140 * 16);

  // Specular highlights.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 200));
  p.drawEllipse(QRectF(8.6, 6.2, 4.2, 3.2));
  p.setBrush(QColor(255, 255, 255, 70));
  p.drawRoundedRect(QRectF(8.4, 26, 2.2, 11), 1.1, 1.1);
  p.end();
  return Shrink(big, 26, 48);
}

QImage MakeStarMark(int star_class) {
  QImage big = Canvas(32, 32);
  QPainter p(&big);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QColor navy(27, 42, 71), gold(255, 201, 60);
  Badge(p, navy, gold);
  const QPointF centre(16 * kOver, 16 * kOver);
  if (star_class >= 3) {
    QRadialGradient g(centre - QPointF(3 * kOver, 4 * kOver), 14 * kOver);
    g.setColorAt(0, QColor(255, 240, 170));
    g.setColorAt(1, gold.darker(115));
    p.setBrush(g);
    p.setPen(QPen(QColor(120, 70, 0), 0.9 * kOver));
    p.drawPath(StarPath(centre + QPointF(0, 0.8 * kOver), 13.4 * kOver, 6.4 * kOver));
    QFont f(kArialFace);
    f.setBold(true);
    f.setPixelSize(12 * kOver);
    p.setFont(f);
    p.setPen(navy);
    p.drawText(QRectF(0, 2.4 * kOver, 32 * kOver, 28 * kOver), Qt::AlignCenter,
               QString::number(star_class));
  } else {
    // Owned, not yet upgraded: a little house.
    QPainterPath house;
    house.moveTo(16, 7.5);
    house.lineTo(25, 15.5);
    house.lineTo(22.5, 15.5);
    house.lineTo(22.5, 24);
    house.lineTo(9.5, 24);
    house.lineTo(9.5, 15.5);
    house.lineTo(7, 15.5);
    house.closeSubpath();
    p.scale(kOver, kOver);
    p.setPen(QPen(QColor(120, 70, 0), 0.8));
    p.setBrush(QColor(255, 246, 224));
    p.drawPath(house);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 128, 0));
    p.drawRect(QRectF(14.2, 18.5, 3.6, 5.5));
  }
  p.end();
  return Shrink(big, 32, 32);
}

QImage MakeMortgageMark() {
  QImage big = Canvas(32, 32);
  QPainter p(&big);
  p.setRenderHint(QPainter::Antialiasing);
  Badge(p, QColor(196, 30, 40), QColor(255, 246, 224));
  p.scale(kOver, kOver);
  // A padlock: the square is pledged to the bank.
  p.setPen(QPen(QColor(255, 246, 224), 2.6, Qt::SolidLine, Qt::FlatCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(11, 7.5, 10, 11), 0, 180 * 16);
  p.drawLine(QPointF(11, 13), QPointF(11, 15.5));
  p.drawLine(QPointF(21, 13), QPointF(21, 15.5));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 246, 224));
  p.drawRoundedRect(QRectF(8.5, 14.5, 15, 11), 2, 2);
  p.setBrush(QColor(150, 20, 30));
  p.drawEllipse(QRectF(14.6, 17, 2.8, 2.8));
  p.drawRect(QRectF(15.3, 19, 1.4, 4));
  p.end();
  return Shrink(big, 32, 32);
}

}  // namespace quorbis
