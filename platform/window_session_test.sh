#!/usr/bin/env bash
# The program for real in its window, on a virtual X display with a window
# manager: the banner on its blue background and the prompt drawn, whole
# cells, the magnifier on the right button, F1's help lines, ESC then S
# ending with exit code 0, Alt+F4 closing with 0, a kill ending with 255.
# PAVODIN_SCREENSHOT_DIR=dir keeps the screenshots.
set -euo pipefail
program="$1"
sample="$2"
for tool in Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 1; }
done
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
have_wm=0
if command -v openbox >/dev/null; then
  openbox --sm-disable >/dev/null 2>&1 &
  pids+=($!)
  have_wm=1
  sleep 1
fi

export PAVODIN_CONFIG_DIR="$work/config"   # defaults only
mkdir -p "$PAVODIN_CONFIG_DIR"
unset PAVODIN_DISPLAY
# The X libraries keep allocations until the process ends.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

start() {  # runs the program as a desktop launcher would: no terminal at all
  "$program" "$sample" </dev/null >"$work/out" 2>&1 &
  prog=$!
  wid=""
  for _ in $(seq 1 200); do
    wid=$(xdotool search --onlyvisible --class KdWinCrt 2>/dev/null | head -n1 || true)
    [ -n "$wid" ] && break
    sleep 0.1
  done
  [ -n "$wid" ] || { echo "no window"; cat "$work/out"; exit 1; }
  if [ "$have_wm" = 1 ]; then xdotool windowactivate --sync "$wid" 2>/dev/null || true; fi
}

shot() { import -window "$wid" "$work/shot.png"; }

pixel() {  # x y: the colour as #RRGGBB
  convert "$work/shot.png" -crop "1x1+$1+$2" -depth 8 txt:- | tail -n1 | grep -o '#[0-9A-F]\{6\}'
}

lines() {  # bands of pixel rows with something drawn: the text lines on screen
  convert "$work/shot.png" -scale "1x$(identify -format %h "$work/shot.png")!" -depth 8 txt:- |
    awk 'NR > 1 { drawn = ($0 !~ /#000000/) } drawn && !was { n++ } { was = drawn } END { print n + 0 }'
}

wait_lines() {  # at least n text lines, within seconds
  for _ in $(seq 1 $(( $2 * 10 ))); do
    shot
    [ "$(lines)" -ge "$1" ] && return 0
    sleep 0.1
  done
  echo "expected $1 text lines, saw $(lines)"; keep_shot failed; exit 1
}

keep_shot() {
  if [ -n "${PAVODIN_SCREENSHOT_DIR:-}" ]; then cp "$work/shot.png" "$PAVODIN_SCREENSHOT_DIR/window-$1.png"; fi
}

key() {
  if [ "$have_wm" = 1 ]; then xdotool key "$@"; else xdotool key --window "$wid" "$@"; fi
}

wait_exit() {  # expected exit code
  local code=0
  for _ in $(seq 1 100); do kill -0 "$prog" 2>/dev/null || break; sleep 0.1; done
  wait "$prog" || code=$?
  [ "$code" = "$1" ] || { echo "exit $code, expected $1"; cat "$work/out"; exit 1; }
}

# Banner and prompt.
start
wait_lines 2 20
keep_shot start
[ "$(pixel 2 2)" = "#0000FF" ] || { echo "banner background is $(pixel 2 2), not blue"; exit 1; }
# The whole grid is shown: 80 whole columns and 25 whole rows, none clipped.
size=$(identify -format '%w %h' "$work/shot.png")
w=${size% *}; h=${size#* }
[ $(( w % 80 )) = 0 ] && [ $(( h % 25 )) = 0 ] || { echo "window ${w}x${h} is not 80 x 25 whole cells"; exit 1; }
title=$(xdotool getwindowname "$wid")
case "$title" in *carta.txt*) ;; *) echo "title: $title"; exit 1 ;; esac
before=$(lines)

# The right button held magnifies (AMPLIF 2) around the pointer: at the
# top-left corner the blue banner row grows to twice its height.
below_banner=$(( h / 25 * 3 / 2 ))
[ "$(pixel 2 "$below_banner")" = "#000000" ] || { echo "below the banner is not black"; exit 1; }
xdotool mousemove --window "$wid" 0 0 mousedown 3
for _ in $(seq 1 50); do shot; [ "$(pixel 2 "$below_banner")" = "#0000FF" ] && break; sleep 0.1; done
keep_shot magnified
[ "$(pixel 2 "$below_banner")" = "#0000FF" ] || { echo "the magnifier did not enlarge the banner"; exit 1; }
xdotool mouseup 3
for _ in $(seq 1 50); do shot; [ "$(pixel 2 "$below_banner")" = "#000000" ] && break; sleep 0.1; done
[ "$(pixel 2 "$below_banner")" = "#000000" ] || { echo "releasing the button did not restore the window"; exit 1; }

# F1: the help lines.
key F1
wait_lines $(( before + 5 )) 10
keep_shot help

# ESC asks; S ends with 0.
key Escape
sleep 1
key s
wait_exit 0

# The window manager's Alt+F4 closes the window: exit code 0.
if [ "$have_wm" = 1 ]; then
  start
  wait_lines 2 20
  key alt+F4
  wait_exit 0
fi

# Ended from outside: 255.
start
wait_lines 2 20
kill -TERM "$prog"
wait_exit 255
echo "window session ok"
