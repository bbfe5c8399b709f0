#include "ui/menus.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "ui/build_info.h"
#include "ui/look.h"
#include "ui/pump.h"

namespace quorbis::ui {
namespace {

std::function<void(const QUrl&)>& Opener() {
  static std::function<void(const QUrl&)> opener;
  return opener;
}

int RunBox(QMessageBox& box) {
  NestedWait nested;
  return box.exec();
}

}  // namespace

bool AskYesNo(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon) {
  QMessageBox box(icon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
  box.setDefaultButton(QMessageBox::No);
  return RunBox(box) == QMessageBox::Yes;
}

void Inform(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
  RunBox(box);
}

void Warn(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
  RunBox(box);
}

void RunModal(SkinnedWindow* w) {
  NestedWait nested;
  QEventLoop loop;
  QObject::connect(w, &SkinnedWindow::closed, &loop, &QEventLoop::quit);
  w->setWindowModality(Qt::ApplicationModal);
  w->show();
  RaiseWindow(w);
  w->activateWindow();
  if (w->isVisible()) loop.exec();
}

int RunModal(QDialog* d) {
  NestedWait nested;
  return d->exec();
}

void SetUrlOpener(std::function<void(const QUrl&)> opener) {
  Opener() = std::move(opener);
}

void OpenUrl(const QUrl& url) {
  if (Opener()) {
    Opener()(url);
    return;
  }
  QDesktopServices::openUrl(url);
}

// --- PopMenu ---------------------------------------------------------------

PopMenu::PopMenu(Game& g, QWidget* owner) : SkinnedWindow(owner, {165, 235}, 0), g_(g) {
  setObjectName(QStringLiteral("popmenu"));
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_ShowWithoutActivating);
  SetBackground(Picture(QStringLiteral("appdata/popmenu.jpg")), kDialogColor);
  SetUserClosable(true);
  g_.PopMenuOpen = true;
  g_.Paused = true;
  qApp->installEventFilter(this);
}

PopMenu::~PopMenu() {
  qApp->removeEventFilter(this);
  g_.Paused = false;
  g_.PopMenuOpen = false;
}

QString PopMenu::Caption(int item) {
  static const char* const kItems[kItemCount] = {"QUIT",    "OPTIONS", "HELP",
                                                 "CREDITS", "ABOUT",   "EXIT"};
  return item >= 0 && item < kItemCount ? QString::fromLatin1(kItems[item]) : QString();
}

int PopMenu::ItemAt(QPoint p) {
  if (!(p.x() > 10 && p.x() < 155 && p.y() > 10 && p.y() < 225)) return -1;
  if (p.y() > 190) return 5;
  if (p.y() > 154) return 4;
  if (p.y() > 118) return 3;
  if (p.y() > 82) return 2;
  if (p.y() > 46) return 1;
  return 0;
}

void PopMenu::SetItem(int item) {
  if (item == item_) return;
  item_ = item;
  update();
}

void PopMenu::paintEvent(QPaintEvent* e) {
  SkinnedWindow::paintEvent(e);
  QPainter p(this);
  p.setFont(Arial(18, true));
  const bool pictured = !Picture(QStringLiteral("appdata/popmenu.jpg")).isNull();
  for (int k = 0; k < kItemCount; ++k) {
    p.setPen(pictured ? Qt::black : QColor(255, 246, 224));
    p.drawText(QRect(12, 12 + 36 * k, 141, 31), Qt::AlignCenter, Caption(k));
  }
  if (item_ < 0) return;
  const QRect hi(10, 10 + 36 * item_, 145, 35);
  const QPixmap pic = Picture(QStringLiteral("appdata/popmenu_hi.png"));
  if (!pic.isNull()) {
    p.drawPixmap(hi, pic);
  } else {
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(255, 128, 0));
    p.setPen(QPen(QColor(255, 201, 60), 1.5));
    p.drawRoundedRect(QRectF(hi).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
  }
  p.setPen(Qt::black);
  p.drawText(QRect(hi.x() + 2, hi.y() + 2, 141, 31), Qt::AlignCenter, Caption(item_));
}

void PopMenu::mouseMoveEvent(QMouseEvent* e) {
  SetItem(ItemAt(e->position().toPoint()));
}

void PopMenu::mousePressEvent(QMouseEvent* e) {
  const QPoint p = e->position().toPoint();
  SetItem(ItemAt(p));
  if (item_ < 0) return;
  const QRect label(12, 12 + 36 * item_, 141, 31);
  if (label.contains(p)) emit chosen(item_);
}

void PopMenu::keyPressEvent(QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Up:
      SetItem(item_ <= 0 ? kItemCount - 1 : item_ - 1);
      break;
    case Qt::Key_Down:
      SetItem(item_ >= kItemCount - 1 ? 0 : item_ + 1);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      if (item_ >= 0) emit chosen(item_);
      break;
    default:
      QWidget::keyPressEvent(e);
  }
}

bool PopMenu::eventFilter(QObject* watched, QEvent* e) {
  // A click anywhere else in the game closes the menu; the menu button of
  // the action bar closes it itself.
  if (e->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
    auto* w = static_cast<QWidget*>(watched);
    if (w->window() != this && w->objectName() != QStringLiteral("bar0")) emit chosen(-1);
  }
  return false;
}

// --- HelpWindow ------------------------------------------------------------

HelpWindow::HelpWindow(Game& g, QWidget* owner) : QDialog(owner), g_(g) {
  g_.HelpDialogOpen = true;
  setWindowTitle(QStringLiteral("Help"));
  setObjectName(QStringLiteral("help"));
  setFixedSize(414, 262);
  setFont(Arial(12));
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, kHelpColor);
  pal.setColor(QPalette::WindowText, Qt::black);
  setPalette(pal);
  auto* text = new QLabel(this);
  text->setObjectName(QStringLiteral("helpText"));
  text->setGeometry(20, 20, 389, 105);
  text->setText(QStringLiteral(
      "Shortcut Key:\r\n\r\n    Esc Key - Boss Key, Hide/show the game quickly.\r\n\r\n"
      "    F7 Key - Set game mute/unmute."));
  auto* more = new QLabel(QStringLiteral("More Questions :"), this);
  more->setGeometry(20, 132, 389, 22);
  const QString links[2] = {QString::fromLatin1(build::kHomeUrl),
                            QString::fromLatin1(build::kIssuesUrl)};
  for (int i = 0; i < 2; ++i) {
    auto* link = new QPushButton(links[i], this);
    link->setObjectName(QStringLiteral("contact%1").arg(i));
    link->setFlat(true);
    link->setCursor(Qt::PointingHandCursor);
    link->setStyleSheet(
        QStringLiteral("QPushButton { color: rgb(255,128,0); text-decoration: underline;"
                       " border: none; text-align: left; font-size: 12px; }"));
    link->setGeometry(20, 158 + 26 * i, 389, 22);
    const QUrl url(links[i]);
    connect(link, &QPushButton::clicked, this, [url] { OpenUrl(url); });
  }
  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setObjectName(QStringLiteral("ok"));
  ok->setGeometry(300, 220, 96, 30);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

HelpWindow::~HelpWindow() {
  g_.HelpDialogOpen = false;
}

// --- CreditsWindow ---------------------------------------------------------

CreditsWindow::CreditsWindow(Game& g, QWidget* owner)
    : SkinnedWindow(owner, {640, 481}, 9),
      g_(g),
      picture_(Picture(QStringLiteral("appdata/credits.jpg"))) {
  setObjectName(QStringLiteral("credits"));
  g_.AboutDialogOpen = true;
  SetUserClosable(true);
  SetBackground(picture_, kDialogColor);
  auto* close_label = new LabelButton(QStringLiteral("&OK"), this);
  close_label->setObjectName(QStringLiteral("ok"));
  close_label->setGeometry(516, 440, 103, 27);
  connect(close_label, &QAbstractButton::clicked, this, &QWidget::close);
  if (owner) {
    const QRect o(owner->mapToGlobal(QPoint(0, 0)), owner->size());
    move(o.center() - rect().center());
  }
}

CreditsWindow::~CreditsWindow() {
  g_.AboutDialogOpen = false;
}

void CreditsWindow::paintEvent(QPaintEvent* e) {
  SkinnedWindow::paintEvent(e);
  if (!picture_.isNull()) return;
  // Without its picture the window writes the credits itself.
  QPainter p(this);
  p.setPen(QColor(255, 201, 60));
  p.setFont(Arial(18, true));
  p.drawText(QRect(0, 24, width(), 36), Qt::AlignCenter, QStringLiteral("Quorbis of New York"));
  p.setPen(Qt::white);
  p.setFont(Arial(10.5));
  p.drawText(QRect(40, 80, width() - 80, 340), Qt::AlignLeft | Qt::TextWordWrap,
             QStringLiteral("Made by the Quorbis of New York team.\n\n"
                            "Pictures, sounds and music are made by the game's own generators.\n\n"
                            "Built with:\n"
                            "  Qt 6 (LGPL 3)\n"
                            "  SDL2 and SDL2_mixer (zlib licence)\n"
                            "  Liberation Sans fonts (SIL Open Font Licence 1.1)\n"
                            "  DejaVu Sans fonts (free licence, Bitstream Vera derived)\n"
                            "  Noto Color Emoji (SIL Open Font Licence 1.1)"));
}

}  // namespace quorbis::ui
