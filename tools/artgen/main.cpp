// quorbis-artgen OUT_DIR: draws every picture of the game into OUT_DIR
// ("maps/new york/" and "appdata/"). Deterministic and offscreen.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <memory>

#include "art.h"
#include "state/board.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: quorbis-artgen OUT_DIR\n");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  const QString map_dir = out + "/maps/new york/";
  const QString image_dir = map_dir + "image/";
  const QString app_dir = out + "/appdata/";
  for (const QString& d : {image_dir, app_dir}) QDir().mkpath(d);

  auto board = std::make_unique<quorbis::Game>();
  quorbis::InitBoard(*board);
  quorbis::FormatSquarePrices(*board);

  artgen::MakeSprites(map_dir);
  artgen::MakeBoardPictures(map_dir, *board);
  artgen::MakeSquarePictures(image_dir, *board);
  artgen::MakePortraits(app_dir);
  artgen::MakeTitlePictures(app_dir);
  artgen::MakeGamePictures(app_dir, *board);
  artgen::MakeDialogPictures(app_dir);
  return 0;
}
