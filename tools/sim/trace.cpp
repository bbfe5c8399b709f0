#include "trace.h"

#include <charconv>

namespace quorbis::sim {

namespace {

void Append(std::string& out, int64_t v) {
  char buf[24];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
  out.append(buf, end);
}

void Field(std::string& out, const char* name, int64_t v) {
  out += ",\"";
  out += name;
  out += "\":";
  Append(out, v);
}

void TextField(std::string& out, const char* name, const char* v) {
  out += ",\"";
  out += name;
  out += "\":\"";
  out += v;
  out += '"';
}

// What each field of a GameEvent means for its type (nullptr: not used).
struct Layout {
  const char* player;
  const char* other;
  const char* square;
  const char* a;
  const char* b;
  bool b_is_cause = false;
};

Layout LayoutOf(EventType t) {
  switch (t) {
    case EventType::GameStarted:
      return {nullptr, nullptr, nullptr, "players", nullptr};
    case EventType::Throw:
      return {"player", nullptr, nullptr, "total", nullptr};
    case EventType::Move:
      return {"player", nullptr, "to", "steps", "back"};
    case EventType::Land:
      return {"player", nullptr, "square", nullptr, nullptr};
    case EventType::Salary:
      return {"player", nullptr, nullptr, "amount", nullptr};
    case EventType::CardDrawn:
      return {"player", nullptr, nullptr, "deck", "card"};
    case EventType::Payment:
      return {"player", "payee", "square", "amount", "cause", true};
    case EventType::Credit:
      return {"player", nullptr, nullptr, "amount", "reason", true};
    case EventType::Purchase:
      return {"player", nullptr, "square", "price", nullptr};
    case EventType::Takeover:
      return {"player", "from", "square", "cost", "owner_received"};
    case EventType::Sale:
    case EventType::Mortgage:
      return {"player", nullptr, "square", "raised", nullptr};
    case EventType::Unmortgage:
      return {"player", nullptr, "square", "cost", nullptr};
    case EventType::Upgrade:
      return {"player", nullptr, "square", "cost", "stars"};
    case EventType::Deposit:
    case EventType::Withdrawal:
    case EventType::Loan:
    case EventType::LoanRepaid:
      return {"player", nullptr, nullptr, "amount", nullptr};
    case EventType::Interest:
      return {"player", nullptr, nullptr, "deposit_interest", "loan_interest"};
    case EventType::Bet:
      return {"player", "won", "thrown", "stake", "field"};
    case EventType::JailStay:
    case EventType::JailBail:
    case EventType::JailCard:
    case EventType::GoToJail:
    case EventType::Winner:
      return {"player", nullptr, nullptr, nullptr, nullptr};
    case EventType::Bankruptcy:
      return {"player", "creditor", nullptr, nullptr, "cause", true};
    case EventType::GameEnded:
      return {nullptr, nullptr, nullptr, "quit", nullptr};
  }
  // A type added later: every field under its own name.
  return {"player", "other", "square", "a", "b"};
}

}  // namespace

const char* EventName(EventType t) {
  switch (t) {
    case EventType::GameStarted:
      return "game_started";
    case EventType::Throw:
      return "throw";
    case EventType::Move:
      return "move";
    case EventType::Land:
      return "land";
    case EventType::Salary:
      return "salary";
    case EventType::CardDrawn:
      return "card";
    case EventType::Payment:
      return "payment";
    case EventType::Credit:
      return "credit";
    case EventType::Purchase:
      return "purchase";
    case EventType::Takeover:
      return "takeover";
    case EventType::Sale:
      return "sale";
    case EventType::Mortgage:
      return "mortgage";
    case EventType::Unmortgage:
      return "unmortgage";
    case EventType::Upgrade:
      return "upgrade";
    case EventType::Deposit:
      return "deposit";
    case EventType::Withdrawal:
      return "withdrawal";
    case EventType::Loan:
      return "loan";
    case EventType::LoanRepaid:
      return "loan_repaid";
    case EventType::Interest:
      return "interest";
    case EventType::Bet:
      return "bet";
    case EventType::JailStay:
      return "jail_stay";
    case EventType::JailBail:
      return "jail_bail";
    case EventType::JailCard:
      return "jail_card";
    case EventType::GoToJail:
      return "go_to_jail";
    case EventType::Bankruptcy:
      return "bankruptcy";
    case EventType::Winner:
      return "winner";
    case EventType::GameEnded:
      return "game_ended";
  }
  return "event";
}

const char* CauseName(DebtCause c) {
  switch (c) {
    case DebtCause::Rent:
      return "rent";
    case DebtCause::Tax:
      return "tax";
    case DebtCause::Card:
      return "card";
    case DebtCause::Bail:
      return "bail";
    case DebtCause::Loan:
      return "loan";
    case DebtCause::Payment:
      return "payment";
  }
  return "other";
}

void FormatEvent(std::string& out, int64_t game, int64_t turn, const GameEvent& e) {
  out += "{\"game\":";
  Append(out, game);
  Field(out, "turn", turn);
  TextField(out, "type", EventName(e.type));
  const Layout l = LayoutOf(e.type);
  if (l.player) Field(out, l.player, e.player);
  if (l.other) Field(out, l.other, e.other);
  if (l.square) Field(out, l.square, e.square);
  if (l.a) Field(out, l.a, e.a);
  if (l.b) {
    if (l.b_is_cause) {
      TextField(out, l.b, CauseName(static_cast<DebtCause>(e.b)));
    } else {
      Field(out, l.b, e.b);
    }
  }
  out += '}';
}

TraceWriter::TraceWriter(std::FILE* file) : file_(file) {
  static constexpr size_t kBuffer = 1 << 20;
  std::setvbuf(file_, nullptr, _IOFBF, kBuffer);
  line_.reserve(256);
}

TraceWriter::~TraceWriter() {
  Close();
}

bool TraceWriter::Close() {
  if (file_ && std::fclose(file_) != 0) ok_ = false;
  file_ = nullptr;
  return ok_;
}

void TraceWriter::WriteLine() {
  line_ += '\n';
  if (!file_) {
    line_.clear();
    return;
  }
  if (std::fwrite(line_.data(), 1, line_.size(), file_) != line_.size()) ok_ = false;
  line_.clear();
}

void TraceWriter::BeginGame(int64_t game, std::span<const int> levels, std::span<const int> seats,
                            Dollars cash) {
  game_ = game;
  line_ += "{\"game\":";
  Append(line_, game);
  TextField(line_, "type", "seats");
  line_ += ",\"levels\":[";
  for (size_t i = 0; i < levels.size(); ++i) {
    if (i) line_ += ',';
    line_ += '"';
    line_ += LevelName(levels[i]);
    line_ += '"';
  }
  line_ += "],\"seats\":[";
  for (size_t i = 0; i < seats.size(); ++i) {
    if (i) line_ += ',';
    Append(line_, seats[i] + 1);
  }
  line_ += ']';
  Field(line_, "cash", cash);
  line_ += '}';
  WriteLine();
}

void TraceWriter::OnGameEvent(const Game&, const GameEvent& e) {
  FormatEvent(line_, game_, autoplay_ ? autoplay_->turns() : 0, e);
  WriteLine();
}

}  // namespace quorbis::sim
