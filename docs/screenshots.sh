#!/usr/bin/env bash
# Takes the README's screenshots under Xvfb: the title screen, and a game in
# progress (a person and two computer players, the person's clicks played
# with xdotool). Needs xvfb-run, xdotool and ImageMagick's import.
#
#   docs/screenshots.sh [BUILD_DIR]
set -euo pipefail
build="${1:-build/release}"
out="$(cd "$(dirname "$0")" && pwd)"
if [ "${QUORBIS_SHOT_INNER:-0}" != 1 ]; then
  QUORBIS_SHOT_INNER=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build"
fi
export SDL_AUDIODRIVER=dummy QUORBIS_SPEED=4
"$build/bin/quorbis" &
game=$!
trap 'kill $game 2>/dev/null || true' EXIT
sleep 2
import -window root "$out/title-screen.png"
# NEW GAME; in the set-up dialog switch the third column on, then Play.
xdotool mousemove 153 445 click 1
sleep 1.5
xdotool mousemove 607 223 click 1
sleep 0.3
xdotool mousemove 640 594 click 1
# The person throws, buys whatever the property card offers and reads the
# Luck and Chance cards.
for _ in $(seq 60); do
  sleep 0.5
  xdotool mousemove 413 481 click 1
  sleep 0.5
  xdotool mousemove 281 576 click 1
  sleep 0.3
  xdotool mousemove 337 528 click 1
done
# The mouse off the board closes any property card it opened.
xdotool mousemove 746 400
sleep 0.5
import -window root "$out/game-in-progress.png"
kill "$game"
wait "$game" 2>/dev/null || true
