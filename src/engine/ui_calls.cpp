#include "engine/ui_calls.h"

#include "economy/bankruptcy.h"
#include "engine/turn.h"

namespace quorbis {

const char* SoundFile(Sound s) {
  switch (s) {
    case Sound::Move:
      return "move.wav";
    case Sound::Arrive:
      return "arrive.wav";
    case Sound::Jail:
      return "jail.wav";
    case Sound::Throw:
      return "throw.wav";
    case Sound::Laugh:
      return "laugh.wav";
    case Sound::Upgrade:
      return "upgrade.wav";
    case Sound::Trust:
      return "trust.wav";
    case Sound::Win:
      return "win.wav";
    case Sound::Lost:
      return "lost.wav";
    case Sound::Bet:
      return "bet.wav";
    case Sound::Bankrupt:
      return "bankrupt.wav";
    case Sound::Winner:
      return "winner.wav";
  }
  return "";
}

void ShowTip(Game& g, std::string_view text, int seconds) {
  if (!g.ui->WantsText()) return;
  g.ui->AddHistory(text);
  g.ui->ShowTip(text, seconds);
}

void AddHistory(Game& g, std::string_view text) {
  if (!g.ui->WantsText()) return;
  if (!text.empty()) {
    g.ui->AddHistory(text);
    return;
  }
  // The arrival line of the current player.
  const int sq = g.CurSquare;
  if (sq == 36 || sq < 0 || sq >= kSquareCount) return;
  const std::string name = NameOf(g, g.CurPlayer);
  const std::string place = g.Squares[sq].ShortName.Trimmed();
  g.ui->AddHistory(sq == 12 ? name + " is " + place : name + " moved to " + place);
}

void PlayWave(Game& g, Sound s, WaveMode mode) {
  if (g.Mute || g.SoundOff) return;
  g.ui->PlayWave(s, mode);
}

void StopWave(Game& g) {
  g.ui->StopWave();
}
void Pause(Game& g, int ms) {
  g.ui->Pause(ms);
}
void ProcessEvents(Game& g) {
  g.ui->ProcessEvents();
}

bool& WindowOpenFlag(Game& g, GameWindow w) {
  switch (w) {
    case GameWindow::Dice:
      return g.DiceDialogOpen;
    case GameWindow::Property:
      return g.DetailDialogOpen;
    case GameWindow::Card:
      return g.CardDialogOpen;
    case GameWindow::Jail:
      return g.JailDialogOpen;
    case GameWindow::Bank:
      return g.BankDialogOpen;
    case GameWindow::Casino:
      return g.BetDialogOpen;
    case GameWindow::Manage:
      return g.ManageDialogOpen;
  }
  return g.DiceDialogOpen;
}

void OpenWindow(Game& g, GameWindow w, WindowMode mode) {
  WindowOpenFlag(g, w) = true;
  g.ui->ShowWindow(w, mode);
}

void CloseGameWindow(Game& g, GameWindow w) {
  bool& open = WindowOpenFlag(g, w);
  if (!open) return;
  open = false;
  g.ui->CloseWindow(w);
}

void CloseAllGameWindows(Game& g) {
  for (int i = 0; i < kGameWindowCount; ++i) CloseGameWindow(g, static_cast<GameWindow>(i));
  // Closing the windows of a stopped game is where no button can carry the
  // turn on any more: the return to the title screen follows (once) when
  // whatever runs now has unwound.
  if ((g.GameOver != 0 || g.ExitRequested) && g.EndedEpoch != g.GameEpoch) {
    Game* game = &g;
    const uint64_t epoch = g.GameEpoch;
    g.ui->Post([game, epoch] {
      if (game->GameEpoch == epoch) EndGameIfOver(*game);
    });
  }
}

void RefreshGame(Game& g) {
  UpdateRanking(g);
  g.ui->RefreshGame();
}

void CurrentPlayer(Game& g, int player) {
  g.ui->CurrentPlayer(player < 0 ? g.CurPlayer : player);
}

}  // namespace quorbis
