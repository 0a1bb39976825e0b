#!/usr/bin/env bash
# Sets up the machine, builds with warnings as errors, and runs every test.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh"
BUILD_DIR=${BUILD_DIR:-$here/build} "$here/scripts/build.sh" -DVANTOR_BUILD_TESTS=ON "$@"
cd "${BUILD_DIR:-$here/build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --no-tests=error -j"$(nproc)"
