#!/usr/bin/env bash
# Installs the build into a temporary prefix, as `make install PREFIX=...` does without
# root, and checks that what a desktop and a shell need arrived and works there.
# Usage: check-install.sh <cmake> <build dir> <version> <viewer built: 1 or 0>
set -euo pipefail
cmake=$1 build=$2 version=$3 viewer=$4

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

expected=(
  bin/Pirtok
  bin/pirtok-convert
  share/applications/pirtok.desktop
  share/icons/hicolor/scalable/apps/pirtok.svg
  share/man/man1/pirtok-convert.1
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
entry="$prefix/share/applications/pirtok.desktop"
if [ -f "$entry" ]; then
  grep -qxF "Exec=$prefix/bin/Pirtok" "$entry" || fail "desktop entry: $(grep '^Exec=' "$entry")"
  grep -qxF "Icon=pirtok" "$entry" || fail "desktop entry: $(grep '^Icon=' "$entry")"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "desktop-file-validate rejects the entry"
  fi
fi

man_page="$prefix/share/man/man1/pirtok-convert.1"
[ -f "$man_page" ] && ! grep -q '@' "$man_page" || fail "the man page is not filled in"

[ "$failures" -eq 0 ] && echo "installed and checked in $prefix"
exit "$failures"
