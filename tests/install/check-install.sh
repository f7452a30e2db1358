#!/usr/bin/env bash
# Installs the build into a temporary prefix, as `make install PREFIX=...` does without
# root, and checks that what a desktop and a shell need arrived and works there.
# Usage: check-install.sh <cmake> <build dir> <version> <viewer built: 1 or 0> <application id>
set -euo pipefail
cmake=$1 build=$2 version=$3 viewer=$4 app_id=$5
# The Kurdish texts below are written as code points; printf needs a UTF-8 locale for them.
export LC_ALL=C.UTF-8

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

expected=(
  bin/Pirtok
  bin/pirtok-convert
  "share/applications/$app_id.desktop"
  "share/metainfo/$app_id.metainfo.xml"
  share/icons/hicolor/scalable/apps/pirtok.svg
  share/man/man1/pirtok-convert.1
  share/man/man1/Pirtok.1
  share/man/man1/Rinvo.1
  share/bash-completion/completions/pirtok-convert
)
for size in 16 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/pirtok.png")
done
[ "$viewer" = 1 ] && expected+=(libexec/pirtok/Help/Rinvo)
for file in "${expected[@]}"; do
  [ -s "$prefix/$file" ] || fail "$file is not installed"
done
for program in bin/Pirtok bin/pirtok-convert; do
  [ -x "$prefix/$program" ] || fail "$program is not executable"
done
if [ "$viewer" = 1 ] && [ ! -x "$prefix/libexec/pirtok/Help/Rinvo" ]; then
  fail "Rinvo is not executable where Pirtok looks for it"
fi

# The installed converter runs on its own.
got=$("$prefix/bin/pirtok-convert" --version) || fail "pirtok-convert --version exited with $?"
[ "$got" = "pirtok-convert $version" ] || fail "pirtok-convert --version says '$got'"
# ة (U+0629) becomes ە (U+06D5), in UTF-8.
got=$(printf '\xd8\xa9' | "$prefix/bin/pirtok-convert" | od -An -tx1 | tr -d ' \n')
[ "$got" = "db95" ] || fail "pirtok-convert turned U+0629 into the bytes '$got'"

# The menu entry starts the installed program by its full path and names the theme icon.
entry="$prefix/share/applications/$app_id.desktop"
# Name[ckb] پیرتۆک; Comment[ckb] "کوردیی سۆرانی بنووسە و نووسینی فۆنتی کوردی بگۆڕە بۆ یونیکۆد".
name_ckb=$(printf '\u067e\u06cc\u0631\u062a\u06c6\u06a9')
comment_ckb=$(printf '%s' \
  '\u06a9\u0648\u0631\u062f\u06cc\u06cc \u0633\u06c6\u0631\u0627\u0646\u06cc ' \
  '\u0628\u0646\u0648\u0648\u0633\u06d5 \u0648 \u0646\u0648\u0648\u0633\u06cc\u0646\u06cc ' \
  '\u0641\u06c6\u0646\u062a\u06cc \u06a9\u0648\u0631\u062f\u06cc \u0628\u06af\u06c6\u0695\u06d5 ' \
  '\u0628\u06c6 \u06cc\u0648\u0646\u06cc\u06a9\u06c6\u062f')
comment_ckb=$(printf "$comment_ckb")
if [ -f "$entry" ]; then
  grep -qxF "Exec=$prefix/bin/Pirtok" "$entry" || fail "desktop entry: $(grep '^Exec=' "$entry")"
  grep -qxF "Icon=pirtok" "$entry" || fail "desktop entry: $(grep '^Icon=' "$entry")"
  grep -qxF "Name[ckb]=$name_ckb" "$entry" || fail "desktop entry: $(grep '^Name\[ckb\]=' "$entry")"
  grep -qxF "Comment[ckb]=$comment_ckb" "$entry" || fail "desktop entry: $(grep '^Comment\[ckb\]=' "$entry")"
  grep -q '^Keywords=.*Kurdish;' "$entry" || fail "desktop entry has no Kurdish among its Keywords"
  grep -q '^Keywords\[ckb\]=.' "$entry" || fail "desktop entry has no Keywords[ckb]"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "desktop-file-validate rejects the entry"
  fi
fi

# The software-centre metadata: valid, about this version, in both languages.
metainfo="$prefix/share/metainfo/$app_id.metainfo.xml"
if [ -f "$metainfo" ]; then
  grep -qF "<id>$app_id</id>" "$metainfo" || fail "metainfo: its id is not $app_id"
  grep -qF "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "metainfo: it does not launch $app_id.desktop"
  grep -qE "<release version=\"$version\" date=\"[0-9]{4}-[0-9]{2}-[0-9]{2}\"" "$metainfo" ||
    fail "metainfo: no release $version with a date"
  grep -qF "<name xml:lang=\"ckb\">$name_ckb</name>" "$metainfo" || fail "metainfo: no Kurdish name"
  for tag in summary p; do
    grep -qF "<$tag xml:lang=\"ckb\">" "$metainfo" || fail "metainfo: no Kurdish $tag"
  done
  grep -q '@' "$metainfo" && fail "metainfo: not filled in: $(grep '@' "$metainfo")"
  if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" >&2 || fail "appstreamcli rejects the metainfo"
  else
    fail "appstreamcli is missing (Debian: appstream), the metainfo is not validated"
  fi
fi

# The manual pages are filled in and render without a warning.
for page in pirtok-convert Pirtok Rinvo; do
  man_page="$prefix/share/man/man1/$page.1"
  [ -f "$man_page" ] || continue
  grep -q '@[A-Z_]*@' "$man_page" && fail "$page.1 is not filled in"
  if command -v man >/dev/null; then
    warnings=$(MANWIDTH=80 man --warnings -l "$man_page" 2>&1 >/dev/null) || fail "man cannot render $page.1"
    [ -z "$warnings" ] || fail "$page.1 renders with warnings: $warnings"
  else
    fail "man is missing (Debian: man-db), $page.1 is not rendered"
  fi
done

# make install and make uninstall: the files go, and the folders the install made once they
# are empty; a folder that was there before, empty or not, stays.
tracked=$(mktemp -d)
trap 'rm -rf "$prefix" "$tracked"' EXIT
mkdir -p "$tracked/root/share/applications" "$tracked/root/share/man" "$tracked/record"
touch "$tracked/root/share/applications/other.desktop"
tracked_install() {
  "$cmake" -DMODE="$1" -DBUILD="$build" -DPREFIX="$tracked/root" -DRECORD="$tracked/record" \
    -P "$(dirname "$0")/../../cmake/TrackedInstall.cmake" >/dev/null
}
if tracked_install install && [ -x "$tracked/root/bin/Pirtok" ]; then
  tracked_install uninstall || fail "make uninstall failed"
  left=$(cd "$tracked/root" && find . | sort | tr '\n' ' ')
  [ "$left" = ". ./share ./share/applications ./share/applications/other.desktop ./share/man " ] ||
    fail "make uninstall left: $left"
else
  fail "make install into $tracked/root failed"
fi

[ "$failures" -eq 0 ] && echo "installed and checked in $prefix"
exit "$failures"
