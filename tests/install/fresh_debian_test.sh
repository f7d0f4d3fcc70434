#!/usr/bin/env bash
# Tessla on a fresh Debian 12, as a newcomer meets it, in a root debootstrapped with
# --variant=minbase bookworm (as a container image is). Needs root, debootstrap and ImageMagick on
# the host (scripts/setup installs both). Not part of scripts/test: it downloads a system and takes
# minutes (the package) or most of an hour and more (the tests).
#
#   tests/install/fresh_debian_test.sh PACKAGE.deb [ROOT] [SHOTS]
#
# The package: debootstraps bookworm into ROOT (unless it is there already), installs the package
# with apt (which must pull in everything it needs), validates the installed tree's AppStream
# metainfo from the host, checks that tessla-db --help exits 0, then starts tessla under Xvfb
# inside the root as a newcomer would: accepts the offer of the sample database with the keyboard
# (xdotool), waits for the build, searches and checks that a record shows (copied with Ctrl+C).
# Screenshots go to SHOTS.
#
#   tests/install/fresh_debian_test.sh --run-tests [ROOT] [LOGS]
#
# The README's tests: debootstraps bookworm into ROOT, which must not exist yet (a root used before
# already holds what scripts/setup installs, and would hide a missing step), copies the
# repository's committed tree (HEAD) into it and runs scripts/test there as root: the setup
# installs its packages, everything is built and every test runs. Its output goes to LOGS.
set -euo pipefail

repo=$(cd "$(dirname "$0")/../.." && pwd)
if [ "${1:-}" = --run-tests ]; then
  mode=tests
  root=$(realpath -m "${2:-/work/fresh-debian-tests}")
  shots=$(realpath -m "${3:-$repo/build/fresh_debian_tests}")
  if [ -e "$root" ] && [ -n "$(ls -A "$root")" ]; then
    echo "fresh-debian: $root exists; the tests run in a root debootstrapped for them" >&2
    exit 2
  fi
else
  mode=package
  deb=$(realpath "$1")
  root=$(realpath -m "${2:-/work/fresh-debian}")
  shots=$(realpath -m "${3:-$(dirname "$deb")/screenshots/fresh_debian}")
fi
mkdir -p "$shots"

say() { printf '%s fresh-debian: %s\n' "$(date +%T)" "$*"; }
fail() {
  say "FAILED: $*"
  exit 1
}
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }
# The first mirror of the host's apt sources (deb822 or one-line form).
mirror() {
  cat /etc/apt/sources.list.d/*.sources /etc/apt/sources.list 2>/dev/null |
    awk '/^URIs:/ { print $2; exit } /^deb / { print $2; exit }'
}

mounted=()
cleanup() {
  [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
  # Whatever the run left going inside the root (an X server, a session bus), by process id.
  for proc in /proc/[0-9]*; do
    [ "$(readlink "$proc/root" 2>/dev/null)" = "$root" ] && kill "${proc#/proc/}" 2>/dev/null || true
  done
  sleep 0.5
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[$i]}" 2>/dev/null || true; done
}
trap cleanup EXIT
bind() {
  mkdir -p "$root$1"
  mount --bind "$1" "$root$1"
  mounted+=("$root$1")
}

start=$(date +%s)
if [ ! -x "$root/usr/bin/apt-get" ]; then
  say "debootstrap bookworm into $root from $(mirror)"
  debootstrap --variant=minbase bookworm "$root" "$(mirror)" >"$shots/debootstrap.log" 2>&1 ||
    fail "debootstrap: $(tail -5 "$shots/debootstrap.log")"
fi
say "root ready after $(($(date +%s) - start)) s"
bind /dev
bind /dev/pts
bind /proc
bind /sys
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true

if [ "$mode" = tests ]; then
  # No services started inside the root while packages install, as in a container image.
  printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
  chmod 755 "$root/usr/sbin/policy-rc.d"
  commit=$(git -C "$repo" rev-parse HEAD)
  mkdir -p "$root/root/tessla"
  git -C "$repo" archive "$commit" | tar -x -C "$root/root/tessla"
  say "running scripts/test of $commit in the root (output in $shots/scripts-test.log)"
  t=$(date +%s)
  status=0
  in_root bash -c 'cd /root/tessla && scripts/test' >"$shots/scripts-test.log" 2>&1 || status=$?
  minutes=$((($(date +%s) - t) / 60))
  grep -E '^[0-9]+% tests passed|tests failed out of|The following tests FAILED' -A 20 "$shots/scripts-test.log" |
    head -30 || true
  [ "$status" -eq 0 ] || fail "scripts/test exited $status after $minutes min: $(tail -20 "$shots/scripts-test.log")"
  say "scripts/test passed in $minutes min; $(($(date +%s) - start)) s in all"
  exit 0
fi

# The package, with its dependencies, as a user installs it.
t=$(date +%s)
cp "$deb" "$root/tmp/tessla.deb"
in_root apt-get update -qq >"$shots/apt.log" 2>&1 || fail "apt-get update: $(tail -5 "$shots/apt.log")"
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q /tmp/tessla.deb >>"$shots/apt.log" 2>&1 ||
  fail "installing the package: $(tail -20 "$shots/apt.log")"
say "package installed with apt in $(($(date +%s) - t)) s ($(grep -c '^Setting up' "$shots/apt.log") packages set up)"
in_root dpkg -s qt6-translations-l10n >/dev/null 2>&1 || fail "the recommended Qt translations were not installed"

# The installed metainfo, with the desktop entry and the icons it names, as software centres read it.
appstreamcli validate-tree --no-net "$root" >"$shots/appstream.txt" 2>&1 ||
  fail "appstreamcli validate-tree: $(cat "$shots/appstream.txt")"
say "appstreamcli validate-tree: $(tail -1 "$shots/appstream.txt")"

in_root tessla-db --help >"$shots/tessla-db-help.txt" || fail "tessla-db --help did not exit 0"
grep -q '^usage: tessla-db' "$shots/tessla-db-help.txt" || fail "tessla-db --help printed no usage"
in_root tessla --version | grep -q '^Tessla [0-9]' || fail "tessla --version"
say "tessla-db --help exits 0; $(in_root tessla --version)"

# What the test drives the program with (not the program's own dependencies).
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
  xvfb xauth xdotool xclip >>"$shots/apt.log" 2>&1 || fail "installing Xvfb and xdotool"

# Xvfb picks a display no other X server uses (the abstract sockets are shared with the host).
rm -f "$shots/display"
in_root Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$shots/display" >"$shots/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 300); do [ -s "$shots/display" ] && break; sleep 0.1; done
[ -s "$shots/display" ] || fail "Xvfb did not start: $(cat "$shots/xvfb.log")"
display=:$(cat "$shots/display")
x() { in_root env DISPLAY=$display "$@"; }
# Screenshots by the host's ImageMagick: the chroot's Xvfb is reached through its abstract socket.
shot() { DISPLAY=$display import -window root "$shots/$1.png"; }

rm -rf "$root/root/.config/tessla" "$root/root/.local/share/tessla"
x tessla >"$shots/tessla.log" 2>&1 &
app_pid=$!
dialog=$(x timeout 60 xdotool search --sync --onlyvisible --name '^Välkommen till Tessla$' | head -n1) ||
  fail "no first-run dialog: $(cat "$shots/tessla.log")"
sleep 1
shot first_run
t=$(date +%s)
x xdotool windowfocus --sync "$dialog"
x xdotool key Return
x timeout 30 xdotool search --sync --onlyvisible --name '^Bygger exempeldatabasen$' >/dev/null ||
  fail "Return started no sample build"
sleep 3
shot sample_progress
sleep 4
shot sample_progress_later
for _ in $(seq 600); do
  x xdotool search --onlyvisible --name '^Bygger exempeldatabasen$' >/dev/null 2>&1 || break
  sleep 0.5
done
say "sample database built in $(($(date +%s) - t)) s"
[ -f "$root/root/.config/tessla/tessla.ini" ] || fail "the choice was not written to ~/.config/tessla/tessla.ini"
grep -q "cdbasen=/root/.local/share/tessla/sample/cd/" "$root/root/.config/tessla/tessla.ini" ||
  fail "the user's file names another database: $(cat "$root/root/.config/tessla/tessla.ini")"

# A search in the sample, in the same run, and the record it shows copied.
main=$(x xdotool search --onlyvisible --name '^Tessla$' | head -n1) || fail "no main window"
x xdotool windowfocus --sync "$main"
x xdotool key --clearmodifiers ctrl+b
x timeout 30 xdotool search --sync --onlyvisible --name '^Tessla, sök$' >/dev/null || fail "Ctrl+B opened no search"
sleep 0.5
x xdotool type --delay 50 "Andersson"
x xdotool key Return
sleep 3
shot first_record
x xdotool windowfocus --sync "$main"
x xdotool key --clearmodifiers ctrl+c
sleep 1
record=$(x timeout 5 xclip -selection clipboard -o 2>/dev/null || true)
printf '%s\n' "$record" >"$shots/first_record.txt"
case "$record" in
  Post\ [0-9]*Andersson*) ;;
  *) fail "no record of an Andersson shows; the copy: $(head -c 300 "$shots/first_record.txt")" ;;
esac
say "the first record shows: $(printf '%s' "$record" | sed -n 3p)"
x xdotool key --clearmodifiers ctrl+q
wait "$app_pid" 2>/dev/null || true
app_pid=
say "passed in $(($(date +%s) - start)) s; screenshots in $shots"
