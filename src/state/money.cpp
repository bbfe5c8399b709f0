#include "state/money.h"

#include <cmath>
#include <cstdlib>
#include <ostream>

namespace quorbis {

int64_t HalfEven(double value) {
  return static_cast<int64_t>(std::nearbyint(value));
}

namespace {

// Integer division rounding halves to even.
int64_t DivideHalfEven(int64_t numerator, int64_t denominator) {
  if (denominator < 0) {
    numerator = -numerator;
    denominator = -denominator;
  }
  int64_t q = numerator / denominator;
  int64_t r = numerator % denominator;
  if (r < 0) {
    r += denominator;
    q -= 1;
  }
  const int64_t twice = 2 * r;
  if (twice > denominator || (twice == denominator && (q & 1) != 0)) q += 1;
  return q;
}

}  // namespace

Currency Currency::FromDouble(double value) {
  return FromRaw(HalfEven(value * static_cast<double>(kScale)));
}

int64_t Currency::ToDollars() const {
  return DivideHalfEven(raw_, kScale);
}

Currency Currency::DivideBy(int64_t k) const {
  return FromRaw(DivideHalfEven(raw_, k));
}

std::string FormatMoney(int64_t dollars) {
  const bool negative = dollars < 0;
  // Work on the unsigned magnitude so that the smallest int64 is formatted too.
  uint64_t magnitude =
      negative ? 0 - static_cast<uint64_t>(dollars) : static_cast<uint64_t>(dollars);
  std::string digits = std::to_string(magnitude);
  std::string grouped;
  grouped.reserve(digits.size() + digits.size() / 3 + 2);
  const size_t lead = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i != 0 && (i - lead) % 3 == 0 && i >= lead) grouped.push_back(',');
    grouped.push_back(digits[i]);
  }
  return (negative ? "-$" : "$") + grouped;
}

std::string FormatMoney(Currency amount) {
  return FormatMoney(amount.ToDollars());
}

std::string FormatMoneyReal(double amount) {
  return FormatMoney(HalfEven(amount));
}

std::ostream& operator<<(std::ostream& out, Currency c) {
  return out << PlainNumber(c);
}

std::string PlainNumber(int64_t dollars) {
  return std::to_string(dollars);
}

std::string PlainNumber(Currency amount) {
  const int64_t raw = amount.raw();
  const bool negative = raw < 0;
  const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(raw) : static_cast<uint64_t>(raw);
  std::string text = std::to_string(magnitude / Currency::kScale);
  uint64_t fraction = magnitude % Currency::kScale;
  if (fraction != 0) {
    std::string decimals = std::to_string(fraction + Currency::kScale).substr(1);
    while (!decimals.empty() && decimals.back() == '0') decimals.pop_back();
    text += "." + decimals;
  }
  return negative ? "-" + text : text;
}

}  // namespace quorbis
