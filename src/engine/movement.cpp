#include "engine/movement.h"

#include <cstdlib>

#include "economy/bank.h"
#include "economy/bankruptcy.h"
#include "engine/ui_calls.h"

namespace quorbis {

namespace {

constexpr int kStepPixels = 4;
constexpr int kBankSquare = 21;
constexpr int kJailSquare = 12;

// The four sides of the board, named by the corner they start from, and how
// a token travels along each on the board picture.
enum class Side { FromGo, FromJail, FromPark, FromGoIntoJail };

Side SideLeadingTo(int square) {
  if (square >= 1 && square <= 12) return Side::FromGo;
  if (square >= 13 && square <= 24) return Side::FromJail;
  if (square >= 25 && square <= 36) return Side::FromPark;
  return Side::FromGoIntoJail;  // 37..47 and GO
}

// Along 0..12 the token moves left, along 12..24 up, along 24..36 right and
// along 36..0 down.
bool MovesAlongX(Side side) {
  return side == Side::FromGo || side == Side::FromPark;
}
int ForwardDirection(Side side) {
  return (side == Side::FromGo || side == Side::FromJail) ? -1 : 1;
}

bool Stopped(const Game& g) {
  return g.GameOver != 0;
}

// Waits out the game menu or the hidden game between two frames.
void HoldWhilePaused(Game& g) {
  if (g.Paused) PlayMoveSound(g);
}

// The frames of one straight stretch from coordinate `a` to `b` (the other
// coordinate stays `c`), 4 pixels a frame, then the token exactly on the end
// point. Returns false when the game stopped on the way.
bool Animate(Game& g, bool along_x, int direction, int a, int b, int c) {
  const int steps = std::abs(b - a) / kStepPixels + 1;
  int pos = a;
  for (int i = 0; i < steps; ++i) {
    pos += direction * kStepPixels;
    if (along_x)
      g.ui->DrawPlayerMove(pos, c);
    else
      g.ui->DrawPlayerMove(c, pos);
    HoldWhilePaused(g);
    if (Stopped(g)) return false;
  }
  if (along_x)
    g.ui->DrawPlayerMove(b, c);
  else
    g.ui->DrawPlayerMove(c, b);
  return true;
}

// The bank settles with the mover when his token reaches square 21.
void StopAtBank(Game& g) {
  Player& p = g.Players[g.CurPlayer];
  if (p.IsRobot)
    Tip(g, 1, [&] { return NameOf(g, g.CurPlayer) + " is processing the bank business."; });
  p.Position = kBankSquare;
  SettleBankAccount(g);
}

}  // namespace

int GetPoint(int LocNo, bool IsTo) {
  if (IsTo) {
    if (LocNo == 0) return 36;
    if (LocNo <= 12) return 0;
    if (LocNo <= 24) return 12;
    if (LocNo <= 36) return 24;
    return 36;
  }
  if (LocNo <= 11) return 0;
  if (LocNo <= 23) return 12;
  if (LocNo <= 35) return 24;
  return 36;
}

void PlayerMove(Game& g, int PlayerID, int DiceNo, bool StepOrLoc, bool IsBack) {
  Player& p = g.Players[PlayerID];
  const int from = p.Position;
  int to = StepOrLoc ? DiceNo : from + DiceNo;
  if (to >= kSquareCount) to -= kSquareCount;
  g.CurSquare = to;
  if (!IsBack && to < from) p.PassedGo = true;
  Emit(g, {EventType::Move, PlayerID, -1, to, DiceNo, IsBack ? 1 : 0});

  // The way splits into straight runs that end at the corners.
  int ends[6];
  int run_count = 0;
  const int dest_corner = GetPoint(to, true);
  const int origin_corner = GetPoint(from, false);
  if (IsBack || (dest_corner == origin_corner && !(to < from && to != 0))) {
    ends[run_count++] = to;
  } else {
    int corner = origin_corner;
    for (int i = 0; i < 4; ++i) {
      corner = (corner + 12) % kSquareCount;
      ends[run_count++] = corner;
      if (corner == dest_corner) break;
    }
    ends[run_count++] = to;
  }

  g.Moving = true;
  PlayWave(g, Sound::Move, WaveMode::Loop);
  int start = from;
  for (int i = 0; i < run_count; ++i) {
    // A move of no squares walks nowhere and collects nothing.
    if (ends[i] != start) MoveAction(g, PlayerID, start, ends[i], IsBack);
    start = ends[i];
    if (Stopped(g)) {
      g.Moving = false;
      StopWave(g);
      return;
    }
  }
  g.Moving = false;
  p.Position = to;
  PlayWave(g, Sound::Arrive, WaveMode::Wait);
}

void MoveAction(Game& g, int PlayerID, int FromNo, int ToNo, bool IsBack) {
  Player& p = g.Players[PlayerID];
  const Side side = SideLeadingTo(IsBack ? FromNo : ToNo);
  const bool along_x = MovesAlongX(side);
  const int direction = ForwardDirection(side) * (IsBack ? -1 : 1);
  const bool animate = g.ui->Animates();
  const Point from_pt = p.TokenPos[FromNo];
  const Point to_pt = p.TokenPos[ToNo];
  const int a = along_x ? from_pt.X : from_pt.Y;
  const int b = along_x ? to_pt.X : to_pt.Y;
  const int c = along_x ? to_pt.Y : to_pt.X;

  // Passing the bank: the token stops on 21 for the settlement, then walks on.
  if (!IsBack && side == Side::FromJail && ToNo > kBankSquare && FromNo < kBankSquare) {
    const int bank_y = p.TokenPos[kBankSquare].Y;
    if (animate && !Animate(g, false, direction, a, bank_y, c)) return;
    StopWave(g);
    if (Stopped(g)) return;
    if (!p.Bankrupt) StopAtBank(g);
    // A player who went bankrupt at the bank ends his run there; his token
    // is no longer drawn.
    if (Stopped(g) || p.Bankrupt) return;
    PlayWave(g, Sound::Move, WaveMode::Loop);
    if (animate && !Animate(g, false, direction, bank_y, b, c)) return;
    ProcessEvents(g);
    return;
  }

  if (animate && !Animate(g, along_x, direction, a, b, c)) return;

  if (!IsBack && ToNo == kBankSquare) {
    StopWave(g);
    if (Stopped(g)) return;
    if (!p.Bankrupt) StopAtBank(g);
  } else if (!IsBack && ToNo == 0) {
    StopWave(g);
    if (Stopped(g)) return;
    // Salary goes to players still in the game only: one who went bankrupt
    // at the bank earlier in this move walks on without collecting.
    if (!p.Bankrupt) {
      p.Cash += g.Salary;
      // Worth and ranking follow the cash at once: the landing that comes next
      // may wait for a click before anything refreshes them.
      UpdateRanking(g);
      CurrentPlayer(g, -1);
      Emit(g, {EventType::Salary, PlayerID, -1, 0, g.Salary, 0});
      Tip(g, 1, [&] {
        return NameOf(g, PlayerID) + " collected salary $" + PlainNumber(g.Salary) +
               " for passing go.";
      });
      PlayWave(g, Sound::Move, WaveMode::Loop);
    }
  }
  ProcessEvents(g);
}

void GoToJail(Game& g) {
  if (g.SoundOff || g.Mute) Pause(g, 1000);
  Player& p = g.Players[g.CurPlayer];
  g.ui->EraseToken(g.CurPlayer);
  p.Position = kJailSquare;
  p.InJail = true;
  PlayWave(g, Sound::Jail, WaveMode::Wait);
  if (g.ui->Animates()) g.ui->DrawPlayerMove(p.TokenPos[kJailSquare].X, p.TokenPos[kJailSquare].Y);
  Emit(g, {EventType::GoToJail, g.CurPlayer, -1, kJailSquare, 0, 0});
  Tip(g, 1, [&] { return NameOf(g, g.CurPlayer) + " is in the jail now."; });
}

void PlayMoveSound(Game& g) {
  StopWave(g);
  do {
    Pause(g, 100);
    ProcessEvents(g);
  } while (g.Paused && g.GameOver == 0);
  if (g.Moving && g.GameOver == 0) PlayWave(g, Sound::Move, WaveMode::Loop);
}

}  // namespace quorbis
