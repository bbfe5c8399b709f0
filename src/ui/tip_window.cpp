#include "ui/tip_window.h"

#include <QMouseEvent>

#include "ui/look.h"
#include "ui/pump.h"

namespace quorbis::ui {

TipWindow::TipWindow(Game& g, QWidget* owner, const QString& text, int seconds)
    : SkinnedWindow(owner, {417, 212}, 12), g_(g), seconds_(seconds) {
  setObjectName(QStringLiteral("tip"));
  SetBackground(Picture(QStringLiteral("appdata/tip.jpg")), kDialogColor);
  label_ = new QLabel(this);
  label_->setObjectName(QStringLiteral("tipText"));
  label_->setTextFormat(Qt::PlainText);
  label_->setWordWrap(true);
  label_->setAlignment(Qt::AlignCenter);
  label_->setFont(Arial(14.25, true));
  label_->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
  label_->setGeometry(26, 26, 360, 158);
  label_->setText(text);
  label_->setAttribute(Qt::WA_TransparentForMouseEvents);
  g_.TipWindowOpen = true;
  timer_.setInterval(qMax(1, Scaled(1000)));
  connect(&timer_, &QTimer::timeout, this, &TipWindow::Tick);
}

TipWindow::~TipWindow() {
  g_.TipWindowOpen = false;
}

void TipWindow::showEvent(QShowEvent* e) {
  SkinnedWindow::showEvent(e);
  CentreOverBoard();
  if (!timer_.isActive() && !fading_) {
    ticks_ = 0;
    timer_.start();
  }
}

void TipWindow::Tick() {
  ++ticks_;
  if (seconds_ >= ticks_ || fading_) return;
  timer_.stop();
  fading_ = true;
  g_.TipWindowOpen = false;
  FadeOutForm(this);
  close();
}

void TipWindow::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) {
    setCursor(Qt::SizeAllCursor);
    DragForm(this);
    unsetCursor();
  }
}

}  // namespace quorbis::ui
