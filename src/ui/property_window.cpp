#include "ui/property_window.h"

#include <QEvent>
#include <QPainter>
#include <QTimer>

#include "ui/look.h"

namespace quorbis::ui {
namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

// Twips of the dialog layouts to pixels.
QRect T(int x, int y, int w, int h) {
  return QRect(Px(x), Px(y), Px(w), Px(h));
}

const CardLayout kDialogLayout{T(750, 1710, 1515, 585),  T(3150, 2250, 2970, 315),
                               T(420, 2520, 2085, 405),  T(3090, 2640, 3075, 2925),
                               T(435, 3030, 2070, 2775), 10.5};
const CardLayout kHoverLayout{T(510, 420, 1455, 585),   T(2910, 960, 2970, 315),
                              T(210, 1200, 2055, 435),  T(2880, 1380, 3045, 2895),
                              T(210, 1740, 2070, 2775), 10.5};

// A card without its background picture: cream paper with navy bands.
void PaintPlainCard(QPainter& p, const QRect& r, bool with_title_band) {
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(r, kCardColor);
  if (with_title_band) {
    p.fillRect(QRect(0, 0, r.width(), 84), kDialogColor);
    p.fillRect(QRect(0, r.height() - 56, r.width(), 56), kDialogColor);
  }
  p.setPen(QPen(kPanelBorder, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(r).adjusted(1, 1, -1, -1), 8, 8);
}

}  // namespace

void PaintPropertyCard(QPainter& p, const CardLayout& l, const PropertyDialogState& s,
                       const QPixmap& picture, bool pictured_background) {
  Q_UNUSED(pictured_background);
  p.setPen(Qt::black);
  p.setFont(Arial(l.owner_points));
  QString owner = Q(s.owner);
  owner.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  p.drawText(l.owner, Qt::AlignHCenter | Qt::AlignTop, owner);
  p.setFont(Arial(9, true));
  p.drawText(l.name, Qt::AlignCenter | Qt::TextWordWrap, Q(s.full_name));
  p.setFont(Arial(12, true));
  p.drawText(l.price, Qt::AlignCenter, Q(s.price));
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
  const QRect places[4] = {T(1140, 6240, 1935, 375), T(3900, 6240, 1545, 375),
                           T(960, 6240, 2250, 375), T(3300, 6240, 2715, 375)};
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
      // nothing of this handler is left on the stack when it does.
      Game& g = g_;
      QTimer::singleShot(0, parentWidget(), [&g, i] { PropertyClick(g, i); });
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
  if (!pictured) PaintPlainCard(p, rect(), true);
  p.setPen(pictured ? Qt::black : QColor(255, 246, 224));
  p.setFont(Arial(14.25, true));
  p.drawText(T(1050, 840, 4815, 345), Qt::AlignCenter, QStringLiteral("Corporate Action"));
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
    PaintPlainCard(p, rect(), false);
  }
  PaintPropertyCard(p, kHoverLayout, state_, picture_, pictured);
}

void HoverCard::mousePressEvent(QMouseEvent*) {
  emit clickedAway();
}

}  // namespace quorbis::ui
