#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test, then runs each fuzz program briefly.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
bash tools/build.sh
(cd build && ctest --output-on-failure -j "$(nproc)")

if ls fuzz/*_fuzz.cpp >/dev/null 2>&1; then
  CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZOR_FUZZ=ON -DZOR_TESTS=OFF >/dev/null
  cmake --build build-fuzz -j "$(nproc)" --target zor_fuzzers
  (cd build-fuzz && ctest --output-on-failure -j "$(nproc)" -L fuzz)
fi
