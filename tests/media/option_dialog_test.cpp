// The options dialog: what it shows for the game's settings, what each box,
// the volume bar and the size options change, and OK sizing the main window.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "media/game_audio.h"
#include "media/recording_audio_backend.h"
#include "state/startup.h"
#include "ui/option_dialog.h"

using namespace quorbis;
using Kind = AudioEvent::Kind;

namespace {

struct Rig {
  Game g;
  RecordingAudioBackend* rec;
  GameAudio audio;
  QWidget main;

  Rig() : rec(new RecordingAudioBackend), audio(g, std::unique_ptr<AudioBackend>(rec)) {
    SetOptionDefaults(g);
    ResolvePaths(g, "/game");
    main.resize(890, 681);
    main.show();
    audio.PlayMusicFile(g.BeginMusicFile);
    rec->Clear();
  }
  bool Has(Kind k) const {
    return std::any_of(rec->events.begin(), rec->events.end(),
                       [k](const AudioEvent& e) { return e.kind == k; });
  }
};

// How many bars of the volume staircase are drawn green.
int GreenBars(VolumeBar* bar) {
  const QImage image = bar->grab().toImage();
  int green = 0;
  for (int k = 0; k < VolumeBar::kSteps; ++k)
    if (image.pixelColor(8 * k + 2, 23) == QColor(0, 255, 0)) ++green;
  return green;
}

}  // namespace

class OptionDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheSettingsWithoutChangingThem_data() {
    QTest::addColumn<bool>("mute");
    QTest::addColumn<bool>("music_off");
    QTest::addColumn<bool>("sound_off");
    QTest::addColumn<int>("volume");
    QTest::addColumn<int>("video");
    QTest::newRow("start-up defaults") << false << false << false << 5 << 5;
    QTest::newRow("all off, silent, small") << true << true << true << 0 << 0;
    QTest::newRow("music off, loudest") << false << true << false << 10 << 3;
  }
  void showsTheSettingsWithoutChangingThem() {
    QFETCH(bool, mute);
    QFETCH(bool, music_off);
    QFETCH(bool, sound_off);
    QFETCH(int, volume);
    QFETCH(int, video);
    Rig r;
    r.g.Mute = mute;
    r.g.MusicOff = music_off;
    r.g.SoundOff = sound_off;
    r.g.Volume = volume;
    r.g.VideoOption = video;
    FrmOption dialog(r.g, r.audio, &r.main);
    QVERIFY(r.g.OptionDialogOpen);
    QCOMPARE(dialog.ChkMute()->isChecked(), mute);
    QCOMPARE(dialog.ChkMusic()->isChecked(), !music_off);
    QCOMPARE(dialog.ChkMusic()->text(), music_off ? "Game Music Off" : "Game Music On");
    QCOMPARE(dialog.ChkSound()->isChecked(), !sound_off);
    QCOMPARE(dialog.ChkSound()->text(), sound_off ? "Game Sound Off" : "Game Sound On");
    QCOMPARE(GreenBars(dialog.PicVol()), volume + 1);
    QVERIFY(dialog.OptVideo(video)->isChecked());
    // Loading touched neither the settings nor the sound.
    QCOMPARE(r.g.Mute, mute);
    QCOMPARE(r.g.MusicOff, music_off);
    QCOMPARE(r.g.SoundOff, sound_off);
    QVERIFY(r.rec->events.empty());
  }

  void hasItsCaptionsAndShape() {
    Rig r;
    FrmOption dialog(r.g, r.audio, &r.main);
    QCOMPARE(dialog.ChkMute()->text(), QString("Game Mute") + QString(15, ' ') + "[F7]");
    QCOMPARE(dialog.findChild<QLabel*>("LabTitle")->text(), "Game Options");
    QCOMPARE(dialog.findChild<QLabel*>("Label1")->text(), " Audio Options ");
    QCOMPARE(dialog.findChild<QLabel*>("Label2")->text(), " Video Options ");
    QCOMPARE(dialog.LabCMD()->text(), "&OK");
    const char* sizes[] = {"1024 X 720", "1024 X 768",  "1280 X 768",
                           "1280 X 800", "1280 X 1024", "Maximized"};
    for (int i = 0; i < 6; ++i) QCOMPARE(dialog.OptVideo(i)->text(), sizes[i]);
    QCOMPARE(dialog.size(), QSize(431, 319));
    QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(dialog.isModal());
    dialog.show();
    // Rounded corners: the very corner is cut away, the edge's middle kept.
    QVERIFY(!dialog.mask().contains(QPoint(1, 1)));
    QVERIFY(dialog.mask().contains(QPoint(215, 1)));
    QVERIFY(dialog.mask().contains(QPoint(18, 18)));
  }

  void soundBoxSwitchesEffects() {
    Rig r;
    FrmOption dialog(r.g, r.audio, &r.main);
    dialog.ChkSound()->click();
    QVERIFY(r.g.SoundOff);
    QCOMPARE(dialog.ChkSound()->text(), "Game Sound Off");
    QVERIFY(r.Has(Kind::StopEffect));
    dialog.ChkSound()->click();
    QVERIFY(!r.g.SoundOff);
    QCOMPARE(dialog.ChkSound()->text(), "Game Sound On");
  }

  void musicBoxWhileMutedStaysSilent() {
    Rig r;
    r.g.Mute = true;
    r.audio.MuteMusic();
    FrmOption dialog(r.g, r.audio, &r.main);
    dialog.ChkMusic()->click();
    QVERIFY(r.g.MusicOff);
    QCOMPARE(dialog.ChkMusic()->text(), "Game Music Off");
    dialog.ChkMusic()->click();
    QVERIFY(!r.g.MusicOff);
    QCOMPARE(dialog.ChkMusic()->text(), "Game Music On");
    QCOMPARE(r.audio.GetMediaMode(), std::string("paused"));
    QVERIFY(!r.rec->music_audible);
    QVERIFY(!r.Has(Kind::ResumeMusic));
  }

  void muteBoxSilencesAllAndKeepsMusicOff_data() {
    QTest::addColumn<bool>("music_off");
    QTest::addColumn<QString>("after_unmute");
    QTest::newRow("music on") << false << "playing";
    QTest::newRow("music off") << true << "paused";
  }
  void muteBoxSilencesAllAndKeepsMusicOff() {
    QFETCH(bool, music_off);
    QFETCH(QString, after_unmute);
    Rig r;
    r.g.MusicOff = music_off;
    if (music_off) r.audio.MuteMusic();
    r.audio.PlayWave(Sound::Move, WaveMode::Loop);
    FrmOption dialog(r.g, r.audio, &r.main);
    dialog.ChkMute()->click();
    QVERIFY(r.g.Mute);
    QCOMPARE(r.audio.GetMediaMode(), std::string("paused"));
    QVERIFY2(r.Has(Kind::StopEffect), "a looping effect went on under Game Mute");
    dialog.ChkMute()->click();
    QVERIFY(!r.g.Mute);
    QCOMPARE(QString::fromStdString(r.audio.GetMediaMode()), after_unmute);
  }

  void volumeStaircase_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("step");
    QTest::newRow("x 0") << 0 << 0;
    QTest::newRow("x 7, last pixel before bar 1") << 7 << 0;
    QTest::newRow("x 8, first pixel of bar 1") << 8 << 1;
    QTest::newRow("x 44, in bar 5") << 44 << 5;
    QTest::newRow("x 86, right edge") << 86 << 10;
  }
  void volumeStaircase() {
    QFETCH(int, x);
    QFETCH(int, step);
    Rig r;
    r.g.Volume = (step + 3) % 11;  // anything but the step clicked
    FrmOption dialog(r.g, r.audio, &r.main);
    QTest::mouseClick(dialog.PicVol(), Qt::LeftButton, {}, QPoint(x, 13));
    QCOMPARE(r.g.Volume, step);
    QCOMPARE(r.rec->music_volume, step * 100);
    QCOMPARE(GreenBars(dialog.PicVol()), step + 1);
  }

  void sizeOptionsAndOk_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<int>("maximized");
    QTest::addColumn<QSize>("size");
    QTest::newRow("1024 X 720") << 0 << 0 << QSize(1024, 720);
    QTest::newRow("1280 X 800") << 3 << 0 << QSize(1280, 800);
    QTest::newRow("1280 X 1024") << 4 << 0 << QSize(1280, 1024);
    QTest::newRow("Maximized") << 5 << 2 << QSize();
  }
  void sizeOptionsAndOk() {
    QFETCH(int, option);
    QFETCH(int, maximized);
    QFETCH(QSize, size);
    Rig r;
    r.g.VideoOption = option == 5 ? 0 : 5;
    r.g.WindowMaximized = option == 5 ? 0 : 2;
    FrmOption dialog(r.g, r.audio, &r.main);
    dialog.show();
    dialog.OptVideo(option)->click();
    QCOMPARE(r.g.VideoOption, option);
    QCOMPARE(r.g.WindowMaximized, maximized);
    if (size.isValid()) QCOMPARE(QSize(r.g.WindowWidth, r.g.WindowHeight), size);
    dialog.LabCMD()->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QVERIFY(!r.g.OptionDialogOpen);
    QCOMPARE(r.main.isMaximized(), maximized != 0);
    if (size.isValid()) QCOMPARE(r.main.size(), size);
  }

  void f7MovesTheMuteTick() {
    Rig r;
    FrmOption dialog(r.g, r.audio, &r.main);
    r.audio.ToggleMute();
    QVERIFY(dialog.ChkMute()->isChecked());
    QVERIFY(r.g.Mute);
    r.audio.ToggleMute();
    QVERIFY(!dialog.ChkMute()->isChecked());
    QVERIFY(!r.g.Mute);
  }
};

QTEST_MAIN(OptionDialogTest)
#include "option_dialog_test.moc"
