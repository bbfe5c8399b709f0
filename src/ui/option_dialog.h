// The options dialog: sound effects, music, the global mute, the music volume
// in eleven steps, and the size of the main window. Everything it sets lasts
// for this run only (the game saves no settings).
#pragma once

#include <QDialog>
#include <QPoint>
#include <QPointer>
#include <array>

#include "state/game_state.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace quorbis {

class GameAudio;

// The volume bar: eleven bars rising left to right on a common base line,
// green up to the chosen step, white above it.
class VolumeBar : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kSteps = 11;
  explicit VolumeBar(QWidget* parent = nullptr);
  void SetLevel(int step);
  int Level() const { return level_; }
  // The step under a click at x (pixels from the bar's left edge).
  static int StepAt(int x);

 signals:
  void stepClicked(int step);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  int level_ = 0;
};

class FrmOption : public QDialog {
  Q_OBJECT

 public:
  struct WindowSize {
    int width, height;  // 0 x 0: maximised
    const char* caption;
  };
  static constexpr std::array<WindowSize, 6> kWindowSizes = {{
      {1024, 720, "1024 X 720"},
      {1024, 768, "1024 X 768"},
      {1280, 768, "1280 X 768"},
      {1280, 800, "1280 X 800"},
      {1280, 1024, "1280 X 1024"},
      {0, 0, "Maximized"},
  }};

  // `main_window` is the window whose size the dialog sets; it is also the
  // dialog's owner.
  FrmOption(Game& g, GameAudio& audio, QWidget* main_window);
  ~FrmOption() override;

  // Puts the main window in the size the options say: maximised, or the
  // chosen size centred on its screen.
  static void ApplyWindowSize(const Game& g, QWidget* main_window);

  QCheckBox* ChkMute() const { return chk_mute_; }
  QCheckBox* ChkSound() const { return chk_sound_; }
  QCheckBox* ChkMusic() const { return chk_music_; }
  QRadioButton* OptVideo(int i) const { return opt_video_[size_t(i)]; }
  VolumeBar* PicVol() const { return pic_vol_; }
  QPushButton* LabCMD() const { return lab_cmd_; }

  void done(int result) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void SoundClicked(bool checked);
  void MusicClicked(bool checked);
  void MuteClicked(bool checked);
  void VolumeClicked(int step);
  void VideoClicked(int option);
  void OkClicked();
  void ShowSettings();

  Game& g_;
  GameAudio& audio_;
  QPointer<QWidget> main_;
  QCheckBox* chk_mute_;
  QCheckBox* chk_sound_;
  QCheckBox* chk_music_;
  std::array<QRadioButton*, 6> opt_video_{};
  VolumeBar* pic_vol_;
  QPushButton* lab_cmd_;
  QPoint drag_from_;
};

}  // namespace quorbis
