#include "render/api_font.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>

#include "render/board_geometry.h"

namespace quorbis {

QPoint CentredTextOrigin(int x1, int y1, int x2, int y2, int escapement, int cx, int cy) {
  int x = x1, y = y1;
  // The reference point is the top left of the unrotated text and turns with
  // it, so each quarter turn puts the text box on a different side of it.
  auto centre = [](int lo, int hi, int extent) { return (hi - lo - extent) / 2.0 + lo; };
  switch (escapement) {
    case 0:
      if (x2 != 0) x = NearestEven(centre(x1, x2, cx));
      if (y2 != 0) y = NearestEven(centre(y1, y2, cy));
      break;
    case 900:
      if (x2 != 0) x = NearestEven(centre(x1, x2, cy));
      if (y2 != 0) y = NearestEven(centre(y1, y2, cx) + cx);
      break;
    case 1800:
      if (x2 != 0) x = NearestEven(centre(x1, x2, cx) + cx);
      if (y2 != 0) y = NearestEven(centre(y1, y2, cy) + cy);
      break;
    case 2700:
      if (x2 != 0) x = NearestEven(centre(x1, x2, cy) + cy);
      if (y2 != 0) y = NearestEven(centre(y1, y2, cx));
      break;
    default:
      break;
  }
  return {x, y};
}

namespace {

// Pixel size per pixel of cell height for a face: a cell height names the
// whole line (ascent plus descent), while Qt sizes a font by its em.
double EmPerCell(const QFont& face) {
  static QHash<QString, double> cache;
  const QString key = face.family() + QString::number(face.weight()) +
                      (face.italic() ? QStringLiteral("i") : QString());
  auto it = cache.find(key);
  if (it != cache.end()) return *it;
  QFont probe(face);
  probe.setPixelSize(1000);
  const QFontMetricsF fm(probe);
  const double cell = fm.ascent() + fm.descent();
  const double ratio = cell > 0 ? 1000.0 / cell : 1.0;
  cache.insert(key, ratio);
  return ratio;
}

}  // namespace

QFont APIFont::MakeFont() const {
  QFont f(FaceName);
  if (Weight > 0) f.setWeight(static_cast<QFont::Weight>(qBound(100, Weight, 900)));
  f.setItalic(Italic);
  f.setUnderline(UnderLine);
  f.setStrikeOut(StrikeOut);
  f.setKerning(true);
  f.setHintingPreference(QFont::PreferVerticalHinting);
  const int cell = Height < 0 ? -Height : Height;
  f.setPixelSize(qMax(1, qRound((cell == 0 ? 16 : cell) * EmPerCell(f))));
  return f;
}

QSize APIFont::Measure(const QString& text) const {
  const QFontMetrics fm(MakeFont());
  return {fm.horizontalAdvance(text), fm.ascent() + fm.descent()};
}

void APIFont::FontOut(const QString& text, QPainter& o, int x, int y, int i, int h) {
  Escapement = i;
  Height = h;
  const QFont font = MakeFont();
  const QFontMetrics fm(font);
  o.save();
  o.setFont(font);
  o.translate(x, y);
  // Escapement turns counter-clockwise on screen; the painter turns clockwise.
  if (i != 0) o.rotate(-i / 10.0);
  o.drawText(0, fm.ascent(), text);
  o.restore();
}

QPoint APIFont::FontOutC(const QString& text, QPainter& o, int x1, int y1, int x2, int y2, int i,
                         int h) {
  Escapement = i;
  Height = h;
  const QSize size = Measure(text);
  const QPoint at = CentredTextOrigin(x1, y1, x2, y2, i, size.width(), size.height());
  FontOut(text, o, at.x(), at.y(), i, h);
  return at;
}

}  // namespace quorbis
