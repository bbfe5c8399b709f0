// The invariants of a game's state that must hold whenever no rule is
// running (after every click, every posted turn): run after every step of
// long randomized games.
#pragma once

#include <string>
#include <vector>

#include "state/game_state.h"

namespace quorbis::testing {

struct InvariantOptions {
  // The money invariants (TAV, Worth, Ranking, negative cash only with an
  // open debt) need the economy's rules in the build.
  bool money = true;
};

// Every violation found, as readable lines; empty when the state is sound.
std::vector<std::string> CheckInvariants(const Game& g, const InvariantOptions& options = {});

}  // namespace quorbis::testing
