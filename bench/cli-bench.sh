#!/usr/bin/env bash
# Times whole commands: pirtok-convert against iconv on the same 200 MB Kurdish-font
# text (both writing a file), and the peak memory of pirtok-convert for a 20 MB and a
# 2 GB input. Not part of CTest: run it by hand on a Release build.
#
#   bench/cli-bench.sh [path/to/pirtok-convert]
#
# Goals: time ratio at most 2, peak memory under 32 MB for both inputs.
set -euo pipefail

bin=${1:-build/pirtok-convert}
[ -x "$bin" ] || { echo "no executable at $bin (build Release first, or pass its path)" >&2; exit 2; }
command -v iconv >/dev/null || { echo "iconv (libc-bin) is needed" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time (GNU time) is needed" >&2; exit 2; }
runs=${RUNS:-3}

work=$(mktemp -d "${TMPDIR:-/tmp}/pirtok-cli-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

# 200 MB in, 200 MB and 400 MB out; the 2 GB input is streamed through a pipe, never stored.
need_mb=900
free_mb=$(df -Pm "$work" | awk 'NR == 2 { print $4 }')
if [ "$free_mb" -lt "$need_mb" ]; then
    echo "need ${need_mb} MB free in $work, have ${free_mb} MB" >&2
    exit 2
fi

# A 4 MB seed of Kurdish-font words (letters written as the older fonts expect, the
# multi-unit forms included) with separators and line breaks, repeated to the sizes wanted.
seed="$work/seed.txt"
python3 - "$seed" <<'PY'
import random, sys
words = [
    "\u0643\u0648\u0631\u062F", "\u0632\u0645\u0627\u0646", "\u0626\u0629\u0645", "\u0643\u062A\u064A\u0628",
    "\u062B\u064A\u064E\u0643\u0629\u0648\u0629", "\u0644\u064E\u0627\u062A", "\u0631\u0650\u0648\u0648\u0646",
    "\u0637\u0648\u0644", "\u0636\u0627\u0648", "\u0638\u064A\u0627\u0646", "\u0630\u064A\u0646",
    "\u062F\u0624\u0633\u062A", "\u0648\u064E\u0644\u0627\u062A", "\u0644\u0623\u0648", "\u0643\u0629\u0633\u064A",
    "\u0628\u0648\u0648", "\u0647\u0629\u0645\u0648\u0648", "\u0634\u0627\u0631", "\u0646\u0648\u0648\u0633\u064A\u0646",
    "\u0645\u0627\u0645\u0624\u0633\u062A\u0627", "\u0641\u064A\u064E\u0631\u0643\u0631\u062F\u0646",
    "\u0649\u064E\u0643", "\u0633\u0644\u0627\u0648", "\u0647\u0627\u0648\u0631\u0650\u064A\u064E",
]
seps = [" "] * 12 + [". ", "\u060C ", ": ", "\n", "\u061F\n", " (", ") "]
rng = random.Random(1)
parts, size = [], 0
while size < 4 * 1024 * 1024:
    piece = rng.choice(words) + rng.choice(seps)
    parts.append(piece)
    size += len(piece.encode("utf-8"))
open(sys.argv[1], "w", encoding="utf-8").write("".join(parts))
PY

# Concatenates the seed to at least $1 MB on standard output.
repeat_seed() {
    local seed_bytes count i
    seed_bytes=$(stat -c %s "$seed")
    count=$(( ($1 * 1024 * 1024 + seed_bytes - 1) / seed_bytes ))
    for ((i = 0; i < count; i++)); do cat "$seed"; done
}

now() { date +%s.%N; }

# Wall-clock seconds of the command given as a string.
time_once() {
    local start end
    start=$(now)
    bash -c "$1"
    end=$(now)
    echo "$end - $start" | bc -l
}

min() { if [ -z "$1" ] || [ "$(echo "$2 < $1" | bc -l)" = 1 ]; then echo "$2"; else echo "$1"; fi; }

# Peak resident set in kB of the command given as a string, run under GNU time.
peak_kb() {
    /usr/bin/time -f '%M' -o "$work/rss" bash -c "exec $1"
    cat "$work/rss"
}

in200="$work/in-200mb.txt"
repeat_seed 200 > "$in200" # whole seeds, so no character is cut
cat "$in200" > /dev/null # into the page cache for both contenders

echo "input: $(stat -c %s "$in200") bytes of UTF-8 Kurdish-font text; best of $runs runs"
# Side by side: the two commands take turns, so a change in the machine's load hits both;
# the best run of each counts.
t_iconv=""
t_pirtok=""
for ((i = 0; i < runs; i++)); do
    t_iconv=$(min "$t_iconv" "$(time_once "iconv -f UTF-8 -t UTF-16LE '$in200' > '$work/out-iconv.txt'")")
    t_pirtok=$(min "$t_pirtok" "$(time_once "'$bin' --to-unicode '$in200' -o '$work/out-pirtok.txt'")")
done
ratio=$(echo "$t_pirtok / $t_iconv" | bc -l)
printf 'iconv -f UTF-8 -t UTF-16LE      %8.3f s\n' "$t_iconv"
printf 'pirtok-convert --to-unicode     %8.3f s\n' "$t_pirtok"
printf 'time ratio pirtok/iconv         %8.2f   (goal: at most 2)\n' "$ratio"
rm -f "$work/out-iconv.txt" "$work/out-pirtok.txt" "$in200"

in20="$work/in-20mb.txt"
repeat_seed 20 > "$in20"
rss20=$(peak_kb "'$bin' --to-unicode '$in20' -o '$work/out-20mb.txt'")
rm -f "$in20" "$work/out-20mb.txt"
printf 'peak memory, 20 MB input        %8.1f MB\n' "$(echo "$rss20 / 1024" | bc -l)"

# 2 GB: the generator feeds the converter through a pipe; only the converter is measured.
rss2g=$(repeat_seed 2048 | peak_kb "'$bin' --to-unicode > /dev/null")
printf 'peak memory, 2 GB input         %8.1f MB\n' "$(echo "$rss2g / 1024" | bc -l)"
printf 'memory ratio 2 GB / 20 MB       %8.2f   (goal: both under 32 MB)\n' "$(echo "$rss2g / $rss20" | bc -l)"
