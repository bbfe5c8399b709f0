// The small square icons (22 x 24) of the enlarged player panel and of the
// asset dialog's card grid.
#pragma once

#include <QPixmap>
#include <array>

#include "state/game_state.h"

namespace quorbis::ui {

// Where each ownable square's icon sits in a two-block grid of five rows:
// colour groups on the left (one row per group), trusts and utilities on the
// right, the orange group at the top right.
struct GridCell {
  int square;
  int row;     // 0..4
  int column;  // 0..3 within its block
  bool right;  // right-hand block
};
const std::array<GridCell, 36>& AssetGrid();

// Icon of a colour group's building (group 1..6); index 1 mortgaged, 0, 3,
// 4, 5 owned with that star class.
QPixmap GroupIcon(int group, int index);
// A mortgaged trust member or utility.
QPixmap TrustMortgagedIcon();
// Square n owned and not mortgaged; 0 owned by someone else; 48 not owned.
QPixmap OwnIcon(int n);

// The icon of square n in the enlarged panel of player p.
QPixmap PanelIcon(const Game& g, int n, int p);
// The card of square n in the asset dialog in `mode` for the current player.
QPixmap ManageIcon(const Game& g, int n, int mode, bool eligible);

}  // namespace quorbis::ui
