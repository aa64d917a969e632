#!/bin/sh
# Builds a fuzz target with clang (libFuzzer, ASan, UBSan) into OUTDIR and runs it for SECONDS on
# its seed corpus. Exits non-zero on any finding: crash, sanitizer report, leak, timeout or, for
# the parser, costly compile; for the work file, a round trip that does not come back.
#   fuzz/run.sh TARGET SECONDS OUTDIR
# TARGET is parser (the expression parser) or work_file (the reader and writer of .literon files).
set -eu
if [ $# -ne 3 ]; then
    echo "usage: $0 parser|work_file SECONDS OUTDIR" >&2
    exit 2
fi
target=$1
seconds=$2
out=$3
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
CXX=${FUZZ_CXX:-clang++}

# Each target: its sources (kept as the arguments, which are read by now), its include folder,
# its seeds, and the longest input worth trying: a formula is at most 1000 characters, and 4 KiB
# of a work file holds its header and a few dozen graphs.
case $target in
    parser)
        set -- "$here/parser_fuzz.cpp" "$root"/parser/*.cpp
        include=$root/parser
        seeds=$here/corpus
        max_len=1200
        ;;
    work_file)
        set -- "$here/work_file_fuzz.cpp" "$root/work/WorkFile.cpp"
        include=$root/work
        seeds=$here/work-corpus
        max_len=4096
        ;;
    *)
        echo "$0: unknown target '$target' (parser or work_file)" >&2
        exit 2
        ;;
esac

mkdir -p "$out/corpus"
"$CXX" -std=c++20 -O1 -g -fno-omit-frame-pointer \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -I "$include" "$@" -o "$out/${target}_fuzz"

# New inputs go to OUTDIR/corpus; the seeds stay as they are.
exec "$out/${target}_fuzz" -max_total_time="$seconds" -timeout=10 -max_len="$max_len" \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$out/" \
    "$out/corpus" "$seeds"
