#!/usr/bin/env bash
# pirtok-convert's atomic output reaches the disk before it takes the old file's place: the
# temporary file is fsync'ed before the rename, else a power cut after the rename can leave
# an empty or torn file where the old one was. Traced with strace.
# Usage: cli-fsync.sh path/to/pirtok-convert
set -u
convert=$1
if ! command -v strace >/dev/null; then
    echo "FAIL: strace is needed (Debian package strace)" >&2
    exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

printf 'text to convert\n' >in.txt
printf 'old output\n' >out.txt
# LeakSanitizer cannot run under ptrace; a sanitizer build is traced without it.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
if ! strace -f -qq -o trace.txt -e trace=openat,open,creat,fsync,fdatasync,rename,renameat,renameat2 \
    "$convert" in.txt -o out.txt 2>err.txt; then
    echo "FAIL: the traced conversion failed: $(cat err.txt)" >&2
    exit 1
fi

# The file that was renamed onto out.txt, the descriptor it was opened as, and whether
# that descriptor was synced before the rename.
awk '
    /(open|openat|creat)\(/ && /= [0-9]+$/ {
        if (match($0, /"[^"]*"/)) { name = substr($0, RSTART + 1, RLENGTH - 2); fd = $NF; fdOf[name] = fd; synced[fd] = 0 }
        next
    }
    /f(data)?sync\(/ { if (match($0, /sync\([0-9]+/)) { d = substr($0, RSTART + 5, RLENGTH - 5); synced[d] = 1 } next }
    /rename(at2?)?\(/ && /out\.txt"/ && /= 0$/ {
        if (match($0, /"[^"]*"/)) {
            temp = substr($0, RSTART + 1, RLENGTH - 2)
            sub(/.*\//, "", temp)
            for (name in fdOf) { base = name; sub(/.*\//, "", base); if (base == temp) fd = fdOf[name] }
            renamed = 1
            ok = (fd != "" && synced[fd] == 1)
        }
    }
    END {
        if (!renamed) { print "FAIL: no rename onto out.txt was traced" > "/dev/stderr"; exit 1 }
        if (!ok) { print "FAIL: the temporary file was renamed without an fsync before" > "/dev/stderr"; exit 1 }
    }
' trace.txt || { cat trace.txt >&2; exit 1; }

[ "$(cat out.txt)" != "old output" ] || { echo "FAIL: out.txt was not replaced" >&2; exit 1; }
echo "fsync before rename: ok"
