#!/usr/bin/env bash
# Builds a release build of Grimhollow and starts it. Installs whatever
# Debian packages are missing first.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DGH_TESTS=OFF >/dev/null
cmake --build build-release --target grimhollow
exec ./build-release/grimhollow "$@"
