// The engine's side of the front-end interface: every rule reaches windows,
// messages and sounds through these calls, which apply the game's own
// switches (Mute, SoundOff, the window-open flags) before the front end acts.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "engine/front_end.h"
#include "state/game_state.h"

namespace quorbis {

// Logs the text and shows it in the modal tip window.
void ShowTip(Game& g, std::string_view text, int seconds = 1);
// Builds the text only when somebody reads it (simulations read nothing).
template <typename MakeText>
void Tip(Game& g, int seconds, MakeText&& make_text) {
  if (g.ui->WantsText()) ShowTip(g, std::forward<MakeText>(make_text)(), seconds);
}

// A history entry; an empty text logs where the current player has arrived.
void AddHistory(Game& g, std::string_view text);
template <typename MakeText>
void History(Game& g, MakeText&& make_text) {
  if (g.ui->WantsText()) AddHistory(g, std::forward<MakeText>(make_text)());
}

// Plays an effect unless Mute or SoundOff is set.
void PlayWave(Game& g, Sound s, WaveMode mode);
void StopWave(Game& g);
void Pause(Game& g, int ms);
void ProcessEvents(Game& g);

// Opens a game window and sets its open flag; closes it and clears the flag.
void OpenWindow(Game& g, GameWindow w, WindowMode mode);
void CloseGameWindow(Game& g, GameWindow w);
// Closes every open game window without re-showing any (end of a game, quit,
// exit, new game). When the game has stopped, the return to the title screen
// follows once the running turn has unwound (EndGameIfOver).
void CloseAllGameWindows(Game& g);
bool& WindowOpenFlag(Game& g, GameWindow w);

// Recomputes worth and ranking, then redraws board, tokens and panels.
void RefreshGame(Game& g);
// Fills the enlarged panel for a player (-1: the current player).
void CurrentPlayer(Game& g, int player);

inline void Emit(Game& g, const GameEvent& e) {
  g.ui->OnEvent(e);
}

// The trimmed name of a player, for messages.
inline std::string NameOf(const Game& g, int player) {
  return g.Players[player].Name.Trimmed();
}

}  // namespace quorbis
