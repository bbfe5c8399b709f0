#include "state/board.h"
#include "state/holdings.h"

#include <string_view>

namespace quorbis {

namespace {

struct SquareDef {
  std::string_view short_name;
  std::string_view full_name;
  int32_t kind;
  int32_t price;
  int32_t trust_type;
};

constexpr std::string_view kFastFood =
    "Fast-food Chain Trust (T.G.I Friday's & McDonald's & Starbucks & KFC)";
constexpr std::string_view kTraffic =
    "NYC Urban Traffic Trust (NYC Bus & NYC Subway & NYC Taxi & NYC Airline)";
constexpr std::string_view kOil = "Oil Trust (Exxon & Mobil & Chevron & Texaco)";
constexpr std::string_view kUtilities = "NYC Utility Trust (NYC Water & NYC Electric)";

constexpr std::array<SquareDef, kSquareCount + 1> kSquares = {{
    {"GO", "Go", kNothing, 0, 0},
    {"T.G.I Friday's", "T.G.I Friday's - Thank God It's Friday", kProperty, 200, kTrust},
    {"570 Lexington", "570 Lexington Avenue", kProperty, 80, kBuilding},
    {"LUCK", "LUCK", kLuck, 0, 0},
    {"Woolworth Bldg", "Woolworth Building", kProperty, 80, kBuilding},
    {"INCOME TAX", "INCOME TAX", kTax, 200, 0},
    {"Carnegie Hall", "Carnegie Hall Tower", kProperty, 100, kBuilding},
    {"NYC Bus", "New York City Bus Company", kProperty, 150, kTrust},
    {"Worldwide Plaza", "One Worldwide Plaza", kProperty, 110, kBuilding},
    {"CHANCE", "CHANCE", kChance, 0, 0},
    {"One Penn Plaza", "One Penn Plaza", kProperty, 110, kBuilding},
    {"Texaco Oil", "Texaco Oil Corp.", kProperty, 250, kTrust},
    {"Just Visiting Jail", "Jail", kJail, 0, 0},
    {"McDonald's", "McDonald's Corporation", kProperty, 200, kTrust},
    {"60 Wall Street", "60 Wall Street", kProperty, 180, kBuilding},
    {"NYC Electric", "New York City Electric Co.", kProperty, 100, kUtility},
    {"GE Building", "GE Building", kProperty, 250, kBuilding},
    {"LUCK", "LUCK", kLuck, 0, 0},
    {"Manhattan Plaza", "One Chase Manhattan Plaza", kProperty, 180, kBuilding},
    {"NYC Subway", "New York City Subway Company", kProperty, 150, kTrust},
    {"Bloomberg Tower", "Bloomberg Tower", kProperty, 200, kBuilding},
    {"BANK", "BANK", kBank, 0, 0},
    {"Times Tower", "New York Times Tower", kProperty, 240, kBuilding},
    {"Exxon Oil", "Exxon Oil Corp.", kProperty, 250, kTrust},
    {"Free Park", "Free Park", kNothing, 0, 0},
    {"Starbucks", "Starbucks Corporation", kProperty, 200, kTrust},
    {"Freedom Tower", "Freedom Tower", kProperty, 400, kBuilding},
    {"CHANCE", "CHANCE", kChance, 0, 0},
    {"Empire State Bldg", "Empire State Building", kProperty, 350, kBuilding},
    {"CASINO", "Atlantic City", kCasino, 0, 0},
    {"Rockefeller Center", "Rockefeller Center", kProperty, 320, kBuilding},
    {"NYC Taxi", "New York City Taxicap Company", kProperty, 150, kTrust},
    {"Chrysler Bldg", "Chrysler Building", kProperty, 320, kBuilding},
    {"LUCK", "LUCK", kLuck, 0, 0},
    {"Trump Building", "Trump Building", kProperty, 280, kBuilding},
    {"Mobil Oil", "Mobil Oil Corp.", kProperty, 250, kTrust},
    {"Go Into Jail", "Go Into Jail", kGoIntoJail, 0, 0},
    {"KFC", "Kentucky Fried Chicken", kProperty, 200, kTrust},
    {"MetLife Bldg", "MetLife Building", kProperty, 250, kBuilding},
    {"NYC Water", "New York City Water Co.", kProperty, 100, kUtility},
    {"CitySpire", "CitySpire Center", kProperty, 200, kBuilding},
    {"CHANCE", "CHANCE", kChance, 0, 0},
    {"Trump World", "Trump World Tower", kProperty, 220, kBuilding},
    {"NYC Airlines", "New York City Airlines Company", kProperty, 150, kTrust},
    {"American Intl. Bldg", "American International Building", kProperty, 280, kBuilding},
    {"LUXURY TAX", "LUXURY TAX", kTax, 75, 0},
    {"One Liberty Plaza", "One Liberty Plaza", kProperty, 180, kBuilding},
    {"Chevron Oil", "Chevron Oil Corp.", kProperty, 250, kTrust},
    {"Temp Asset", "New York Central Park", kProperty, 0, 0},
}};

struct CardDef {
  std::string_view text;
  int32_t amount;
};

#define CRLF "\r\n"

constexpr std::array<CardDef, kDeckSize> kLuckDeck = {{
    {"Income tax refund" CRLF "Collect $20", 20},
    {"Receive for services $25", 25},
    {"From sale of stock you get $45", 45},
    {"Pay school tax of $150", 150},
    {"You inherit $100", 100},
    {"Doctor's fee. Pay $50", 50},
    {"You have won second prize in a beauty contest" CRLF "Collect $20", 20},
    {"Get $100 from sponsor", 100},
    {"Pay hospital $100", 100},
    {"Bank error in your favor" CRLF "Collect $200", 200},
    {"GO TO JAIL" CRLF "Go directly to jail" CRLF "Do not pass GO" CRLF "Do not collect $200", 0},
    {"Donate $30.00 to Charity for helping the needy", 30},
    {"Christmas fund matures" CRLF "Collect $100", 100},
    {"GET OUT OF JAIL FREE" CRLF "This card may be kept until needed", 0},
    {"Grand Opera Opening" CRLF "Collect $50 from every player for opening night seats", 50},
    {"ADVANCE TO GO" CRLF "(Collect $200)", 200},
}};

constexpr std::array<CardDef, kDeckSize> kChanceDeck = {{
    {"Advance token to the nearest Urban Traffic and pay owner Twice the rental to which he/she "
     "is otherwise entitled. If Urban Traffic is Unowned, You may buy it from the bank.",
     0},
    {"Advance to token to Freedom Tower", 0},
    {"ADVANCE TO GO" CRLF "(Collect $200)", 200},
    {"Go back 3 spaces", 0},
    {"Go directly to jail" CRLF "Do not pass GO," CRLF "Do not collect $200", 0},
    {"Advance to GE Bulding place." CRLF " If you pass Go, Collect $200", 0},
    {"Pay poor tax of $20", 20},
    {"Advance to American Intl. Bldg", 0},
    {"You have been elected Chairman of the board. Pay Each Player $50", 50},
    {"GET OUT OF JAIL FREE" CRLF "This card may be kept until needed", 0},
    {"Advance token to nearesr Utility. " CRLF
     "If Unowned you may buy it from the bank. If owned, throw dice and pay owner a total Ten "
     "times the amount thrown.",
     0},
    {"Bank pays you dividend of $50", 50},
    {"Go back 3 spaces", 0},
    {"Your building and loan matures .Collect $150", 150},
    {"Advance to Empire State Building", 0},
    {"ADVANCE TO GO" CRLF "(Collect $200)", 200},
}};

#undef CRLF

constexpr int kGroup1[] = {2, 4, 6};
constexpr int kGroup2[] = {8, 10, 14, 16};
constexpr int kGroup3[] = {18, 20, 22};
constexpr int kGroup4[] = {26, 28, 30};
constexpr int kGroup5[] = {32, 34, 38, 40};
constexpr int kGroup6[] = {42, 44, 46};

std::string_view TrustName(int square) {
  switch (square % 12) {
    case 1:
      return kFastFood;
    case 7:
      return kTraffic;
    case 11:
      return kOil;
    default:
      return {};
  }
}

// Every new game starts from the fixed board, and a simulation starts
// thousands: a text already in place is left alone rather than cut to length
// again. A text longer than its field never equals what the field holds, so
// it is still cut the usual way.
template <size_t N>
void SetText(FixedText<N>& field, std::string_view text) {
  if (field.raw() != text) field = text;
}

}  // namespace

int BuildingGroup(int s) {
  if (s < 0 || s >= kSquareCount || kSquares[s].kind != kProperty ||
      kSquares[s].trust_type != kBuilding)
    return 0;
  if (s >= 42) return 6;
  if (s >= 32) return 5;
  if (s >= 26) return 4;
  if (s >= 18) return 3;
  if (s > 7) return 2;
  if (s > 1) return 1;
  return 0;
}

std::span<const int> GroupSquares(int group) {
  switch (group) {
    case 1:
      return kGroup1;
    case 2:
      return kGroup2;
    case 3:
      return kGroup3;
    case 4:
      return kGroup4;
    case 5:
      return kGroup5;
    case 6:
      return kGroup6;
    default:
      return {};
  }
}

TrustRing TrustMembers(int square, int trust_type) {
  TrustRing ring;
  const int step = trust_type == kUtility ? 24 : 12;
  ring.count = trust_type == kUtility ? 2 : 4;
  for (int i = 0; i < ring.count; ++i) ring.members[i] = (square + i * step) % kSquareCount;
  return ring;
}

void InitBoard(Game& g) {
  for (int i = 0; i <= kSquareCount; ++i) {
    const SquareDef& def = kSquares[i];
    Square& sq = g.Squares[i];
    sq.Kind = def.kind;
    SetText(sq.ShortName, def.short_name);
    SetText(sq.FullName, def.full_name);
    sq.Price = def.price;
    sq.TrustType = def.trust_type;
    std::string_view group_name;
    if (def.kind == kProperty && def.trust_type == kTrust) group_name = TrustName(i);
    if (def.kind == kProperty && def.trust_type == kUtility) group_name = kUtilities;
    SetText(sq.GroupName, group_name);
    // Squares that cannot be owned carry no rent, except the tax squares.
    sq.Rent = def.kind == kTax ? Currency::FromDollars(def.price) : Currency();
    // Flags of the last game must not leak into a new one.
    sq.CanUpgrade = false;
    sq.TrustComplete = false;
  }
  // The scratch square is free between card payments.
  g.Squares[kScratchSquare].Owner = -1;
  g.Squares[kScratchSquare].Rent = Currency();
  // Nobody holds anything on a fresh board.
  g.OwnedSquares.fill(0);
  g.MortgagedSquares.fill(0);

  for (int i = 0; i < kDeckSize; ++i) {
    SetText(g.LuckCards[i].Text, kLuckDeck[i].text);
    g.LuckCards[i].Amount = kLuckDeck[i].amount;
    SetText(g.ChanceCards[i].Text, kChanceDeck[i].text);
    g.ChanceCards[i].Amount = kChanceDeck[i].amount;
  }

  g.Salary = 200;
  g.TotalPrice = 0;
  for (int i = 0; i < kSquareCount; ++i) {
    Square& sq = g.Squares[i];
    if (sq.Kind == kProperty) {
      const double price = static_cast<double>(sq.Price);
      sq.BaseRent = Currency::FromDouble(price * 0.25);
      sq.UpgradeCost = Currency();
      switch (sq.TrustType) {
        case kTrust:
          sq.Rent = sq.BaseRent;
          break;
        case kUtility:
          sq.Rent = Currency::FromDollars(5);
          sq.BaseRent = Currency::FromDollars(5);
          break;
        default:
          sq.UpgradeCost = Currency::FromDouble(price * 0.5);
          sq.Rent = Currency::FromDouble(price * 0.2);
          break;
      }
    }
    if (g.ShortNames[i] != sq.ShortName.raw()) g.ShortNames[i] = sq.ShortName.Trimmed();
    sq.Owner = -1;
    SetText(sq.OwnerName, "");
    sq.StarClass = 0;
    sq.Mortgaged = false;
    sq.Color = sq.Kind == kProperty ? kUnownedColor : 0;
    g.TotalPrice += sq.Price;
  }
}

void FormatSquarePrices(Game& g) {
  for (int i = 0; i < kSquareCount; ++i) {
    g.PriceText[i] = FormatMoney(g.Squares[i].Price);
    g.RentText[i] = FormatMoney(g.Squares[i].Rent);
    g.PriceRentText[i] = g.PriceText[i] + " / " + g.RentText[i];
  }
}

}  // namespace quorbis
