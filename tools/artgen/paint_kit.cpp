#include "paint_kit.h"

#include <QFontMetricsF>
#include <QHash>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace artgen {

QFont Sans(double px, bool bold, bool italic) {
  QFont f(QStringLiteral("Liberation Sans"));
  f.setPixelSize(std::max(1, int(std::lround(px))));
  f.setBold(bold);
  f.setItalic(italic);
  return f;
}

QFont Display(double px) {
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(std::max(1, int(std::lround(px))));
  f.setWeight(QFont::Black);
  f.setBold(true);
  f.setStretch(QFont::SemiCondensed);
  return f;
}

QFont Serif(double px, bool bold, bool italic) {
  QFont f(QStringLiteral("DejaVu Serif"));
  f.setPixelSize(std::max(1, int(std::lround(px))));
  f.setBold(bold);
  f.setItalic(italic);
  return f;
}

QImage Render(int w, int h, const std::function<void(QPainter&)>& draw, int scale,
              bool transparent) {
  QImage big(w * scale, h * scale, QImage::Format_ARGB32_Premultiplied);
  big.fill(transparent ? QColor(Qt::transparent) : QColor(Qt::white));
  {
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);
    draw(p);
  }
  if (scale == 1) return big;
  return big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void SaveJpg(const QImage& img, const QString& path) {
  if (!img.convertToFormat(QImage::Format_RGB32).save(path, "JPG", 92))
    std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
}

void SavePng(const QImage& img, const QString& path) {
  if (!img.save(path, "PNG")) std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
}

namespace {

// Each emoji is rendered once at the font's native strike and trimmed.
const QImage& EmojiImage(const QString& emoji) {
  static QHash<QString, QImage> cache;
  auto it = cache.find(emoji);
  if (it != cache.end()) return *it;
  QImage img(320, 320, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  {
    QPainter p(&img);
    QFont f(QStringLiteral("Noto Color Emoji"));
    f.setPixelSize(200);
    p.setFont(f);
    p.drawText(img.rect(), Qt::AlignCenter, emoji);
  }
  int x0 = img.width(), y0 = img.height(), x1 = -1, y1 = -1;
  for (int y = 0; y < img.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    for (int x = 0; x < img.width(); ++x) {
      if (qAlpha(line[x]) > 8) {
        x0 = std::min(x0, x);
        x1 = std::max(x1, x);
        y0 = std::min(y0, y);
        y1 = std::max(y1, y);
      }
    }
  }
  if (x1 < 0) return *cache.insert(emoji, QImage());
  return *cache.insert(emoji, img.copy(x0, y0, x1 - x0 + 1, y1 - y0 + 1));
}

}  // namespace

void DrawEmoji(QPainter& p, const QRectF& box, const QString& emoji, double opacity) {
  const QImage& img = EmojiImage(emoji);
  if (img.isNull()) return;
  const double k = std::min(box.width() / img.width(), box.height() / img.height());
  const QSizeF size(img.width() * k, img.height() * k);
  const QRectF target(box.center().x() - size.width() / 2, box.center().y() - size.height() / 2,
                      size.width(), size.height());
  p.save();
  p.setOpacity(opacity);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(target, img);
  p.restore();
}

void FitText(QPainter& p, const QRectF& box, const QString& text, QFont font, const QColor& color,
             int flags) {
  double px = font.pixelSize();
  while (px > 6) {
    font.setPixelSize(int(px));
    const QRectF need = QFontMetricsF(font).boundingRect(box, flags | Qt::TextWordWrap, text);
    if (need.width() <= box.width() + 0.5 && need.height() <= box.height() + 0.5) break;
    px -= 1;
  }
  p.save();
  p.setFont(font);
  p.setPen(color);
  p.drawText(box, flags | Qt::TextWordWrap, text);
  p.restore();
}

void OutlinedText(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                  const QColor& fill, const QColor& outline, double outline_width, int flags,
                  bool shadow) {
  const QFontMetricsF fm(font);
  const double w = fm.horizontalAdvance(text);
  double x = box.left();
  if (flags & Qt::AlignHCenter) x = box.center().x() - w / 2;
  if (flags & Qt::AlignRight) x = box.right() - w;
  double y = box.top() + fm.ascent();
  if (flags & Qt::AlignVCenter) y = box.center().y() + (fm.ascent() - fm.descent()) / 2;
  if (flags & Qt::AlignBottom) y = box.bottom() - fm.descent();
  QPainterPath path;
  path.addText(x, y, font, text);
  p.save();
  if (shadow) {
    p.translate(outline_width * 0.6 + 1, outline_width * 0.8 + 1.5);
    p.fillPath(path, QColor(0, 0, 0, 90));
    p.strokePath(path, QPen(QColor(0, 0, 0, 90), outline_width * 2, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
    p.translate(-(outline_width * 0.6 + 1), -(outline_width * 0.8 + 1.5));
  }
  if (outline_width > 0)
    p.strokePath(path,
                 QPen(outline, outline_width * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.fillPath(path, fill);
  p.restore();
}

void VGradient(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.fillRect(r, g);
}

void DrawSkyline(QPainter& p, const QRectF& area, uint32_t seed, const QColor& body,
                 const QColor& window, double density) {
  Dice d(seed);
  double x = area.left() - d.Range(0, 20);
  p.save();
  p.setClipRect(area);
  while (x < area.right()) {
    const double w = d.Range(area.width() * 0.035, area.width() * 0.09);
    const double h = area.height() * d.Range(0.25, 1.0);
    const QRectF b(x, area.bottom() - h, w, h);
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawRect(b);
    const int roof = d.Int(0, 5);
    if (roof == 0) {  // a needle
      p.drawRect(QRectF(b.center().x() - w * 0.04, b.top() - h * 0.18, w * 0.08, h * 0.18));
    } else if (roof == 1) {  // a pointed cap
      QPainterPath cap;
      cap.moveTo(b.left(), b.top());
      cap.lineTo(b.center().x(), b.top() - w * 0.7);
      cap.lineTo(b.right(), b.top());
      p.drawPath(cap);
    } else if (roof == 2) {  // a setback
      p.drawRect(QRectF(b.left() + w * 0.2, b.top() - h * 0.1, w * 0.6, h * 0.1));
    }
    // Windows: a few rows lit at random.
    const double cell = std::max(3.0, w / 7.0);
    for (double wy = b.top() + cell; wy < b.bottom() - cell; wy += cell * 1.6) {
      for (double wx = b.left() + cell * 0.8; wx < b.right() - cell; wx += cell * 1.5) {
        if (d.Unit() < 0.45 * density) {
          QColor c = window;
          c.setAlphaF(d.Range(0.45, 1.0) * window.alphaF());
          p.fillRect(QRectF(wx, wy, cell * 0.7, cell * 0.8), c);
        }
      }
    }
    x += w + d.Range(-w * 0.15, w * 0.25);
  }
  p.restore();
}

namespace {

void TowerWindows(QPainter& p, const QRectF& r, const TowerStyle& s, Dice& d) {
  if (s.glass_curtain) {
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, s.glass.lighter(150));
    g.setColorAt(0.45, s.glass);
    g.setColorAt(1, s.glass.darker(150));
    p.fillRect(r.adjusted(r.width() * 0.06, 0, -r.width() * 0.06, 0), g);
    // Reflections.
    p.save();
    p.setClipRect(r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 45));
    for (int i = 0; i < 3; ++i) {
      const double off = r.height() * (0.15 + 0.3 * i);
      QPainterPath band;
      band.moveTo(r.left(), r.top() + off);
      band.lineTo(r.right(), r.top() + off - r.width() * 0.8);
      band.lineTo(r.right(), r.top() + off - r.width() * 0.8 + r.height() * 0.06);
      band.lineTo(r.left(), r.top() + off + r.height() * 0.06);
      p.drawPath(band);
    }
    p.restore();
    p.setPen(QPen(QColor(255, 255, 255, 60), std::max(0.5, r.width() / 60)));
    for (double y = r.top() + r.height() / 24; y < r.bottom(); y += r.height() / 24)
      p.drawLine(QPointF(r.left() + r.width() * 0.06, y), QPointF(r.right() - r.width() * 0.06, y));
    return;
  }
  const int cols = std::max(3, int(r.width() / 9));
  const double cw = r.width() / (cols + 1);
  const double rh = std::max(4.0, cw * 1.3);
  for (double y = r.top() + rh * 0.5; y < r.bottom() - rh * 0.6; y += rh) {
    for (int c = 0; c < cols; ++c) {
      const double x = r.left() + cw * 0.5 + c * cw + cw * 0.15;
      QColor win = s.glass;
      if (d.Unit() < 0.22) win = QColor(255, 220, 130);
      if (s.vertical_lines)
        p.fillRect(QRectF(x, y, cw * 0.5, rh * 0.92), win);
      else
        p.fillRect(QRectF(x, y + rh * 0.15, cw * 0.6, rh * 0.55), win);
    }
  }
}

}  // namespace

void DrawTower(QPainter& p, const QRectF& space, const TowerStyle& s) {
  Dice d(uint32_t(s.facade.rgb() ^ (s.tiers * 977) ^ int(s.width * 1000)));
  const double ground = space.bottom();
  const double full_w = space.width() * s.width;
  const double full_h = space.height() * s.height;
  const bool has_crown = s.crown != Crown::Flat && s.crown != Crown::Slant;
  const bool tall_crown = s.crown == Crown::Spire || s.crown == Crown::Arches ||
                          s.crown == Crown::Antenna || s.crown == Crown::Gothic;
  const double body_h = full_h * (has_crown ? (tall_crown ? 0.7 : 0.8) : 1.0);
  const double cx = space.center().x();

  // Tier heights: a tall base and shorter setbacks above it.
  std::vector<double> heights;
  if (s.tiers <= 1) {
    heights.push_back(body_h);
  } else {
    const double base = body_h * 0.55;
    heights.push_back(base);
    for (int i = 1; i < s.tiers; ++i) heights.push_back((body_h - base) / (s.tiers - 1));
  }
  double y = ground;
  double w = full_w;
  QRectF top_rect;
  for (size_t i = 0; i < heights.size(); ++i) {
    const double h = heights[i];
    const double top_w = w * (1.0 - s.taper);
    QPainterPath tier;
    tier.moveTo(cx - w / 2, y);
    tier.lineTo(cx - top_w / 2, y - h);
    tier.lineTo(cx + top_w / 2, y - h);
    tier.lineTo(cx + w / 2, y);
    tier.closeSubpath();
    QLinearGradient g(QPointF(cx - w / 2, 0), QPointF(cx + w / 2, 0));
    g.setColorAt(0, s.facade.lighter(118));
    g.setColorAt(0.62, s.facade);
    g.setColorAt(0.63, s.facade.darker(135));
    g.setColorAt(1, s.facade.darker(160));
    p.setPen(QPen(s.facade.darker(220), std::max(0.6, w / 90)));
    p.setBrush(g);
    p.drawPath(tier);
    p.save();
    p.setClipPath(tier);
    const QRectF wr(cx - w / 2 + w * 0.06, y - h + 3, w * 0.88, h - 5);
    TowerWindows(p, wr, s, d);
    if (s.vertical_lines) {
      p.setPen(QPen(s.trim, std::max(0.8, w / 40)));
      for (double x = cx - w / 2 + w / 8; x < cx + w / 2; x += w / 8)
        p.drawLine(QPointF(x, y), QPointF(x, y - h));
    }
    p.restore();
    // A cornice line at each setback.
    p.setPen(QPen(s.trim, std::max(1.0, h / 60)));
    p.drawLine(QPointF(cx - top_w / 2, y - h), QPointF(cx + top_w / 2, y - h));
    top_rect = QRectF(cx - top_w / 2, y - h, top_w, h);
    y -= h;
    w = top_w * (s.tiers > 1 ? 0.78 : 1.0);
  }

  const double tw = top_rect.width();
  const double crown_h = full_h - body_h;
  const double ty = top_rect.top();
  p.setPen(QPen(s.trim.darker(170), std::max(0.6, tw / 70)));
  switch (s.crown) {
    case Crown::Flat:
      break;
    case Crown::Slant: {
      QPainterPath cut;
      cut.moveTo(cx - tw / 2, ty);
      cut.lineTo(cx + tw / 2, ty - tw * 0.6);
      cut.lineTo(cx + tw / 2, ty);
      cut.closeSubpath();
      p.setBrush(s.trim);
      p.drawPath(cut);
      break;
    }
    case Crown::Spire: {
      // A stepped base and a long needle.
      p.setBrush(s.facade);
      p.drawRect(QRectF(cx - tw * 0.3, ty - crown_h * 0.18, tw * 0.6, crown_h * 0.18));
      p.drawRect(QRectF(cx - tw * 0.17, ty - crown_h * 0.34, tw * 0.34, crown_h * 0.16));
      p.setBrush(s.trim);
      QPainterPath needle;
      needle.moveTo(cx - tw * 0.08, ty - crown_h * 0.34);
      needle.lineTo(cx, ty - crown_h);
      needle.lineTo(cx + tw * 0.08, ty - crown_h * 0.34);
      needle.closeSubpath();
      p.drawPath(needle);
      break;
    }
    case Crown::Antenna:
      p.setBrush(s.trim);
      p.drawRect(QRectF(cx - tw * 0.035, ty - crown_h, tw * 0.07, crown_h));
      p.setBrush(QColor(255, 80, 60));
      p.drawEllipse(QPointF(cx, ty - crown_h), tw * 0.05, tw * 0.05);
      break;
    case Crown::Dome: {
      QRadialGradient g(QPointF(cx - tw * 0.15, ty - crown_h * 0.5), tw * 0.6);
      g.setColorAt(0, s.trim.lighter(140));
      g.setColorAt(1, s.trim.darker(130));
      p.setBrush(g);
      p.drawChord(QRectF(cx - tw * 0.45, ty - crown_h * 0.7, tw * 0.9, crown_h * 1.4), 0, 180 * 16);
      p.drawRect(QRectF(cx - tw * 0.03, ty - crown_h, tw * 0.06, crown_h * 0.32));
      break;
    }
    case Crown::Pyramid: {
      QPainterPath roof;
      roof.moveTo(cx - tw / 2, ty);
      roof.lineTo(cx, ty - crown_h * 0.8);
      roof.lineTo(cx + tw / 2, ty);
      roof.closeSubpath();
      QLinearGradient g(QPointF(cx - tw / 2, 0), QPointF(cx + tw / 2, 0));
      g.setColorAt(0, s.trim.lighter(130));
      g.setColorAt(0.5, s.trim);
      g.setColorAt(0.51, s.trim.darker(130));
      g.setColorAt(1, s.trim.darker(150));
      p.setBrush(g);
      p.drawPath(roof);
      p.drawRect(QRectF(cx - tw * 0.025, ty - crown_h, tw * 0.05, crown_h * 0.22));
      break;
    }
    case Crown::Arches: {
      // Stacked sunburst arches with triangle windows, then a needle.
      double aw = tw;
      double ay = ty;
      const double step = crown_h * 0.16;
      for (int i = 0; i < 4; ++i) {
        const QRectF arch(cx - aw / 2, ay - step * 1.6, aw, step * 3.2);
        QLinearGradient g(arch.topLeft(), arch.topRight());
        g.setColorAt(0, s.trim.lighter(150));
        g.setColorAt(0.5, s.trim);
        g.setColorAt(1, s.trim.darker(140));
        p.setBrush(g);
        p.drawChord(arch, 0, 180 * 16);
        p.setBrush(QColor(40, 40, 60));
        for (int k = 0; k < 5; ++k) {
          const double a = M_PI * (0.15 + 0.175 * k);
          const QPointF c(cx - std::cos(a) * aw * 0.33, ay - std::sin(a) * step * 1.1);
          QPainterPath tri;
          tri.moveTo(c + QPointF(-aw * 0.03, step * 0.25));
          tri.lineTo(c + QPointF(0, -step * 0.35));
          tri.lineTo(c + QPointF(aw * 0.03, step * 0.25));
          tri.closeSubpath();
          p.drawPath(tri);
        }
        ay -= step;
        aw *= 0.76;
      }
      p.setBrush(s.trim.lighter(130));
      QPainterPath needle;
      needle.moveTo(cx - tw * 0.05, ay - step);
      needle.lineTo(cx, ty - crown_h);
      needle.lineTo(cx + tw * 0.05, ay - step);
      needle.closeSubpath();
      p.drawPath(needle);
      break;
    }
    case Crown::Gothic: {
      QPainterPath roof;
      roof.moveTo(cx - tw * 0.42, ty);
      roof.lineTo(cx, ty - crown_h * 0.85);
      roof.lineTo(cx + tw * 0.42, ty);
      roof.closeSubpath();
      p.setBrush(s.trim);
      p.drawPath(roof);
      for (double fx : {-0.5, -0.17, 0.17, 0.5}) {
        QPainterPath pin;
        const double px = cx + fx * tw * 0.92;
        pin.moveTo(px - tw * 0.05, ty);
        pin.lineTo(px, ty - crown_h * 0.4);
        pin.lineTo(px + tw * 0.05, ty);
        pin.closeSubpath();
        p.setBrush(s.facade.lighter(110));
        p.drawPath(pin);
      }
      p.drawLine(QPointF(cx, ty - crown_h * 0.85), QPointF(cx, ty - crown_h));
      break;
    }
    case Crown::Lantern: {
      p.setBrush(s.glass.lighter(140));
      p.drawRect(QRectF(cx - tw * 0.22, ty - crown_h * 0.3, tw * 0.44, crown_h * 0.3));
      QPainterPath cap;
      cap.moveTo(cx - tw * 0.26, ty - crown_h * 0.3);
      cap.lineTo(cx, ty - crown_h);
      cap.lineTo(cx + tw * 0.26, ty - crown_h * 0.3);
      cap.closeSubpath();
      p.setBrush(s.trim);
      p.drawPath(cap);
      break;
    }
  }
}

void Panel(QPainter& p, const QRectF& r, double radius, const QColor& top, const QColor& bottom,
           const QColor& border, double border_width) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 60));
  p.drawRoundedRect(r.translated(0, 2.5), radius, radius);
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.setBrush(g);
  p.setPen(border_width > 0 ? QPen(border, border_width) : QPen(Qt::NoPen));
  const double inset = border_width / 2;
  p.drawRoundedRect(r.adjusted(inset, inset, -inset, -inset), radius, radius);
  // A gloss line along the top.
  p.setPen(QPen(QColor(255, 255, 255, 90), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(
      r.adjusted(border_width + 1, border_width + 1, -border_width - 1, -border_width - 1),
      std::max(0.0, radius - border_width - 1), std::max(0.0, radius - border_width - 1));
  p.restore();
}

}  // namespace artgen
