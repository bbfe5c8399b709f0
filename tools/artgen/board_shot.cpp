// quorbis-board-shot: lays out and draws the board offscreen and writes it as
// a picture, for the README, visual checks and tests.
//
//   quorbis-board-shot --size WxH --out FILE.png [--example] [--maps DIR]
//
// The picture is the board as the main window shows it: the board picture
// placed in a client area of W x H with the in-game backdrop around it. The
// board's pictures are read from DIR (default: "maps/new york/" beside this
// program).
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "render/board_renderer.h"
#include "render/example_board.h"

using namespace quorbis;

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  int w = 1024, h = 768;
  QString out;
  bool example = false;
  QString maps = QCoreApplication::applicationDirPath() + "/maps/new york/";
  const QStringList args = app.arguments();
  for (int i = 1; i < args.size(); ++i) {
    const QString& a = args[i];
    if (a == "--size" && i + 1 < args.size()) {
      const QStringList wh = args[++i].split('x');
      if (wh.size() == 2) {
        w = wh[0].toInt();
        h = wh[1].toInt();
      }
    } else if (a == "--out" && i + 1 < args.size()) {
      out = args[++i];
    } else if (a == "--maps" && i + 1 < args.size()) {
      maps = args[++i];
      if (!maps.endsWith('/')) maps += '/';
    } else if (a == "--example") {
      example = true;
    } else {
      std::fprintf(stderr, "usage: quorbis-board-shot --size WxH --out FILE.png [--example]\n");
      return 2;
    }
  }
  if (out.isEmpty()) {
    std::fprintf(stderr, "quorbis-board-shot: --out FILE.png is needed\n");
    return 2;
  }

  auto game = std::make_unique<Game>();
  Game& g = *game;
  if (example)
    MakeExampleGame(g);
  else
    MakeFreshBoard(g, 4);

  BoardRenderer r(maps.toStdString());
  if (!LayOutBoard(g, r, w, h)) {
    std::fprintf(stderr, "quorbis-board-shot: %dx%d is below the smallest board (%dx%d)\n", w, h,
                 kMinClientWidth, kMinClientHeight);
    return 1;
  }
  r.UpdateMap(g);
  r.DrawPlayer(g, -1);
  r.ExchangePic(g, g.CurPlayer);
  if (example) r.DrawDice(9);

  QImage shot(w, h, QImage::Format_RGB32);
  shot.fill(QColor(90, 131, 187));
  QPainter p(&shot);
  const QImage backdrop(QCoreApplication::applicationDirPath() + "/appdata/backdrop.jpg");
  if (!backdrop.isNull())
    p.drawImage(QRect(0, 0, w, h),
                backdrop.scaled(w, h, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation));
  const BoardGeometry& geo = r.geometry();
  p.drawImage(geo.MapLeft, geo.MapTop, r.Map());
  p.end();
  if (!shot.save(out)) {
    std::fprintf(stderr, "quorbis-board-shot: cannot write %s\n", qPrintable(out));
    return 1;
  }
  return 0;
}
