#include "ui/side_panel.h"

#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTime>

#include "state/board.h"
#include "ui/asset_icons.h"
#include "ui/look.h"
#include "ui/skin.h"

namespace quorbis::ui {
namespace {

QString Money(Dollars d) {
  return QString::fromStdString(FormatMoney(d));
}

constexpr int kGridX[2][4] = {{18, 44, 70, 96}, {136, 162, 188, 214}};
constexpr int kGridY[5] = {124, 152, 180, 208, 236};

void PreparePanel(QWidget* w) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::WindowText, kPanelBorder);
  w->setPalette(pal);
  RoundPanelBorder(w, 9, kPixelUnit);
}

}  // namespace

QString TimeOfDay() {
  // The system's own time format, seconds included, without a time zone.
  QString format = QLocale::system().timeFormat(QLocale::LongFormat);
  format.remove(QLatin1Char('t'));
  format = format.trimmed();
  if (format.isEmpty()) format = QStringLiteral("HH:mm:ss");
  return QLocale::system().toString(QTime::currentTime(), format);
}

// --- PlayerPanel -----------------------------------------------------------

PlayerPanel::PlayerPanel(int index, QWidget* parent, QSize size) : QWidget(parent), index_(index) {
  resize(size);
  PreparePanel(this);
}

void PlayerPanel::PaintHeader(QPainter& p) {
  p.fillRect(rect(), kPanelColor);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const QRect icon(6, 6, 65, 65);
  p.drawPixmap(icon, Portrait(text_.icon));
  p.setPen(QColor(40, 40, 40));
  p.drawRect(icon.adjusted(0, 0, -1, -1));
  p.setFont(Arial(12, true));
  p.setPen(text_.name_color);
  p.drawText(QRect(74, 4, 140, 20), Qt::AlignLeft | Qt::AlignVCenter, text_.name);
  if (text_.turn) {
    const QPixmap marker = Picture(QStringLiteral("appdata/turn.png"));
    if (!marker.isNull()) {
      p.drawPixmap(QRect(216, 6, 32, 24), marker);
    } else {
      p.setRenderHint(QPainter::Antialiasing);
      p.setBrush(QColor(255, 201, 60));
      p.setPen(QColor(140, 70, 0));
      const QPointF arrow[3] = {{220, 8}, {244, 18}, {220, 28}};
      p.drawPolygon(arrow, 3);
    }
  }
  p.setFont(Arial(12, true));
  p.setPen(text_.bankrupt ? QColor(120, 120, 120) : QColor(255, 255, 0));
  p.drawText(QRect(74, 28, width() - 76, 21), Qt::AlignLeft | Qt::AlignVCenter, text_.cash);
  p.setFont(Arial(10.5, true));
  p.setPen(Qt::black);
  p.drawText(QRect(74, 52, width() - 76, 21), Qt::AlignLeft | Qt::AlignVCenter, text_.rank);
  if (text_.bankrupt) {
    p.fillRect(QRect(0, 0, width(), 77), QColor(60, 60, 60, 110));
    p.setPen(QColor(255, 230, 230));
    p.setFont(Arial(14.25, true));
    p.drawText(QRect(74, 0, width() - 80, 77), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("BANKRUPT"));
  }
}

void PlayerPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  PaintHeader(p);
  PaintSkinBorder(p, this);
}

void PlayerPanel::mousePressEvent(QMouseEvent* e) {
  if (QRect(6, 6, 65, 65).contains(e->position().toPoint())) emit iconClicked(index_);
}

// --- CurrentPanel ----------------------------------------------------------

CurrentPanel::CurrentPanel(Game& g, QWidget* parent) : PlayerPanel(4, parent, {256, 300}), g_(g) {
  setMouseTracking(true);
}

void CurrentPanel::Fill(int player) {
  player_ = player;
  const Player& pl = g_.Players[player];
  worth_ = QStringLiteral("Worth: ") + Money(pl.Worth) + QStringLiteral("      TAV: ") +
           Money(pl.TAV) + QStringLiteral("      Assets: ") + QString::number(pl.AssetCount) +
           QStringLiteral("\r\n") + QStringLiteral("Dep: ") + Money(pl.Deposit) +
           QStringLiteral("            Loan: ") + Money(pl.Loan);
  jail_cards_ = pl.JailCards >= 2 ? 2 : (pl.JailCards >= 1 ? 1 : 0);
  update();
}

QRect CurrentPanel::IconRect(int square) const {
  for (const GridCell& c : AssetGrid()) {
    if (c.square == square) return QRect(kGridX[c.right][c.column], kGridY[c.row], 22, 24);
  }
  return {};
}

int CurrentPanel::SquareAt(QPoint pt) const {
  for (const GridCell& c : AssetGrid()) {
    if (QRect(kGridX[c.right][c.column], kGridY[c.row], 22, 24).contains(pt)) return c.square;
  }
  return -1;
}

void CurrentPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  PaintHeader(p);
  p.setFont(Arial(9));
  p.setPen(Qt::white);
  QString shown = worth_;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  p.drawText(QRect(6, 76, 248, 31), Qt::AlignLeft | Qt::AlignTop, shown);
  p.setPen(QColor(255, 255, 255, 60));
  p.drawLine(8, 112, width() - 8, 112);
  for (const GridCell& c : AssetGrid()) {
    p.drawPixmap(kGridX[c.right][c.column], kGridY[c.row], PanelIcon(g_, c.square, player_));
  }
  const QPixmap card = Picture(QStringLiteral("appdata/jailcard.png"));
  for (int k = 0; k < jail_cards_; ++k) {
    const QRect place(18 + 40 * k, 266, 36, 24);
    if (!card.isNull()) {
      p.drawPixmap(place, card);
    } else {
      p.fillRect(place, QColor(255, 246, 224));
      p.setPen(QColor(120, 60, 0));
      p.setFont(Arial(7, true));
      p.drawRect(place.adjusted(0, 0, -1, -1));
      p.drawText(place, Qt::AlignCenter, QStringLiteral("FREE"));
    }
  }
  if (text_.winner) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(255, 201, 60));
    p.setPen(QPen(QColor(140, 70, 0), 2));
    const QRect ribbon(120, 262, 128, 30);
    p.drawRoundedRect(ribbon, 6, 6);
    p.setFont(Arial(14.25, true));
    p.setPen(QColor(120, 30, 0));
    p.drawText(ribbon, Qt::AlignCenter, QStringLiteral("WINNER"));
  }
  PaintSkinBorder(p, this);
}

void CurrentPanel::mouseMoveEvent(QMouseEvent* e) {
  const int square = SquareAt(e->position().toPoint());
  setCursor(square >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
  if (square >= 0 && g_.Squares[square].Kind == kProperty) {
    emit squareHovered(square);
  } else {
    emit backgroundHovered();
  }
}

// --- HistoryPanel ----------------------------------------------------------

HistoryPanel::HistoryPanel(QWidget* parent) : QWidget(parent) {
  PreparePanel(this);
  auto* caption = new QLabel(QStringLiteral("HISTORY"), this);
  caption->setFont(Arial(12, true));
  caption->setStyleSheet(QStringLiteral("color: white;"));
  caption->move(6, 4);
  clock_ = new QLabel(this);
  clock_->setFont(Arial(12, true));
  clock_->setStyleSheet(QStringLiteral("color: white;"));
  clock_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  clock_->setGeometry(104, 4, 144, 19);
  box_ = new QPlainTextEdit(this);
  box_->setObjectName(QStringLiteral("history"));
  box_->setReadOnly(true);
  box_->setFrameShape(QFrame::NoFrame);
  box_->setFont(Arial(9));
  box_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box_->setStyleSheet(
      QStringLiteral("QPlainTextEdit { background: rgb(124,173,203); color: white; }"));
  box_->move(6, 26);
  clock_->setText(TimeOfDay());
  tick_.setInterval(970);
  connect(&tick_, &QTimer::timeout, this, [this] { clock_->setText(TimeOfDay()); });
  tick_.start();
}

QString HistoryPanel::ClockText() const {
  return clock_->text();
}

void HistoryPanel::Add(const QString& text) {
  log_.prepend(TimeOfDay() + QStringLiteral("\r\n") + text + QStringLiteral("\r\n"));
  QString shown = log_;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  box_->setPlainText(shown);
  box_->verticalScrollBar()->setValue(0);
}

void HistoryPanel::Clear() {
  log_.clear();
  box_->clear();
}

void HistoryPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), kPanelColor);
  PaintSkinBorder(p, this);
}

void HistoryPanel::resizeEvent(QResizeEvent*) {
  box_->resize(242, qMax(0, height() - 33));
}

// --- SidePanel -------------------------------------------------------------

SidePanel::SidePanel(Game& g, QWidget* parent) : QWidget(parent), g_(g) {
  for (int i = 0; i < kMaxPlayers; ++i) {
    panels_[i] = new PlayerPanel(i, this);
    panels_[i]->move(7, i * 77 + 7);
    panels_[i]->hide();
    connect(panels_[i], &PlayerPanel::iconClicked, this, [this](int i) { CurrentPlayer(i); });
  }
  current_ = new CurrentPanel(g_, this);
  current_->move(7, 7);
  current_->hide();
  connect(current_, &CurrentPanel::squareHovered, this, &SidePanel::squareHovered);
  connect(current_, &CurrentPanel::backgroundHovered, this, &SidePanel::backgroundHovered);
  history_ = new HistoryPanel(this);
  setFixedWidth(270);
}

PanelText SidePanel::TextOf(int player) const {
  const Player& pl = g_.Players[player];
  PanelText t;
  t.name = QString::fromStdString(pl.Name.Trimmed());
  t.name_color = ToColor(pl.Color);
  t.cash = Money(pl.Cash);
  t.rank = QStringLiteral("Ranking: ") + QString::number(pl.Ranking);
  t.icon = pl.Icon;
  t.bankrupt = pl.Bankrupt;
  return t;
}

void SidePanel::StartGame() {
  history_->Clear();
  winner_ = -1;
  for (int i = 0; i < kMaxPlayers; ++i) {
    panels_[i]->setVisible(i < g_.PlayerCount);
    if (i >= g_.PlayerCount) continue;
    PanelText t = TextOf(i);
    t.rank = QStringLiteral("Ranking: 1");
    t.turn = i == 0;
    panels_[i]->SetText(t);
  }
  current_->show();
  LayOut(height());
  CurrentPlayer(g_.CurPlayer);
}

void SidePanel::CurrentPlayer(int p) {
  if (p < 0 || p >= g_.PlayerCount) return;
  PanelText t = TextOf(p);
  t.turn = p == g_.CurPlayer;
  t.winner = p == winner_;
  current_->SetText(t);
  current_->Fill(p);
  for (int i = 0; i < g_.PlayerCount; ++i)
    panels_[i]->move(7, (i > p && i != 0) ? i * 77 + 230 : i * 77 + 7);
  current_->move(7, panels_[p]->y());
  current_->raise();
}

void SidePanel::RefreshCash() {
  for (int i = 0; i < g_.PlayerCount; ++i) {
    const Player& pl = g_.Players[i];
    if (pl.Bankrupt) continue;
    PanelText& t = panels_[i]->mutableText();
    t.cash = Money(pl.Cash);
    t.rank = QStringLiteral("Ranking: ") + QString::number(pl.Ranking);
    panels_[i]->update();
  }
  // The enlarged panel follows its player's money too.
  const int p = current_->player();
  if (p >= 0 && p < g_.PlayerCount) {
    PanelText& t = current_->mutableText();
    t.cash = Money(g_.Players[p].Cash);
    t.rank = QStringLiteral("Ranking: ") + QString::number(g_.Players[p].Ranking);
    current_->Fill(p);
  }
}

void SidePanel::SetTurnMarker(int player, bool visible) {
  if (player < 0 || player >= kMaxPlayers) return;
  panels_[player]->mutableText().turn = visible;
  panels_[player]->update();
}

void SidePanel::MarkBankrupt(int player) {
  if (player < 0 || player >= kMaxPlayers) return;
  PanelText& t = panels_[player]->mutableText();
  t.bankrupt = true;
  t.turn = false;
  panels_[player]->update();
  if (current_->player() == player) {
    current_->mutableText().bankrupt = true;
    current_->update();
  }
}

void SidePanel::ShowWinner(int player) {
  if (player < 0 || player >= g_.PlayerCount) return;
  winner_ = player;
  CurrentPlayer(player);
}

void SidePanel::LayOut(int height) {
  const int top = g_.PlayerCount * 77 + 230;
  history_->setGeometry(7, top, 256, qMax(40, height - 7 - top));
}

void SidePanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), kPanelColor);
}

}  // namespace quorbis::ui
