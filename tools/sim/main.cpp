// quorbis-sim: plays games of computer players only, headless and as fast as
// the machine allows, and prints what happened in them.
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "report.h"
#include "robot/autoplay.h"
#include "state/board.h"
#include "state/new_game.h"
#include "trace.h"

namespace quorbis::sim {
namespace {

constexpr const char* kUsage =
    "Usage: quorbis-sim [options]\n"
    "Plays games of computer players only and prints a summary.\n\n"
    "  --players LIST   2 to 4 levels in seat order, e.g. hard,normal,easy,easy\n"
    "                   (default hard,normal,easy,easy)\n"
    "  --games N        number of games (default 100)\n"
    "  --seed S         seed of the random generator (default 1)\n"
    "  --turn-cap T     stop a game after T player-turns (default 5000)\n"
    "  --cash C         starting cash of every player (default 1500)\n"
    "  --alternate      rotate the seat order by one seat each game\n"
    "  --rotate         seat the players by the set-up dialog's random rotation\n"
    "  --trace FILE     write every game event to FILE, one JSON object a line\n"
    "  --no-timing      leave out the timing lines (for comparing summaries)\n"
    "  --no-progress    no progress bar (it shows only when stderr is a terminal)\n"
    "  --help           this text\n";

bool ParseLevel(std::string_view word, int* level) {
  std::string w(word);
  for (char& c : w) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (w == "easy" || w == "e") {
    *level = kEasy;
  } else if (w == "normal" || w == "n") {
    *level = kNormal;
  } else if (w == "hard" || w == "h") {
    *level = kHard;
  } else {
    return false;
  }
  return true;
}

bool ParsePlayers(std::string_view list, std::vector<int>* seats) {
  seats->clear();
  while (true) {
    const size_t comma = list.find(',');
    int level = 0;
    if (!ParseLevel(list.substr(0, comma), &level)) return false;
    seats->push_back(level);
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  return seats->size() >= 2 && seats->size() <= kMaxPlayers;
}

template <typename Int>
bool ParseNumber(std::string_view text, Int* value, Int min) {
  Int v{};
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size() || v < min) return false;
  *value = v;
  return true;
}

// Returns 0 to go on, or the exit code.
int ParseOptions(int argc, char** argv, SimOptions* o, bool* progress) {
  ParsePlayers("hard,normal,easy,easy", &o->seats);
  *progress = isatty(STDERR_FILENO) != 0;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    auto value = [&](std::string_view* out) {
      if (i + 1 >= argc) return false;
      *out = argv[++i];
      return true;
    };
    std::string_view v;
    bool ok = true;
    if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return -1;
    } else if (arg == "--players") {
      ok = value(&v) && ParsePlayers(v, &o->seats);
    } else if (arg == "--games") {
      ok = value(&v) && ParseNumber<int64_t>(v, &o->games, 1);
    } else if (arg == "--seed") {
      ok = value(&v) && ParseNumber<uint64_t>(v, &o->seed, 0);
    } else if (arg == "--turn-cap") {
      ok = value(&v) && ParseNumber<int64_t>(v, &o->turn_cap, 1);
    } else if (arg == "--cash") {
      ok = value(&v) && ParseNumber<Dollars>(v, &o->cash, 0);
    } else if (arg == "--trace") {
      ok = value(&v) && !v.empty();
      o->trace_path = std::string(v);
    } else if (arg == "--alternate") {
      o->order = SeatOrder::Alternate;
    } else if (arg == "--rotate") {
      o->order = SeatOrder::Random;
    } else if (arg == "--no-timing") {
      o->timing = false;
    } else if (arg == "--no-progress") {
      *progress = false;
    } else {
      std::fprintf(stderr, "quorbis-sim: unknown option '%s'\n%s", argv[i], kUsage);
      return 2;
    }
    if (!ok) {
      std::fprintf(stderr, "quorbis-sim: bad or missing value for %s\n%s", std::string(arg).c_str(),
                   kUsage);
      return 2;
    }
  }
  return 0;
}

class ProgressBar {
 public:
  ProgressBar(bool enabled, int64_t total) : enabled_(enabled), total_(total) {}
  void Update(int64_t done) {
    if (!enabled_) return;
    const int permille = static_cast<int>(done * 1000 / total_);
    if (permille == last_ && done != total_) return;
    last_ = permille;
    constexpr int kWidth = 40;
    const int filled = static_cast<int>(done * kWidth / total_);
    char bar[kWidth + 1];
    std::memset(bar, '.', kWidth);
    std::memset(bar, '#', static_cast<size_t>(filled));
    bar[kWidth] = '\0';
    std::fprintf(stderr, "\r[%s] %5.1f%% %lld/%lld games", bar, permille / 10.0,
                 static_cast<long long>(done), static_cast<long long>(total_));
    std::fflush(stderr);
  }
  void Finish() {
    if (enabled_) std::fprintf(stderr, "\r\033[K");
  }

 private:
  bool enabled_;
  int64_t total_;
  int last_ = -1;
};

int Run(const SimOptions& o, bool progress) {
  Autoplay autoplay(o.seed);
  std::unique_ptr<TraceWriter> trace;
  if (!o.trace_path.empty()) {
    std::FILE* f = std::fopen(o.trace_path.c_str(), "w");
    if (!f) {
      std::fprintf(stderr, "quorbis-sim: cannot write %s: %s\n", o.trace_path.c_str(),
                   std::strerror(errno));
      return 1;
    }
    trace = std::make_unique<TraceWriter>(f);
    trace->set_autoplay(&autoplay);
    autoplay.set_listener(trace.get());
  }

  const int n = static_cast<int>(o.seats.size());
  Tally tally(n);
  std::vector<int> levels(n), seat_of(n);
  ProgressBar bar(progress, o.games);
  const auto start = std::chrono::steady_clock::now();
  const std::clock_t cpu_start = std::clock();
  for (int64_t game = 0; game < o.games; ++game) {
    int first = 0;  // the seat that moves first
    if (o.order == SeatOrder::Alternate) first = static_cast<int>(game % n);
    // The set-up dialog seats player k at (k + r + 1) mod n.
    if (o.order == SeatOrder::Random) first = (n - SeatingRotation(autoplay.game().rng, n) - 1) % n;
    for (int k = 0; k < n; ++k) {
      seat_of[k] = (first + k) % n;
      levels[k] = o.seats[seat_of[k]];
    }
    if (trace) trace->BeginGame(game + 1, levels, seat_of, o.cash);
    tally.Add(autoplay.Play(levels, o.cash, o.turn_cap), seat_of);
    bar.Update(game + 1);
  }
  const double cpu_seconds = static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC;
  const double wall_seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  bar.Finish();

  std::printf("quorbis-sim: players");
  for (int k = 0; k < n; ++k) std::printf("%s%s", k ? "," : " ", LevelName(o.seats[k]));
  std::printf("\n");
  tally.Print(stdout, o, autoplay.game(), autoplay.front_end().landings);
  if (autoplay.front_end().stuck_modals > 0) {
    std::printf("\nWindows that waited for a person: %d\n", autoplay.front_end().stuck_modals);
  }
  if (o.timing) PrintTiming(stdout, tally.games(), tally.total_turns(), cpu_seconds, wall_seconds);
  if (trace) {
    autoplay.set_listener(nullptr);
    if (!trace->Close()) {
      std::fprintf(stderr, "quorbis-sim: writing %s failed\n", o.trace_path.c_str());
      return 1;
    }
  }
  return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace
}  // namespace quorbis::sim

int main(int argc, char** argv) {
  quorbis::sim::SimOptions options;
  bool progress = false;
  const int rc = quorbis::sim::ParseOptions(argc, argv, &options, &progress);
  if (rc != 0) return rc < 0 ? 0 : rc;
  return quorbis::sim::Run(options, progress);
}
