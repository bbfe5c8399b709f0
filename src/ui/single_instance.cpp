#include "ui/single_instance.h"

#include <unistd.h>
#include <QDir>

namespace quorbis {

bool SingleInstance::Acquire() {
  // The per-user runtime folder when the session has one (asking Qt for it
  // when it is unset prints a warning), else the temporary folder.
  QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (dir.isEmpty() || !QDir(dir).exists()) dir = QDir::tempPath();
  const QString path = dir + QStringLiteral("/quorbis-of-new-york-%1.lock").arg(getuid());
  lock_ = std::make_unique<QLockFile>(path);
  // A lock left by a crashed copy is stale after its process is gone.
  lock_->setStaleLockTime(0);
  return lock_->tryLock(0);
}

}  // namespace quorbis
