// The asset dialog's rules: which cards a mode offers and how they look, the
// texts, the clicks that sell, mortgage, unmortgage and upgrade, "&Done", and
// giving up a loan repayment. The window draws what these say and calls the
// clicks; the dialog acts for the player who opened it and no one else.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "state/game_state.h"

namespace quorbis {

// Opens the asset dialog for the current player in `mode` (a DisposeKind):
// modeless from the action bar, modal for a loan repayment (returns when it
// has closed). Opening it while it is open for the same player reloads it in
// the new mode. A bankrupt player gets no dialog. A property dialog that is
// open is hidden and comes back when this one closes.
void OpenManageDialog(Game& g, int mode, bool modal);
// Whether square k's card can be clicked in `mode` for the dialog's player.
bool ManageCardEnabled(const Game& g, int k, int mode);
// A click on square k's card, in the mode in force now. The square is
// checked again (his, the mortgage state the mode needs, upgradable);
// a click that fails those checks does nothing. Too little cash for an
// unmortgage or upgrade is refused with a tip.
void ManageCardClick(Game& g, int k);
// "&Done": refused with a tip while a loan repayment is still short;
// otherwise closes the dialog and, when it settled a debt, resumes the turn.
void ManageDone(Game& g);
// Whether the dialog offers its player the way out of a loan repayment he
// cannot raise: the modal dialog while his cash is below 0.
bool ManageGiveUpOffered(const Game& g);
// Giving up there: the dialog closes and the player goes bankrupt to the
// bank; the bank visit and the move that led to it then end.
void ManageGiveUp(Game& g);
// Whether the dialog may switch between selling and mortgaging itself: the
// modal dialog of a loan repayment, which the action bar cannot reach.
bool ManageModeSwitchOffered(const Game& g);
// Switches the open dialog to `mode` (the same as reopening it in that mode).
void ManageSwitchMode(Game& g, int mode);
// Closes the dialog; the property dialog it hid comes back while the same
// player's turn goes on.
void CloseManageDialog(Game& g);

// --- What the window shows --------------------------------------------------

// "Sell", "Mortgage", "Unmortgage", "Upgrade".
std::string_view ManageTitle(int mode);
// The hint shown while the mouse rests on no card.
std::string_view ManageHint(int mode);
inline constexpr std::string_view kManageDoneCaption = "&Done";
inline constexpr std::string_view kManageGiveUpCaption = "&Give Up";

// The picture sets of the main window the cards are drawn from.
enum class CardPictures { Own, Green, Red, Blue, Yellow, Pink, Brown, Trust };
struct CardLook {
  CardPictures set = CardPictures::Own;
  int index = 0;
};
// The picture of square k's card in `mode`: the plain card (Own 0) when not
// offered; a building in its group's set (1 in unmortgage mode, else its star
// class, a 5-star building shown but disabled in upgrade mode); a trust member
// or utility as Trust 1 in unmortgage mode, else Own k.
CardLook ManageCardLook(const Game& g, int k, int mode);

// The texts while the mouse rests on square k's card.
struct ManageHover {
  std::string name;    // short name
  std::string price;   // "$" and the price in plain digits
  std::string detail;  // full name, a line break, the mode's value
  int picture = 0;     // the square whose picture ("image/<k>.jpg") is shown
};
ManageHover ManageHoverFor(const Game& g, int k, int mode);

// The card grid: one card per property square, a row per group, in twips
// from the dialog's top left (green/brown, red/trust A, blue/utilities,
// yellow/trust B, pink/trust C).
struct ManageGridCell {
  int square = 0;
  int left = 0;
  int top = 0;
};
inline constexpr int kManageCardCount = 34;
std::array<ManageGridCell, kManageCardCount> ManageGrid();

}  // namespace quorbis
