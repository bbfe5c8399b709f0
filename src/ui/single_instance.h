// Only one copy of the game runs at a time; a second copy ends silently.
#pragma once

#include <QLockFile>
#include <memory>

namespace quorbis {

class SingleInstance {
 public:
  // Takes the per-user lock. False when another copy already holds it.
  bool Acquire();

 private:
  std::unique_ptr<QLockFile> lock_;
};

}  // namespace quorbis
