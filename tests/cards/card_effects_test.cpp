// What each Luck and Chance card does: money in and out with its sound, the
// kept jail card, jail, the moves with or without the salary, and the
// payments between players.
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>

#include "cards/card_test_support.h"
#include "cards/cards.h"
#include "engine/ui_calls.h"
#include "support/game_fixture.h"

namespace quorbis::testing {
namespace {

void StandOn(GameFixture& f, int player, int square) {
  f.g.CurPlayer = player;
  f.g.CurSquare = square;
  f.P(player).Position = square;
}

void Apply(Game& g, int deck, int index) {
  if (deck != 0) {
    ApplyChanceCard(g, index);
  } else {
    ApplyLuckCard(g, index);
  }
}

Card& CardOf(Game& g, int deck, int index) {
  return deck != 0 ? g.ChanceCards[index] : g.LuckCards[index];
}

struct MoneyCase {
  int deck;
  int index;
  Dollars change;  // with the board's amounts
  Sound sound;
};

// Every card that only moves money between the drawer and the bank. Each row
// runs twice, the second time with the card's amount doubled, since the
// effect must follow the card's amount rather than a figure of its own.
TEST(CardEffects, MoneyCardsPayOrChargeTheirAmountWithTheirSound) {
  const MoneyCase cases[] = {
      {0, 0, +20, Sound::Win},   {0, 1, +25, Sound::Win},   {0, 2, +45, Sound::Win},
      {0, 3, -150, Sound::Lost}, {0, 4, +100, Sound::Win},  {0, 5, -50, Sound::Lost},
      {0, 6, +20, Sound::Win},   {0, 7, +100, Sound::Win},  {0, 8, -100, Sound::Lost},
      {0, 9, +200, Sound::Win},  {0, 11, -30, Sound::Lost}, {0, 12, +100, Sound::Win},
      {1, 6, -20, Sound::Lost},  {1, 11, +50, Sound::Win},  {1, 13, +150, Sound::Win},
  };
  for (const MoneyCase& c : cases) {
    for (int scale = 1; scale <= 2; ++scale) {
      SCOPED_TRACE((c.deck ? "Chance " : "Luck ") + std::to_string(c.index) + " x" +
                   std::to_string(scale));
      GameFixture f;
      StandOn(f, 0, c.deck ? 9 : 3);
      Card& card = CardOf(f.g, c.deck, c.index);
      card.Amount *= scale;
      const std::string text = card.Text.Trimmed();

      Apply(f.g, c.deck, c.index);

      EXPECT_EQ(f.P(0).Cash, 1500 + c.change * scale);
      EXPECT_EQ(f.ui.sounds, std::vector<Sound>{c.sound});
      EXPECT_TRUE(card.Used);
      EXPECT_TRUE(Contains(f.ui.history, "Ann, " + text));
      EXPECT_FALSE(f.g.DebtPending);
    }
  }
}

TEST(CardEffects, JailCardsAreKeptAndJailCardsSendToJail) {
  struct Case {
    int deck;
    int index;
    bool to_jail;
  };
  const Case cases[] = {{0, 10, true}, {1, 4, true}, {0, 13, false}, {1, 9, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE((c.deck ? "Chance " : "Luck ") + std::to_string(c.index));
    GameFixture f;
    const int from = c.deck ? 41 : 33;
    StandOn(f, 0, from);
    f.P(0).PassedGo = false;

    Apply(f.g, c.deck, c.index);

    const Player& ann = f.P(0);
    EXPECT_EQ(ann.Cash, 1500);
    if (c.to_jail) {
      // Straight to jail: no walk past GO, no salary.
      EXPECT_TRUE(ann.InJail);
      EXPECT_EQ(ann.Position, 12);
      EXPECT_FALSE(ann.PassedGo);
      EXPECT_EQ(ann.JailCards, 0);
    } else {
      EXPECT_FALSE(ann.InJail);
      EXPECT_EQ(ann.Position, from);
      EXPECT_EQ(ann.JailCards, 1);
      EXPECT_EQ(f.ui.sounds, std::vector<Sound>{Sound::Win});
    }
  }
}

TEST(CardEffects, NothingHappensOnceTheGameIsOver) {
  for (int deck = 0; deck <= 1; ++deck) {
    GameFixture f;
    StandOn(f, 0, deck ? 9 : 3);
    f.g.GameOver = 1;
    Apply(f.g, deck, deck ? 13 : 9);
    EXPECT_EQ(f.P(0).Cash, 1500);
    EXPECT_FALSE(CardOf(f.g, deck, deck ? 13 : 9).Used);
    EXPECT_TRUE(f.ui.history.empty());
  }
}

struct MoveCase {
  const char* name;
  int deck;
  int index;
  int from;
  int to;
  bool passes_go;  // salary paid and PassedGo set
};

// Card moves of a person, whose landings only open windows, so that the
// cash shows the salary alone. (Moves across the bank square are left out:
// the bank's settlement is not the card's business.)
TEST(CardEffects, CardMovesLandOnTheirTargetWithSalaryOnlyPastGo) {
  const MoveCase cases[] = {
      {"Luck advance to GO from 33", 0, 15, 33, 0, true},
      {"Chance advance to GO from 41", 1, 2, 41, 0, true},
      {"second advance to GO from 27", 1, 15, 27, 0, true},
      {"back 3 from 9 ends on 6", 1, 3, 9, 6, false},
      {"back 3 from 27 ends on Free Park", 1, 12, 27, 24, false},
      {"back 3 from 41 ends on 38", 1, 3, 41, 38, false},
      {"GE Building from 9 does not pass GO", 1, 5, 9, 16, false},
      {"GE Building from 27 passes GO", 1, 5, 27, 16, true},
      {"GE Building from 41 passes GO", 1, 5, 41, 16, true},
      {"nearest Urban Traffic from 9", 1, 0, 9, 19, false},
      {"nearest Urban Traffic from 27", 1, 0, 27, 31, false},
      {"nearest Urban Traffic from 41", 1, 0, 41, 43, false},
      {"nearest utility from 9", 1, 10, 9, 15, false},
      {"nearest utility from 27", 1, 10, 27, 39, false},
      {"nearest utility from 41 passes GO", 1, 10, 41, 15, true},
      {"American Intl. from 27", 1, 7, 27, 44, false},
      {"Empire State from 27", 1, 14, 27, 28, false},
  };
  for (const MoveCase& c : cases) {
    SCOPED_TRACE(c.name);
    GameFixture f;
    f.ui.on_modal = [&](GameWindow w) { CloseGameWindow(f.g, w); };
    StandOn(f, 0, c.from);
    f.P(0).PassedGo = false;
    f.g.Rolling = true;  // the throw that brought the player here

    Apply(f.g, c.deck, c.index);

    const Player& ann = f.P(0);
    EXPECT_EQ(ann.Position, c.to);
    EXPECT_EQ(f.g.CurSquare, c.to);
    EXPECT_EQ(ann.Cash, 1500 + (c.passes_go ? 200 : 0));
    EXPECT_EQ(ann.PassedGo, c.passes_go);
  }
}

struct PaymentCase {
  const char* name;
  int players;
  std::initializer_list<int> bankrupt;
  int deck;
  int index;
  std::array<Dollars, 4> change;
};

// The drawer (player 0) collects 50 from, or pays 50 to, each other player
// still in the game, whatever the card's own amount says.
TEST(CardEffects, PaymentsBetweenPlayersSkipTheBankrupt) {
  const PaymentCase cases[] = {
      {"collect from three", 4, {}, 0, 14, {+150, -50, -50, -50}},
      {"collect skips a bankrupt player", 4, {2}, 0, 14, {+100, -50, 0, -50}},
      {"collect from the one other player", 2, {}, 0, 14, {+50, -50}},
      {"pay three", 4, {}, 1, 8, {-150, +50, +50, +50}},
      {"pay skips bankrupt players", 4, {1, 3}, 1, 8, {-50, 0, +50, 0}},
  };
  for (const PaymentCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::initializer_list<SeatSpec> four = {
        {"Ann"}, {"Bob", true}, {"Cid", true}, {"Dee", true}};
    const std::initializer_list<SeatSpec> two = {{"Ann"}, {"Bob", true}};
    GameFixture f(c.players == 4 ? four : two);
    for (int b : c.bankrupt) {
      f.P(b).Bankrupt = true;
      f.P(b).Cash = 0;
    }
    std::array<Dollars, 4> before{};
    for (int i = 0; i < c.players; ++i) before[i] = f.P(i).Cash;
    const int card_square = c.deck ? 27 : 17;
    StandOn(f, 0, card_square);
    CardOf(f.g, c.deck, c.index).Amount = 999;

    Apply(f.g, c.deck, c.index);

    for (int i = 0; i < c.players; ++i) {
      EXPECT_EQ(f.P(i).Cash - before[i], c.change[i]) << "player " << i;
    }
    const int payments = c.players - 1 - static_cast<int>(c.bankrupt.size());
    EXPECT_EQ(Count(f.ui.sounds, c.deck ? Sound::Lost : Sound::Win), payments);
    // The drawer's turn goes on where it was, and the scratch square is free.
    EXPECT_EQ(f.g.CurPlayer, 0);
    EXPECT_EQ(f.g.CurSquare, card_square);
    EXPECT_EQ(f.S(kScratchSquare).Owner, -1);
    EXPECT_EQ(f.S(kScratchSquare).Rent, Currency());
  }
}

}  // namespace
}  // namespace quorbis::testing
