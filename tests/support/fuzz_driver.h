// Plays a game in which every person is answered by a seeded random choice
// among the enabled buttons of the windows the game has open (dice, property,
// card, jail, bank, casino and asset dialogs, with random amounts typed into
// the bank and casino, bad ones included), the action bar and the bankrupt
// picture. Computer players play themselves.
// Reports a stuck state: a running game in which nothing is posted and no
// person has a button that carries the game on.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/headless_front_end.h"
#include "state/game_state.h"
#include "state/rng.h"

namespace quorbis::testing {

struct FuzzResult {
  int throws = 0;
  int steps = 0;
  bool ended = false;  // the game went back to the title screen
  std::string stuck;   // why the game could not go on, empty when it could
};

class FuzzDriver {
 public:
  FuzzDriver(Game& g, HeadlessFrontEnd& ui, uint64_t seed);

  // Runs after every step (a posted task or a person's click) with a short
  // description of the step.
  std::function<void(const std::string& step)> after_step;

  // Plays from the current state until the game ends, `max_throws` throws
  // have been made, or the game is stuck.
  FuzzResult Play(int max_throws);

 private:
  struct Action {
    std::string name;
    std::function<void()> run;
    int weight = 1;
  };
  std::vector<Action> Choices();
  void AnswerModal(GameWindow w);
  void AnswerManage(bool modal);
  void AnswerBank();
  void AnswerCasino();
  // A text for an amount box: mostly sensible, sometimes not.
  std::string AmountText();
  int Pick(int n);

  Game& g_;
  HeadlessFrontEnd& ui_;
  Rng rng_;
  int throws_ = 0;
  // Optional actions (the asset dialog from the action bar) in this turn,
  // kept few so that the game moves on.
  int optional_this_turn_ = 0;
};

}  // namespace quorbis::testing
