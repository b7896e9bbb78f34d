#!/usr/bin/env bash
# Sets up, builds and runs every test: the normal build, then a build with the
# address and undefined-behaviour sanitizers (clang) that also runs the fuzzers
# for a short fixed time.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
jobs=$(nproc)

"$root/scripts/build.sh" build
ctest --test-dir "$root/build" --output-on-failure -j "$jobs"

"$root/scripts/build.sh" build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DVELLUMAR_SANITIZE=ON -DVELLUMAR_FUZZ=ON -DVELLUMAR_BENCH=OFF
ctest --test-dir "$root/build-asan" --output-on-failure -j "$jobs"
