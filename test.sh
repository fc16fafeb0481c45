#!/usr/bin/env bash
# Builds Grimhollow with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs the whole test suite on Qt's offscreen platform. Installs whatever
# Debian packages are missing first. A second run is incremental.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGH_SANITIZE=ON -DGH_TESTS=ON >/dev/null
cmake --build build-test
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp":print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build-test
ctest --output-on-failure -j"$(nproc)"
