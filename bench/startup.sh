#!/usr/bin/env bash
# Start-up time to the title screen and resident memory on the title screen,
# for the game and for a bare Qt window that does nothing, under Xvfb (or the
# offscreen platform with --offscreen).
#
#   bench/startup.sh [--runs N] [--offscreen] [BUILD_DIR]   (default build/dev)
#
# Times are whole-process wall times of `--exit-on-title` runs (from the start
# to the first drawing of the window, then exit); memory is the peak resident
# set of a run that stays 2 s on the title screen. Medians of N runs.
set -euo pipefail
runs=9
offscreen=0
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs="$2"; shift 2 ;;
    --offscreen) offscreen=1; shift ;;
    *) break ;;
  esac
done
build="${1:-build/dev}"
game="$build/bin/quorbis"
bare="$build/bin/bare_qt_window"
for p in "$game" "$bare"; do
  [ -x "$p" ] || { echo "missing $p: build the quorbis and bare_qt_window targets" >&2; exit 2; }
done
export SDL_AUDIODRIVER=dummy

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

stats=$(mktemp)
trap 'rm -f "$stats"' EXIT

measure() {  # program -> median wall milliseconds to the first drawing
  for _ in $(seq "$runs"); do
    /usr/bin/time -o "$stats" -f '%e' "$@" --exit-on-title >/dev/null 2>&1
    awk '{print $1 * 1000}' "$stats"
  done | median
}

resident() {  # program -> median peak resident set (KiB) after 2 s on its first screen
  for _ in $(seq 3); do
    /usr/bin/time -o "$stats" -f '%M' "$@" --quit-after-ms 2000 >/dev/null 2>&1
    cat "$stats"
  done | median
}

if [ "${QUORBIS_BENCH_INNER:-0}" != 1 ]; then
  export QUORBIS_BENCH_INNER=1
  if [ "$offscreen" = 1 ]; then
    exec env QT_QPA_PLATFORM=offscreen "$0" --runs "$runs" --offscreen "$build"
  else
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --runs "$runs" "$build"
  fi
fi

# One warm-up each, so that both start from a warm file cache.
"$game" --exit-on-title >/dev/null 2>&1 || true
"$bare" --exit-on-title >/dev/null 2>&1 || true
game_ms=$(measure "$game")
bare_ms=$(measure "$bare")
game_kib=$(resident "$game")
bare_kib=$(resident "$bare")
printf 'start-up to the title screen: game %s ms, bare Qt window %s ms\n' "$game_ms" "$bare_ms"
printf 'resident memory on the title screen: game %s KiB, bare Qt window %s KiB\n' "$game_kib" "$bare_kib"
