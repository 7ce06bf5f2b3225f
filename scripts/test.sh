#!/usr/bin/env bash
# The whole test suite: packages, sanitizer build, formatting check, every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/check-format.sh
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKX40_SANITIZE=ON -DKX40_BENCH=ON
cmake --build build-asan
cd build-asan
ctest --output-on-failure --timeout 300 -j2
