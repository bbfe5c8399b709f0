// The program: one copy at a time, folders beside the executable, option
// defaults, and the main window on its title screen.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include "state/game_state.h"
#include "state/startup.h"
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
  quorbis::ResolvePaths(game, QCoreApplication::applicationDirPath().toStdString());

  QWidget title;
  title.setWindowTitle(QStringLiteral("Plutora Games - Quorbis of New York"));
  auto* layout = new QVBoxLayout(&title);
  auto* caption = new QLabel(QStringLiteral("Quorbis of New York"), &title);
  caption->setAlignment(Qt::AlignCenter);
  layout->addWidget(caption);
  title.resize(890, 681);
  title.show();

  const int quit_after = QuitAfterMs(QApplication::arguments());
  if (quit_after >= 0) QTimer::singleShot(quit_after, &app, &QApplication::quit);
  return QApplication::exec();
}
