#include "render/api_font.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace quorbis {
namespace {

TEST(FontOutC, CentringFormulas) {
  struct Case {
    const char* name;
    int x1, y1, x2, y2, esc, cx, cy;
    QPoint want;
  };
  const Case cases[] = {
      {"no far bounds: written as given", 100, 50, 0, 0, 2700, 40, 12, {100, 50}},
      {"no far bounds, upright", 7, 9, 0, 0, 0, 40, 12, {7, 9}},
      {"upright, both axes", 0 + 10, 20, 110, 60, 0, 40, 12, {40, 34}},
      {"downwards: worked example", 100, 10, 60, 0, 2700, 50, 12, {86, 10}},
      {"downwards, along the square", 100, 10, 60, 110, 2700, 50, 12, {86, 35}},
      {"upwards", 10, 200, 50, 100, 900, 60, 14, {23, 180}},
      {"upside down", 10, 10, 110, 50, 1800, 40, 12, {80, 36}},
      {"an oblique escapement is not centred", 5, 6, 100, 100, 450, 40, 12, {5, 6}},
      {"halves go to the even neighbour", 0, 0, 41, 0, 0, 40, 12, {0, 0}},
      {"halves go to the even neighbour, up", 0, 0, 43, 0, 0, 40, 12, {2, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CentredTextOrigin(c.x1, c.y1, c.x2, c.y2, c.esc, c.cx, c.cy), c.want) << c.name;
  }
}

// The ink of the text drawn, as a box.
QRect InkBox(const QImage& img) {
  QRect box;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (qGray(img.pixel(x, y)) < 128) box = box.united(QRect(x, y, 1, 1));
  return box;
}

TEST(FontOutC, DrawnTextLiesCentredInItsSpan) {
  struct Case {
    const char* name;
    int esc;
  };
  for (const Case c : {Case{"upright", 0}, Case{"upwards", 900}, Case{"downwards", 2700},
                       Case{"upside down", 1800}}) {
    SCOPED_TRACE(c.name);
    QImage img(300, 300, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setPen(Qt::black);
    APIFont f;
    // The span is given in the unusual order (far bound first) on purpose.
    f.FontOutC(QStringLiteral("Empire State"), p, 250, 260, 50, 40, c.esc, 15);
    p.end();
    const QRect ink = InkBox(img);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.center().x(), 150, 3);
    EXPECT_NEAR(ink.center().y(), 150, 4);
    // Rotated a quarter turn, the text runs along y.
    if (c.esc == 900 || c.esc == 2700)
      EXPECT_GT(ink.height(), ink.width() * 3);
    else
      EXPECT_GT(ink.width(), ink.height() * 3);
  }
}

TEST(FontOutC, HeightIsTheCellHeight) {
  APIFont f;
  f.Height = 20;
  const QSize s = f.Measure(QStringLiteral("Hg"));
  EXPECT_NEAR(s.height(), 20, 1);
  f.Height = 11;
  EXPECT_NEAR(f.Measure(QStringLiteral("Hg")).height(), 11, 1);
}

TEST(FontOut, LeavesThePaintersFontAndTransformAsTheyWere) {
  QImage img(50, 50, QImage::Format_RGB32);
  QPainter p(&img);
  QFont before(QStringLiteral("DejaVu Sans"));
  before.setPixelSize(9);
  p.setFont(before);
  APIFont f;
  f.FontOut(QStringLiteral("x"), p, 10, 10, 900, 30);
  EXPECT_EQ(p.font(), before);
  EXPECT_TRUE(p.transform().isIdentity());
}

}  // namespace
}  // namespace quorbis
