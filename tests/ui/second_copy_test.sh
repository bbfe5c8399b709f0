#!/usr/bin/env bash
# A second copy of the game ends at once, silently, while the first runs on.
set -u
program="$1"
"$program" --quit-after-ms 4000 >/dev/null 2>&1 &
first=$!
sleep 1
start=$(date +%s%N)
out=$("$program" --quit-after-ms 10000 2>&1)
status=$?
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
kill -0 "$first" 2>/dev/null
first_alive=$?
wait "$first"
if [ "$status" -ne 0 ]; then echo "second copy exited with $status"; exit 1; fi
if [ -n "$out" ]; then echo "second copy printed: $out"; exit 1; fi
if [ "$elapsed_ms" -gt 3000 ]; then echo "second copy ran for ${elapsed_ms} ms"; exit 1; fi
if [ "$first_alive" -ne 0 ]; then echo "first copy did not survive"; exit 1; fi
echo "ok"
