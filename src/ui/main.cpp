// The program: one copy at a time, folders beside the executable, option
// defaults, and the main window on its title screen.
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "state/game_state.h"
#include "state/startup.h"
#include "ui/look.h"
#include "ui/main_window.h"
#include "ui/media_bridge.h"
#include "ui/menus.h"
#include "ui/qt_front_end.h"
#include "ui/single_instance.h"

namespace {

// Exit after N ms (smoke tests under the offscreen platform).
int QuitAfterMs(const QStringList& args) {
  const int at = args.indexOf(QStringLiteral("--quit-after-ms"));
  if (at < 0 || at + 1 >= args.size()) return -1;
  bool ok = false;
  const int ms = args.at(at + 1).toInt(&ok);
  return ok && ms >= 0 ? ms : -1;
}

// The board needs a screen of at least 1024 x 720 pixels to be read
// comfortably; a smaller one may still be used if the player says so. A
// platform without a real screen (offscreen) is not asked about.
bool ScreenLargeEnough() {
  if (QGuiApplication::platformName() == QStringLiteral("offscreen")) return true;
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return true;
  const QSize size = screen->size();
  if (size.width() >= 1024 && size.height() >= 720) return true;
  return quorbis::ui::AskYesNo(nullptr, QStringLiteral("Plutora Games"),
                               QStringLiteral("Please set display resolution to 1024 * 768 or "
                                              "High, then restart Plutora Games.  Or proceed "
                                              "anyway?"),
                               QMessageBox::Warning);
}

}  // namespace

int main(int argc, char** argv) {
  // Before anything else, so that a second copy ends without a word.
  quorbis::SingleInstance instance;
  if (!instance.Acquire()) return 0;

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quorbis of New York"));
  QApplication::setOrganizationName(QStringLiteral("Plutora Games"));

  static quorbis::Game game;
  quorbis::SetOptionDefaults(game);
  // One seed per run, from the clock; a game is never re-seeded.
  // QUORBIS_SEED replays the same dice and cards (the whole-game test uses it).
  bool seeded = false;
  const qulonglong seed = qEnvironmentVariable("QUORBIS_SEED").toULongLong(&seeded);
  game.rng.Seed(seeded ? seed : quorbis::Rng::ClockSeed());
  quorbis::ResolvePaths(game, QCoreApplication::applicationDirPath().toStdString());
  quorbis::ui::SetPictureRoot(QString::fromStdString(game.AppPath));

  if (!ScreenLargeEnough()) return 0;

  quorbis::ui::MainWindow window(game);
  quorbis::ui::QtFrontEnd front_end(game, window);
  // Sound, music, F7 and Esc; without a sound device the game runs silently.
  quorbis::ui::MediaBridge media(game, window, front_end);
  if (game.WindowMaximized != 0) {
    window.showMaximized();
  } else {
    window.show();
  }
  media.Start();
  front_end.PlayMusic(quorbis::Music::Begin);

  // Start-up measurements end as soon as the title screen has been drawn.
  if (QApplication::arguments().contains(QStringLiteral("--exit-on-title")))
    QObject::connect(&window, &quorbis::ui::MainWindow::firstPainted, &app, &QApplication::quit);
  const int quit_after = QuitAfterMs(QApplication::arguments());
  if (quit_after >= 0) QTimer::singleShot(quit_after, &app, &QApplication::quit);
  const int status = QApplication::exec();
  // Nothing of a game may outlive the windows it was drawn in.
  game.GameOver = 1;
  game.GameRunning = false;
  front_end.SetSoundOutput(nullptr);
  media.Stop();
  return status;
}
