#!/bin/sh
# Runs the whole-game test on a virtual X display. Skipped (exit code 77)
# where there is no Xvfb or xdotool.
set -u
program="$1"
shift
for tool in xvfb-run xdotool python3; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done
here=$(dirname "$0")
# A fixed seed: the same dice and cards every run, so the game's length (and
# the test's time) does not depend on luck. Another seed can be given.
export QUORBIS_SEED="${QUORBIS_SEED:-1}"
# A runtime folder of its own: the game allows one copy per user, and a copy
# someone is playing (or another test's) must not turn this one away.
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"
trap 'rm -rf "$runtime"' EXIT
# Started through a link of a neutral name, so that nothing else on the
# machine that stops copies of the game by name stops this one.
ln -s "$(readlink -f "$program")" "$runtime/game-under-test"
program="$runtime/game-under-test"
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
  python3 "$here/play_game.py" "$program" "$@"
