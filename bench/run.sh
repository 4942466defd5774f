#!/usr/bin/env bash
# Measures the built program against a plain C stdio version of the same
# dialogue (reference.c), built by CMake in the same build folder, with the
# same compiler and the same hardening:
#   - user-space instructions of a scripted full dialogue (valgrind's callgrind),
#   - peak resident memory of that dialogue and of long garbage input
#     (/usr/bin/time), which must stay flat as the input grows,
#   - wall time for 2,000,000 garbage characters at the region menu.
# The program must stay within 10% of the reference on instructions and
# within 15% on memory and time; the script exits 1 when it does not.
#
# Usage: bench/run.sh [build folder]   (default: build); needs valgrind and
# /usr/bin/time (Debian's packages valgrind and time)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
folder=$(realpath "${1:-$here/../build}")
cmake --build "$folder" --target meal-recommender bench-reference >/dev/null
program=$folder/meal-recommender
reference=$folder/bench-reference
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf '2\n3\n\n' >"$work/dialogue"
head -c 2000000 /dev/zero | tr '\0' x >"$work/garbage"
head -c 20000000 /dev/zero | tr '\0' x >"$work/garbage-large"

instructions() {
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$1" <"$work/dialogue" 2>&1 >/dev/null |
        sed -n 's/.*Collected : //p'
}

peak_kib() {
    /usr/bin/time -f %M "$1" <"$2" 2>&1 >/dev/null | tail -n 1
}

# The best of five runs, in milliseconds, so that a busy moment doesn't count.
garbage_ms() {
    local best=
    for _ in 1 2 3 4 5; do
        local start end
        start=$(date +%s%N)
        "$1" <"$work/garbage" >/dev/null
        end=$(date +%s%N)
        local ms=$(((end - start) / 1000000))
        if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
    done
    echo "$best"
}

failed=0
# compare NAME OURS REFERENCE PERCENT UNIT
compare() {
    local limit=$(($3 * (100 + $4) / 100)) verdict=ok
    if [ "$2" -gt "$limit" ]; then
        verdict="OVER (limit $limit)"
        failed=1
    fi
    printf '%-34s %12s %12s %-5s %s\n' "$1" "$2" "$3" "$5" "$verdict"
}

# Start-up stays that of a C program only while no C++ run-time library is
# loaded.
needed=$(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' | tr '\n' ' ')
echo "libraries loaded at start-up: $needed"
case "$needed" in
*libstdc++* | *libc++* | *libgcc_s*)
    echo "a C++ run-time library is loaded"
    failed=1
    ;;
esac

printf '%-34s %12s %12s %-5s %s\n' measure program reference unit verdict
compare "instructions, full dialogue" "$(instructions "$program")" \
    "$(instructions "$reference")" 10 Ir
compare "peak memory, full dialogue" "$(peak_kib "$program" "$work/dialogue")" \
    "$(peak_kib "$reference" "$work/dialogue")" 15 KiB
compare "peak memory, 2,000,000 garbage" "$(peak_kib "$program" "$work/garbage")" \
    "$(peak_kib "$reference" "$work/garbage")" 15 KiB
compare "peak memory, 20,000,000 garbage" "$(peak_kib "$program" "$work/garbage-large")" \
    "$(peak_kib "$reference" "$work/garbage-large")" 15 KiB
compare "time, 2,000,000 garbage" "$(garbage_ms "$program")" \
    "$(garbage_ms "$reference")" 15 ms
exit "$failed"
