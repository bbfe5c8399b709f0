#include "engine/headless_front_end.h"

#include <algorithm>

namespace quorbis {

void HeadlessFrontEnd::ShowWindow(GameWindow w, WindowMode mode) {
  open[static_cast<int>(w)] = true;
  opened.push_back({w, mode});
  if (mode != WindowMode::Modal) return;
  if (on_modal) on_modal(w);
  if (open[static_cast<int>(w)]) {
    // Nobody closed it: a modal window with no way out would hang a real game.
    ++stuck_modals;
    open[static_cast<int>(w)] = false;
  }
}

void HeadlessFrontEnd::CloseWindow(GameWindow w) {
  open[static_cast<int>(w)] = false;
}

void HeadlessFrontEnd::MessageBox(std::string_view title, std::string_view text) {
  message_boxes.push_back(std::string(title) + ": " + std::string(text));
}

void HeadlessFrontEnd::ShowTip(std::string_view text, int seconds) {
  tips.emplace_back(text);
  if (on_tip) on_tip(text);
  clock_ms += (seconds + 1) * 1000;
}

void HeadlessFrontEnd::AddHistory(std::string_view text) {
  history.emplace_back(text);
}

void HeadlessFrontEnd::PlayWave(Sound s, WaveMode) {
  sounds.push_back(s);
}

void HeadlessFrontEnd::Pause(int ms) {
  clock_ms += ms;
  if (on_process_events) on_process_events();
}

void HeadlessFrontEnd::ProcessEvents() {
  if (on_process_events) on_process_events();
}

void HeadlessFrontEnd::DrawPlayerMove(int x, int y) {
  // A frame lets window events through and lasts 20 ms, as on screen.
  frames.push_back({x, y});
  clock_ms += 20;
  if (on_process_events) on_process_events();
}

void HeadlessFrontEnd::Post(std::function<void()> task, int delay_ms) {
  Task t{clock_ms + std::max(delay_ms, 0), next_seq_++, std::move(task)};
  // Keep the queue ordered by due time, then by posting order.
  auto pos = std::upper_bound(queue_.begin(), queue_.end(), t, [](const Task& a, const Task& b) {
    return a.due != b.due ? a.due < b.due : a.seq < b.seq;
  });
  queue_.insert(pos, std::move(t));
}

int HeadlessFrontEnd::RunUntilIdle(int max_tasks) {
  int ran = 0;
  while (!queue_.empty() && ran < max_tasks) {
    Task t = std::move(queue_.front());
    queue_.pop_front();
    clock_ms = std::max(clock_ms, t.due);
    t.run();
    ++ran;
  }
  return ran;
}

void HeadlessFrontEnd::ClearRecords() {
  frames.clear();
  opened.clear();
  history.clear();
  tips.clear();
  message_boxes.clear();
  sounds.clear();
}

}  // namespace quorbis
