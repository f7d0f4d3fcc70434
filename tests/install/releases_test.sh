#!/usr/bin/env bash
# The release history's two forms, written by cmake/releases.cmake from a history of two releases:
# the metainfo's releases and the Debian changelog (newest first, the text escaped for XML and
# wrapped as written); the day of the week of its dates; and a history refused when its newest
# release is not the project's version, when it is not newest first, or when a line is malformed.
#
#   tests/install/releases_test.sh SOURCE_DIR
set -euo pipefail

source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

cat >"$work/write.cmake" <<EOF
cmake_minimum_required(VERSION 3.25)
include($source_dir/cmake/releases.cmake)
tessla_read_releases(\${RELEASES} 2.10 "A Maintainer <a@example.org>" xml changelog)
file(WRITE \${OUT}.xml "\${xml}")
file(WRITE \${OUT}.changelog "\${changelog}")
EOF
write() { cmake -DRELEASES="$work/$1" -DOUT="$work/$1" -P "$work/write.cmake" >"$work/$1.log" 2>&1; }

cat >"$work/two" <<'EOF'
# A comment, then a blank line.

2.10 2024-02-29
- Lists & tables; <b> kept as text.
  A second line.
- Another change.

2.9 2023-01-01
- The one before.
EOF
write two || fail "a good history refused: $(cat "$work/two.log")"
cat >"$work/two.expected.xml" <<'EOF'
    <release version="2.10" date="2024-02-29">
      <description>
        <ul>
          <li>Lists &amp; tables; &lt;b&gt; kept as text. A second line.</li>
          <li>Another change.</li>
        </ul>
      </description>
    </release>
    <release version="2.9" date="2023-01-01">
      <description>
        <ul>
          <li>The one before.</li>
        </ul>
      </description>
    </release>
EOF
cat >"$work/two.expected.changelog" <<'EOF'
tessla (2.10) unstable; urgency=medium

  * Lists & tables; <b> kept as text.
    A second line.
  * Another change.

 -- A Maintainer <a@example.org>  Thu, 29 Feb 2024 12:00:00 +0000

tessla (2.9) unstable; urgency=medium

  * The one before.

 -- A Maintainer <a@example.org>  Sun, 01 Jan 2023 12:00:00 +0000
EOF
for form in xml changelog; do
  diff -u "$work/two.expected.$form" "$work/two.$form" >&2 || fail "the $form written"
done
# Debian's own reader finds both entries, newest first.
versions=$(dpkg-parsechangelog -l "$work/two.changelog" --format rfc822 --all 2>&1 | sed -n 's/^Version: //p')
[ "$(echo $versions)" = "2.10 2.9" ] || fail "dpkg-parsechangelog reads the versions $(echo $versions)"

# The day of the week of a date in every month, leap and century years among them, as date(1)
# names it.
dates="1900-01-01 1999-02-28 2000-02-29 2000-03-01 2023-04-30 2024-05-15 2025-06-01 2026-07-04
  2026-08-31 2026-09-09 2026-10-10 2026-11-30 2026-12-11 2100-03-01"
cat >"$work/weekdays.cmake" <<END
include($source_dir/cmake/releases.cmake)
foreach(date \${DATES})
  string(REPLACE "-" ";" parts \${date})
  _tessla_weekday(\${parts} weekday)
  message("\${date} \${weekday}")
endforeach()
END
expected=
for date in $dates; do expected+="$date $(LC_ALL=C date -u -d "$date" +%a)"$'\n'; done
cmake -DDATES="$(echo $dates | tr ' ' ';')" -P "$work/weekdays.cmake" >"$work/weekdays" 2>&1
diff -u <(printf '%s' "$expected") "$work/weekdays" >&2 || fail "the days of the week"

refused() { # NAME CONTENT MESSAGE
  printf '%s' "$2" >"$work/$1"
  if write "$1"; then
    fail "$1: accepted"
  elif ! tr -s ' \n' ' ' <"$work/$1.log" | grep -qF "$3"; then
    fail "$1: the message does not say \"$3\": $(cat "$work/$1.log")"
  fi
}
refused older $'2.9 2023-01-01\n- A change.\n' "the newest release is 2.9, the project's version is 2.10"
refused order $'2.10 2024-02-29\n- A change.\n2.11 2023-01-01\n- A change.\n' ":3: release 2.11 after 2.10"
refused bad_date $'2.10 2024-13-01\n- A change.\n' ":1: no such date"
refused no_change $'2.10 2024-02-29\n' "release 2.10 lists no change"
refused stray $'2.10 2024-02-29\nA change.\n' ":2: neither"
refused long "2.10 2024-02-29"$'\n'"- $(printf 'x%.0s' {1..80})"$'\n' ":2: longer than 76 characters"

if [ "$failures" -gt 0 ]; then
  echo "releases: $failures failed" >&2
  exit 1
fi
echo "releases: both forms written, bad histories refused"
