// The property action dialog's logic: its texts, which buttons it offers,
// and its Click, which carries out the choice and hands the turn on.
#pragma once

#include <string>

#include "state/game_state.h"

namespace quorbis {

// Button indices of the property dialog.
enum PropertyAction { kActBuy = 0, kActCancel = 1, kActPayRent = 2, kActTakeover = 3 };

struct PropertyButton {
  bool visible = false;
  bool enabled = false;
};
struct PropertyDialogState {
  std::string owner;      // "Owner: " CR LF name
  std::string full_name;  // trimmed full name
  std::string price;      // "Price: $" and the price
  std::string detail;     // the detail text (shared with the hover card)
  std::string pay_caption = "&Pay Rent";
  PropertyButton buttons[4];
};

// The detail text of a property square by its trust type.
std::string DetailText(const Game& g, int square);
// The dialog's contents for `square` as seen by the current player.
PropertyDialogState PropertyDialogFor(const Game& g, int square);
// A person's click on button `action`.
void PropertyClick(Game& g, int action);

}  // namespace quorbis
