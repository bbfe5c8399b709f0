// F7 and Esc while the game has the focus (the offscreen display has no global
// keys): mute, and the boss key hiding and restoring every window of the game
// without ending a modal wait.
#include <QDialog>
#include <QKeyEvent>
#include <QtTest>

#include "media/game_audio.h"
#include "media/hot_keys.h"
#include "media/recording_audio_backend.h"
#include "state/startup.h"

using namespace quorbis;
using Kind = AudioEvent::Kind;

namespace {

struct Rig {
  Game g;
  RecordingAudioBackend* rec;
  GameAudio audio;
  HotKeys keys;
  QWidget main;

  Rig()
      : rec(new RecordingAudioBackend),
        audio(g, std::unique_ptr<AudioBackend>(rec)),
        keys(g, audio) {
    SetOptionDefaults(g);
    ResolvePaths(g, "/game");
    main.setWindowTitle("main");
    main.resize(890, 681);
    main.show();
    keys.RegisterGameHotKeys(&main);
    audio.PlayMusicFile(g.BackMusicFile);
  }
  int Count(Kind k, int value = -1) const {
    return int(std::count_if(rec->events.begin(), rec->events.end(), [&](const AudioEvent& e) {
      return e.kind == k && (value < 0 || e.value == value);
    }));
  }
  std::string Music() { return audio.GetMediaMode(); }
};

// A window of the game other than the main window (tip, bank, casino...).
std::unique_ptr<QWidget> ShowGameWindow(QWidget* owner) {
  auto w = std::make_unique<QWidget>(owner, Qt::Tool | Qt::FramelessWindowHint);
  w->resize(200, 100);
  w->show();
  return w;
}

QStringList info_lines;
void Capture(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtInfoMsg) info_lines << text;
}

}  // namespace

class HotKeysTest : public QObject {
  Q_OBJECT

 private slots:
  // First: the note is said once per run.
  void focusKeysOffscreenAreExplainedOnce() {
    const auto previous = qInstallMessageHandler(Capture);
    {
      Rig first;
      QCOMPARE(first.keys.CurrentScope(), HotKeys::Scope::Focus);
      Rig second;
      QCOMPARE(second.keys.CurrentScope(), HotKeys::Scope::Focus);
    }
    qInstallMessageHandler(previous);
    QCOMPARE(info_lines.size(), 1);
    QVERIFY(info_lines[0].startsWith("F7 and Esc work while the game has the focus"));
  }

  void f7MutesAndUnmutesFromAnyShowGameWindow() {
    Rig r;
    const auto tip = ShowGameWindow(&r.main);
    QSignalSpy toggled(&r.keys, &HotKeys::muteToggled);
    QTest::keyClick(tip.get(), Qt::Key_F7);
    QTRY_VERIFY(r.g.Mute);
    QCOMPARE(r.Music(), std::string("paused"));
    QCOMPARE(r.Count(Kind::StopEffect), 1);
    QTest::keyClick(&r.main, Qt::Key_F7);
    QTRY_VERIFY(!r.g.Mute);
    QCOMPARE(r.Music(), std::string("playing"));
    QCOMPARE(toggled.count(), 2);

    // Not F7: with a modifier, a key held down repeating, or after unload.
    QTest::keyClick(&r.main, Qt::Key_F7, Qt::ShiftModifier);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_F7, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(&r.main, &repeat);
    r.keys.UnregisterGameHotKeys();
    QTest::keyClick(&r.main, Qt::Key_F7);
    QTest::qWait(50);
    QVERIFY(!r.g.Mute);
    QCOMPARE(toggled.count(), 2);
  }

  void escHidesAndRestoresTheGameWithoutEndingAModalWait() {
    Rig r;
    const auto tip = ShowGameWindow(&r.main);
    const auto closed_meanwhile = ShowGameWindow(&r.main);
    std::unique_ptr<QWidget> opened_meanwhile;
    QDialog bank(&r.main);
    bank.resize(300, 200);

    struct Seen {
      bool main_shown, bank_shown, tip_shown, late_shown;
      bool mute, paused, hidden;
    };
    Seen hidden{}, restored{};
    QTimer::singleShot(50, [&] { QTest::keyClick(&bank, Qt::Key_Escape); });
    QTimer::singleShot(200, [&] {
      hidden = {
          !r.main.isMinimized(), bank.isVisible(), tip->isVisible(), false, r.g.Mute, r.g.Paused,
          r.keys.GameHidden()};
      closed_meanwhile->close();
      opened_meanwhile = ShowGameWindow(&r.main);
    });
    QTimer::singleShot(350, [&] {
      hidden.late_shown = opened_meanwhile->isVisible();
      QTest::keyClick(&r.main, Qt::Key_Escape);
    });
    QTimer::singleShot(500, [&] {
      restored = {!r.main.isMinimized() && r.main.isVisible(),
                  bank.isVisible(),
                  tip->isVisible(),
                  opened_meanwhile->isVisible(),
                  r.g.Mute,
                  r.g.Paused,
                  r.keys.GameHidden()};
      bank.accept();
    });
    QTimer::singleShot(3000, &bank, &QDialog::reject);  // a safety net, never reached
    const int result = bank.exec();

    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(hidden.hidden);
    QVERIFY2(!hidden.main_shown, "the main window stayed in view");
    QVERIFY(!hidden.bank_shown);
    QVERIFY(!hidden.tip_shown);
    QVERIFY2(!hidden.late_shown, "a window opened while hidden came into view");
    QVERIFY(hidden.mute);
    QVERIFY(hidden.paused);
    QVERIFY(!restored.hidden);
    QVERIFY(restored.main_shown);
    QVERIFY(restored.bank_shown);
    QVERIFY(restored.tip_shown);
    QVERIFY(restored.late_shown);
    QVERIFY(!closed_meanwhile->isVisible());
    QVERIFY(!restored.mute);
    QVERIFY(!restored.paused);
  }

  void f7WhileHiddenThenEscRestoresTheSavedMute_data() {
    QTest::addColumn<bool>("muted_before");
    QTest::newRow("sound on when hidden") << false;
    QTest::newRow("muted when hidden") << true;
  }
  void f7WhileHiddenThenEscRestoresTheSavedMute() {
    QFETCH(bool, muted_before);
    Rig r;
    if (muted_before) r.keys.ToggleMute();
    r.keys.ToggleBossKey();
    QVERIFY(r.g.Mute);
    QCOMPARE(r.Music(), std::string("paused"));
    r.keys.ToggleMute();  // F7 while hidden
    QVERIFY(!r.g.Mute);
    r.keys.ToggleBossKey();
    QCOMPARE(r.g.Mute, muted_before);
    QCOMPARE(r.Music(), std::string(muted_before ? "paused" : "playing"));
    QCOMPARE(r.rec->music_audible, !muted_before);
  }

  void bossKeyHoldsTheEffectAndKeepsAMenuPaused() {
    Rig r;
    r.audio.PlayWave(Sound::Move, WaveMode::Loop);
    r.g.Paused = true;  // the game menu is open
    r.keys.ToggleBossKey();
    QCOMPARE(r.Count(Kind::HoldEffect, 1), 1);
    QCOMPARE(r.Count(Kind::StopEffect), 0);
    r.keys.ToggleBossKey();
    QCOMPARE(r.Count(Kind::HoldEffect, 0), 1);
    QVERIFY(r.g.Paused);
  }

  void restoringFromTheTaskBarBringsTheRestBack() {
    Rig r;
    const auto tip = ShowGameWindow(&r.main);
    QTest::keyClick(&r.main, Qt::Key_Escape);
    QTRY_VERIFY(r.keys.GameHidden());
    QVERIFY(r.main.isMinimized());
    r.main.showNormal();  // the user picks the game in the task bar
    QTRY_VERIFY(!r.keys.GameHidden());
    QVERIFY(tip->isVisible());
    QVERIFY(!r.g.Mute);
    QCOMPARE(r.Music(), std::string("playing"));
  }
};

QTEST_MAIN(HotKeysTest)
#include "hot_keys_test.moc"
