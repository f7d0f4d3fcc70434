#!/usr/bin/env bash
# The desktop program in a real X server, driven by the keyboard as a user drives it: builds a small
# database with tessla-db, starts its own Xvfb, session bus and accessibility bus, starts tessla on
# the database through TESSLA_INI, waits for the window titled "Tessla" and takes a screenshot.
# Ctrl+B opens the person search ("Tessla, sök"); a last name typed and Enter close it and the count
# label, read as a screen reader reads it, gives the hits; Ctrl+B and Escape close it again with the
# result as it was. Ctrl+C and Ctrl+Shift+C put the shown record and the result rows on the
# clipboard, read back with xclip while the program still owns it. Ctrl+Q ends the program, which
# must exit with status 0.
#
# Usage: real_window_test.sh TESSLA TESSLA_DB SCREENSHOT_DIR [SKIN_DIR]
set -euo pipefail
source "$(dirname "$0")/real_program.sh"

tessla=$1
tessla_db=$2
shots=$3
skin=${4:-}

start_work

fail() {
  echo "real window test: $*" >&2
  exit 1
}

# Waits until the count label reads $1.
expect_count() {
  timeout 60 /usr/bin/python3 "$(dirname "$0")/accessibility_bus.py" count "$1" ||
    fail "the count label does not read '$1'; program log: $(cat "$work/tessla.log")"
}

# Waits until no window is titled $1 any more.
expect_closed() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "the window '$1' did not close"
}

# Sends the key $1 to the main window and waits until the clipboard holds the text of file $2 (the
# copy waits while a household is being built).
expect_copy() {
  xdotool windowfocus --sync "$window"
  xdotool key --clearmodifiers "$1"
  for _ in $(seq 50); do
    xclip -o -selection clipboard >"$work/clipboard" 2>/dev/null || true
    cmp -s "$work/clipboard" "$2" && return 0
    sleep 0.1
  done
  fail "$1 put on the clipboard:
$(od -c "$work/clipboard" | head -20)
expected:
$(od -c "$2" | head -20)"
}

build_census_database "$tessla_db" "$skin"
start_xvfb
start_accessibility_bus

TESSLA_INI="$work/db/tessla.ini" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$tessla" \
  >"$work/tessla.log" 2>&1 &
app_pid=$!

window=$(timeout 30 xdotool search --sync --name '^Tessla$' | head -n1) ||
  fail "no window titled Tessla appeared: $(cat "$work/tessla.log")"
# Let the first show finish painting before the picture is taken.
sleep 1
mkdir -p "$shots"
import -window root "$shots/real_window.png" || fail "no screenshot"
expect_count "0 valda"

# A search typed and sent with Enter.
xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers ctrl+b
search=$(timeout 30 xdotool search --sync --onlyvisible --name '^Tessla, sök$' | head -n1) ||
  fail "Ctrl+B opened no window titled 'Tessla, sök'"
sleep 0.5
xdotool type --delay 50 "Berg"
import -window root "$shots/real_search_window.png" || fail "no screenshot"
xdotool key Return
expect_closed '^Tessla, sök$'
expect_count "2 valda"
sleep 0.5
import -window root "$shots/real_window_after_search.png" || fail "no screenshot"

# Escape closes the search window and leaves the result as it was.
xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers ctrl+b
timeout 30 xdotool search --sync --onlyvisible --name '^Tessla, sök$' >/dev/null ||
  fail "Ctrl+B did not open the search window again"
sleep 0.5
xdotool type --delay 50 "Lind"
xdotool key Escape
expect_closed '^Tessla, sök$'
expect_count "2 valda"

# The copies: the result's first row, Berg, Anna Maria (record 2), is the record shown.
# Expected: its heading and person text as tessla-db shows it, and the two rows, lines ended by CR LF.
{
  printf 'Post 2\n\n'
  "$tessla_db" show --ini "$work/db/tessla.ini" --record 2
} | sed 's/$/\r/' >"$work/record.expected" || fail "tessla-db show failed"
printf 'Berg, Anna Maria\t1845\r\nBerg, Karl Johan\t1842\r\n' >"$work/list.expected"
expect_copy ctrl+c "$work/record.expected"
expect_copy ctrl+shift+c "$work/list.expected"

xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers ctrl+q
status=0
timeout 30 tail --pid="$app_pid" -f /dev/null || fail "tessla did not end after Ctrl+Q"
wait "$app_pid" || status=$?
app_pid=
[ "$status" -eq 0 ] || fail "tessla ended with status $status: $(cat "$work/tessla.log")"
echo "real window test: searched by typing, Escape kept the result, copied the record and the list, screenshots in $shots, ended with status 0"
