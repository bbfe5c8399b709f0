#include "support/game_fixture.h"

#include <vector>

#include "engine/turn.h"
#include "state/holdings.h"
#include "state/new_game.h"

namespace quorbis::testing {

GameFixture::GameFixture(std::initializer_list<SeatSpec> seats, uint64_t seed) {
  g.ui = &ui;
  g.rng.Seed(seed);
  SetOptionDefaults(g);
  int i = 0;
  for (const SeatSpec& s : seats) {
    Player& p = g.Players[i];
    p = Player{};
    p.Name = s.name;
    p.IsRobot = s.robot;
    p.Level = s.robot ? s.level : 0;
    p.Cash = s.cash;
    p.Worth = s.cash;
    p.Ranking = 1;
    p.PassedGo = true;
    p.Color = kPlayerColors[i % kPlayerColors.size()];
    p.ColorIndex = i;
    p.NameWidth = ui.NameWidth(s.name);
    ++i;
  }
  g.PlayerCount = i;
  ResetForNewGame(g);
}

void GameFixture::Own(int sq, int p) {
  Square& s = g.Squares[sq];
  SetOwner(g, sq, p);
  s.OwnerName = g.Players[p].Name.Trimmed();
  s.Color = g.Players[p].Color;
  g.Players[p].TAV += s.Price;
  g.Players[p].AssetCount += 1;
}

void GameFixture::Seat(int p, int square) {
  g.Players[p].Position = square;
  g.CurPlayer = p;
  g.CurSquare = square;
}

void GameFixture::NextThrows(std::initializer_list<int> totals) {
  // Try seeds until one gives the wanted totals through the real dice.
  Game scratch;
  HeadlessFrontEnd quiet;
  scratch.ui = &quiet;
  const std::vector<int> wanted(totals);
  for (uint64_t seed = 1;; ++seed) {
    scratch.rng.Seed(seed);
    bool match = true;
    for (int total : wanted) {
      if (RollDice(scratch) != total) {
        match = false;
        break;
      }
    }
    if (match) {
      g.rng.Seed(seed);
      return;
    }
  }
}

void GameFixture::Begin() {
  MainLoop(g);
  Run();
}

void GameFixture::LayOutTokens() {
  // GO at (720, 720); squares 1..12 run left, 13..24 up, 25..36 right and
  // 37..47 down, as on the board picture.
  for (int p = 0; p < kPlayerRecords; ++p) {
    for (int k = 0; k < kSquareCount; ++k) {
      Point pt;
      if (k <= 12) {
        pt = {720 - 60 * k, 720};
      } else if (k <= 24) {
        pt = {0, 720 - 60 * (k - 12)};
      } else if (k <= 36) {
        pt = {60 * (k - 24), 0};
      } else {
        pt = {720, 60 * (k - 36)};
      }
      pt.X += 3 * p;  // a lane of its own for each player
      g.Players[p].TokenPos[k] = pt;
    }
  }
}

}  // namespace quorbis::testing
