#!/usr/bin/env bash
# Installs the build into a temporary prefix, starts the installed Pirtok on a virtual X
# screen and works it as a user would: Ctrl+O, a legacy cp1256 file typed into the file
# dialog, then Ctrl+S, which writes the text back as UTF-8.
# Usage: check-open-save.sh <cmake> <build dir>. Exit 77 (skipped) without xvfb-run or xdotool.
set -euo pipefail
cmake=$1 build=$2

for tool in xvfb-run xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cmake" --install "$build" --prefix "$work/prefix" >/dev/null

# A private home: the program's settings, saved text and desktop launcher stay in it.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_STATE_HOME=$work/home/state TMP=$work/home/tmp
mkdir -p "$XDG_CONFIG_HOME" "$XDG_STATE_HOME" "$TMP" "$HOME/Desktop"
unset QT_QPA_PLATFORM # a real X screen, not the tests' offscreen one

legacy=$work/legacy.txt
# "كورد" and a Windows line break in the Windows Arabic code page.
printf '\xdf\xe6\xd1\xcf\r\n\xdf\xe6\xd1\xcf' >"$legacy"

cat >"$work/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
set -euo pipefail
prefix=$1 legacy=$2
"$prefix/bin/Pirtok" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Pirtok$' | head -n1)
sleep 1
xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers ctrl+o
# The open dialog takes the file name typed into it.
timeout 30 xdotool search --sync --onlyvisible --name "$(printf '\u06a9\u0631\u062f\u0646\u06d5\u0648\u06d5\u06cc \u0641\u0627\u06cc\u0644')" >/dev/null
sleep 1
xdotool type --delay 20 "$legacy"
xdotool key Return
sleep 2
xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers ctrl+s
# The save has written UTF-8 when the file's first byte is UTF-8's.
for _ in $(seq 50); do
  [ "$(head -c 2 "$legacy" | od -An -tx1 | tr -d ' \n')" = "d983" ] && break
  sleep 0.2
done
DRIVE
chmod +x "$work/drive.sh"
xvfb-run -a -s '-screen 0 1600x1000x24' "$work/drive.sh" "$work/prefix" "$legacy" || {
  echo "FAIL: driving the installed program failed" >&2
  exit 1
}

got=$(od -An -tx1 "$legacy" | tr -d ' \n')
# The same letters in UTF-8, the Windows line break kept.
want=d983d988d8b1d8af0d0ad983d988d8b1d8af
if [ "$got" != "$want" ]; then
  echo "FAIL: the saved file holds '$got', not '$want'" >&2
  exit 1
fi
echo "opened cp1256 and saved UTF-8 through the installed program"
