#include "ui/pump.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace quorbis::ui {
namespace {

double ReadSpeedFactor() {
  bool ok = false;
  const double f = qEnvironmentVariable("QUORBIS_SPEED").toDouble(&ok);
  return ok && f > 0 ? f : 1.0;
}

double& Factor() {
  static double factor = ReadSpeedFactor();
  return factor;
}

int g_depth = 0;
bool g_loops_ending = false;
std::function<void()>& OutermostCallback() {
  static std::function<void()> callback;
  return callback;
}

}  // namespace

double SpeedFactor() {
  return Factor();
}

void SetSpeedFactor(double factor) {
  if (factor > 0) Factor() = factor;
}

int Scaled(int ms) {
  if (ms <= 0) return 0;
  return static_cast<int>(std::lround(ms / Factor()));
}

int NestingDepth() {
  return g_depth;
}

NestedWait::NestedWait() {
  ++g_depth;
}

NestedWait::~NestedWait() {
  if (--g_depth == 0 && OutermostCallback()) OutermostCallback()();
}

void SetOnOutermostLevel(std::function<void()> callback) {
  OutermostCallback() = std::move(callback);
}

void WaitMs(int ms, const std::function<bool()>& stop) {
  NestedWait nested;
  QElapsedTimer clock;
  clock.start();
  QEventLoop loop;
  QTimer tick;
  // Short ticks so that a stop condition set by a timer or a click is seen
  // promptly even when no further event arrives.
  tick.setInterval(std::clamp(ms, 1, 25));
  QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
    if (clock.elapsed() >= ms || (stop && stop())) loop.quit();
  });
  if (ms <= 0) {
    QCoreApplication::processEvents();
    return;
  }
  tick.start();
  loop.exec();
  // A loop that ends before its time with nothing to stop it was told to by
  // the application quitting.
  if (clock.elapsed() + 1 < ms && !(stop && stop())) g_loops_ending = true;
}

bool EventLoopsEnding() {
  return g_loops_ending;
}

void PumpEvents() {
  NestedWait nested;
  QCoreApplication::processEvents();
}

}  // namespace quorbis::ui
