#include "art.h"
#include "paint_kit.h"

namespace artgen {
void MakePortraits(const QString&) {}
void MakeTitlePictures(const QString&) {}
void MakeGamePictures(const QString&, const quorbis::Game&) {}
void MakeDialogPictures(const QString&) {}
}  // namespace artgen
