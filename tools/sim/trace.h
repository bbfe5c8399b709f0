// Writes every game event as one JSON object per line, enough to replay and
// audit a game: who threw what, where each token went, every payment and its
// cause, every purchase, bank business, bet and jail decision.
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

#include "robot/autoplay.h"

namespace quorbis::sim {

// The name of an event type in traces ("throw", "purchase" ...).
const char* EventName(EventType t);
// "rent", "tax", "card", "bail", "loan", "payment".
const char* CauseName(DebtCause c);

// Formats one event as a JSON object (no newline) into `out`.
void FormatEvent(std::string& out, int64_t game, int64_t turn, const GameEvent& e);

class TraceWriter final : public GameEventListener {
 public:
  // Takes ownership of an open file.
  explicit TraceWriter(std::FILE* file);
  ~TraceWriter() override;
  TraceWriter(const TraceWriter&) = delete;
  TraceWriter& operator=(const TraceWriter&) = delete;

  // The line that opens each game: its number, the seats in turn order with
  // their levels and the seat each came from, and the starting cash.
  void BeginGame(int64_t game, std::span<const int> levels, std::span<const int> seats,
                 Dollars cash);
  void set_autoplay(const Autoplay* autoplay) { autoplay_ = autoplay; }
  void OnGameEvent(const Game& g, const GameEvent& e) override;
  // Flushes and closes the file. False when any write failed.
  bool Close();

 private:
  void WriteLine();

  std::FILE* file_;
  const Autoplay* autoplay_ = nullptr;
  int64_t game_ = 0;
  std::string line_;
  bool ok_ = true;
};

}  // namespace quorbis::sim
