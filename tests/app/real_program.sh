# What the tests of the desktop program in a real X server share; sourced by them. The functions use
# the test's `work` (its temporary directory) and `fail`.

# Makes the test's temporary directory `work` and ends, at the test's exit, whatever the test
# started (its program in app_pid, Xvfb, the buses) and removes the directory.
start_work() {
  work=$(mktemp -d)
  xvfb_pid=
  bus_pid=
  launcher_pid=
  app_pid=
  trap end_work EXIT
}

end_work() {
  stop_started "$app_pid" "$launcher_pid" "$xvfb_pid"
  # The session bus runs detached from this shell: it is only told to end.
  [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null || true
  rm -rf "$work"
}

# Builds the database of a small census into $work/db with tessla-db $1, on the skin pictures in
# $2 when given: three persons of one household, two families.
build_census_database() {
  local tessla_db=$1 skin=${2:-}
  cat >"$work/census.csv" <<'CSV'
POSTID,HEMLEN,HEMFO,HEMBY,HUSHNR,FAMST,FAMNR,FAMSTKOD,FNAMN,ENAMN,TITEL,YRKE,YRKESKOD,LYTE,FODAR,FOFORS,FOFORS1890,FOLEN1890,FOLAND1890,SCB1989,GENUS,CIVST,TRO,NATION,FRANV,STRUKEN,ÖVRIGT
1,Uppsala län,Alunda (Uppsala län);Uppland,Alunda,12,,1,F,Karl Johan,Berg,,Torpare,,,1842,Alunda,,,,,M,G,,,,,
2,Uppsala län,Alunda (Uppsala län);Uppland,Alunda,12,,1,M,Anna Maria,Berg,,,,,1845,Tuna,,,,,K,G,,,,,
3,Uppsala län,Alunda (Uppsala län);Uppland,Alunda,12,,2,E,Stina,Lind,,Piga,,,1871,Alunda,,,,,K,O,,,,,
CSV
  local build_args=(build --csv "$work/census.csv" --out "$work/db")
  [ -n "$skin" ] && build_args+=(--skin "$skin")
  "$tessla_db" "${build_args[@]}" 2>"$work/build.log" || fail "the database did not build: $(cat "$work/build.log")"
}

# Starts Xvfb on a free display (it writes the number to the descriptor given), sets DISPLAY and
# xvfb_pid.
start_xvfb() {
  exec 3>"$work/display"
  # No reset when the last client leaves: a client that came in during one would be refused.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  exec 3>&-
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  [ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=:$(head -n1 "$work/display")
}

# A session bus of our own (dbus-launch), and on it the launcher of the accessibility bus, which
# starts that bus and its registry and stops them when it ends. Sets bus_pid and launcher_pid; a
# program started after this with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 is on the bus.
start_accessibility_bus() {
  eval "$(dbus-launch --sh-syntax)"
  bus_pid=$DBUS_SESSION_BUS_PID
  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/launcher.log" 2>&1 &
  launcher_pid=$!
}

# Ends the processes this shell started, by their ids (empty ones are skipped), and waits for each:
# an X server that has not yet ended would remove the socket of the next one on its display.
stop_started() {
  local pid
  for pid in "$@"; do
    [ -n "$pid" ] || continue
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
}
