#!/usr/bin/env bash
# The desktop program in a real X server: builds a small database with tessla-db, starts its own
# Xvfb on a free display, starts tessla on the database through TESSLA_INI, waits for the window
# titled "Tessla", takes a screenshot, ends the program with Ctrl+Q and expects exit status 0.
#
# Usage: real_window_test.sh TESSLA TESSLA_DB SCREENSHOT_DIR [SKIN_DIR]
set -euo pipefail
source "$(dirname "$0")/real_program.sh"

tessla=$1
tessla_db=$2
shots=$3
skin=${4:-}

work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
  stop_started "$app_pid" "$xvfb_pid"
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "real window test: $*" >&2
  exit 1
}

build_census_database "$tessla_db" "$skin"
start_xvfb

TESSLA_INI="$work/db/tessla.ini" QT_QPA_PLATFORM=xcb "$tessla" >"$work/tessla.log" 2>&1 &
app_pid=$!

window=$(timeout 30 xdotool search --sync --name '^Tessla$' | head -n1) ||
  fail "no window titled Tessla appeared: $(cat "$work/tessla.log")"
# Let the first show finish painting before the picture is taken.
sleep 1
mkdir -p "$shots"
import -window root "$shots/real_window.png" || fail "no screenshot"

xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers ctrl+q
status=0
timeout 30 tail --pid="$app_pid" -f /dev/null || fail "tessla did not end after Ctrl+Q"
wait "$app_pid" || status=$?
app_pid=
[ "$status" -eq 0 ] || fail "tessla ended with status $status: $(cat "$work/tessla.log")"
echo "real window test: window shown, screenshot $shots/real_window.png, ended with status 0"
