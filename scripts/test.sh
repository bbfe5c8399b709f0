#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the whole
# game with its Qt tests, the logic alone without Qt (so a stray Qt include
# fails at once), and the logic under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy

echo "== formatting"
git ls-files -- '*.cpp' '*.h' | xargs -r clang-format --dry-run -Werror

for preset in dev logic asan; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
echo "All tests passed."
