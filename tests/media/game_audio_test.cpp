// Effects and music as the game drives them: modes, silence under Mute and
// SoundOff, the waiting effects, and the rules of the music channel.
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <csignal>
#include <fstream>

#include "media/game_audio.h"
#include "media/recording_audio_backend.h"
#include "media/sdl_audio_backend.h"
#include "media/wave_file.h"
#include "state/startup.h"

using namespace quorbis;
using Kind = AudioEvent::Kind;

namespace {

// A game whose audio goes to a recording back end.
struct Rig {
  Game g;
  RecordingAudioBackend* rec;
  GameAudio audio;

  Rig() : rec(new RecordingAudioBackend), audio(g, std::unique_ptr<AudioBackend>(rec)) {
    SetOptionDefaults(g);
    ResolvePaths(g, "/game");
  }
  int Count(Kind k) const {
    return int(std::count_if(rec->events.begin(), rec->events.end(),
                             [k](const AudioEvent& e) { return e.kind == k; }));
  }
};

// A silent mono 16-bit WAV file of the given length.
void WriteSilence(const std::string& path, int ms) {
  const uint32_t frames = 44100u * uint32_t(ms) / 1000u, bytes = frames * 2;
  auto put = [](std::ofstream& o, uint32_t v, int n) {
    for (int i = 0; i < n; ++i) o.put(char((v >> (8 * i)) & 0xFF));
  };
  std::ofstream o(path, std::ios::binary);
  o << "RIFF";
  put(o, 36 + bytes, 4);
  o << "WAVEfmt ";
  put(o, 16, 4);
  put(o, 1, 2);
  put(o, 1, 2);
  put(o, 44100, 4);
  put(o, 88200, 4);
  put(o, 2, 2);
  put(o, 16, 2);
  o << "data";
  put(o, bytes, 4);
  for (uint32_t i = 0; i < frames; ++i) put(o, 0, 2);
}

}  // namespace

class GameAudioTest : public QObject {
  Q_OBJECT

 private slots:
  void effectsGoToTheDeviceInTheirMode() {
    Rig r;
    r.audio.PlayWave(Sound::Move, WaveMode::Loop);
    r.audio.PlayWave(Sound::Throw, WaveMode::Wait);
    r.audio.PlayWave(Sound::Win, WaveMode::Async);
    r.audio.PlayWave("register.wav", WaveMode::Async);
    QCOMPARE(r.rec->EffectsWithModes(), (std::vector<std::string>{"move.wav/0", "throw.wav/2",
                                                                  "win.wav/1", "register.wav/1"}));
  }

  void muteAndSoundOffSilenceEveryMode_data() {
    QTest::addColumn<bool>("mute");
    QTest::addColumn<bool>("sound_off");
    QTest::newRow("mute") << true << false;
    QTest::newRow("effects off") << false << true;
    QTest::newRow("both") << true << true;
  }
  void muteAndSoundOffSilenceEveryMode() {
    QFETCH(bool, mute);
    QFETCH(bool, sound_off);
    Rig r;
    r.g.Mute = mute;
    r.g.SoundOff = sound_off;
    r.rec->effect_length = std::chrono::milliseconds(2000);
    QElapsedTimer clock;
    clock.start();
    for (WaveMode mode : {WaveMode::Loop, WaveMode::Async, WaveMode::Wait})
      r.audio.PlayWave(Sound::Arrive, mode);
    QVERIFY(r.rec->Effects().empty());
    QVERIFY2(clock.elapsed() < 500, "a silenced waiting effect must return at once");
  }

  void waitingEffectLetsEventsRunUntilItEnds() {
    Rig r;
    r.rec->effect_length = std::chrono::milliseconds(200);
    bool ticked = false;
    QTimer::singleShot(30, [&] { ticked = true; });
    QElapsedTimer clock;
    clock.start();
    r.audio.PlayWave(Sound::Throw, WaveMode::Wait);
    QVERIFY(clock.elapsed() >= 190);
    QVERIFY2(ticked, "window events must run while the game waits for a sound");

    // F7 (or quitting) stops the sound: the wait ends with it.
    r.rec->effect_length = std::chrono::milliseconds(5000);
    QTimer::singleShot(50, [&] { r.audio.StopWave(); });
    clock.restart();
    r.audio.PlayWave(Sound::Jail, WaveMode::Wait);
    QVERIFY(clock.elapsed() < 2000);
  }

  void withoutDeviceTheGameKeepsThePace() {
    QTemporaryDir dir;
    const std::string wav = dir.filePath("pace.wav").toStdString();
    WriteSilence(wav, 300);
    QCOMPARE(WaveDurationMs(wav), 300);
    Rig r;
    r.rec->has_device = false;
    QElapsedTimer clock;
    clock.start();
    r.audio.PlayWave(wav, WaveMode::Wait);
    QVERIFY(clock.elapsed() >= 280);
    // A missing file is not waited for.
    clock.restart();
    r.audio.PlayWave(dir.filePath("missing.wav").toStdString(), WaveMode::Wait);
    QVERIFY(clock.elapsed() < 100);
  }

  void samePieceTwiceGoesOnUntouched() {
    Rig r;
    QCOMPARE(r.audio.PlayMusicFile(r.g.BeginMusicFile), std::string("Success"));
    const auto before = r.rec->events;
    QCOMPARE(r.audio.PlayMusicFile(r.g.BeginMusicFile), std::string());
    QVERIFY(r.rec->events == before);
    QCOMPARE(r.audio.GetMediaMode(), std::string("playing"));
    QCOMPARE(r.rec->music_file, std::string("beginmusic.mp3"));
  }

  void musicOffOpensAndStartsThenSilences() {
    Rig r;
    r.g.MusicOff = true;
    r.g.Volume = 7;
    QCOMPARE(r.audio.PlayMusicFile(r.g.BackMusicFile), std::string("Success"));
    QCOMPARE(r.rec->music_file, std::string("backmusic.mp3"));
    QCOMPARE(r.audio.GetMediaMode(), std::string("paused"));
    QVERIFY(!r.rec->music_audible);
    QCOMPARE(r.rec->music_volume, 700);
    // Never audible for a moment: silenced before it was started.
    const auto play = std::find_if(r.rec->events.begin(), r.rec->events.end(),
                                   [](const AudioEvent& e) { return e.kind == Kind::PlayMusic; });
    const auto off = std::find(r.rec->events.begin(), r.rec->events.end(),
                               AudioEvent{Kind::MusicAudible, "backmusic.mp3", WaveMode::Async, 0});
    QVERIFY(off < play);
  }

  void muteAndUnmuteRespectMusicOff_data() {
    QTest::addColumn<bool>("music_off");
    QTest::addColumn<QString>("after_unmute");
    QTest::newRow("music on") << false << "playing";
    QTest::newRow("music off") << true << "paused";
  }
  void muteAndUnmuteRespectMusicOff() {
    QFETCH(bool, music_off);
    QFETCH(QString, after_unmute);
    Rig r;
    r.g.MusicOff = music_off;
    r.audio.PlayMusicFile(r.g.BeginMusicFile);
    r.audio.PlayWave(Sound::Move, WaveMode::Loop);
    QSignalSpy changed(&r.audio, &GameAudio::muteChanged);
    r.audio.ToggleMute();
    QVERIFY(r.g.Mute);
    QCOMPARE(r.audio.GetMediaMode(), std::string("paused"));
    QVERIFY(!r.rec->music_audible);
    QCOMPARE(r.Count(Kind::StopEffect), 1);
    r.audio.ToggleMute();
    QVERIFY(!r.g.Mute);
    QCOMPARE(QString::fromStdString(r.audio.GetMediaMode()), after_unmute);
    QCOMPARE(r.rec->music_audible, !music_off);
    QCOMPARE(changed.count(), 2);
  }

  void pollRestartsOnlyStoppedMusic() {
    Rig r;
    r.audio.SetMediaLoop(true);
    r.audio.PlayMusicFile(r.g.BeginMusicFile);
    QVERIFY(r.rec->music_looping);
    r.rec->FinishMusic();
    QTRY_COMPARE_WITH_TIMEOUT(r.audio.GetMediaMode(), std::string("playing"), 1000);
    // Paused (muted) music is left alone.
    r.audio.MuteMusic();
    QTest::qWait(300);
    QCOMPARE(r.audio.GetMediaMode(), std::string("paused"));
    // Without the loop the music ends where it ends.
    r.audio.UnmuteMusic();
    r.audio.SetMediaLoop(false);
    r.rec->FinishMusic();
    QTest::qWait(300);
    QCOMPARE(r.audio.GetMediaMode(), std::string("stopped"));
  }

  void failedPieceDoesNotSilenceTheNextOne() {
    // The title music plays, the game's music is missing, the player quits
    // back to the title: the title music must start again.
    Rig r;
    r.rec->missing = {"backmusic.mp3"};
    r.audio.PlayMusicFile(r.g.BeginMusicFile);
    QCOMPARE(r.audio.PlayMusicFile(r.g.BackMusicFile), std::string("Error"));
    QCOMPARE(r.audio.GetMediaMode(), std::string("ERROR"));
    QCOMPARE(r.audio.PlayMusicFile(r.g.BeginMusicFile), std::string("Success"));
    QCOMPARE(r.audio.GetMediaMode(), std::string("playing"));
  }

  void volumeReachesTheDevice_data() {
    QTest::addColumn<int>("volume");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("sdl");
    QTest::newRow("silent") << 0 << 0 << 0;
    QTest::newRow("step 1") << 100 << 100 << 13;
    QTest::newRow("start-up step 5") << 500 << 500 << 64;
    QTest::newRow("full") << 1000 << 1000 << 128;
    QTest::newRow("above the scale") << 1500 << 1000 << 128;
    QTest::newRow("below the scale") << -5 << 0 << 0;
  }
  void volumeReachesTheDevice() {
    QFETCH(int, volume);
    QFETCH(int, stored);
    QFETCH(int, sdl);
    Rig r;
    r.audio.SetMediaVolume(volume);
    QCOMPARE(r.rec->music_volume, stored);
    QCOMPARE(SdlMusicVolume(stored), sdl);
  }

  // The real back end on SDL's dummy device plays the files the build made.
  void sdlPlaysTheGeneratedFiles() {
    Game g;
    SetOptionDefaults(g);
    g.WavPath = QUORBIS_APPDATA_DIR;
    GameAudio audio(g);
    QVERIFY(audio.Backend().HasDevice());
    const int length = WaveDurationMs(g.WavPath + "throw.wav");
    QVERIFY(length > 500);
    QElapsedTimer clock;
    clock.start();
    audio.PlayWave(Sound::Throw, WaveMode::Wait);
    QVERIFY2(clock.elapsed() >= length - 100, "mode 2 returned before the sound ended");
    QVERIFY(clock.elapsed() < length + 3000);

    audio.SetMediaLoop(true);
    QCOMPARE(audio.PlayMusicFile(g.WavPath + "beginmusic.mp3"), std::string("Success"));
    QCOMPARE(audio.GetMediaMode(), std::string("playing"));
    audio.MuteMusic();
    QCOMPARE(audio.GetMediaMode(), std::string("paused"));
    audio.UnmuteMusic();
    QCOMPARE(audio.PlayMusicFile(g.WavPath + "backmusic.mp3"), std::string("Success"));
    QCOMPARE(audio.GetMediaMode(), std::string("playing"));
    QCOMPARE(audio.PlayMusicFile(g.WavPath + "nothing.mp3"), std::string("Error"));
  }

  void sdlLeavesTheSignalsToTheGame() {
    // As in the game: default handlers (the test library has its own, which
    // SDL would keep).
    struct sigaction saved[2], after[2];
    sigaction(SIGINT, nullptr, &saved[0]);
    sigaction(SIGTERM, nullptr, &saved[1]);
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    {
      Game g;
      GameAudio audio(g);
      QVERIFY(audio.Backend().HasDevice());
      sigaction(SIGINT, nullptr, &after[0]);
      sigaction(SIGTERM, nullptr, &after[1]);
    }
    sigaction(SIGINT, &saved[0], nullptr);
    sigaction(SIGTERM, &saved[1], nullptr);
    QVERIFY2(after[0].sa_handler == SIG_DFL, "Ctrl+C would no longer end the game");
    QVERIFY2(after[1].sa_handler == SIG_DFL, "SIGTERM would no longer end the game");
  }

  void noSoundDeviceIsSilentAndCalm() {
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    QTest::ignoreMessage(QtInfoMsg, "No sound device: the game plays without sound.");
    Game g;
    SetOptionDefaults(g);
    g.WavPath = QUORBIS_APPDATA_DIR;
    GameAudio audio(g);
    audio.InitMedia();
    QVERIFY(!audio.Backend().HasDevice());
    QElapsedTimer clock;
    clock.start();
    audio.PlayWave(Sound::Arrive, WaveMode::Wait);
    QVERIFY(clock.elapsed() >= WaveDurationMs(g.WavPath + "arrive.wav") - 50);
    QCOMPARE(audio.PlayMusicFile(g.WavPath + "beginmusic.mp3"), std::string("Error"));
    audio.MediaLoopTimerProc();
    QCOMPARE(audio.GetMediaMode(), std::string("ERROR"));
    qputenv("SDL_AUDIODRIVER", "dummy");
  }
};

QTEST_GUILESS_MAIN(GameAudioTest)
#include "game_audio_test.moc"
