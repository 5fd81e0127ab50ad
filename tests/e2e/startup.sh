#!/usr/bin/env bash
# Starts the real binary under Xvfb as a new French-speaking user would and
# checks what they see: the titled window, the splash screen that goes away,
# the help three seconds in, and Ctrl+Q ending the process cleanly.
set -uo pipefail
binary=${1:?usage: startup.sh path/to/zumblo}

work=$(mktemp -d)
trap 'kill "$pid" "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
pid=""

fail() { echo "FAIL: $*"; exit 1; }

# A display of our own, so that parallel runs do not meet.
display=""
for n in $(seq 140 180); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || fail "no free display"
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start"

mkdir -p "$work/home"
HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work" \
  LANG=fr_FR.UTF-8 LANGUAGE=fr LC_ALL=fr_FR.UTF-8 SDL_AUDIODRIVER=dummy \
  "$binary" >"$work/log" 2>&1 &
pid=$!
started=$(date +%s.%N)

# Waits up to $1 seconds for a viewable window whose name matches $2.
wait_window() {
  local limit=$1 pattern=$2 w
  for _ in $(seq $((limit * 10))); do
    for w in $(xdotool search --onlyvisible --name "$pattern" 2>/dev/null); do
      echo "$w"; return 0
    done
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q "IsViewable"; }

mw=$(wait_window 15 '^Zumblo  Version [0-9]+\.[0-9]+\.[0-9]+ \(Build [0-9]+\)$') \
  || { cat "$work/log"; fail "no game window titled with the version"; }
splash=$(wait_window 5 '^Zumblo$') || fail "no splash screen"
echo "game window $mw: $(xdotool getwindowname "$mw")"

help=$(wait_window 10 '^Aide$') || fail "no help window titled Aide"
seen=$(date +%s.%N)
after=$(echo "$seen - $started" | bc)
echo "help window after ${after}s"
# Three seconds after the start, give or take the start-up itself.
[ "$(echo "$after >= 2.5 && $after <= 9" | bc)" = 1 ] || fail "help after ${after}s"
# The splash screen hides itself three seconds in as well.
for _ in $(seq 30); do viewable "$splash" || break; sleep 0.1; done
viewable "$splash" && fail "splash still shown"

# No window manager here: give the game window the focus ourselves.
xdotool windowfocus --sync "$mw"
xdotool key ctrl+q
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "still running after Ctrl+Q"
wait "$pid"; code=$?
pid=""
[ "$code" = 0 ] || { cat "$work/log"; fail "exit code $code"; }
echo "PASS"
