#!/usr/bin/env bash
# Builds Grimhollow with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs the whole test suite on Qt's offscreen platform. Installs whatever
# Debian packages are missing first. A second run is incremental.
# Every test carries its own environment (tests/CMakeLists.txt), so ctest
# in build-test, alone or with -R or -L, runs the same as here.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGH_SANITIZE=ON -DGH_TESTS=ON >/dev/null
cmake --build build-test
cd build-test
# The window fuzz takes many minutes under the sanitizers (each of its matches
# lays its ground and records its orders): no test is cut short before an hour.
ctest --output-on-failure -j"$(nproc)" --timeout 3600
