#!/usr/bin/env bash
# The desktop program in a real X server: builds a small database with tessla-db, starts its own
# Xvfb on a free display, starts tessla on the database through TESSLA_INI, waits for the window
# titled "Tessla", takes a screenshot, ends the program with Ctrl+Q and expects exit status 0.
#
# Usage: real_window_test.sh TESSLA TESSLA_DB SCREENSHOT_DIR [SKIN_DIR]
set -euo pipefail

tessla=$1
tessla_db=$2
shots=$3
skin=${4:-}

work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "real window test: $*" >&2
  exit 1
}

# Three persons of one household, two families.
cat >"$work/census.csv" <<'CSV'
POSTID,HEMLEN,HEMFO,HEMBY,HUSHNR,FAMST,FAMNR,FAMSTKOD,FNAMN,ENAMN,TITEL,YRKE,YRKESKOD,LYTE,FODAR,FOFORS,FOFORS1890,FOLEN1890,FOLAND1890,SCB1989,GENUS,CIVST,TRO,NATION,FRANV,STRUKEN,ÖVRIGT
1,Uppsala län,Alunda (Uppsala län);Uppland,Alunda,12,,1,F,Karl Johan,Berg,,Torpare,,,1842,Alunda,,,,,M,G,,,,,
2,Uppsala län,Alunda (Uppsala län);Uppland,Alunda,12,,1,M,Anna Maria,Berg,,,,,1845,Tuna,,,,,K,G,,,,,
3,Uppsala län,Alunda (Uppsala län);Uppland,Alunda,12,,2,E,Stina,Lind,,Piga,,,1871,Alunda,,,,,K,O,,,,,
CSV
build_args=(build --csv "$work/census.csv" --out "$work/db")
[ -n "$skin" ] && build_args+=(--skin "$skin")
"$tessla_db" "${build_args[@]}" 2>"$work/build.log" || fail "the database did not build: $(cat "$work/build.log")"

# Xvfb chooses a free display and writes its number to the descriptor given.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=:$(head -n1 "$work/display")

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
