#include "render/example_board.h"

#include <algorithm>

#include "state/board.h"
#include "state/new_game.h"

namespace quorbis {

void MakeFreshBoard(Game& g, int players) {
  InitBoard(g);
  FormatSquarePrices(g);
  static const char* const kNames[kMaxPlayers] = {"Mara", "Theo", "Ines", "Kofi"};
  static const int kColors[kMaxPlayers] = {0, 2, 5, 4};  // red, blue, magenta, black
  g.PlayerCount = std::clamp(players, 2, kMaxPlayers);
  for (int i = 0; i < g.PlayerCount; ++i) {
    Player& p = g.Players[i];
    p.Name = kNames[i];
    p.ColorIndex = kColors[i];
    p.Color = kPlayerColors[kColors[i]];
    p.Icon = i * 3;
    p.Cash = 1500;
    p.Position = 0;
    p.Bankrupt = false;
  }
  g.CurPlayer = 0;
}

void MakeExampleGame(Game& g) {
  MakeFreshBoard(g, 4);
  struct Holding {
    int square, owner, star_class;
    bool mortgaged;
  };
  const Holding holdings[] = {
      {2, 0, 3, false},  {4, 0, 4, false},  {6, 0, 5, false},  {1, 0, 0, false},
      {13, 1, 0, false}, {18, 1, 0, false}, {22, 1, 0, true},  {7, 1, 0, false},
      {26, 2, 3, false}, {28, 2, 0, false}, {30, 2, 0, false}, {35, 2, 0, true},
      {39, 3, 0, false}, {42, 3, 0, false}, {46, 3, 0, false}, {31, 3, 0, false},
  };
  for (const Holding& h : holdings) {
    Square& s = g.Squares[h.square];
    s.Owner = h.owner;
    s.Color = g.Players[h.owner].Color;
    s.OwnerName = g.Players[h.owner].Name.Trimmed();
    s.StarClass = h.star_class;
    s.Mortgaged = h.mortgaged;
    ++g.Players[h.owner].AssetCount;
  }
  FormatSquarePrices(g);
  const int positions[kMaxPlayers] = {9, 20, 9, 33};
  for (int i = 0; i < kMaxPlayers; ++i) g.Players[i].Position = positions[i];
  g.CurPlayer = 0;
}

}  // namespace quorbis
