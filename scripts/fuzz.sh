#!/usr/bin/env bash
# Builds the sequence file reader's fuzz target with clang and runs it for the
# given number of seconds (default 60). Exits non-zero on any finding.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
cd "$here"
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DVANTOR_FUZZ=ON -DVANTOR_BUILD_TESTS=OFF \
    -DVANTOR_BUILD_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_WERROR=ON
cmake --build build-fuzz --target fuzz_sequence_file -j"$(nproc)"
mkdir -p build-fuzz/corpus
build-fuzz/bin/fuzz_sequence_file -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    build-fuzz/corpus fuzz/seeds data/examples
