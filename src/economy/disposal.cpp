// Placeholder bodies; the economy fills them.
#include "economy/disposal.h"

namespace quorbis {

void PayDebt(Game&, Dollars, DebtCause) {}
Dollars DisposeAsset(Game&, int, int) {
  return 0;
}
void SaleAssets(Game&, Dollars) {}
Dollars GetDiposeValue(const Game&) {
  return 0;
}
Dollars GetMortgageValue(const Game&) {
  return 0;
}
Dollars SaleValue(const Square& s) {
  return HalfEven(static_cast<double>(s.Price) * 0.7);
}
Dollars MortgageValue(const Square& s) {
  return HalfEven(static_cast<double>(s.Price) * 0.5);
}
Dollars UnmortgageCost(const Square& s) {
  return HalfEven(static_cast<double>(s.Price) * 0.65);
}
Dollars UpgradeCostDollars(const Square& s) {
  return s.UpgradeCost.ToDollars();
}

}  // namespace quorbis
