#include "ui/property_window.h"

#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>

#include "ui/look.h"

namespace quorbis::ui {
namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

// The card's plates: owner, name and price over the picture and the detail
// text, white on the dark card.
const CardLayout kDialogLayout{QRect(32, 100, 150, 40),  QRect(190, 98, 242, 26),
                               QRect(190, 130, 242, 44), QRect(192, 206, 244, 184),
                               QRect(29, 202, 138, 185), 10.5};
const CardLayout kHoverLayout{QRect(24, 76, 200, 30),   QRect(18, 16, 396, 44),
                              QRect(220, 72, 188, 34),  QRect(172, 122, 244, 180),
                              QRect(14, 116, 138, 185), 10.5};

// A card without its background picture: the same dark card with an orange
// band and lighter plates, drawn plainly.
void PaintPlainCard(QPainter& p, const QRect& r, const CardLayout& l, int band_height) {
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(r, kDialogColor);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 128, 0));
  p.drawRoundedRect(QRect(14, 14, r.width() - 28, band_height), 6, 6);
  p.setBrush(QColor(255, 255, 255, 22));
  p.drawRoundedRect(l.detail.adjusted(-6, -6, 4, 4), 6, 6);
  p.setBrush(QColor(10, 16, 32));
  p.drawRect(l.picture);
  p.setPen(QPen(kPanelBorder, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(r).adjusted(1, 1, -1, -1), 8, 8);
}

}  // namespace

void PaintPropertyCard(QPainter& p, const CardLayout& l, const PropertyDialogState& s,
                       const QPixmap& picture, bool pictured_background) {
  Q_UNUSED(pictured_background);
  p.setPen(QColor(255, 246, 224));
  p.setFont(Arial(l.owner_points));
  QString owner = Q(s.owner);
  owner.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  p.drawText(l.owner, Qt::AlignLeft | Qt::AlignVCenter, owner);
  p.setPen(Qt::white);
  p.setFont(Arial(12, true));
  p.drawText(l.name, Qt::AlignCenter | Qt::TextWordWrap, Q(s.full_name));
  p.setPen(QColor(255, 201, 60));
  p.setFont(Arial(12, true));
  p.drawText(l.price, Qt::AlignCenter, Q(s.price));
  p.setPen(Qt::white);
  p.setFont(Arial(9));
  QString detail = Q(s.detail);
  detail.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  p.drawText(l.detail, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, detail);
  if (!picture.isNull()) {
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(QRect(l.picture.topLeft(), QSize(138, 185)), picture);
  }
}

// --- PropertyWindow --------------------------------------------------------

PropertyWindow::PropertyWindow(Game& g, QWidget* owner)
    : SkinnedWindow(owner, {462, 459}, 16), g_(g), square_(g.CurSquare) {
  setObjectName(QStringLiteral("property"));
  SetBackground(Picture(QStringLiteral("appdata/property_card.jpg")), kCardColor);
  const QRect places[4] = {QRect(60, 408, 150, 28), QRect(262, 408, 140, 28),
                           QRect(36, 408, 200, 28), QRect(236, 408, 200, 28)};
  const char* const names[4] = {"buy", "cancel", "payRent", "takeover"};
  for (int i = 0; i < 4; ++i) {
    buttons_[i] = new LabelButton(QString(), this, 14.25);
    buttons_[i]->setObjectName(QString::fromLatin1(names[i]));
    buttons_[i]->setGeometry(places[i].adjusted(0, -4, 0, 4));
    connect(buttons_[i], &QAbstractButton::clicked, this, [this, i] {
      if (clicked_) return;
      clicked_ = true;
      for (LabelButton* b : buttons_) b->setEnabled(false);
      // The engine closes this window; run it from the event loop so that
      // nothing of this handler is left on the stack when it does. A choice
      // it refuses leaves the buttons as they were.
      Game& g = g_;
      QPointer<PropertyWindow> self(this);
      QTimer::singleShot(0, parentWidget(), [&g, self, i] {
        PropertyClick(g, i);
        if (self && self->isVisible()) {
          self->clicked_ = false;
          self->Refresh();
        }
      });
    });
  }
  Refresh();
  CentreOverBoard();
}

void PropertyWindow::Refresh() {
  square_ = g_.CurSquare;
  state_ = PropertyDialogFor(g_, square_);
  picture_ = SquarePicture(square_);
  static const char* const kCaptions[4] = {"&Buy", "&Cancel", "&Pay Rent", "&Hostile Takeover"};
  for (int i = 0; i < 4; ++i) {
    buttons_[i]->setText(i == kActPayRent ? QString::fromStdString(state_.pay_caption)
                                          : QString::fromLatin1(kCaptions[i]));
    buttons_[i]->setVisible(state_.buttons[i].visible);
    buttons_[i]->setEnabled(state_.buttons[i].enabled && !clicked_);
  }
  update();
}

void PropertyWindow::paintEvent(QPaintEvent* e) {
  const bool pictured = !Picture(QStringLiteral("appdata/property_card.jpg")).isNull();
  if (pictured) {
    SkinnedWindow::paintEvent(e);
  }
  QPainter p(this);
  if (!pictured) PaintPlainCard(p, rect(), kDialogLayout, 58);
  p.setPen(Qt::white);
  p.setFont(Arial(14.25, true));
  p.drawText(QRect(20, 22, 422, 54), Qt::AlignCenter, QStringLiteral("Corporate Action"));
  PaintPropertyCard(p, kDialogLayout, state_, picture_, pictured);
}

void PropertyWindow::showEvent(QShowEvent* e) {
  SkinnedWindow::showEvent(e);
  Refresh();
}

bool PropertyWindow::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) {
    Refresh();
    CentreOverBoard();
  }
  return SkinnedWindow::event(e);
}

// --- HoverCard -------------------------------------------------------------

HoverCard::HoverCard(Game& g, QWidget* owner) : SkinnedWindow(owner, {432, 319}, 16), g_(g) {
  setObjectName(QStringLiteral("hovercard"));
  SetUserClosable(true);
  setAttribute(Qt::WA_ShowWithoutActivating);
  SetBackground(Picture(QStringLiteral("appdata/hover_card.jpg")), kCardColor);
  CentreOverBoard();
}

HoverCard::~HoverCard() {
  g_.HoverCardOpen = false;
}

void HoverCard::RefreshInfo() {
  CentreOverBoard();
  square_ = g_.HoverSquare;
  if (square_ < 0) return;
  g_.HoverCardOpen = true;
  state_ = PropertyDialogFor(g_, square_);
  picture_ = SquarePicture(square_);
  update();
}

void HoverCard::paintEvent(QPaintEvent* e) {
  const bool pictured = !Picture(QStringLiteral("appdata/hover_card.jpg")).isNull();
  QPainter p(this);
  if (pictured) {
    p.end();
    SkinnedWindow::paintEvent(e);
    p.begin(this);
  } else {
    PaintPlainCard(p, rect(), kHoverLayout, 48);
  }
  PaintPropertyCard(p, kHoverLayout, state_, picture_, pictured);
}

void HoverCard::mousePressEvent(QMouseEvent*) {
  emit clickedAway();
}

}  // namespace quorbis::ui
