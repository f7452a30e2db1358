#!/usr/bin/env bash
# Times whole starts of Pirtok under a virtual X server, from launching the program to its
# window's first paint (the program ends itself there when PIRTOK_BENCH_EXIT=shown): with an
# empty settings store (a first start), and with a saved text of 10 million characters, in
# paragraphs and in short lines. Then the close saves with those texts
# (PIRTOK_BENCH_EXIT=close: the program prints their time). Every run uses a private home,
# so the user's own files are never touched. The best of RUNS (default 5) counts. Not part
# of CTest: run it by hand on a Release build.
#
#   bench/startup-bench.sh [path/to/Pirtok]
#
# Goals: shown under 300 ms with an empty store and under 1.5 s with the long text; the
# close saves with the long text under 1 s. The short lines are reported for what they
# cost: the text box takes a time per line on top of the time per character.
set -euo pipefail

bin=$(realpath "${1:-build/Pirtok}")
[ -x "$bin" ] || { echo "no executable at $bin (build Release first, or pass its path)" >&2; exit 2; }
command -v xvfb-run >/dev/null || { echo "xvfb-run (package xvfb) is needed" >&2; exit 2; }
runs=${RUNS:-5}

work=$(mktemp -d "${TMPDIR:-/tmp}/pirtok-startup-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

# Two saved texts of 10 million UTF-16 code units of Kurdish words, as the close writes
# them: paragraphs of 100 to 600 characters (prose as typed), and short lines of 20 to 100
# characters (verse, lists). The text box's cost grows with the number of lines.
python3 - "$work" <<'PY'
import random, sys
words = ["\u06A9\u0648\u0631\u062F\u06CC", "\u0646\u0648\u0648\u0633\u06CC\u0646", "\u0695\u06C6\u0698",
         "\u06AF\u06B5\u0627", "\u0626\u06D5\u0645", "\u067E\u06CE\u0634\u06D5\u0648\u06D5", "\u06A4\u06CC\u0646"]
for name, shortest, longest in (("paragraphs", 100, 600), ("lines", 20, 100)):
    rng = random.Random(1)
    parts, units = [], 0
    while units < 10_000_000:
        line, target = [], rng.randint(shortest, longest)
        while sum(len(w) + 1 for w in line) < target:
            line.append(rng.choice(words))
        piece = " ".join(line) + "\n"
        parts.append(piece)
        units += len(piece)
    text = "".join(parts)[:10_000_000]
    open(f"{sys.argv[1]}/{name}.ini", "wb").write(text.encode("utf-16-le"))
PY

cat > "$work/run.sh" <<'SH'
#!/usr/bin/env bash
# Inside the X server: one kind of run, RUNS times; prints the best in milliseconds.
set -euo pipefail
bin=$1 work=$2 kind=$3 runs=$4
best=
for ((i = 0; i < runs; i++)); do
    home="$work/home-$kind-$i"
    mkdir -p "$home/config" "$home/state" "$home/tmp" "$home/Desktop"
    text="$work/${kind#close-}.ini"
    if [ "$kind" != empty ]; then
        # A later start: the first-run marker is there, and the long saved text.
        mkdir -p "$home/config/Varok"
        printf '[Settings]\nKeyboard=/\n' >"$home/config/Varok/Varok.ini"
        cp "$text" "$home/tmp/Text.ini"
    fi
    env=(HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_STATE_HOME="$home/state" TMP="$home/tmp"
         QT_QPA_PLATFORM=xcb)
    if [ "${kind%%-*}" = close ]; then
        ms=$(env "${env[@]}" PIRTOK_BENCH_EXIT=close "$bin" 2>&1 >/dev/null | sed -n 's/^close saves: \([0-9]*\) ms$/\1/p')
        [ "$(stat -c %s "$home/tmp/Text.ini")" = "$(stat -c %s "$text")" ] || { echo "saved text has the wrong size" >&2; exit 1; }
    else
        start=$(date +%s%N)
        env "${env[@]}" PIRTOK_BENCH_EXIT=shown "$bin" >/dev/null 2>&1
        ms=$((($(date +%s%N) - start) / 1000000))
    fi
    rm -rf "$home"
    if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
done
echo "$best"
SH
chmod +x "$work/run.sh"

measure() {
    xvfb-run -a -s "-screen 0 1600x1000x24" "$work/run.sh" "$bin" "$work" "$1" "$runs"
}

echo "start to shown window, empty store:                  $(measure empty) ms (goal < 300)"
echo "start to shown window, 10M characters in paragraphs: $(measure paragraphs) ms (goal < 1500)"
echo "start to shown window, 10M characters in short lines: $(measure lines) ms"
echo "close saves, 10M characters in paragraphs:           $(measure close-paragraphs) ms (goal < 1000)"
echo "close saves, 10M characters in short lines:          $(measure close-lines) ms (goal < 1000)"
echo "(best of $runs runs each)"
