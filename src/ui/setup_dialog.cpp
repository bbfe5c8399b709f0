#include "ui/setup_dialog.h"

#include <QEventLoop>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "ui/look.h"
#include "ui/menus.h"
#include "ui/pump.h"

namespace quorbis::ui {
namespace {

// A plain colour button: the colour swatch of a column and the choices of
// the colour picker.
class ColorButton : public QAbstractButton {
 public:
  ColorButton(QColor c, QWidget* parent) : QAbstractButton(parent), color_(c) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
  }
  void SetColor(QColor c) {
    color_ = c;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), isEnabled() ? color_ : color_.darker(180));
    p.setPen(QColor(255, 255, 255, 160));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }

 private:
  QColor color_;
};

QPixmap SwitchPicture(bool on) {
  return Picture(on ? QStringLiteral("appdata/tick.png") : QStringLiteral("appdata/cross.png"));
}

constexpr int kColumnX[4] = {90, 235, 380, 525};

}  // namespace

// --- IconPicker ------------------------------------------------------------

IconPicker::IconPicker(Game& g, QWidget* owner, int icon)
    : SkinnedWindow(owner, {503, 368}, 9), g_(g), selected_(icon) {
  setObjectName(QStringLiteral("iconPicker"));
  SetUserClosable(true);
  SetBackground(Picture(QStringLiteral("appdata/icon_picker.jpg")), kDialogColor);
  RoundFormBordered(this, 9, kTwipsUnit);
  auto* ok = new LabelButton(QStringLiteral("&OK"), this);
  ok->setObjectName(QStringLiteral("ok"));
  ok->setGeometry(393, 296, 90, 26);
  connect(ok, &QAbstractButton::clicked, this, &IconPicker::Accept);
  auto* cancel = new LabelButton(QStringLiteral("&Cancel"), this);
  cancel->setObjectName(QStringLiteral("cancel"));
  cancel->setGeometry(393, 330, 90, 26);
  connect(cancel, &QAbstractButton::clicked, this, &QWidget::close);
  if (owner) {
    const QRect o(owner->mapToGlobal(QPoint(0, 0)), owner->size());
    move(o.center() - rect().center());
  }
  g_.IconDialogOpen = true;
}

IconPicker::~IconPicker() {
  g_.IconDialogOpen = false;
}

QRect IconPicker::PortraitRect(int k) {
  static const int kX[5] = {10, 80, 150, 220, 290};
  if (k < 5) return QRect(kX[k], 48, 66, 66);
  if (k == 5) return QRect(10, 120, 66, 66);
  if (k < 11) return QRect(kX[k - 6], 216, 66, 66);
  return QRect(10, 288, 66, 66);
}

std::optional<int> IconPicker::Run() {
  RunModal(this);
  if (accepted_) return selected_;
  return std::nullopt;
}

void IconPicker::Select(int icon) {
  if (icon < 0 || icon >= kPortraitCount) return;
  selected_ = icon;
  update();
}

void IconPicker::Accept() {
  accepted_ = true;
  close();
}

void IconPicker::paintEvent(QPaintEvent* e) {
  SkinnedWindow::paintEvent(e);
  QPainter p(this);
  p.setPen(QColor(255, 201, 60));
  p.setFont(Arial(14.25, true));
  p.drawText(QRect(0, 4, width(), 24), Qt::AlignCenter, QStringLiteral("Select  Player  Icon"));
  p.setPen(Qt::white);
  p.setFont(Arial(10.5, true));
  p.drawText(QPoint(24, 40), QStringLiteral(" Female "));
  p.drawText(QPoint(24, 208), QStringLiteral(" Male "));
  p.setPen(QColor(255, 128, 0));
  p.drawLine(90, 36, 360, 36);
  p.drawLine(80, 204, 360, 204);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  for (int k = 0; k < kPortraitCount; ++k) {
    const QRect r = PortraitRect(k);
    p.fillRect(r, QColor(192, 192, 192));
    p.drawPixmap(r.adjusted(1, 1, -1, -1), Portrait(k));
    if (k == selected_) {
      p.setPen(QPen(QColor(255, 128, 0), 2));
      p.drawRect(r.adjusted(1, 1, -1, -1));
    }
  }
  p.setPen(QPen(Qt::white, 1));
  p.drawRect(QRect(410, 78, 67, 67));
  p.drawPixmap(QRect(412, 80, 64, 64), Portrait(selected_));
}

void IconPicker::mousePressEvent(QMouseEvent* e) {
  for (int k = 0; k < kPortraitCount; ++k) {
    if (PortraitRect(k).contains(e->position().toPoint())) {
      Select(k);
      return;
    }
  }
  SkinnedWindow::mousePressEvent(e);
}

// --- SetupDialog -----------------------------------------------------------

SetupDialog::SetupDialog(Game& g, QWidget* owner)
    : SkinnedWindow(owner, {680, 480}, 18), g_(g), setup_(g) {
  setObjectName(QStringLiteral("setup"));
  SetUserClosable(true);
  setFont(Arial(9));
  SetBackground(Picture(QStringLiteral("appdata/setup.jpg")), kDialogColor);

  auto caption = [this](const QString& text, int x, int y, double pts = 9, bool bold = true) {
    auto* l = new QLabel(text, this);
    l->setFont(Arial(pts, bold));
    l->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    l->move(x, y);
    l->adjustSize();
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    return l;
  };
  // The background picture carries its own title; without it the dialog
  // writes one.
  if (Picture(QStringLiteral("appdata/setup.jpg")).isNull()) {
    auto* title = caption(QStringLiteral("Create  New  Game"), 3, 19, 14.25);
    title->setStyleSheet(QStringLiteral("color: rgb(255,128,0); background: transparent;"));
    title->setGeometry(3, 19, 676, 25);
    title->setAlignment(Qt::AlignCenter);
  }
  caption(QStringLiteral("Enabled"), 35, 70);
  caption(QStringLiteral("Name"), 35, 122);
  caption(QStringLiteral("Icon"), 35, 164);
  caption(QStringLiteral("Color"), 35, 251);
  caption(QStringLiteral("Player"), 35, 288);
  caption(QStringLiteral("Level"), 35, 326);
  caption(QStringLiteral("Select Map"), 402, 367);
  caption(QStringLiteral(" Initial Cash "), 85, 366);

  for (int i = 0; i < kMaxPlayers; ++i) {
    Column& c = columns_[i];
    const int x = kColumnX[i];
    c.take_part = new PictureButton(QPixmap(), QString(), this);
    c.take_part->setObjectName(QStringLiteral("takePart%1").arg(i));
    c.take_part->setGeometry(x + 16, 55, 48, 48);
    connect(c.take_part, &QAbstractButton::clicked, this, [this, i] {
      picker_->hide();
      setup_.ToggleTakePart(i);
      Sync();
    });
    c.name = new QLineEdit(this);
    c.name->setObjectName(QStringLiteral("name%1").arg(i));
    c.name->setMaxLength(8);
    c.name->setFont(Arial(10.5));
    c.name->setGeometry(x, 118, 80, 24);
    c.name->setText(QString::fromStdString(setup_.column(i).name));
    connect(c.name, &QLineEdit::textChanged, this,
            [this, i](const QString& t) { setup_.SetName(i, t.toStdString()); });
    c.portrait = new PictureButton(QPixmap(), QString(), this);
    c.portrait->setObjectName(QStringLiteral("portrait%1").arg(i));
    c.portrait->setGeometry(x + 8, 163, 65, 65);
    connect(c.portrait, &QAbstractButton::clicked, this, [this, i] { PickPortrait(i); });
    c.left = new PictureButton(Picture(QStringLiteral("appdata/arrow_left.png")),
                               QStringLiteral("<"), this);
    c.left->setObjectName(QStringLiteral("left%1").arg(i));
    c.left->setGeometry(x - 26, 179, 32, 32);
    c.right = new PictureButton(Picture(QStringLiteral("appdata/arrow_right.png")),
                                QStringLiteral(">"), this);
    c.right->setObjectName(QStringLiteral("right%1").arg(i));
    c.right->setGeometry(x + 75, 179, 32, 32);
    connect(c.left, &QAbstractButton::clicked, this, [this, i] {
      picker_->hide();
      setup_.StepIcon(i, -1);
      Sync();
    });
    connect(c.right, &QAbstractButton::clicked, this, [this, i] {
      picker_->hide();
      setup_.StepIcon(i, +1);
      Sync();
    });
    auto* swatch = new ColorButton(ToColor(kPlayerColors[setup_.column(i).color_index]), this);
    swatch->setObjectName(QStringLiteral("color%1").arg(i));
    swatch->setGeometry(x, 248, 80, 24);
    connect(swatch, &QAbstractButton::clicked, this, [this, i] { OpenColorPicker(i); });
    c.swatch = swatch;
    c.kind = new QComboBox(this);
    c.kind->setObjectName(QStringLiteral("kind%1").arg(i));
    c.kind->addItems({QStringLiteral("User"), QStringLiteral("PC")});
    c.kind->setGeometry(x, 285, 80, 24);
    c.kind->setCurrentIndex(setup_.column(i).is_robot ? 1 : 0);
    connect(c.kind, &QComboBox::activated, this, [this, i](int index) {
      setup_.SetRobot(i, index == 1);
      Sync();
    });
    c.level = new QComboBox(this);
    c.level->setObjectName(QStringLiteral("level%1").arg(i));
    c.level->addItems({QStringLiteral("Easy"), QStringLiteral("Normal"), QStringLiteral("Hard")});
    c.level->setGeometry(x, 323, 80, 24);
    connect(c.level, &QComboBox::activated, this,
            [this, i](int index) { setup_.SetLevel(i, index); });
  }

  picker_ = new QWidget(this);
  picker_->setObjectName(QStringLiteral("colorPicker"));
  picker_->setAutoFillBackground(true);
  picker_->setStyleSheet(QStringLiteral("background: rgb(27,42,71);"));
  picker_->resize(54, 148);
  for (int k = 0; k < static_cast<int>(kPlayerColors.size()); ++k) {
    auto* choice = new ColorButton(ToColor(kPlayerColors[k]), picker_);
    choice->setObjectName(QStringLiteral("choice%1").arg(k));
    choice->setGeometry(3, 3 + 24 * k, 48, 22);
    connect(choice, &QAbstractButton::clicked, this, [this, k] { ChooseColor(k); });
  }
  picker_->hide();

  cash_text_ = new QLineEdit(this);
  cash_text_->setObjectName(QStringLiteral("cash"));
  cash_text_->setReadOnly(true);
  cash_text_->setGeometry(90, 389, 116, 23);
  cash_ = new QScrollBar(Qt::Horizontal, this);
  cash_->setObjectName(QStringLiteral("cashLevel"));
  cash_->setRange(0, kCashLevels - 1);
  cash_->setPageStep(2);
  cash_->setValue(setup_.cash_level());
  cash_->setGeometry(231, 389, 133, 22);
  connect(cash_, &QScrollBar::valueChanged, this, [this](int v) {
    setup_.SetCashLevel(v);
    Sync();
  });
  auto* map = new QComboBox(this);
  map->setObjectName(QStringLiteral("map"));
  map->addItem(QStringLiteral("Quorbis of New York"));
  map->setGeometry(404, 387, 201, 23);

  play_ = new LabelButton(QStringLiteral("&Play"), this);
  play_->setObjectName(QStringLiteral("play"));
  play_->setGeometry(420, 436, 96, 28);
  connect(play_, &QAbstractButton::clicked, this, [this] {
    accepted_ = true;
    close();
  });
  cancel_ = new LabelButton(QStringLiteral("&Cancel"), this);
  cancel_->setObjectName(QStringLiteral("cancel"));
  cancel_->setGeometry(540, 436, 96, 28);
  connect(cancel_, &QAbstractButton::clicked, this, &QWidget::close);

  Sync();
  if (owner) {
    const QRect o(owner->mapToGlobal(QPoint(0, 0)), owner->size());
    move(o.center() - rect().center());
  }
}

SetupDialog::~SetupDialog() {
  g_.SetupDialogOpen = false;
}

bool SetupDialog::Run() {
  RunModal(this);
  g_.SetupDialogOpen = false;
  return accepted_;
}

void SetupDialog::Sync() {
  for (int i = 0; i < kMaxPlayers; ++i) {
    const SetupColumn& col = setup_.column(i);
    Column& c = columns_[i];
    c.take_part->SetPicture(SwitchPicture(col.takes_part));
    c.take_part->setText(col.takes_part ? QStringLiteral("ON") : QStringLiteral("OFF"));
    const bool on = setup_.ColumnEnabled(i);
    for (QWidget* w : {static_cast<QWidget*>(c.name), static_cast<QWidget*>(c.portrait),
                       static_cast<QWidget*>(c.left), static_cast<QWidget*>(c.right), c.swatch,
                       static_cast<QWidget*>(c.kind)})
      w->setEnabled(on);
    c.level->setEnabled(setup_.LevelEnabled(i));
    c.kind->setCurrentIndex(col.is_robot ? 1 : 0);
    c.level->setCurrentIndex(col.level);
    QPixmap face =
        Portrait(col.icon).scaled(64, 64, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    c.portrait->SetPicture(face);
    static_cast<ColorButton*>(c.swatch)->SetColor(ToColor(kPlayerColors[col.color_index]));
  }
  cash_text_->setText(QString::number(setup_.starting_cash()));
}

void SetupDialog::OpenColorPicker(int column) {
  picker_column_ = column;
  picker_->move(columns_[column].swatch->pos());
  picker_->show();
  picker_->raise();
  picker_->setFocus();
}

void SetupDialog::ChooseColor(int k) {
  setup_.SetColor(picker_column_, k);
  picker_->hide();
  Sync();
}

void SetupDialog::PickPortrait(int column) {
  picker_->hide();
  IconPicker picker(g_, this, setup_.column(column).icon);
  if (const std::optional<int> icon = picker.Run()) setup_.SetIcon(column, *icon);
  Sync();
}

void SetupDialog::mousePressEvent(QMouseEvent* e) {
  picker_->hide();
  SkinnedWindow::mousePressEvent(e);
}

void SetupDialog::paintEvent(QPaintEvent* e) {
  SkinnedWindow::paintEvent(e);
  QPainter p(this);
  p.setPen(QPen(QColor(255, 128, 0), 1));
  for (int k = 1; k < kMaxPlayers; ++k) {
    const int x = (kColumnX[k - 1] + 80 + kColumnX[k]) / 2;
    p.drawLine(x, 52, x, 350);
  }
}

}  // namespace quorbis::ui
