#!/usr/bin/env bash
# Starts the windowed game on a virtual X display in an empty working
# directory, lets it run for about two seconds, presses Escape, and checks
# that it ended with status 0 and saved its window position (8 bytes).
# Usage: sdl_smoke.sh GAME [ROOT]   (ROOT holds the art/, wave/, voice/ and data/ assets)
set -euo pipefail

skip=77

inside() {
  local game=$1 pid id status
  "$game" >game.log 2>&1 &
  pid=$!
  sleep 2
  id=$(timeout 10 xdotool search --sync --onlyvisible --name '^Ruvelka$' | head -n 1) || true
  if [ -z "$id" ]; then
    echo "sdl_smoke: the window never appeared"
    kill "$pid" 2>/dev/null || true
    cat game.log
    return 1
  fi
  xdotool windowfocus --sync "$id" mousemove --window "$id" 360 360 key Escape
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "sdl_smoke: still running 10 s after Escape"
    kill "$pid"
    return 1
  fi
  status=0
  wait "$pid" || status=$?
  cat game.log
  if [ "$status" -ne 0 ]; then
    echo "sdl_smoke: exit status $status"
    return 1
  fi
}

if [ "${1:-}" = "--inside" ]; then
  inside "$2"
  exit
fi

self=$(realpath "$0")
game=$(realpath "${1:?usage: sdl_smoke.sh GAME [ROOT]}")
root=$(realpath "${2:-$(dirname "$0")/../..}")
for tool in xvfb-run xdotool; do
  command -v "$tool" >/dev/null || { echo "sdl_smoke: $tool missing, skipped"; exit $skip; }
done
for dir in wave voice; do
  [ -d "$root/$dir" ] || { echo "sdl_smoke: $root/$dir missing (run script/bootstrap), skipped"; exit $skip; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
for dir in art wave voice; do
  [ -e "$root/$dir" ] && ln -s "$root/$dir" "$dir"
done
mkdir data
[ -e "$root/data/hai.dat" ] && ln -s "$root/data/hai.dat" data/hai.dat

export SDL_AUDIODRIVER=dummy  # the sound path runs without a sound card
xvfb-run -a -s "-screen 0 1280x1024x24" "$self" --inside "$game"

size=$(stat -c %s data/win_xy.dat 2>/dev/null || echo missing)
if [ "$size" != 8 ]; then
  echo "sdl_smoke: data/win_xy.dat is $size, not 8 bytes"
  exit 1
fi
echo "sdl_smoke: ok"
