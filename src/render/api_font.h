// Text output with a logical font of its own: any cell height, any quarter-turn
// rotation, and centring of the rotated text box inside a span. The board's
// square labels are written through it.
#pragma once

#include <QFont>
#include <QPoint>
#include <QSize>
#include <QString>

class QPainter;

namespace quorbis {

// Faces that stand in for the classic Windows faces the board was designed with.
inline const QString kArialFace = QStringLiteral("Liberation Sans");
inline const QString kTahomaFace = QStringLiteral("DejaVu Sans");

// The reference point at which FontOutC writes a text whose unrotated box is
// cx x cy, so that the rotated box lies centred between x1 and x2 (when x2 is
// not 0) and between y1 and y2 (when y2 is not 0). Escapements other than 0,
// 900, 1800 and 2700 are not centred.
QPoint CentredTextOrigin(int x1, int y1, int x2, int y2, int escapement, int cx, int cy);

class APIFont {
 public:
  // The font description. Height is the cell height in pixels (ascent plus
  // descent), Escapement tenths of a degree counter-clockwise, Weight 0 the
  // face's normal weight (700 bold, as the classic weights go).
  int Height = 16;
  int Width = 0;
  int Escapement = 0;
  int Weight = 0;
  bool Italic = false;
  bool UnderLine = false;
  bool StrikeOut = false;
  QString FaceName = kArialFace;

  // The font the description stands for, sized so that its cell height is
  // Height pixels.
  QFont MakeFont() const;

  // Unrotated size of `text` in the current description: width cx, cell height cy.
  QSize Measure(const QString& text) const;

  // Writes `text` with its reference point (the top left of the unrotated text)
  // at (x, y), rotated by escapement `i`, cell height `h`, in the painter's pen
  // colour. The painter's own font and transform are left as they were.
  void FontOut(const QString& text, QPainter& o, int x, int y, int i, int h);

  // As FontOut, centred between x1 and x2 and between y1 and y2 (0 as a far
  // bound leaves that axis uncentred). Returns the reference point used.
  QPoint FontOutC(const QString& text, QPainter& o, int x1, int y1, int x2, int y2, int i, int h);
};

}  // namespace quorbis
