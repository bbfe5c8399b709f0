// Records every game event a headless front end receives.
#pragma once

#include <vector>

#include "engine/headless_front_end.h"

namespace quorbis::testing {

class EventLog {
 public:
  explicit EventLog(HeadlessFrontEnd& ui) {
    ui.on_event = [this](const GameEvent& e) { events.push_back(e); };
  }
  EventLog(const EventLog&) = delete;
  EventLog& operator=(const EventLog&) = delete;

  // Events of `type`, of `player` only when given.
  int Count(EventType type, int player = -1) const {
    int n = 0;
    for (const GameEvent& e : events)
      if (e.type == type && (player < 0 || e.player == player)) ++n;
    return n;
  }

  std::vector<GameEvent> events;
};

}  // namespace quorbis::testing
