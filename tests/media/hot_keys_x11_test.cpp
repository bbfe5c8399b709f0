// F7 and Esc as global keys on a real X server (a private Xvfb), pressed the
// way a user presses them (xdotool through the XTEST extension).
#include <xcb/xcb.h>

#include <QDialog>
#include <QProcess>
#include <QtTest>
#include <cstdlib>

#include "media/game_audio.h"
#include "media/hot_keys.h"
#include "media/recording_audio_backend.h"
#include "state/startup.h"

using namespace quorbis;

namespace {

void Xdo(const QStringList& args) {
  QProcess::execute(QStringLiteral(QUORBIS_XDOTOOL), args);
}

// How many windows with this title the X server shows.
int Shown(const QString& title) {
  QProcess p;
  p.start(QStringLiteral(QUORBIS_XDOTOOL),
          {"search", "--onlyvisible", "--name", "^" + title + "$"});
  p.waitForFinished();
  return int(QString::fromLatin1(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts).size());
}

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
    main.setWindowTitle("quorbis-main");
    main.resize(640, 480);
    main.show();
    keys.RegisterGameHotKeys(&main);
  }
  bool Activate() {
    main.activateWindow();
    return QTest::qWaitForWindowActive(&main);
  }
};

// Another X client: it takes the focus, or holds a key, as another program.
class OtherProgram {
 public:
  OtherProgram() : c_(xcb_connect(nullptr, nullptr)) {
    screen_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data;
  }
  ~OtherProgram() { xcb_disconnect(c_); }
  void TakeFocus() {
    const xcb_window_t w = xcb_generate_id(c_);
    xcb_create_window(c_, XCB_COPY_FROM_PARENT, w, screen_->root, 0, 0, 100, 100, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen_->root_visual, 0, nullptr);
    xcb_map_window(c_, w);
    xcb_flush(c_);
    QTest::qWait(100);
    xcb_set_input_focus(c_, XCB_INPUT_FOCUS_POINTER_ROOT, w, XCB_CURRENT_TIME);
    xcb_flush(c_);
  }
  // True when the key (by keysym's usual keycode found via xdotool's map) could be grabbed.
  bool Grab(uint8_t keycode) {
    xcb_void_cookie_t cookie = xcb_grab_key_checked(c_, 0, screen_->root, 0, keycode,
                                                    XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    xcb_generic_error_t* error = xcb_request_check(c_, cookie);
    std::free(error);
    return error == nullptr;
  }
  uint8_t Keycode(xcb_keysym_t sym) {
    const xcb_setup_t* setup = xcb_get_setup(c_);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    auto* map = xcb_get_keyboard_mapping_reply(
        c_, xcb_get_keyboard_mapping(c_, setup->min_keycode, uint8_t(count)), nullptr);
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map);
    uint8_t found = 0;
    for (int k = 0; k < count && !found; ++k)
      if (syms[k * map->keysyms_per_keycode] == sym) found = uint8_t(setup->min_keycode + k);
    std::free(map);
    return found;
  }

 private:
  xcb_connection_t* c_;
  xcb_screen_t* screen_;
};

constexpr xcb_keysym_t kF7 = 0xffc4, kEscape = 0xff1b;

}  // namespace

class HotKeysX11Test : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QCOMPARE(QGuiApplication::platformName(), QString("xcb")); }

  void keysAreGlobalWhileTheGameIsActive() {
    Rig r;
    QVERIFY(r.Activate());
    QTRY_COMPARE(r.keys.CurrentScope(), HotKeys::Scope::Global);
    Xdo({"key", "F7"});
    QTRY_VERIFY(r.g.Mute);
    Xdo({"key", "F7"});
    QTRY_VERIFY(!r.g.Mute);

    // The boss key, with a modal dialog waiting.
    QDialog dialog(&r.main);
    dialog.setWindowTitle("quorbis-dialog");
    dialog.resize(200, 100);
    int main_hidden = -1, dialog_hidden = -1, main_back = -1, dialog_back = -1;
    QTimer::singleShot(300, [&] { Xdo({"key", "Escape"}); });
    QTimer::singleShot(900, [&] {
      main_hidden = Shown("quorbis-main");
      dialog_hidden = Shown("quorbis-dialog");
      // Pressed with no window of the game in sight.
      Xdo({"key", "Escape"});
    });
    QTimer::singleShot(1500, [&] {
      main_back = Shown("quorbis-main");
      dialog_back = Shown("quorbis-dialog");
      dialog.accept();
    });
    QTimer::singleShot(8000, &dialog, &QDialog::reject);
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(main_hidden, 0);
    QCOMPARE(dialog_hidden, 0);
    QCOMPARE(main_back, 1);
    QCOMPARE(dialog_back, 1);
    QVERIFY(!r.keys.GameHidden());
  }

  void keysAreLeftToOtherProgramsWhileTheyHaveTheFocus() {
    Rig r;
    QVERIFY(r.Activate());
    QTRY_COMPARE(r.keys.CurrentScope(), HotKeys::Scope::Global);
    OtherProgram other;
    other.TakeFocus();
    QTRY_COMPARE(r.keys.CurrentScope(), HotKeys::Scope::Focus);
    QVERIFY2(other.Grab(other.Keycode(kF7)), "the game still holds F7 while in the background");
    Xdo({"key", "F7"});
    QTest::qWait(300);
    QVERIFY(!r.g.Mute);
  }

  void keysHeldByAnotherProgramFallBackToTheFocus() {
    OtherProgram other;
    QVERIFY(other.Grab(other.Keycode(kEscape)));
    Rig r;
    QVERIFY(r.Activate());
    QTest::qWait(200);
    QCOMPARE(r.keys.CurrentScope(), HotKeys::Scope::Focus);
    // F7 is not taken either: both keys or neither.
    QVERIFY(other.Grab(other.Keycode(kF7)));
  }
};

QTEST_MAIN(HotKeysX11Test)
#include "hot_keys_x11_test.moc"
