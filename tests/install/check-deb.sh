#!/usr/bin/env bash
# Checks the Debian package that `make deb` built: its name, that it unpacks into a scratch
# root with the programs, menu entry, metadata, icon and manual pages where a Debian system
# looks for them, and that the unpacked programs run. With PIRTOK_DEB_INSTALL=1, as root,
# it also installs the package with apt-get (which resolves its dependencies), checks the
# installed programs and removes the package again.
# Usage: check-deb.sh <folder with pirtok_*.deb>
set -euo pipefail
deb_dir=$1
here=$(cd "$(dirname "$0")" && pwd)
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

version=$(sed -n 's/^project(Pirtok VERSION \([0-9.]*\).*/\1/p' "$here/../../CMakeLists.txt")
app_id=$(sed -n 's/^set(PIRTOK_APP_ID \([^)]*\))/\1/p' "$here/../../CMakeLists.txt")
arch=$(dpkg --print-architecture)
deb="$deb_dir/pirtok_${version}_${arch}.deb"
[ -f "$deb" ] || { echo "FAIL: no $deb (make deb builds it)" >&2; exit 1; }
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is $(dpkg-deb -f "$deb" Version)"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root="$scratch/root"
dpkg-deb -x "$deb" "$root"

# Runs the programs below <root> as an installed system would, in a home of their own.
check_programs() {
  local root=$1 home="$scratch/home"
  rm -rf "$home" && mkdir -p "$home"
  for file in usr/bin/Pirtok usr/bin/pirtok-convert usr/libexec/pirtok/Help/Rinvo; do
    [ -x "$root/$file" ] || fail "$file is not an installed program"
  done
  # Pirtok looks for its viewer at ../libexec/pirtok/Help/Rinvo from its own folder.
  [ -x "$root/usr/bin/../libexec/pirtok/Help/Rinvo" ] || fail "Pirtok would not find Rinvo"

  local got
  got=$("$root/usr/bin/pirtok-convert" --version) || fail "pirtok-convert --version exited with $?"
  [ "$got" = "pirtok-convert $version" ] || fail "pirtok-convert --version says '$got'"
  # ة (U+0629) becomes ە (U+06D5).
  got=$(printf '\xd8\xa9' | "$root/usr/bin/pirtok-convert" | od -An -tx1 | tr -d ' \n')
  [ "$got" = "db95" ] || fail "the installed pirtok-convert turned U+0629 into '$got'"

  # The window comes up and paints (PIRTOK_BENCH_EXIT=shown ends it at its first paint).
  HOME=$home TMP=$home XDG_CONFIG_HOME=$home/.config XDG_STATE_HOME=$home/.local/state \
    QT_QPA_PLATFORM=offscreen PIRTOK_BENCH_EXIT=shown timeout 60 "$root/usr/bin/Pirtok" ||
    fail "the installed Pirtok did not start and paint (exit $?)"
  # Rinvo has no way out but its X: still running after two seconds is a good start.
  local status=0
  HOME=$home QT_QPA_PLATFORM=offscreen timeout 2 "$root/usr/libexec/pirtok/Help/Rinvo" || status=$?
  [ "$status" -eq 124 ] || fail "the installed Rinvo ended by itself (exit $status)"
}

# Where a Debian desktop and man look for them.
check_desktop_files() {
  local root=$1 entry
  entry="$root/usr/share/applications/$app_id.desktop"
  for file in "usr/share/applications/$app_id.desktop" "usr/share/metainfo/$app_id.metainfo.xml" \
    usr/share/icons/hicolor/scalable/apps/pirtok.svg usr/share/icons/hicolor/48x48/apps/pirtok.png \
    usr/share/man/man1/Pirtok.1.gz usr/share/man/man1/Rinvo.1.gz usr/share/man/man1/pirtok-convert.1.gz \
    usr/share/doc/pirtok/copyright; do
    [ -s "$root/$file" ] || fail "the package has no $file"
  done
  [ -f "$entry" ] && { grep -qxF "Exec=/usr/bin/Pirtok" "$entry" || fail "menu entry: $(grep '^Exec=' "$entry")"; }
  if command -v desktop-file-validate >/dev/null && [ -f "$entry" ]; then
    desktop-file-validate "$entry" || fail "desktop-file-validate rejects the packaged entry"
  fi
  if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" >&2 ||
      fail "appstreamcli rejects the packaged metainfo"
  fi
  local page warnings
  for page in Pirtok Rinvo pirtok-convert; do
    [ -f "$root/usr/share/man/man1/$page.1.gz" ] || continue
    warnings=$(MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null) ||
      fail "man cannot render $page.1"
    [ -z "$warnings" ] || fail "$page.1 renders with warnings: $warnings"
  done
}

check_desktop_files "$root"
check_programs "$root"

if [ "${PIRTOK_DEB_INSTALL:-0}" = 1 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    fail "PIRTOK_DEB_INSTALL=1 needs root"
  elif dpkg-query -W -f='${Status}' pirtok 2>/dev/null | grep -q 'install ok installed'; then
    fail "pirtok is already installed here; not replacing it"
  else
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$(cd "$(dirname "$deb")" && pwd)/$(basename "$deb")" >/dev/null ||
      fail "apt-get cannot install $deb"
    check_desktop_files /
    check_programs /
    DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq pirtok >/dev/null || fail "apt-get cannot remove pirtok"
  fi
fi

[ "$failures" -eq 0 ] && echo "$deb unpacks, and its programs run"
exit "$failures"
