#include "ui/main_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "render/board_geometry.h"
#include "ui/build_info.h"
#include "ui/look.h"
#include "ui/menus.h"
#include "ui/property_window.h"

namespace quorbis::ui {
namespace {

// Draws a picture scaled to cover the whole rectangle, centred, the overflow
// cut off, so that a wide or tall window never shows a stretched picture.
void DrawCovering(QPainter& p, const QRect& r, const QPixmap& pix) {
  const QSize scaled = pix.size().scaled(r.size(), Qt::KeepAspectRatioByExpanding);
  const QRect target(r.x() + (r.width() - scaled.width()) / 2,
                     r.y() + (r.height() - scaled.height()) / 2, scaled.width(), scaled.height());
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawPixmap(target, pix);
}

// The in-game backdrop that covers the title screen during a game.
class Backdrop : public QWidget {
 public:
  std::function<void()> onMouseMove;
  explicit Backdrop(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QPixmap pix = Picture(QStringLiteral("appdata/backdrop.jpg"));
    if (pix.isNull()) {
      p.fillRect(rect(), kBackdrop);
    } else {
      DrawCovering(p, rect(), pix);
    }
  }
  void mouseMoveEvent(QMouseEvent*) override {
    if (onMouseMove) onMouseMove();
  }
  void mousePressEvent(QMouseEvent*) override {
    if (onMouseMove) onMouseMove();
  }
};

const char* const kTitlePictures[4] = {"title_newgame", "title_options", "title_help",
                                       "title_exit"};
const char* const kTitleCaptions[4] = {"NEW GAME", "OPTIONS", "HELP", "EXIT"};

}  // namespace

MainWindow::MainWindow(Game& g) : QWidget(nullptr), g_(g) {
  setWindowTitle(QString::fromLatin1(kCaption));
  setObjectName(QStringLiteral("main"));
  setFont(Arial(9, true));
  setMinimumSize(kMinClientWidth, kMinClientHeight);
  const QPixmap icon = Picture(QStringLiteral("appdata/app_icon.png"));
  if (!icon.isNull()) setWindowIcon(icon);

  for (int i = 0; i < 4; ++i) {
    auto* b = new PictureButton(Picture(QStringLiteral("appdata/%1.png").arg(kTitlePictures[i])),
                                QString::fromLatin1(kTitleCaptions[i]), this);
    b->setObjectName(QStringLiteral("title%1").arg(i));
    b->resize(218, 53);
    b->SetHoverPicture(Picture(QStringLiteral("appdata/%1_hi.png").arg(kTitlePictures[i])));
    title_[i] = b;
  }
  connect(title_[0], &QAbstractButton::clicked, this, [this] {
    if (onNewGame) onNewGame();
  });
  connect(title_[1], &QAbstractButton::clicked, this, [this] {
    if (onOptions) onOptions();
  });
  connect(title_[2], &QAbstractButton::clicked, this, &MainWindow::OpenHelp);
  connect(title_[3], &QAbstractButton::clicked, this, &QWidget::close);

  version_ = new QLabel(this);
  version_->setObjectName(QStringLiteral("version"));
  version_->setFont(Arial(12, true));
  version_->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
  version_->setText(QStringLiteral("Ver: %1.%2.%3")
                        .arg(build::kVersionMajor)
                        .arg(build::kVersionMinor)
                        .arg(build::kVersionPatch));
  version_->adjustSize();

  auto* backdrop = new Backdrop(this);
  backdrop->onMouseMove = [this] { CloseHoverCard(); };
  backdrop_ = backdrop;
  backdrop_->hide();
  board_ = new BoardView(g_, backdrop_);
  side_ = new SidePanel(g_, backdrop_);
  connect(board_, &BoardView::squarePressed, this, &MainWindow::OnBoardPressed);
  connect(board_, &BoardView::leftSquares, this, &MainWindow::CloseHoverCard);
  connect(side_, &SidePanel::squareHovered, this, [this](int square) {
    if (square != g_.HoverSquare) ShowHoverCard(square);
  });
  connect(side_, &SidePanel::backgroundHovered, this, [this] {
    if (g_.HoverSquare != -1) CloseHoverCard();
  });
  connect(board_->actionBar(), &ActionBar::menuClicked, this, [this] {
    if (pop_) {
      CloseGameMenu();
    } else {
      OpenGameMenu();
    }
  });

  resize(qMax(g_.WindowWidth, kMinClientWidth), qMax(g_.WindowHeight, kMinClientHeight));
}

MainWindow::~MainWindow() {
  CloseGameMenu();
  CloseHoverCard();
}

bool MainWindow::OnTitleScreen() const {
  return backdrop_->isHidden();
}

void MainWindow::ShowGameScreen() {
  CloseHoverCard();
  backdrop_->show();
  backdrop_->raise();
  LayOut();
  side_->StartGame();
  board_->bankruptButton()->hide();
  board_->actionBar()->HideAssetButtons();
}

void MainWindow::ShowTitleScreen() {
  CloseGameMenu();
  CloseHoverCard();
  backdrop_->hide();
  board_->bankruptButton()->hide();
  update();
}

void MainWindow::LayOut() {
  const int w = width();
  const int h = height();
  const int gap = NearestEven((w - 872) / 7.0);
  const int top = NearestEven(h / 2.0 + 35);
  for (int i = 0; i < 4; ++i) title_[i]->move((i + 2) * gap + 218 * i, top);
  version_->adjustSize();
  version_->move(w - version_->width() - 60, 30);
  backdrop_->setGeometry(0, 0, w, h);
  if (!OnTitleScreen()) board_->LayOut(w, h);
  side_->setGeometry(w - 270, 0, 270, h);
  side_->LayOut(h);
}

void MainWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!painted_) {
    painted_ = true;
    QTimer::singleShot(0, this, &MainWindow::firstPainted);
  }
  const QPixmap cover = Picture(QStringLiteral("appdata/cover.jpg"));
  if (!cover.isNull()) {
    // Scaled once per window size, not at every repaint.
    if (scaled_cover_.size() != size()) {
      scaled_cover_ = QPixmap(size());
      QPainter scaled(&scaled_cover_);
      DrawCovering(scaled, rect(), cover);
    }
    p.drawPixmap(0, 0, scaled_cover_);
    return;
  }
  QLinearGradient shade(0, 0, 0, height());
  shade.setColorAt(0, QColor(27, 42, 71));
  shade.setColorAt(1, kBackdrop);
  p.fillRect(rect(), shade);
  p.setPen(QColor(255, 201, 60));
  p.setFont(Arial(40, true));
  p.drawText(QRect(0, height() / 8, width(), height() / 4), Qt::AlignCenter,
             QStringLiteral("Quorbis of New York"));
  p.setPen(QColor(255, 246, 224));
  p.setFont(Arial(14.25, true));
  p.drawText(QRect(0, height() / 8 + height() / 4, width(), 40), Qt::AlignCenter,
             QStringLiteral("Plutora Games"));
}

void MainWindow::resizeEvent(QResizeEvent*) {
  LayOut();
}

void MainWindow::closeEvent(QCloseEvent* e) {
  if (closing_confirmed_ || !g_.GameRunning) {
    CloseGameMenu();
    CloseHoverCard();
    e->accept();
    return;
  }
  if (!AskYesNo(this, QStringLiteral("Plutora Games"), QStringLiteral("Are you sure to quit game?"),
                QMessageBox::Warning)) {
    e->ignore();
    return;
  }
  closing_confirmed_ = true;
  CloseGameMenu();
  CloseHoverCard();
  emit leaveRequested();
  e->accept();
}

void MainWindow::CloseWithoutAsking() {
  closing_confirmed_ = true;
  close();
}

void MainWindow::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
}

void MainWindow::mousePressEvent(QMouseEvent*) {
  CloseGameMenu();
}

void MainWindow::OnBoardPressed(int square) {
  CloseGameMenu();
  if (square == g_.HoverSquare) return;
  if (square < 0) {
    CloseHoverCard();
    return;
  }
  ShowHoverCard(square);
}

void MainWindow::ShowHoverCard(int square) {
  g_.HoverSquare = square;
  if (square < 0) {
    CloseHoverCard();
    return;
  }
  if (!hover_) {
    hover_ = new HoverCard(g_, this);
    connect(hover_, &HoverCard::clickedAway, this, &MainWindow::CloseHoverCard);
  }
  hover_->RefreshInfo();
  hover_->show();
  RaiseWindow(hover_);
}

void MainWindow::CloseHoverCard() {
  g_.HoverSquare = -1;
  g_.HoverCardOpen = false;
  if (hover_) {
    hover_->close();
    hover_->deleteLater();
    hover_ = nullptr;
  }
}

void MainWindow::OpenGameMenu() {
  if (pop_) return;
  pop_ = new PopMenu(g_, this);
  const BoardGeometry& geo = board_->renderer().geometry();
  const QPoint origin = mapToGlobal(QPoint(0, 0));
  pop_->move(origin.x() + geo.PopMenuLeft / 15, origin.y() + geo.PopMenuTop / 15);
  connect(pop_, &PopMenu::chosen, this, [this](int item) {
    CloseGameMenu();
    switch (item) {
      case 0:
        if (ConfirmQuit()) emit quitRequested(false);
        break;
      case 1:
        if (onOptions) onOptions();
        break;
      case 2:
        OpenHelp();
        break;
      case 3:
        OpenCredits();
        break;
      case 4:
        ShowAbout();
        break;
      case 5:
        if (ConfirmExit()) emit quitRequested(true);
        break;
      default:
        break;
    }
  });
  pop_->show();
}

void MainWindow::CloseGameMenu() {
  if (!pop_) return;
  PopMenu* menu = pop_;
  pop_ = nullptr;
  menu->close();
  menu->deleteLater();
}

bool MainWindow::ConfirmQuit() {
  return AskYesNo(this, QStringLiteral("Quit Game"),
                  QStringLiteral("Are you sure to quit the game?"), QMessageBox::Information);
}

bool MainWindow::ConfirmExit() {
  return AskYesNo(this, QStringLiteral("Exit Game"),
                  QStringLiteral("Are you sure to exit the game?"), QMessageBox::Information);
}

void MainWindow::OpenHelp() {
  HelpWindow help(g_, this);
  RunModal(&help);
}

void MainWindow::OpenCredits() {
  CreditsWindow credits(g_, this);
  RunModal(&credits);
  activateWindow();
}

void MainWindow::ShowAbout() {
  Inform(
      this, QStringLiteral("About"),
      QStringLiteral("Plutora Games - Quorbis of New York\n\nClassic Board Games Ver: %1.%2.%3\n\n"
                     "Free software: every picture, sound and tune is the game's own.")
          .arg(build::kVersionMajor)
          .arg(build::kVersionMinor)
          .arg(build::kVersionPatch));
}

}  // namespace quorbis::ui
