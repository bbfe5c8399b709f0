#include "ui/dice_window.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QPropertyAnimation>

#include "engine/turn.h"
#include "ui/look.h"
#include "ui/pump.h"

namespace quorbis::ui {
namespace {

QPixmap DicePicture(int mode, bool lit) {
  return Picture(QStringLiteral("appdata/dice_%1%2.png")
                     .arg(mode == 1 ? QStringLiteral("finish") : QStringLiteral("roll"),
                          lit ? QStringLiteral("_lit") : QString()));
}

}  // namespace

DiceWindow::DiceWindow(Game& g, QWidget* owner)
    : SkinnedWindow(owner, {242, 98}, 15),
      g_(g),
      mode_(g.DiceMode == 1 ? 1 : 0),
      name_(QString::fromStdString(g.Players[g.CurPlayer].Name.Trimmed())),
      icon_(g.Players[g.CurPlayer].Icon) {
  setObjectName(QStringLiteral("dice"));
  setFocusPolicy(Qt::StrongFocus);
  SetBackground(Picture(QStringLiteral("appdata/dice_dialog.jpg")), QColor(10, 10, 10));
  button_ = new PictureButton(
      DicePicture(mode_, false),
      mode_ == 1 ? QStringLiteral("FINISH TURN") : QStringLiteral("ROLL DICE"), this);
  button_->setObjectName(QStringLiteral("diceButton"));
  button_->setGeometry(81, 29, 152, 61);
  button_->SetPlateColor(mode_ == 1 ? QColor(150, 60, 0) : QColor(20, 110, 40));
  connect(button_, &QAbstractButton::clicked, this, &DiceWindow::Click);
  blink_timer_.setInterval(qMax(1, Scaled(300)));
  connect(&blink_timer_, &QTimer::timeout, this, &DiceWindow::Blink);
  blink_timer_.start();
  Place();
}

void DiceWindow::Place() {
  QWidget* owner = parentWidget();
  if (!owner) return;
  const QWidget* main = owner->window();
  const QPoint origin = main->mapToGlobal(QPoint(0, 0));
  move(origin.x() + ((main->width() - 270) - width()) / 2,
       origin.y() + static_cast<int>(main->height() * 0.55));
}

void DiceWindow::Blink() {
  const QPixmap lit = DicePicture(mode_, true);
  if (blink_ == 1) {
    if (!lit.isNull()) button_->SetPicture(lit);
    button_->SetLit(lit.isNull());
  } else {
    button_->SetPicture(DicePicture(mode_, false));
    button_->SetLit(false);
  }
  blink_ = blink_ + 1 > 1 ? 0 : blink_ + 1;
}

void DiceWindow::Click() {
  if (clicked_) return;
  clicked_ = true;
  button_->setEnabled(false);
  blink_timer_.stop();
  button_->SetLit(false);
  FadeOutForm(this);
  Game& g = g_;
  QPointer<DiceWindow> self(this);
  // The engine closes this window and carries the turn on from the event
  // loop, with nothing of this handler left on the stack. A click it
  // refuses (the turn cannot end while a debt is open) leaves the window
  // usable again.
  QTimer::singleShot(0, parentWidget(), [&g, self] {
    DiceClick(g);
    if (self && self->isVisible()) self->Restore();
  });
}

void DiceWindow::Restore() {
  clicked_ = false;
  SetWindowOpacity(this, 255, QColor(), 0);
  button_->setEnabled(true);
  blink_timer_.start();
}

void DiceWindow::paintEvent(QPaintEvent* e) {
  SkinnedWindow::paintEvent(e);
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawPixmap(QRect(16, 35, 54, 49), Portrait(icon_));
  p.setFont(Arial(12, true));
  p.setPen(Qt::white);
  p.drawText(QRect(14, 8, 213, 19), Qt::AlignCenter, name_);
}

void DiceWindow::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space) {
    if (button_->isEnabled()) Click();
    return;
  }
  SkinnedWindow::keyPressEvent(e);
}

void DiceWindow::showEvent(QShowEvent* e) {
  SkinnedWindow::showEvent(e);
  Place();
  activateWindow();
  setFocus();
  if (!HasRealScreen()) return;
  // A soft fade-in that does not hold up the turn.
  setWindowOpacity(0.12);
  auto* fade = new QPropertyAnimation(this, "windowOpacity", this);
  fade->setDuration(qMax(1, Scaled(240)));
  fade->setStartValue(0.12);
  fade->setEndValue(1.0);
  fade->start(QAbstractAnimation::DeleteWhenStopped);
}

}  // namespace quorbis::ui
