#include "ui/plain_windows.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "cards/cards.h"
#include "cards/casino.h"
#include "cards/jail.h"
#include "economy/bank.h"
#include "ui/look.h"
#include "ui/pump.h"

namespace quorbis::ui {
namespace {

QString Q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

// Runs a window's operation from the event loop (the operation may close the
// window), then lets the window read its view again if it is still open.
template <typename Window, typename Op>
void Later(Window* w, Op op) {
  QPointer<Window> self(w);
  QTimer::singleShot(0, w->parentWidget(), [self, op] {
    op();
    if (self && self->isVisible()) self->Refresh();
  });
}

void WriteCentred(QPainter& p, const QRect& r, const QString& text, double points, bool bold,
                  QColor color) {
  p.setFont(Arial(points, bold));
  p.setPen(color);
  p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, text);
}

}  // namespace

// --- CardWindow ------------------------------------------------------------

CardWindow::CardWindow(Game& g, QWidget* owner) : RefreshingWindow(owner, {396, 356}, 12), g_(g) {
  setObjectName(QStringLiteral("card"));
  ok_ = new LabelButton(QStringLiteral("&OK"), this, 14.25);
  ok_->setObjectName(QStringLiteral("ok"));
  ok_->setGeometry(140, 304, 117, 36);
  connect(ok_, &QAbstractButton::clicked, this, [this] {
    ok_->setEnabled(false);
    Game& game = g_;
    Later(this, [&game] { CardOk(game); });
  });
  poll_.setInterval(100);
  connect(&poll_, &QTimer::timeout, this, &CardWindow::Refresh);
  poll_.start();
  Refresh();
  CentreOverBoard();
}

void CardWindow::Refresh() {
  const CardWindowView v = CardWindowFor(g_);
  deck_ = v.deck;
  title_ = Q(v.title);
  text_ = Q(v.text);
  name_ = Q(v.name);
  SetBackground(Picture(deck_ == 0 ? QStringLiteral("appdata/card_luck.jpg")
                                   : QStringLiteral("appdata/card_chance.jpg")),
                deck_ == 0 ? QColor(20, 110, 60) : QColor(150, 60, 0));
  ok_->setVisible(v.ok_visible);
  ok_->setEnabled(v.ok_enabled);
  update();
}

void CardWindow::paintEvent(QPaintEvent* e) {
  SkinnedWindow::paintEvent(e);
  QPainter p(this);
  // The title on the card's band, the text on its paper, the drawer below.
  WriteCentred(p, QRect(69, 30, 256, 42), title_.toUpper(), 18, true, QColor(255, 201, 60));
  WriteCentred(p, QRect(160, 110, 198, 170), text_, 12, true, QColor(27, 42, 71));
  WriteCentred(p, QRect(12, 250, 140, 40), name_, 12, true, Qt::white);
}

// --- JailWindow ------------------------------------------------------------

JailWindow::JailWindow(Game& g, QWidget* owner) : RefreshingWindow(owner, {454, 460}, 12), g_(g) {
  setObjectName(QStringLiteral("jail"));
  SetBackground(Picture(QStringLiteral("appdata/jail.jpg")), QColor(60, 60, 70));
  const char* const captions[3] = {"&Post Bail $50", "&Stay in Jail", "&Use Card"};
  const char* const names[3] = {"postBail", "stay", "useCard"};
  for (int i = 0; i < 3; ++i) {
    buttons_[i] = new LabelButton(QString::fromLatin1(captions[i]), this, 12);
    buttons_[i]->setObjectName(QString::fromLatin1(names[i]));
    const int xs[3] = {40, 196, 320};
    const int ws[3] = {156, 124, 96};
    buttons_[i]->setGeometry(xs[i], 400, ws[i], 36);
    connect(buttons_[i], &QAbstractButton::clicked, this, [this, i] {
      for (LabelButton* b : buttons_) b->setEnabled(false);
      Game& game = g_;
      Later(this, [&game, i] { JailClick(game, i); });
    });
  }
  Refresh();
  CentreOverBoard();
}

void JailWindow::Refresh() {
  const JailWindowView v = JailWindowFor(g_);
  name_ = Q(v.name);
  for (int i = 0; i < 3; ++i) {
    buttons_[i]->setVisible(v.buttons[i].visible);
    buttons_[i]->setEnabled(v.buttons[i].enabled);
  }
  update();
}

void JailWindow::paintEvent(QPaintEvent* e) {
  SkinnedWindow::paintEvent(e);
  QPainter p(this);
  WriteCentred(p, QRect(50, 60, 344, 44), name_ + QStringLiteral(" - IN JAIL"), 14.25, true,
               Qt::white);
  if (Picture(QStringLiteral("appdata/jail.jpg")).isNull()) {
    p.setPen(QPen(QColor(200, 200, 210), 6));
    for (int x = 120; x <= 334; x += 36) p.drawLine(x, 130, x, 370);
  }
}

// --- BankWindow ------------------------------------------------------------

BankWindow::BankWindow(Game& g, QWidget* owner) : RefreshingWindow(owner, {480, 356}, 12), g_(g) {
  setObjectName(QStringLiteral("bank"));
  SetBackground(Picture(QStringLiteral("appdata/bank.jpg")), QColor(20, 70, 60));
  const char* const names[3] = {"deposit", "withdrawal", "loan"};
  for (int i = 0; i < 3; ++i) {
    choices_[i] = new LabelButton(Q(BankChoiceCaption(i)), this, 14.25);
    choices_[i]->setObjectName(QString::fromLatin1(names[i]));
    choices_[i]->setGeometry(140, 110 + 46 * i, 200, 34);
    choices_[i]->installEventFilter(this);
    connect(choices_[i], &QAbstractButton::clicked, this, [this, i] {
      BankChoose(g_, i);
      Refresh();
    });
  }
  amount_ = new QLineEdit(this);
  amount_->setObjectName(QStringLiteral("amount"));
  amount_->setGeometry(230, 214, 140, 26);
  amount_->setText(Q(kBankAmountDefault));
  ok_ = new LabelButton(Q(kBankOkCaption), this);
  ok_->setObjectName(QStringLiteral("ok"));
  ok_->setGeometry(120, 300, 100, 30);
  back_ = new LabelButton(Q(kBankBackCaption), this);
  back_->setObjectName(QStringLiteral("back"));
  back_->setGeometry(260, 300, 100, 30);
  cancel_ = new LabelButton(Q(kBankCancelCaption), this);
  cancel_->setObjectName(QStringLiteral("cancel"));
  cancel_->setGeometry(190, 300, 100, 30);
  connect(ok_, &QAbstractButton::clicked, this, [this] {
    Game& game = g_;
    const std::string text = amount_->text().toStdString();
    Later(this, [&game, text] { BankOk(game, text); });
  });
  connect(back_, &QAbstractButton::clicked, this, [this] {
    BankBack(g_);
    Refresh();
  });
  connect(cancel_, &QAbstractButton::clicked, this, [this] {
    Game& game = g_;
    Later(this, [&game] { BankCancel(game); });
  });
  Refresh();
  CentreOverBoard();
}

bool BankWindow::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::Enter || e->type() == QEvent::Leave) {
    hovered_ = -1;
    for (int i = 0; i < 3; ++i)
      if (watched == choices_[i] && e->type() == QEvent::Enter) hovered_ = i;
    Refresh();
  }
  return false;
}

void BankWindow::Refresh() {
  const bool front = g_.BankBusiness < 0;
  for (int i = 0; i < 3; ++i) {
    choices_[i]->setVisible(front);
    choices_[i]->setEnabled(BankChoiceEnabled(g_, i));
  }
  cancel_->setVisible(front);
  ok_->setVisible(!front);
  back_->setVisible(!front);
  amount_->setVisible(!front);
  lines_.clear();
  if (front) {
    lines_ << Q(kBankTitle) << Q(kBankQuestion) << Q(BankHint(hovered_));
  } else {
    const BankPage page = BankPageFor(g_);
    lines_ << Q(page.title) << Q(page.player) << Q(page.cash) << Q(page.balance)
           << Q(page.amount_label) << Q(page.hint);
  }
  update();
}

void BankWindow::paintEvent(QPaintEvent* e) {
  SkinnedWindow::paintEvent(e);
  QPainter p(this);
  if (lines_.isEmpty()) return;
  WriteCentred(p, QRect(20, 20, 440, 40), lines_[0], 20, true, QColor(255, 201, 60));
  if (g_.BankBusiness < 0) {
    WriteCentred(p, QRect(20, 64, 440, 30), lines_[1], 12, true, Qt::white);
    WriteCentred(p, QRect(20, 256, 440, 36), lines_[2], 10.5, false, QColor(255, 246, 224));
    return;
  }
  p.setFont(Arial(12, true));
  p.setPen(Qt::white);
  for (int i = 1; i <= 3; ++i)
    p.drawText(QRect(60, 60 + 34 * (i - 1), 380, 28), Qt::AlignLeft, lines_[i]);
  p.drawText(QRect(60, 216, 170, 26), Qt::AlignLeft | Qt::AlignVCenter, lines_[4]);
  WriteCentred(p, QRect(20, 250, 440, 40), lines_[5], 10.5, false, QColor(255, 246, 224));
}

// --- CasinoWindow ----------------------------------------------------------

CasinoWindow::CasinoWindow(Game& g, QWidget* owner)
    : RefreshingWindow(owner, {489, 381}, 12), g_(g) {
  setObjectName(QStringLiteral("casino"));
  SetBackground(Picture(QStringLiteral("appdata/casino.jpg")), QColor(10, 80, 40));
  stake_ = new QLineEdit(this);
  stake_->setObjectName(QStringLiteral("stake"));
  stake_->setGeometry(200, 300, 90, 26);
  stake_->setText(QString::fromStdString(g_.BetAmountText));
  connect(stake_, &QLineEdit::textEdited, this, [this](const QString& t) {
    CasinoSetAmountText(g_, t.toStdString());
    const QString kept = QString::fromStdString(g_.BetAmountText);
    if (kept != t) stake_->setText(kept);
  });
  play_ = new LabelButton(QStringLiteral("&Play"), this);
  play_->setObjectName(QStringLiteral("play"));
  play_->setGeometry(120, 340, 100, 30);
  cancel_ = new LabelButton(QStringLiteral("&Cancel"), this);
  cancel_->setObjectName(QStringLiteral("cancel"));
  cancel_->setGeometry(270, 340, 100, 30);
  connect(play_, &QAbstractButton::clicked, this, [this] {
    Game& game = g_;
    Later(this, [&game] { CasinoPlay(game); });
  });
  connect(cancel_, &QAbstractButton::clicked, this, [this] {
    Game& game = g_;
    Later(this, [&game] { CasinoCancel(game); });
  });
  flash_.setInterval(qMax(1, Scaled(kCasinoFlashMs)));
  connect(&flash_, &QTimer::timeout, this, [this] {
    CasinoFlashTick(g_);
    update();
  });
  flash_.start();
  Refresh();
  CentreOverBoard();
}

int CasinoWindow::FieldOfZone(int zone) {
  static const int kFields[5] = {kBetL, kBetU, kBetC, kBetK, kBetY};
  return zone >= 0 && zone < 5 ? kFields[zone] : -1;
}

QRect CasinoWindow::ZoneRect(int zone) {
  static const int kX[5] = {0, 98, 194, 292, 390};
  return QRect(kX[zone] + 4, 8, 92, 188);
}

void CasinoWindow::Refresh() {
  update();
}

void CasinoWindow::paintEvent(QPaintEvent* e) {
  SkinnedWindow::paintEvent(e);
  QPainter p(this);
  const CasinoWindowView v = CasinoWindowFor(g_);
  const bool pictured = !Picture(QStringLiteral("appdata/casino.jpg")).isNull();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(ToColor(v.frame), 6));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(rect()).adjusted(3, 3, -3, -3), 6, 6);
  for (int zone = 0; zone < 5; ++zone) {
    const QRect r = ZoneRect(zone);
    const int field = FieldOfZone(zone);
    if (!pictured) {
      p.setPen(QPen(QColor(255, 201, 60), 1.5));
      p.setBrush(QColor(0, 60, 30));
      p.drawRoundedRect(r, 6, 6);
    }
    // The table's letters, on the discs of the picture.
    WriteCentred(p, QRect(r.x(), 32, r.width(), 64), QString::fromLatin1(BetCaption(field)), 30,
                 true, pictured ? QColor(120, 30, 0) : QColor(255, 201, 60));
    if (field == v.choice) {
      const QPixmap coin = Picture(QStringLiteral("appdata/coin.png"));
      const QRect spot(r.center().x() - 32, 112, 64, 64);
      if (!coin.isNull()) {
        p.drawPixmap(spot, coin);
      } else {
        p.setBrush(QColor(255, 201, 60));
        p.setPen(QPen(QColor(140, 70, 0), 2));
        p.drawEllipse(spot.adjusted(8, 8, -8, -8));
      }
    }
  }
  WriteCentred(p, QRect(10, 248, 469, 24), Q(v.player) + QStringLiteral("   ") + Q(v.cash), 12,
               true, Qt::white);
  WriteCentred(p, QRect(10, 272, 180, 24), Q(v.dice), 14.25, true, QColor(255, 60, 60));
  p.setFont(Arial(10.5, true));
  p.setPen(Qt::white);
  p.drawText(QRect(120, 300, 76, 26), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Bet: "));
}

void CasinoWindow::mousePressEvent(QMouseEvent* e) {
  for (int zone = 0; zone < 5; ++zone) {
    if (ZoneRect(zone).contains(e->position().toPoint())) {
      CasinoChoose(g_, FieldOfZone(zone));
      update();
      return;
    }
  }
  SkinnedWindow::mousePressEvent(e);
}

}  // namespace quorbis::ui
