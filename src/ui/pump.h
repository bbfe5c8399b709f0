// Waiting without freezing the windows: every wait of the game runs a nested
// event loop, so menus, hovering and hot keys keep working mid-turn. The
// nesting depth is counted so that work posted for "later" runs only from the
// outermost loop and a long run of computer turns never grows the stack.
#pragma once

#include <functional>

namespace quorbis::ui {

// How much faster than real time every game pause runs (tests set it high;
// players never touch it). Read once from QUORBIS_SPEED, else 1.
double SpeedFactor();
void SetSpeedFactor(double factor);
// A game duration in milliseconds after the speed factor.
int Scaled(int ms);

// Nested waits under way (pauses, modal windows, tips, message boxes).
int NestingDepth();

// Marks a nested wait for as long as it lives.
class NestedWait {
 public:
  NestedWait();
  ~NestedWait();
  NestedWait(const NestedWait&) = delete;
  NestedWait& operator=(const NestedWait&) = delete;
};

// Called each time the last nested wait ends.
void SetOnOutermostLevel(std::function<void()> callback);

// Waits `ms` real milliseconds (already scaled) while events run. Returns
// early when `stop` says so (checked at every event and every 25 ms).
void WaitMs(int ms, const std::function<bool()>& stop = {});

// Runs the pending events once, counted as a nested wait.
void PumpEvents();

// True once the program is quitting: event loops then end at once, so no
// wait may loop on them any more.
bool EventLoopsEnding();

}  // namespace quorbis::ui
