#!/usr/bin/env bash
# The desktop program on the platform's accessibility bus, as a screen reader meets it: starts its
# own Xvfb, session bus (dbus-launch) and accessibility bus launcher, the program on a database it
# builds with the bridge always on, and lets accessibility_bus.py find the main window's buttons by
# role and name, read the count label, search by last name through the search window's labelled
# field and read the result back (compared with what tessla-db finds), press the English flag and
# then Exit through their actions, and print the tree of the window in both languages into the
# output directory. Everything it
# started is stopped by the ids it was started with.
#
# Usage: accessibility_bus_test.sh TESSLA TESSLA_DB OUTPUT_DIR [SKIN_DIR]
set -euo pipefail
source "$(dirname "$0")/real_program.sh"

tessla=$1
tessla_db=$2
out=$3
skin=${4:-}

start_work

fail() {
  echo "accessibility bus test: $*" >&2
  exit 1
}

build_census_database "$tessla_db" "$skin"
start_xvfb

start_accessibility_bus

TESSLA_INI="$work/db/tessla.ini" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$tessla" \
  >"$work/tessla.log" 2>&1 &
app_pid=$!

"$tessla_db" search --ini "$work/db/tessla.ini" --last-name Berg >"$work/expected.txt" ||
  fail "tessla-db did not search"
mkdir -p "$out"
# Debian's Python, which holds pyatspi.
timeout 90 /usr/bin/python3 "$(dirname "$0")/accessibility_bus.py" tour "$out" "$work/expected.txt" ||
  fail "the accessibility client failed; program log: $(cat "$work/tessla.log")"

status=0
timeout 30 tail --pid="$app_pid" -f /dev/null || fail "tessla did not end after Exit was pressed"
wait "$app_pid" || status=$?
app_pid=
[ "$status" -eq 0 ] || fail "tessla ended with status $status: $(cat "$work/tessla.log")"
echo "accessibility bus test: buttons found and pressed, trees in $out"
