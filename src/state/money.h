// Money in the game: whole dollars for cash, and a fixed-point Currency with
// four decimals for rents and upgrade costs, so that quarter and fifth prices
// (27.5, 37.5, 16.25 ...) are held exactly.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

namespace quorbis {

// Whole dollars. 64 bits so that sums of rents and bank interest can never
// overflow however long a game runs; values shown to the player still fit in
// the 32-bit range the game's rules are written for.
using Dollars = int64_t;

// Rounds to the nearest integer, halves to the even neighbour (27.5 -> 28,
// 62.5 -> 62, 4.5 -> 4, -2.5 -> -2). The one conversion of every fractional
// amount to whole dollars in the game.
int64_t HalfEven(double value);

class Currency {
 public:
  static constexpr int64_t kScale = 10000;

  constexpr Currency() = default;
  static constexpr Currency FromRaw(int64_t raw) {
    Currency c;
    c.raw_ = raw;
    return c;
  }
  static constexpr Currency FromDollars(int64_t dollars) { return FromRaw(dollars * kScale); }
  // A floating-point product stored as Currency: rounded to four decimals,
  // halves to even, the way the board's rent formulas are stored.
  static Currency FromDouble(double value);

  constexpr int64_t raw() const { return raw_; }
  double ToDouble() const { return static_cast<double>(raw_) / kScale; }
  // Whole dollars, halves to even (37.5 -> 38, 62.5 -> 62).
  int64_t ToDollars() const;

  constexpr Currency operator+(Currency o) const { return FromRaw(raw_ + o.raw_); }
  constexpr Currency operator-(Currency o) const { return FromRaw(raw_ - o.raw_); }
  constexpr Currency operator*(int64_t k) const { return FromRaw(raw_ * k); }
  // Exact division by a whole number where the rules halve a rent; rounded to
  // four decimals, halves to even.
  Currency DivideBy(int64_t k) const;
  Currency& operator+=(Currency o) {
    raw_ += o.raw_;
    return *this;
  }
  constexpr auto operator<=>(const Currency&) const = default;

 private:
  int64_t raw_ = 0;
};

constexpr Currency operator*(int64_t k, Currency c) {
  return c * k;
}
// Writes the amount as plain digits (test output, traces).
std::ostream& operator<<(std::ostream& out, Currency c);

// "$###,###,##0": dollar sign, thousands separators, no decimals, minus sign
// in front (-250 -> "-$250", 1500 -> "$1,500").
std::string FormatMoney(int64_t dollars);
// The same pattern for a Currency or a real amount, rounded half to even.
std::string FormatMoney(Currency amount);
std::string FormatMoneyReal(double amount);

// An amount written as plain digits inside a message: "200", "27.5", "-3".
std::string PlainNumber(int64_t dollars);
std::string PlainNumber(Currency amount);

}  // namespace quorbis
