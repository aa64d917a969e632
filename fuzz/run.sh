#!/bin/sh
# Builds the parser fuzz target with clang (libFuzzer, ASan, UBSan) into OUTDIR and runs it for
# SECONDS on the seed corpus. Exits non-zero on any finding: crash, sanitizer report, leak,
# timeout or costly compile.
#   fuzz/run.sh SECONDS OUTDIR
set -eu
if [ $# -ne 2 ]; then
    echo "usage: $0 SECONDS OUTDIR" >&2
    exit 2
fi
seconds=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
CXX=${FUZZ_CXX:-clang++}

mkdir -p "$out/corpus"
"$CXX" -std=c++20 -O1 -g -fno-omit-frame-pointer \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -I "$root/parser" "$here/parser_fuzz.cpp" "$root"/parser/*.cpp -o "$out/parser_fuzz"

# New inputs go to OUTDIR/corpus; the seeds in fuzz/corpus stay as they are.
exec "$out/parser_fuzz" -max_total_time="$seconds" -timeout=10 -max_len=1200 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$out/" \
    "$out/corpus" "$here/corpus"
