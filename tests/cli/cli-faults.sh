#!/usr/bin/env bash
# pirtok-convert under a hostile shell: signals with and without nohup, closed standard
# descriptors, -o /dev/stdout, a full device and a file-size limit. Every case ends with
# the old output file untouched and no temporary left behind, or with all output written.
# Usage: cli-faults.sh path/to/pirtok-convert
set -u
set -m # background jobs keep SIGINT and SIGQUIT as they are, as from a terminal
convert=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
ulimit -c 0 # SIGQUIT would leave a core file
passed=0
failed=0

check() { # check NAME CONDITION...
    local name=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: $name" >&2
    fi
}
no_temporary() { ! compgen -G '.*.pirtok-*' >/dev/null; }
holds() { [ "$(cat "$1" 2>/dev/null)" = "$2" ]; }
wait_for_temporary() {
    for _ in $(seq 100); do
        no_temporary || return 0
        sleep 0.05
    done
    return 1
}

# Links of our own, made as /dev/stdout and /dev/stderr are: a converter that wrongly
# renamed over the file behind the link then replaces a link in this folder, never the
# system's /dev/stdout (the tests may run as root).
ln -s /proc/self/fd/1 stdout
ln -s /proc/self/fd/2 stderr

printf 'abc \xd8\xa9\n' >in.txt
converted=$(printf 'abc \xdb\x95')

# -o /dev/stdout writes into standard output, after and before what others write there.
{ echo header; "$convert" in.txt -o stdout; echo footer; } >report.txt
check "-o /dev/stdout keeps the rest of the file" holds report.txt "$(printf 'header\n%s\nfooter' "$converted")"
"$convert" in.txt -o stderr 2>err.txt >/dev/null
check "-o /dev/stderr" holds err.txt "$converted"

# A signal ends the run: the old output stays, the temporary goes.
# signal_case NAME SIGNAL EXPECT(dies|finishes) PREFIX...
signal_case() {
    local name=$1 signal=$2 expect=$3
    shift 3
    rm -f fifo && mkfifo fifo
    printf precious >out.txt
    exec 3<>fifo
    "$@" "$convert" -o out.txt <fifo >/dev/null 2>&1 3>&- &
    local pid=$!
    check "$name: run under way" wait_for_temporary
    kill -s "$signal" "$pid"
    sleep 0.2
    printf 'abc\n' >&3
    exec 3>&-
    wait "$pid"
    local status=$?
    if [ "$expect" = dies ]; then
        check "$name: ends the run" [ "$status" -gt 128 ]
        check "$name: old output kept" holds out.txt precious
    else
        check "$name: run goes on" [ "$status" -eq 0 ]
        check "$name: output written" holds out.txt abc
    fi
    check "$name: no temporary left" no_temporary
}
ignoring() { # runs the rest with the signal $1 ignored
    local signal=$1
    shift
    trap '' "$signal"
    exec "$@"
}
signal_case "SIGHUP" HUP dies env
signal_case "SIGHUP under nohup" HUP finishes nohup
signal_case "SIGINT" INT dies env
signal_case "SIGINT ignored by the caller" INT finishes ignoring INT
signal_case "SIGTERM" TERM dies env
signal_case "SIGQUIT" QUIT dies env

# A file-size limit: SIGXFSZ ends the run, or the write fails when the signal is ignored.
head -c 300000 /dev/zero | tr '\0' a >big.txt
printf precious >out.txt
(ulimit -f 100 && exec "$convert" big.txt -o out.txt 2>/dev/null)
check "file-size limit ends the run" [ $? -gt 128 ]
check "file-size limit: old output kept" holds out.txt precious
check "file-size limit: no temporary left" no_temporary
(ulimit -f 100 && trap '' XFSZ && exec "$convert" big.txt -o out.txt 2>err.txt)
check "file-size limit, SIGXFSZ ignored: an error" [ $? -eq 1 ]
check "file-size limit, SIGXFSZ ignored: said so" grep -q "cannot write" err.txt
check "file-size limit, SIGXFSZ ignored: old output kept" holds out.txt precious
check "file-size limit, SIGXFSZ ignored: no temporary left" no_temporary

# Closed standard descriptors: never taken for the program's own files.
printf precious >out.txt
"$convert" -o out.txt <&- 2>err.txt
check "closed standard input is an error" [ $? -eq 1 ]
check "closed standard input: said so" grep -q "standard input: cannot read" err.txt
check "closed standard input: old output kept" holds out.txt precious
check "closed standard input: no temporary left" no_temporary
"$convert" in.txt >&- 2>err.txt
check "closed standard output is an error" [ $? -eq 1 ]
check "closed standard output: said so" grep -q "standard output: cannot write" err.txt
"$convert" in.txt -o stdout >&- 2>err.txt
check "-o /dev/stdout closed is an error" [ $? -eq 1 ]
"$convert" in.txt -o out.txt >&- 2>&-
check "closed standard output and error, -o given" [ $? -eq 0 ]
check "closed standard output and error: written" holds out.txt "$converted"
"$convert" --help >&- 2>/dev/null
check "--help into a closed standard output is an error" [ $? -eq 1 ]

# A full device.
"$convert" in.txt >/dev/full 2>err.txt
check "full standard output is an error" [ $? -eq 1 ]
check "full standard output: said so" grep -q "standard output: byte offset 0: cannot write" err.txt
"$convert" in.txt -o /dev/full 2>err.txt
check "-o /dev/full is an error" [ $? -eq 1 ]

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
