#include "ui/option_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QWindow>
#include <algorithm>

#include "media/game_audio.h"

namespace quorbis {
namespace {

constexpr int kWidth = 431;
constexpr int kHeight = 319;
constexpr int kCornerRadius = 18;
const QColor kBarOn(0, 255, 0);
const QColor kBarOff(255, 255, 255);

// The font the game uses where a design names Arial.
QFont GameFont(int points, bool bold) {
  QFont f(QStringLiteral("Liberation Sans"), points);
  f.setStyleHint(QFont::SansSerif);
  f.setBold(bold);
  return f;
}

// A window shaped as a rounded rectangle of the given corner radius.
void RoundWindow(QWidget* w, int radius) {
  QPainterPath path;
  path.addRoundedRect(QRectF(0, 0, w->width() + 1, w->height() + 1), radius, radius);
  w->setMask(QRegion(path.toFillPolygon().toPolygon()));
}

QString SoundCaption(bool off) {
  return off ? QStringLiteral("Game Sound Off") : QStringLiteral("Game Sound On");
}
QString MusicCaption(bool off) {
  return off ? QStringLiteral("Game Music Off") : QStringLiteral("Game Music On");
}

}  // namespace

// --- The volume bar ---------------------------------------------------------------

VolumeBar::VolumeBar(QWidget* parent) : QWidget(parent) {
  setFixedSize(87, 27);
  setCursor(Qt::PointingHandCursor);
}

void VolumeBar::SetLevel(int step) {
  level_ = std::clamp(step, 0, kSteps - 1);
  update();
}

int VolumeBar::StepAt(int x) {
  // Bar k starts at x = 8k; a click between bars counts for the bar before.
  return std::clamp(x < 0 ? 0 : x / 8, 0, kSteps - 1);
}

void VolumeBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor(192, 192, 192));
  p.setPen(Qt::black);
  for (int k = 0; k < kSteps; ++k) {
    // x = 8k, y = 20 - 2k, 5 wide and 5 + 2k high: all end on y = 25.
    const QRect bar(8 * k, 20 - 2 * k, 5, 5 + 2 * k);
    p.fillRect(bar, k <= level_ ? kBarOn : kBarOff);
    p.drawRect(bar.adjusted(0, 0, -1, -1));
  }
}

void VolumeBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit stepClicked(StepAt(event->position().toPoint().x()));
}

// --- The dialog -------------------------------------------------------------------

FrmOption::FrmOption(Game& g, GameAudio& audio, QWidget* main_window)
    : QDialog(main_window, Qt::Dialog | Qt::FramelessWindowHint),
      g_(g),
      audio_(audio),
      main_(main_window) {
  setModal(true);
  setFixedSize(kWidth, kHeight);
  setFont(GameFont(9, true));
  // White captions on the dark background; the boxes keep their usual look.
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, Qt::white);
  palette.setColor(QPalette::ButtonText, Qt::white);
  setPalette(palette);

  auto* title = new QLabel(QStringLiteral("Game Options"), this);
  title->setObjectName(QStringLiteral("LabTitle"));
  title->setFont(GameFont(12, true));
  title->setStyleSheet(QStringLiteral("color: rgb(255, 201, 60);"));
  title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  title->setGeometry(2, 12, 425, 22);

  auto* audio_label = new QLabel(QStringLiteral(" Audio Options "), this);
  audio_label->setObjectName(QStringLiteral("Label1"));
  audio_label->move(30, 42);
  auto* video_label = new QLabel(QStringLiteral(" Video Options "), this);
  video_label->setObjectName(QStringLiteral("Label2"));
  video_label->move(32, 172);

  chk_mute_ = new QCheckBox(QStringLiteral("Game Mute               [F7]"), this);
  chk_mute_->setObjectName(QStringLiteral("ChkMute"));
  chk_mute_->move(32, 68);
  chk_sound_ = new QCheckBox(SoundCaption(false), this);
  chk_sound_->setObjectName(QStringLiteral("ChkSound"));
  chk_sound_->move(32, 94);
  chk_music_ = new QCheckBox(MusicCaption(false), this);
  chk_music_->setObjectName(QStringLiteral("ChkMusic"));
  chk_music_->move(32, 120);
  for (QCheckBox* box : {chk_mute_, chk_sound_, chk_music_}) box->adjustSize();

  pic_vol_ = new VolumeBar(this);
  pic_vol_->setObjectName(QStringLiteral("PicVol"));
  pic_vol_->move(274, 114);

  static constexpr QPoint kVideoPlaces[6] = {{32, 200}, {168, 200}, {302, 200},
                                             {32, 234}, {168, 234}, {302, 234}};
  for (int i = 0; i < 6; ++i) {
    auto* option = new QRadioButton(QString::fromLatin1(kWindowSizes[size_t(i)].caption), this);
    option->setObjectName(QStringLiteral("OptVideo%1").arg(i));
    option->move(kVideoPlaces[i]);
    option->adjustSize();
    connect(option, &QRadioButton::clicked, this, [this, i] { VideoClicked(i); });
    opt_video_[size_t(i)] = option;
  }

  lab_cmd_ = new QPushButton(QStringLiteral("&OK"), this);
  lab_cmd_->setObjectName(QStringLiteral("LabCMD"));
  lab_cmd_->setFont(GameFont(12, true));
  lab_cmd_->setCursor(Qt::PointingHandCursor);
  lab_cmd_->setFlat(true);
  lab_cmd_->setStyleSheet(
      QStringLiteral("QPushButton { color: white; background: transparent; border: none; }"
                     "QPushButton:hover { color: rgb(255, 201, 60); }"));
  lab_cmd_->move(172, 274);
  lab_cmd_->adjustSize();

  connect(chk_sound_, &QCheckBox::clicked, this, &FrmOption::SoundClicked);
  connect(chk_music_, &QCheckBox::clicked, this, &FrmOption::MusicClicked);
  connect(chk_mute_, &QCheckBox::clicked, this, &FrmOption::MuteClicked);
  connect(pic_vol_, &VolumeBar::stepClicked, this, &FrmOption::VolumeClicked);
  connect(lab_cmd_, &QPushButton::clicked, this, &FrmOption::OkClicked);
  // F7 pressed while the dialog is open moves the mute tick.
  connect(&audio_, &GameAudio::muteChanged, this, [this](bool mute) {
    const QSignalBlocker quiet(chk_mute_);
    chk_mute_->setChecked(mute);
  });

  g_.OptionDialogOpen = true;
  ShowSettings();

  // Centred on the screen the game is on.
  const QScreen* screen = main_ ? main_->screen() : this->screen();
  if (screen) move(screen->availableGeometry().center() - QPoint(kWidth / 2, kHeight / 2));
}

FrmOption::~FrmOption() {
  g_.OptionDialogOpen = false;
}

void FrmOption::ShowSettings() {
  // Only the controls change here: the settings are already what they show.
  const QSignalBlocker q1(chk_mute_), q2(chk_sound_), q3(chk_music_);
  chk_music_->setChecked(!g_.MusicOff);
  chk_music_->setText(MusicCaption(g_.MusicOff));
  chk_sound_->setChecked(!g_.SoundOff);
  chk_sound_->setText(SoundCaption(g_.SoundOff));
  chk_mute_->setChecked(g_.Mute);
  pic_vol_->SetLevel(g_.Volume);
  if (g_.VideoOption >= 0 && g_.VideoOption < 6)
    opt_video_[size_t(g_.VideoOption)]->setChecked(true);
}

void FrmOption::SoundClicked(bool checked) {
  g_.SoundOff = !checked;
  if (!checked) audio_.StopWave();
  chk_sound_->setText(SoundCaption(g_.SoundOff));
  chk_sound_->adjustSize();
}

void FrmOption::MusicClicked(bool checked) {
  if (checked) {
    if (!g_.Mute) audio_.UnmuteMusic();
    g_.MusicOff = false;
  } else {
    audio_.MuteMusic();
    g_.MusicOff = true;
  }
  chk_music_->setText(MusicCaption(g_.MusicOff));
  chk_music_->adjustSize();
}

void FrmOption::MuteClicked(bool checked) {
  if (checked) {
    audio_.MuteMusic();
    // All audio off means the effect playing too, as with F7.
    audio_.StopWave();
    g_.Mute = true;
  } else {
    if (!g_.MusicOff) audio_.UnmuteMusic();
    g_.Mute = false;
  }
}

void FrmOption::VolumeClicked(int step) {
  g_.Volume = step;
  pic_vol_->SetLevel(step);
  audio_.SetMediaVolume(step * 100);
}

void FrmOption::VideoClicked(int option) {
  g_.VideoOption = option;
  const WindowSize& size = kWindowSizes[size_t(option)];
  if (size.width == 0) {
    g_.WindowMaximized = 2;
  } else {
    g_.WindowMaximized = 0;
    g_.WindowWidth = size.width;
    g_.WindowHeight = size.height;
  }
}

void FrmOption::OkClicked() {
  done(QDialog::Accepted);
  ApplyWindowSize(g_, main_);
}

void FrmOption::ApplyWindowSize(const Game& g, QWidget* main_window) {
  if (!main_window) return;
  if (g.WindowMaximized) {
    main_window->showMaximized();
    return;
  }
  main_window->showNormal();
  main_window->resize(g.WindowWidth, g.WindowHeight);
  if (const QScreen* screen = main_window->screen()) {
    const QRect area = screen->availableGeometry();
    main_window->move(area.center() - QPoint(g.WindowWidth / 2, g.WindowHeight / 2));
  }
}

void FrmOption::done(int result) {
  g_.OptionDialogOpen = false;
  QDialog::done(result);
  if (main_) main_->activateWindow();
}

void FrmOption::paintEvent(QPaintEvent*) {
  // Drawn in the colours of the game's other dialogs: a night-blue sky, the
  // two groups on darker plates, a gold rim.
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, height());
  sky.setColorAt(0, QColor(44, 70, 120));
  sky.setColorAt(1, QColor(15, 24, 44));
  p.fillRect(rect(), sky);
  p.setPen(QPen(QColor(0, 0, 0, 70), 1));
  p.setBrush(QColor(20, 30, 56, 140));
  p.drawRoundedRect(QRectF(18.5, 50.5, 394, 104), 8, 8);
  p.drawRoundedRect(QRectF(18.5, 180.5, 394, 82), 8, 8);
  p.setPen(QPen(QColor(255, 201, 60), 3));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(1.5, 1.5, width() - 3, height() - 3), kCornerRadius, kCornerRadius);
}

void FrmOption::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  RoundWindow(this, kCornerRadius);
}

void FrmOption::mousePressEvent(QMouseEvent* event) {
  // The dialog has no title bar: it is dragged by its background.
  if (event->button() != Qt::LeftButton) return;
  drag_from_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
  if (windowHandle() && windowHandle()->startSystemMove()) drag_from_ = {};
}

void FrmOption::mouseMoveEvent(QMouseEvent* event) {
  if ((event->buttons() & Qt::LeftButton) && !drag_from_.isNull())
    move(event->globalPosition().toPoint() - drag_from_);
}

}  // namespace quorbis
