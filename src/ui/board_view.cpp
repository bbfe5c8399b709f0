#include "ui/board_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/look.h"

namespace quorbis::ui {
namespace {

struct BarButton {
  int x;
  int width;
  const char* picture;
  const char* caption;
};
// Game menu, upgrade, sell, mortgage, unmortgage, at their places on the bar.
constexpr BarButton kBarButtons[5] = {{0, 78, "bar_menu", "MENU"},
                                      {78, 116, "bar_upgrade", "UPGRADE"},
                                      {194, 68, "bar_sell", "SELL"},
                                      {262, 135, "bar_mortgage", "MORTGAGE"},
                                      {397, 160, "bar_unmortgage", "UNMORTGAGE"}};
// The asset dialog's mode of each asset button.
constexpr int kManageModes[5] = {-1, kUpgrade, kSell, kMortgage, kUnmortgage};

}  // namespace

ActionBar::ActionBar(QWidget* parent) : QWidget(parent) {
  setFixedHeight(31);
  for (int i = 0; i < 5; ++i) {
    const BarButton& b = kBarButtons[i];
    auto* button = new PictureButton(Picture(QStringLiteral("appdata/%1.png").arg(b.picture)),
                                     QString::fromLatin1(b.caption), this);
    button->setObjectName(QStringLiteral("bar%1").arg(i));
    button->setGeometry(b.x, 1, b.width, 29);
    button->SetPlateColor(QColor(28, 60, 112));
    buttons_[i] = button;
    if (i == 0) {
      connect(button, &QAbstractButton::clicked, this, &ActionBar::menuClicked);
    } else {
      const int mode = kManageModes[i];
      connect(button, &QAbstractButton::clicked, this, [this, mode] { emit manageClicked(mode); });
    }
  }
  SetState({});
}

void ActionBar::SetState(const ActionMenuState& state) {
  state_ = state;
  buttons_[1]->setVisible(state.upgrade);
  buttons_[2]->setVisible(state.sell);
  buttons_[3]->setVisible(state.mortgage);
  buttons_[4]->setVisible(state.unmortgage);
  update();
}

void ActionBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QPixmap strip = Picture(QStringLiteral("appdata/bar.png"));
  if (!strip.isNull()) {
    p.drawPixmap(rect(), strip);
  } else {
    p.fillRect(rect(), kBackdrop);
  }
  // The dimmed counterparts of hidden buttons.
  for (int i = 1; i < 5; ++i) {
    if (buttons_[i]->isVisible()) continue;
    const BarButton& b = kBarButtons[i];
    const QRect place(b.x, 1, b.width, 29);
    const QPixmap off = Picture(QStringLiteral("appdata/%1_off.png").arg(b.picture));
    if (!off.isNull()) {
      p.drawPixmap(place, off);
    } else {
      p.setPen(QColor(255, 255, 255, 70));
      p.setFont(Arial(9, true));
      p.drawText(place, Qt::AlignCenter, QString::fromLatin1(b.caption));
    }
  }
}

BoardView::BoardView(Game& g, QWidget* parent) : QWidget(parent), g_(g) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  bar_ = new ActionBar(this);
  bankrupt_ = new PictureButton(Picture(QStringLiteral("appdata/bankrupt.png")),
                                QStringLiteral("DECLARE BANKRUPTCY"), this);
  bankrupt_->setObjectName(QStringLiteral("bankrupt"));
  bankrupt_->SetPlateColor(QColor(150, 30, 30));
  bankrupt_->resize(kBankruptWidth, kBankruptHeight);
  bankrupt_->hide();
}

BoardRenderer& BoardView::renderer() {
  if (!renderer_) renderer_ = std::make_unique<BoardRenderer>(g_.MapPath);
  return *renderer_;
}

void BoardView::LayOut(int client_w, int client_h) {
  renderer();
  if (!LayOutBoard(g_, *renderer_, client_w, client_h) && !renderer_->geometry().Valid) return;
  const BoardGeometry& geo = renderer_->geometry();
  setGeometry(geo.MapLeft, geo.MapTop, geo.B, geo.MapHeight);
  bar_->setGeometry(geo.MenuBarLeft, geo.MenuBarTop, geo.MenuBarWidth, 31);
  bankrupt_->move(geo.BankruptLeft, geo.BankruptTop);
  Redraw();
  renderer_->ExchangePic(g_, -1);
}

void BoardView::Redraw() {
  if (!renderer_ || !renderer_->geometry().Valid) return;
  renderer_->UpdateMap(g_);
  renderer_->DrawPlayer(g_, -1);
  update();
}

void BoardView::ExchangePic(int hide_player) {
  if (!renderer_ || !renderer_->geometry().Valid) return;
  renderer_->ExchangePic(g_, hide_player);
}

void BoardView::DrawPlayerMove(int x, int y) {
  if (!renderer_ || !renderer_->geometry().Valid) return;
  update(renderer_->DrawPlayerMove(g_, x, y));
}

void BoardView::EraseToken(int player) {
  if (!renderer_ || !renderer_->geometry().Valid) return;
  update(renderer_->EraseToken(g_, player));
}

void BoardView::DrawDice(int total) {
  if (!renderer_ || !renderer_->geometry().Valid) return;
  update(renderer_->DrawDice(total));
}

int BoardView::SquareAt(QPoint p) const {
  for (int s = 0; s < kSquareCount; ++s) {
    const Square& sq = g_.Squares[s];
    if (p.x() >= sq.Left && p.x() <= sq.Right && p.y() >= sq.Top && p.y() <= sq.Bottom)
      return sq.Kind == kProperty ? s : -1;
  }
  return -1;
}

void BoardView::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  if (!renderer_ || renderer_->Map().isNull()) {
    p.fillRect(e->rect(), kBackdrop);
    return;
  }
  p.drawImage(e->rect(), renderer_->Map(), e->rect());
}

void BoardView::mousePressEvent(QMouseEvent* e) {
  emit squarePressed(SquareAt(e->position().toPoint()));
}

void BoardView::mouseMoveEvent(QMouseEvent* e) {
  if (SquareAt(e->position().toPoint()) < 0) emit leftSquares();
}

}  // namespace quorbis::ui
