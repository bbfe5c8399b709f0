#include "support/game_fixture.h"

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
  s.Owner = p;
  s.OwnerName = g.Players[p].Name.Trimmed();
  s.Color = g.Players[p].Color;
  g.Players[p].TAV += s.Price;
  g.Players[p].AssetCount += 1;
}

}  // namespace quorbis::testing
