#include "ui/asset_icons.h"

#include <QPainter>

#include "state/board.h"
#include "ui/look.h"

namespace quorbis::ui {
namespace {

const char* const kGroupFiles[7] = {"", "green", "red", "blue", "yellow", "pink", "brown"};
const QColor kGroupColors[7] = {QColor(120, 120, 120), QColor(0, 200, 0),   QColor(230, 0, 0),
                                QColor(0, 0, 230),     QColor(235, 215, 0), QColor(230, 0, 230),
                                QColor(255, 128, 0)};

QPixmap PlainIcon(QColor fill, const QString& mark, QColor ink, bool outline_only = false) {
  QPixmap pix(22, 24);
  pix.fill(Qt::transparent);
  QPainter p(&pix);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(outline_only ? QColor(255, 255, 255, 110) : fill.darker(160), 1));
  p.setBrush(outline_only ? QBrush(Qt::NoBrush) : QBrush(fill));
  p.drawRoundedRect(QRectF(1.5, 1.5, 19, 21), 3, 3);
  if (!mark.isEmpty()) {
    p.setPen(ink);
    p.setFont(Arial(8, true));
    p.drawText(QRect(0, 0, 22, 24), Qt::AlignCenter, mark);
  }
  return pix;
}

QPixmap Loaded(const QString& name) {
  return Picture(QStringLiteral("appdata/") + name);
}

}  // namespace

const std::array<GridCell, 36>& AssetGrid() {
  static const std::array<GridCell, 36> grid = [] {
    std::array<GridCell, 36> cells{};
    const int left[5][4] = {
        {2, 4, 6, -1}, {8, 10, 14, 16}, {18, 20, 22, -1}, {26, 28, 30, -1}, {32, 34, 38, 40}};
    const int right[5][4] = {
        {42, 44, 46, -1}, {1, 13, 25, 37}, {15, 39, -1, -1}, {7, 19, 31, 43}, {11, 23, 35, 47}};
    int n = 0;
    for (int row = 0; row < 5; ++row) {
      for (int col = 0; col < 4; ++col) {
        if (left[row][col] >= 0) cells[n++] = {left[row][col], row, col, false};
        if (right[row][col] >= 0) cells[n++] = {right[row][col], row, col, true};
      }
    }
    return cells;
  }();
  return grid;
}

QPixmap GroupIcon(int group, int index) {
  if (group < 1 || group > 6) group = 0;
  QPixmap pix = Loaded(QStringLiteral("asset_%1_%2.png").arg(kGroupFiles[group]).arg(index));
  if (!pix.isNull() && group != 0) return pix;
  if (index == 1) return PlainIcon(QColor(150, 150, 150), QStringLiteral("M"), Qt::black);
  return PlainIcon(kGroupColors[group], index >= 3 ? QString::number(index) : QString(), Qt::black);
}

QPixmap TrustMortgagedIcon() {
  QPixmap pix = Loaded(QStringLiteral("asset_trust_1.png"));
  return pix.isNull() ? PlainIcon(QColor(150, 150, 150), QStringLiteral("M"), Qt::black) : pix;
}

QPixmap OwnIcon(int n) {
  QPixmap pix = Loaded(QStringLiteral("asset_own_%1.png").arg(n));
  if (!pix.isNull()) return pix;
  if (n == 0) return PlainIcon(QColor(225, 225, 225), QString(), Qt::black);
  if (n == kScratchSquare) return PlainIcon(QColor(), QString(), Qt::white, true);
  const int group = BuildingGroup(n);
  if (group > 0) return PlainIcon(kGroupColors[group], QString(), Qt::black);
  const bool utility = n == 15 || n == 39;
  return PlainIcon(QColor(27, 42, 71), utility ? QStringLiteral("U") : QStringLiteral("T"),
                   QColor(255, 201, 60));
}

QPixmap PanelIcon(const Game& g, int n, int p) {
  const Square& s = g.Squares[n];
  if (s.Owner < 0) return OwnIcon(kScratchSquare);
  if (s.Owner != p) return OwnIcon(0);
  const int group = BuildingGroup(n);
  if (group > 0) return GroupIcon(group, s.Mortgaged ? 1 : s.StarClass);
  return s.Mortgaged ? TrustMortgagedIcon() : OwnIcon(n);
}

QPixmap ManageIcon(const Game& g, int n, int mode, bool eligible) {
  if (!eligible) return OwnIcon(0);
  const Square& s = g.Squares[n];
  const int group = BuildingGroup(n);
  if (group > 0) return GroupIcon(group, mode == kUnmortgage ? 1 : s.StarClass);
  return mode == kUnmortgage ? TrustMortgagedIcon() : OwnIcon(n);
}

}  // namespace quorbis::ui
