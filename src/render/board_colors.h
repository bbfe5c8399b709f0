// Colours of the board's drawing.
#pragma once

#include <QColor>

#include "state/game_state.h"

namespace quorbis {

inline QColor ToQColor(Rgb c) {
  return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

}  // namespace quorbis
