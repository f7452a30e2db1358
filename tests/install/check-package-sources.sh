#!/usr/bin/env bash
# Holds debian/ to the rest of the project: its version is the one CMake sets, and every
# package that building needs is among its Build-Depends (tests' ones under <!nocheck>).
# Usage: check-package-sources.sh <source dir> <version>
set -euo pipefail
source=$1 version=$2
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

changelog_version=$(sed -n '1s/^pirtok (\([^)]*\)).*/\1/p' "$source/debian/changelog")
# A Debian revision (-1) may follow the project's version; a native package has none.
[ "${changelog_version%-*}" = "$version" ] ||
  fail "debian/changelog is at '$changelog_version', CMake at $version"

# Build-Depends as one line of names, each followed by its profile mark if any.
build_depends=$(sed -n '/^Build-Depends:/,/^[A-Z]/p' "$source/debian/control" | sed '$d' |
  sed 's/^Build-Depends://' | tr ',\n' '  ')
in_build_depends() { grep -qE "(^|[[:space:]])$1([[:space:]]|\(|$)" <<<"$build_depends"; }

# make and g++ come with build-essential, which every Debian package build assumes.
while read -r package; do
  case $package in make | g++) continue ;; esac
  in_build_depends "$package" || fail "debian/control lacks Build-Depends: $package (tools/install-deps run)"
done < <("$source/tools/install-deps" --list run)

# What the tests run during the package build need.
test_list=$("$source/tools/install-deps" --list test)
for package in desktop-file-utils appstream man-db strace; do
  in_build_depends "$package" || fail "debian/control lacks Build-Depends: $package <!nocheck>"
  grep -qx "$package" <<<"$test_list" || fail "tools/install-deps test does not list $package"
done

[ "$failures" -eq 0 ] && echo "debian/ agrees with CMake ($version) and tools/install-deps"
exit "$failures"
