// The generators of each family of pictures. Each writes its files under the
// output folder given (which holds "maps/new york/" and "appdata/").
#pragma once

#include <QColor>
#include <QString>

#include "state/game_state.h"

namespace artgen {

void MakeBoardPictures(const QString& map_dir, const quorbis::Game& board);
void MakeSquarePictures(const QString& image_dir, const quorbis::Game& board);
void MakeSprites(const QString& map_dir);
void MakePortraits(const QString& app_dir);
void MakeTitlePictures(const QString& app_dir);
void MakeGamePictures(const QString& app_dir, const quorbis::Game& board);
void MakeDialogPictures(const QString& app_dir);

// The colour of a colour group (1..6) on cards and icons: the board's band
// colours, softened for pictures.
QColor GroupColor(int group);

}  // namespace artgen
