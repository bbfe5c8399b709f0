#include "ui/manage_window.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>

#include "ui/asset_icons.h"
#include "ui/look.h"

namespace quorbis::ui {
namespace {

QPixmap LookPicture(const CardLook& look) {
  switch (look.set) {
    case CardPictures::Own:
      return OwnIcon(look.index);
    case CardPictures::Trust:
      return TrustMortgagedIcon();
    default:
      // Green .. Brown are the colour groups 1..6 in board order.
      return GroupIcon(static_cast<int>(look.set), look.index);
  }
}

QLabel* WhiteLabel(QWidget* parent, const QRect& place, double points, bool bold,
                   Qt::Alignment align) {
  auto* l = new QLabel(parent);
  l->setGeometry(place);
  l->setFont(Arial(points, bold));
  l->setAlignment(align);
  l->setWordWrap(true);
  l->setTextFormat(Qt::PlainText);
  l->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
  l->setAttribute(Qt::WA_TransparentForMouseEvents);
  return l;
}

}  // namespace

ManageWindow::ManageWindow(Game& g, QWidget* owner) : SkinnedWindow(owner, {431, 319}, 12), g_(g) {
  setObjectName(QStringLiteral("manage"));
  setMouseTracking(true);
  SetBackground(Picture(QStringLiteral("appdata/manage.jpg")), kDialogColor);
  name_ = WhiteLabel(this, QRect(25, 55, 136, 23), 9, true, Qt::AlignCenter);
  price_ = WhiteLabel(this, QRect(25, 262, 136, 23), 9, true, Qt::AlignCenter);
  detail_ = WhiteLabel(this, QRect(186, 204, 225, 60), 10.5, false, Qt::AlignLeft | Qt::AlignTop);
  detail_->setObjectName(QStringLiteral("detail"));
  done_ = new LabelButton(
      QString::fromLatin1(kManageDoneCaption.data(), static_cast<int>(kManageDoneCaption.size())),
      this);
  done_->setObjectName(QStringLiteral("done"));
  done_->setGeometry(236, 270, 80, 28);
  give_up_ = new LabelButton(QString::fromLatin1(kManageGiveUpCaption.data(),
                                                 static_cast<int>(kManageGiveUpCaption.size())),
                             this);
  give_up_->setObjectName(QStringLiteral("giveUp"));
  give_up_->setGeometry(320, 270, 96, 28);
  sell_mode_ = new LabelButton(QStringLiteral("Sell"), this, 9);
  sell_mode_->setObjectName(QStringLiteral("modeSell"));
  sell_mode_->setGeometry(300, 40, 50, 18);
  mortgage_mode_ = new LabelButton(QStringLiteral("Mortgage"), this, 9);
  mortgage_mode_->setObjectName(QStringLiteral("modeMortgage"));
  mortgage_mode_->setGeometry(350, 40, 70, 18);

  Game& game = g_;
  QWidget* context = owner;
  connect(done_, &QAbstractButton::clicked, this,
          [&game, context] { QTimer::singleShot(0, context, [&game] { ManageDone(game); }); });
  connect(give_up_, &QAbstractButton::clicked, this, [this, &game, context] {
    give_up_->setEnabled(false);
    QTimer::singleShot(0, context, [&game] { ManageGiveUp(game); });
  });
  connect(sell_mode_, &QAbstractButton::clicked, this, [this] {
    ManageSwitchMode(g_, kSell);
    Rebuild();
  });
  connect(mortgage_mode_, &QAbstractButton::clicked, this, [this] {
    ManageSwitchMode(g_, kMortgage);
    Rebuild();
  });
  Rebuild();
  CentreOverBoard();
}

void ManageWindow::Rebuild() {
  mode_ = g_.ManageMode;
  title_ =
      QString::fromLatin1(ManageTitle(mode_).data(), static_cast<int>(ManageTitle(mode_).size()));
  const std::array<ManageGridCell, kManageCardCount> grid = ManageGrid();
  for (int i = 0; i < kManageCardCount; ++i) {
    Card& c = cards_[i];
    c.square = grid[i].square;
    c.place = QRect(Px(grid[i].left), Px(grid[i].top), 22, 24);
    c.picture = LookPicture(ManageCardLook(g_, c.square, mode_));
    c.enabled = ManageCardEnabled(g_, c.square, mode_);
  }
  const bool switching = ManageModeSwitchOffered(g_);
  sell_mode_->setVisible(switching && mode_ != kSell);
  mortgage_mode_->setVisible(switching && mode_ != kMortgage);
  give_up_->setVisible(ManageGiveUpOffered(g_));
  Hover(hovered_);
  update();
}

QRect ManageWindow::CardRect(int square) const {
  for (const Card& c : cards_)
    if (c.square == square) return c.place;
  return {};
}

bool ManageWindow::CardEnabled(int square) const {
  for (const Card& c : cards_)
    if (c.square == square) return c.enabled;
  return false;
}

int ManageWindow::CardAt(QPoint p) const {
  for (const Card& c : cards_)
    if (c.place.contains(p)) return c.square;
  return -1;
}

void ManageWindow::Hover(int square) {
  hovered_ = square;
  if (square < 0) {
    picture_ = QPixmap();
    name_->clear();
    price_->clear();
    detail_->setText(
        QString::fromLatin1(ManageHint(mode_).data(), static_cast<int>(ManageHint(mode_).size())));
  } else {
    const ManageHover h = ManageHoverFor(g_, square, mode_);
    name_->setText(QString::fromStdString(h.name));
    price_->setText(QString::fromStdString(h.price));
    QString detail = QString::fromStdString(h.detail);
    detail.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    detail_->setText(detail);
    picture_ = SquarePicture(h.picture);
  }
  update();
}

void ManageWindow::ClickCard(int square) {
  if (!CardEnabled(square)) return;
  Game& g = g_;
  QPointer<ManageWindow> self(this);
  // Run from the event loop: a refusal shows a tip, and the click may close
  // this dialog; only a dialog still open rebuilds its grid.
  QTimer::singleShot(0, parentWidget(), [&g, self, square] {
    ManageCardClick(g, square);
    if (self && g.ManageDialogOpen && self->isVisible()) self->Rebuild();
  });
}

void ManageWindow::paintEvent(QPaintEvent* e) {
  SkinnedWindow::paintEvent(e);
  QPainter p(this);
  // The background picture carries the dialog's name; the mode then goes in
  // its top right corner.
  if (Picture(QStringLiteral("appdata/manage.jpg")).isNull()) {
    p.setFont(Arial(14.25, true));
    p.setPen(Qt::white);
    p.drawText(QRect(6, 12, 419, 26), Qt::AlignCenter, title_);
  } else {
    p.setFont(Arial(12, true));
    p.setPen(QColor(255, 128, 0));
    p.drawText(QRect(300, 14, 116, 26), Qt::AlignRight | Qt::AlignVCenter, title_);
  }
  if (!picture_.isNull()) {
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(QRect(24, 78, 138, 185), picture_);
  } else {
    p.setPen(QColor(255, 255, 255, 50));
    p.drawRect(QRect(24, 78, 137, 184));
  }
  for (const Card& c : cards_) {
    p.setOpacity(c.enabled ? 1.0 : 0.45);
    p.drawPixmap(c.place, c.picture);
  }
  p.setOpacity(1.0);
  if (hovered_ >= 0) {
    p.setPen(QPen(kPanelBorder, 1.5));
    p.drawRect(CardRect(hovered_).adjusted(-1, -1, 0, 0));
  }
}

void ManageWindow::mouseMoveEvent(QMouseEvent* e) {
  const int square = CardAt(e->position().toPoint());
  setCursor(square >= 0 && CardEnabled(square) ? Qt::PointingHandCursor : Qt::ArrowCursor);
  if (square != hovered_) Hover(square);
}

void ManageWindow::mousePressEvent(QMouseEvent* e) {
  const int square = CardAt(e->position().toPoint());
  if (square >= 0) {
    if (e->button() == Qt::LeftButton) ClickCard(square);
    return;
  }
  SkinnedWindow::mousePressEvent(e);
}

void ManageWindow::leaveEvent(QEvent*) {
  if (hovered_ != -1) Hover(-1);
}

}  // namespace quorbis::ui
