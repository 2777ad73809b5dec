#!/usr/bin/env bash
# Starts the windowed game where no desktop can be reached: without DISPLAY
# and WAYLAND_DISPLAY, and with a display that no server answers (without
# XDG_RUNTIME_DIR, so that no Wayland server is found by default). Each time
# it must end within a second with status 1 and say that it needs a
# graphical desktop. A driver named in SDL_VIDEODRIVER is taken as given:
# the game then gets past the display and stops at the first sound file,
# which the empty working directory lacks.
# Usage: no_display.sh GAME
set -uo pipefail

game=$(realpath "${1:?usage: no_display.sh GAME}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
failed=0

# run EXPECTED_STATUS EXPECTED_TEXT ENV...: the game under `env ENV...`.
run() {
  local want=$1 text=$2 status=0
  shift 2
  timeout 1 env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_RUNTIME_DIR -u SDL_VIDEODRIVER "$@" "$game" >game.log 2>&1 || status=$?
  if [ "$status" -eq 124 ]; then
    echo "no_display: still running after 1 s with $*"
    failed=1
  elif [ "$status" -ne "$want" ] || ! grep -qF "$text" game.log; then
    echo "no_display: with $* the game ended with status $status (not $want) and said:"
    cat game.log
    echo "(expected the words: $text)"
    failed=1
  fi
}

desktop='グラフィカルなデスクトップ (DISPLAY または WAYLAND_DISPLAY)'
run 1 "$desktop"
run 1 'DISPLAY=:9999 に接続できません' DISPLAY=:9999
run 1 'WAYLAND_DISPLAY=ruvelka-none に接続できません' WAYLAND_DISPLAY=ruvelka-none
run 255 'wave/ok.wav' SDL_VIDEODRIVER=offscreen
[ "$failed" -eq 0 ] && echo "no_display: ok"
exit "$failed"
