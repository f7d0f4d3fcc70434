#!/usr/bin/env bash
# One whole journey through the desktop program in a real X server (tests/app/journeys.py says
# which): builds the journeys' census with tessla-db, starts its own Xvfb, session bus and
# accessibility bus, starts tessla on the database through TESSLA_INI, makes the journey with the
# keyboard and the mouse, and checks that the program ended with status 0 at its Exit button.
#
# Usage: journeys_test.sh JOURNEY TESSLA TESSLA_DB SCREENSHOT_DIR [SKIN_DIR]
set -euo pipefail
source "$(dirname "$0")/real_program.sh"

journey=$1
tessla=$2
tessla_db=$3
shots=$4
skin=${5:-}

start_work

fail() {
  echo "journey $journey: $*" >&2
  exit 1
}

/usr/bin/python3 "$(dirname "$0")/journeys.py" census "$work/census.csv"
build_args=(build --csv "$work/census.csv" --out "$work/db")
[ -n "$skin" ] && build_args+=(--skin "$skin")
"$tessla_db" "${build_args[@]}" 2>"$work/build.log" || fail "the database did not build: $(cat "$work/build.log")"
start_xvfb
start_accessibility_bus

# A home of its own: the file dialog remembers nothing from another run.
HOME=$work TESSLA_INI="$work/db/tessla.ini" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$tessla" \
  >"$work/tessla.log" 2>&1 &
app_pid=$!

mkdir -p "$shots"
timeout 180 /usr/bin/python3 "$(dirname "$0")/journeys.py" "$journey" "$work" "$tessla_db" "$shots" ||
  fail "the journey failed; program log: $(cat "$work/tessla.log")"

status=0
timeout 30 tail --pid="$app_pid" -f /dev/null || fail "tessla did not end after Exit was pressed"
wait "$app_pid" || status=$?
app_pid=
[ "$status" -eq 0 ] || fail "tessla ended with status $status: $(cat "$work/tessla.log")"
