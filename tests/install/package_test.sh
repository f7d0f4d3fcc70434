#!/usr/bin/env bash
# Tessla's Debian package: built with cpack from the build tree into a folder of its own, then its
# control fields (version, Depends from shlibdeps and the declared ones, Recommends) and contents
# (programs, skin, desktop entry, AppStream metainfo, icons, manual pages, copyright, changelog)
# checked, the desktop entry and the metainfo validated, the package checked by lintian (no error,
# no warning, and the programs hardened and stripped as Debian's are) and the packaged programs run.
#
#   tests/install/package_test.sh BUILD_DIR VERSION
set -euo pipefail

build=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; exit 1; }
deb=$(ls "$work"/tessla_*.deb)
[ "$(basename "$deb")" = "tessla_${version}_$(dpkg --print-architecture).deb" ] || fail "package named $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tessla ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), the project's is $version"
depends=$(field Depends)
for dependency in qt6-qpa-plugins fonts-liberation libqt6widgets6 libqt6printsupport6 libc6 libstdc++6; do
  [[ ", $depends," == *", $dependency"[\ ,]* ]] || fail "Depends lacks $dependency: $depends"
done
[ "$(field Recommends)" = qt6-translations-l10n ] || fail "Recommends: $(field Recommends)"

dpkg-deb -c "$deb" | awk '{ print $6 }' >"$work/contents"
for file in usr/bin/tessla usr/bin/tessla-db usr/share/tessla/skin/manifest.txt \
  usr/share/applications/se.tessla.Tessla.desktop usr/share/icons/hicolor/scalable/apps/se.tessla.Tessla.svg \
  usr/share/icons/hicolor/16x16/apps/se.tessla.Tessla.png usr/share/icons/hicolor/48x48/apps/se.tessla.Tessla.png \
  usr/share/icons/hicolor/256x256/apps/se.tessla.Tessla.png usr/share/man/man1/tessla.1.gz \
  usr/share/man/man1/tessla-db.1.gz usr/share/doc/tessla/copyright usr/share/doc/tessla/changelog.gz \
  usr/share/metainfo/se.tessla.Tessla.metainfo.xml usr/share/lintian/overrides/tessla; do
  grep -qx "./$file" "$work/contents" || fail "missing $file"
done
# Nothing of the build's own: no tests, benchmarks, libraries or headers.
unexpected=$(grep -Ev '^\./usr/(bin/tessla(-db)?|share/(tessla|applications|metainfo|icons|man|doc|lintian)(/.*)?|share|bin)?/?$' \
  "$work/contents" || true)
[ -z "$unexpected" ] || fail "unexpected files: $unexpected"

root=$work/root
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/se.tessla.Tessla.desktop" || fail "desktop-file-validate"
grep -q '^Name\[sv\]=' "$root/usr/share/applications/se.tessla.Tessla.desktop" || fail "no Swedish name"
grep -q '^Comment\[sv\]=' "$root/usr/share/applications/se.tessla.Tessla.desktop" || fail "no Swedish comment"
grep -q '^Icon=se.tessla.Tessla$' "$root/usr/share/applications/se.tessla.Tessla.desktop" || fail "icon name"
for size in 16 24 32 48 64 128 256; do
  png=$root/usr/share/icons/hicolor/${size}x${size}/apps/se.tessla.Tessla.png
  [ "$(identify -format '%wx%h' "$png" 2>/dev/null)" = "${size}x${size}" ] || fail "the ${size}x${size} icon"
done
for page in tessla tessla-db; do
  zcat "$root/usr/share/man/man1/$page.1.gz" | grep -q "^\.TH .*\"Tessla $version\"" ||
    fail "the manual page of $page lacks the version $version"
  LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null | grep . &&
    fail "man warns about the page of $page"
done
# What a software centre shows: the metainfo valid (any warning fails), valid with the desktop entry
# and the icons it names, in both languages, naming both programs, its newest release this version.
metainfo=$root/usr/share/metainfo/se.tessla.Tessla.metainfo.xml
appstreamcli validate --no-net "$metainfo" >"$work/appstream" 2>&1 || { cat "$work/appstream" >&2; fail "appstreamcli validate"; }
appstreamcli validate-tree --no-net "$root" >"$work/appstream-tree" 2>&1 ||
  { cat "$work/appstream-tree" >&2; fail "appstreamcli validate-tree"; }
for element in '<id>se.tessla.Tessla</id>' '<launchable type="desktop-id">se.tessla.Tessla.desktop</launchable>' \
  '<binary>tessla</binary>' '<binary>tessla-db</binary>' '<summary xml:lang="sv">' '<p xml:lang="sv">' \
  '<content_rating type="oars-1.1"/>' '<category>History</category>'; do
  grep -qF "$element" "$metainfo" || fail "the metainfo lacks $element"
done
newest=$(grep -o -m1 '<release version="[^"]*" date="[0-9-]*"' "$metainfo" || true)
[[ $newest == "<release version=\"$version\" date=\""* ]] || fail "the metainfo's newest release: $newest"

# The changelog in Debian's syntax, its newest entry this version, compressed without a time stamp.
changelog=$root/usr/share/doc/tessla/changelog.gz
[ "$(zcat "$changelog" | dpkg-parsechangelog -l - -S Version 2>&1)" = "$version" ] ||
  fail "the changelog's newest version: $(zcat "$changelog" | dpkg-parsechangelog -l - -S Version 2>&1)"
[ "$(od -An -tu4 -j4 -N4 "$changelog" | tr -d ' ')" = 0 ] || fail "the changelog.gz carries a time stamp"

# Debian's own check: no error and no warning; among its notes, none that the programs lack
# hardening or carry sections Debian strips.
lintian --fail-on error,warning --info --tag-display-limit 0 "$deb" >"$work/lintian" 2>&1 ||
  { cat "$work/lintian" >&2; fail "lintian"; }
grep -E ': (hardening-no-[a-z-]*|binary-has-unneeded-section) ' "$work/lintian" >&2 &&
  fail "lintian finds the programs unhardened or unstripped"

for source in "Statistics Sweden" "Stockholm City Archives" "histmaps" "mantalsregister"; do
  grep -q "$source" "$root/usr/share/doc/tessla/copyright" || fail "copyright does not name $source"
done

"$root/usr/bin/tessla-db" --help >"$work/help" || fail "the packaged tessla-db --help exits $?"
grep -q "^tessla-db $version" "$work/help" || fail "tessla-db --help: $(head -1 "$work/help")"
[ "$("$root/usr/bin/tessla" --version)" = "Tessla $version" ] || fail "tessla --version"

if [ "$failures" -gt 0 ]; then
  echo "package: $failures failed" >&2
  exit 1
fi
echo "package: $(basename "$deb") checked"
