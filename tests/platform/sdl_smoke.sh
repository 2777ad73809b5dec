#!/usr/bin/env bash
# Starts the windowed game on a virtual X display in an empty working
# directory without one sound file and checks that only the error box shows
# and the game ends with -1; then with wave/ok.wav damaged, lets it run for
# about two seconds, clicks the title (which plays that file), presses
# Escape, and checks that it ended with status 0 and saved its window
# position (8 bytes).
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
  # The title click plays wave/ok.wav, which the caller damaged: it is ignored.
  xdotool windowfocus --sync "$id" mousemove --window "$id" 360 360 click 1
  sleep 0.3
  # Only the key press: the game may be gone before a release could reach it.
  xdotool keydown --window "$id" Escape
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

# The X windows of that name that are shown.
viewable() {
  local id
  for id in $(xwininfo -root -tree | awk -v name="\"$1\":" '$2 == name {print $1}'); do
    xwininfo -id "$id" | grep -q 'Map State: IsViewable' && echo "$id"
  done
  return 0
}

# A sound file that cannot be read: the error box comes, the window never
# shows, and the game ends with -1 when the box is closed.
inside_missing_sound() {
  local game=$1 pid box="" status
  "$game" >game.log 2>&1 &
  pid=$!
  # Up to 20 s: a loaded host can be slow to map the box.
  for _ in $(seq 200); do
    box=$(viewable 'エラーにより強制終了します' | head -n 1)
    [ -n "$box" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ -z "$box" ]; then
    if kill -0 "$pid" 2>/dev/null; then
      echo "sdl_smoke: no error box for the missing sound file within 20 s; the game still runs"
      kill "$pid" 2>/dev/null || true
    else
      status=0
      wait "$pid" || status=$?
      echo "sdl_smoke: the game ended with status $status and showed no error box"
    fi
    echo "sdl_smoke: the display's windows:"
    xwininfo -root -tree || true
    cat game.log
    return 1
  fi
  if [ -n "$(viewable Ruvelka)" ]; then
    echo "sdl_smoke: the window shows beside the error box"
    kill "$pid"
    return 1
  fi
  xdotool windowfocus --sync "$box" key Return
  timeout 10 tail --pid="$pid" -f /dev/null || { kill "$pid"; echo "sdl_smoke: the box did not close"; return 1; }
  status=0
  wait "$pid" || status=$?
  if [ "$status" -ne 255 ]; then
    echo "sdl_smoke: exit status $status after the error box, not 255"
    cat game.log
    return 1
  fi
}

if [ "${1:-}" = "--inside" ]; then
  inside "$2"
  exit
fi
if [ "${1:-}" = "--inside-missing-sound" ]; then
  inside_missing_sound "$2"
  exit
fi

self=$(realpath "$0")
game=$(realpath "${1:?usage: sdl_smoke.sh GAME [ROOT]}")
root=$(realpath "${2:-$(dirname "$0")/../..}")
for tool in xvfb-run xdotool xwininfo; do
  command -v "$tool" >/dev/null || { echo "sdl_smoke: $tool missing, skipped"; exit $skip; }
done
for dir in wave voice; do
  [ -d "$root/$dir" ] || { echo "sdl_smoke: $root/$dir missing (run script/bootstrap), skipped"; exit $skip; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
for dir in art voice; do
  [ -e "$root/$dir" ] && ln -s "$root/$dir" "$dir"
done
cp -r "$root/wave" wave
mkdir data
[ -e "$root/data/hai.dat" ] && ln -s "$root/data/hai.dat" data/hai.dat

export SDL_AUDIODRIVER=dummy  # the sound path runs without a sound card
rm wave/hana.wav
xvfb-run -a -s "-screen 0 1280x1024x24" "$self" --inside-missing-sound "$game"
cp "$root/wave/hana.wav" wave/
# A sample rate of 1 in the wave's header, as a damaged file has it.
printf '\001\000\000\000' | dd of=wave/ok.wav bs=1 seek=24 conv=notrunc status=none
xvfb-run -a -s "-screen 0 1280x1024x24" "$self" --inside "$game"

size=$(stat -c %s data/win_xy.dat 2>/dev/null || echo missing)
if [ "$size" != 8 ]; then
  echo "sdl_smoke: data/win_xy.dat is $size, not 8 bytes"
  exit 1
fi
echo "sdl_smoke: ok"
