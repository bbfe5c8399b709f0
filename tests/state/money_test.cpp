#include "state/money.h"

#include <gtest/gtest.h>

#include "state/fixed_text.h"

namespace quorbis {
namespace {

TEST(HalfEven, RoundsHalvesToTheEvenNeighbour) {
  struct Case {
    double value;
    int64_t expected;
  } cases[] = {{27.5, 28}, {62.5, 62}, {4.5, 4}, {0.5, 0},     {1.5, 2},       {-2.5, -2},
               {-3.5, -4}, {2.4, 2},   {2.6, 3}, {720.5, 720}, {1080.75, 1081}};
  for (const Case& c : cases) EXPECT_EQ(HalfEven(c.value), c.expected) << c.value;
}

TEST(Currency, HoldsQuarterAndFifthPricesExactly) {
  EXPECT_EQ(Currency::FromDouble(110 * 0.25).raw(), 275000);
  EXPECT_EQ(Currency::FromDouble(150 * 0.25).ToDollars(), 38);
  EXPECT_EQ(Currency::FromDouble(250 * 0.25).ToDollars(), 62);
  EXPECT_EQ(Currency::FromDouble(110 * 0.25).ToDollars(), 28);
  EXPECT_EQ(Currency::FromDouble(-62.5).ToDollars(), -62);
  // A star-class rent halved when the group bonus is lost stays exact.
  EXPECT_EQ(Currency::FromDouble(27.5).DivideBy(2).raw(), 137500);
  EXPECT_EQ((Currency::FromDollars(5) * 7).ToDollars(), 35);
}

TEST(FormatMoney, UsesThousandsSeparatorsAndALeadingMinus) {
  struct Case {
    int64_t value;
    const char* text;
  } cases[] = {{0, "$0"},
               {200, "$200"},
               {1500, "$1,500"},
               {-250, "-$250"},
               {999, "$999"},
               {1000, "$1,000"},
               {1234567, "$1,234,567"},
               {-1234567, "-$1,234,567"},
               {INT64_MIN, "-$9,223,372,036,854,775,808"}};
  for (const Case& c : cases) EXPECT_EQ(FormatMoney(c.value), c.text);
  EXPECT_EQ(FormatMoney(Currency::FromDouble(62.5)), "$62");
  EXPECT_EQ(FormatMoney(Currency::FromDouble(37.5)), "$38");
}

TEST(PlainNumber, WritesCurrencyWithOnlyTheDecimalsItHas) {
  EXPECT_EQ(PlainNumber(Currency::FromDollars(200)), "200");
  EXPECT_EQ(PlainNumber(Currency::FromDouble(27.5)), "27.5");
  EXPECT_EQ(PlainNumber(Currency::FromDouble(16.25)), "16.25");
  EXPECT_EQ(PlainNumber(Currency::FromDouble(-3)), "-3");
  EXPECT_EQ(PlainNumber(int64_t{1150}), "1150");
}

TEST(FixedText, KeepsTheFirstCharactersAndTrimsOnRead) {
  FixedText<12> name("ThirteenChars");
  EXPECT_EQ(name.raw(), "ThirteenChar");
  FixedText<12> padded("  Ann  ");
  EXPECT_EQ(padded.Trimmed(), "Ann");
  // Cut by characters, never in the middle of one.
  FixedText<3> accents("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9");
  EXPECT_EQ(accents.raw(), "\xC3\xA9\xC3\xA9\xC3\xA9");
  EXPECT_EQ(CharacterCount(accents.raw()), 3u);
}

}  // namespace
}  // namespace quorbis
