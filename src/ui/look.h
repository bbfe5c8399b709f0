// The game's look in one place: fonts, colours, and the pictures read from
// "appdata/" and "maps/new york/" with a plain drawing when one is missing.
#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>

#include "state/game_state.h"

namespace quorbis::ui {

// Liberation Sans stands in for Arial and DejaVu Sans for Tahoma. Sizes are
// the classic point sizes at 96 dots per inch, set in pixels so that every
// screen lays the windows out alike.
QFont Arial(double points, bool bold = false);
QFont Tahoma(double points, bool bold = false);

inline const QColor kBackdrop{90, 131, 187};
inline const QColor kPanelColor{124, 173, 203};
inline const QColor kPanelBorder{255, 128, 0};
inline const QColor kHelpColor{209, 234, 219};
inline const QColor kDialogColor{38, 58, 96};
inline const QColor kCardColor{246, 240, 222};
inline const QColor kButtonText{255, 255, 255};

QColor ToColor(Rgb c);

// The folders the pictures come from (set once at start-up).
void SetPictureRoot(const QString& app_path);
QString PictureRoot();

// A picture relative to the program folder ("appdata/1.jpg"); null when the
// file is missing or unreadable. Loaded once and kept.
QPixmap Picture(const QString& relative);
// Drops every kept picture (tests that add or remove files).
void ForgetPictures();

// Portrait 0..11 ("appdata/1.jpg" ... "appdata/12.jpg"), or a plain drawing.
QPixmap Portrait(int icon);
// The picture of a property square ("maps/new york/image/N.jpg"); null when
// missing, so that callers leave the picture area blank.
QPixmap SquarePicture(int square);

// Pixels from the twips of the window layouts (15 to the pixel).
constexpr int Px(int twips) {
  return twips / 15;
}

}  // namespace quorbis::ui
