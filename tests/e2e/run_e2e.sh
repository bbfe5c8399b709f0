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
exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
  python3 "$here/play_game.py" "$program" "$@"
