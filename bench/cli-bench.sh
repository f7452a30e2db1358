#!/usr/bin/env bash
# Times whole commands on the same 200 MB Kurdish-font text, like against like: UTF-8 to
# UTF-8 against `iconv -f UTF-8 -t UTF-8`, and UTF-8 to UTF-16LE against
# `iconv -f UTF-8 -t UTF-16LE`, every command writing a file through a redirect;
# pirtok-convert with -j 1 and with its default. The commands take turns, so a change in
# the machine's load hits all of them; the best of RUNS (default 5) counts. Then the peak
# memory of pirtok-convert for a 20 MB and a 2 GB input file. Not part of CTest: run it
# by hand on a Release build.
#
#   bench/cli-bench.sh [path/to/pirtok-convert]
#
# Goals: the default at most 0.6 x iconv's time and -j 1 at most 1.0 x, in both output
# encodings, and --family auto --standard (every line classed, converted by its writing's
# table and put through the standard pass) at most 0.6 x; peak memory under 32 MB for
# both inputs, with and without the pass.
set -euo pipefail

bin=${1:-build/pirtok-convert}
[ -x "$bin" ] || { echo "no executable at $bin (build Release first, or pass its path)" >&2; exit 2; }
command -v iconv >/dev/null || { echo "iconv (libc-bin) is needed" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time (GNU time) is needed" >&2; exit 2; }
runs=${RUNS:-5}

work=$(mktemp -d "${TMPDIR:-/tmp}/pirtok-cli-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

# 200 MB in and up to 400 MB out at a time, then the 2 GB input and its 2 GB output.
need_mb=4800
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

# Wall-clock milliseconds of the command given as a string.
time_ms() {
    local start end
    start=$(date +%s%N)
    bash -c "$1"
    end=$(date +%s%N)
    echo $(( (end - start) / 1000000 ))
}

seconds() { printf '%d.%03d' $(( $1 / 1000 )) $(( $1 % 1000 )); }

in200="$work/in-200mb.txt"
repeat_seed 200 > "$in200" # whole seeds, so no character is cut
out="$work/out.txt"
cores=$(nproc)

# name|command, in the order of each turn.
commands=(
    "cat > /dev/null (page-cache floor)|cat '$in200' > /dev/null"
    "iconv -f UTF-8 -t UTF-8|iconv -f UTF-8 -t UTF-8 '$in200' > '$out'"
    "pirtok-convert -j 1|'$bin' -j 1 '$in200' > '$out'"
    "pirtok-convert (default -j)|'$bin' '$in200' > '$out'"
    "iconv -f UTF-8 -t UTF-16LE|iconv -f UTF-8 -t UTF-16LE '$in200' > '$out'"
    "pirtok-convert -j 1 --to utf-16le|'$bin' -j 1 --to utf-16le '$in200' > '$out'"
    "pirtok-convert --to utf-16le|'$bin' --to utf-16le '$in200' > '$out'"
    "pirtok-convert -o out.txt (default -j)|'$bin' -o '$out' '$in200'"
    "pirtok-convert --family auto --standard|'$bin' --family auto --standard '$in200' > '$out'"
)
best=()
for ((c = 0; c < ${#commands[@]}; c++)); do best[c]=""; done
cat "$in200" > /dev/null # into the page cache for every contender
for ((i = 0; i < runs; i++)); do
    for ((c = 0; c < ${#commands[@]}; c++)); do
        ms=$(time_ms "${commands[c]#*|}")
        if [ -z "${best[c]}" ] || [ "$ms" -lt "${best[c]}" ]; then best[c]=$ms; fi
        rm -f "$out"
    done
done

echo "input: $(stat -c %s "$in200") bytes of UTF-8 Kurdish-font text, to Unicode; $cores cores; best of $runs turns"
for ((c = 0; c < ${#commands[@]}; c++)); do
    printf '%-42s %8s s\n' "${commands[c]%%|*}" "$(seconds "${best[c]}")"
done
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
printf 'ratio UTF-8,    -j 1    / iconv         %8s   (goal: at most 1.0)\n' "$(ratio "${best[2]}" "${best[1]}")"
printf 'ratio UTF-8,    default / iconv         %8s   (goal: at most 0.6)\n' "$(ratio "${best[3]}" "${best[1]}")"
printf 'ratio UTF-16LE, -j 1    / iconv         %8s   (goal: at most 1.0)\n' "$(ratio "${best[5]}" "${best[4]}")"
printf 'ratio UTF-16LE, default / iconv         %8s   (goal: at most 0.6)\n' "$(ratio "${best[6]}" "${best[4]}")"
printf 'ratio -o out.txt,  default / iconv      %8s   (goal: at most 0.6)\n' "$(ratio "${best[7]}" "${best[1]}")"
printf 'ratio auto --standard / iconv           %8s   (goal: at most 0.6)\n' "$(ratio "${best[8]}" "${best[1]}")"

# The default and -j 1 must write the same bytes.
"$bin" -j 1 "$in200" > "$work/one.txt"
"$bin" "$in200" > "$out"
cmp -s "$work/one.txt" "$out" && echo "default output equals -j 1: yes" || echo "default output equals -j 1: NO"
rm -f "$out" "$work/one.txt" "$in200"

# Peak resident set in kB of the command given as a string, run under GNU time.
peak_kb() {
    /usr/bin/time -f '%M' -o "$work/rss" bash -c "exec $1"
    cat "$work/rss"
}
mb() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }

# Peak memory for an input of `$1` MB named `$2`, written to a file and through a pipe;
# `$3` follows the last figure.
report_peaks() {
    local input="$work/in-$1mb.txt" rss
    repeat_seed "$1" > "$input"
    rss=$(peak_kb "'$bin' '$input' -o '$work/out-$1mb.txt'")
    rm -f "$work/out-$1mb.txt"
    printf '%-41s %8s MB\n' "peak memory, $2 file, -o" "$(mb "$rss")"
    rss=$(peak_kb "'$bin' --family auto --standard '$input' -o '$work/out-$1mb.txt'")
    rm -f "$work/out-$1mb.txt"
    printf '%-41s %8s MB\n' "peak memory, $2 file, auto --standard" "$(mb "$rss")"
    rss=$(cat "$input" | peak_kb "'$bin' > /dev/null")
    rm -f "$input"
    printf '%-41s %8s MB%s\n' "peak memory, $2 through a pipe" "$(mb "$rss")" "$3"
}

report_peaks 20 '20 MB' ''
report_peaks 2048 '2 GB' '   (goal: all under 32 MB)'
