// The yardstick of the program's start-up: a Qt window of the same size that
// does nothing. Takes the same measurement flags as the game.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class Bare : public QWidget {
 public:
  bool exit_on_paint = false;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), QColor(90, 131, 187));
    if (exit_on_paint && !done_) {
      done_ = true;
      QTimer::singleShot(0, qApp, &QApplication::quit);
    }
  }

 private:
  bool done_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  Bare window;
  window.setWindowTitle(QStringLiteral("bare"));
  window.resize(1024, 768);
  const QStringList args = QApplication::arguments();
  window.exit_on_paint = args.contains(QStringLiteral("--exit-on-title"));
  const int at = args.indexOf(QStringLiteral("--quit-after-ms"));
  if (at >= 0 && at + 1 < args.size())
    QTimer::singleShot(args.at(at + 1).toInt(), &app, &QApplication::quit);
  window.show();
  return QApplication::exec();
}
