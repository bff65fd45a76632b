#!/bin/sh
# Runs every fuzz target of BUILD_DIR (bin/fuzz_<name>) for SECONDS on a copy of its seed
# corpus fuzz/corpus/<name>, inside BUILD_DIR/fuzz-run, so nothing is written into the
# source tree. Fails when a target is missing or reports a crash, leak or timeout; the
# input that caused it is left in BUILD_DIR/fuzz-run/<name>/artifacts.
#
#   sh scripts/run-fuzzers.sh BUILD_DIR SECONDS
set -u

if [ $# -ne 2 ]; then
    echo "usage: $0 BUILD_DIR SECONDS" >&2
    exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd) || exit 2
seconds=$2

status=0
found=0
for exe in "$build"/bin/fuzz_*; do
    [ -x "$exe" ] || continue
    found=1
    name=${exe##*/fuzz_}
    work="$build/fuzz-run/$name"
    rm -rf "$work"
    mkdir -p "$work/corpus" "$work/artifacts"
    if [ -d "$root/fuzz/corpus/$name" ]; then
        cp "$root/fuzz/corpus/$name"/* "$work/corpus/" 2>/dev/null
    fi
    printf 'fuzz %-16s %ss ... ' "$name" "$seconds"
    if (cd "$work" && "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
            -print_final_stats=1 -artifact_prefix=artifacts/ corpus >log.txt 2>&1); then
        echo "ok ($(grep -o 'stat::number_of_executed_units: *[0-9]*' "$work/log.txt" | grep -o '[0-9]*$') runs)"
    else
        echo "FAILED"
        tail -n 40 "$work/log.txt"
        ls "$work/artifacts"
        status=1
    fi
done

if [ "$found" -eq 0 ]; then
    echo "no fuzz targets in $build/bin" >&2
    exit 1
fi
exit $status
