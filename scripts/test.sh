#!/usr/bin/env bash
# Installs what is missing, builds the release and the sanitizer builds and runs every test,
# then runs each fuzz target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs=$(nproc)
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j"$jobs"
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_SANITIZE=ON >/dev/null
cmake --build build/sanitize -j"$jobs"
echo "== release build"
(cd build/release && ctest --output-on-failure -j"$jobs")
echo "== sanitizer build"
(cd build/sanitize && ctest --output-on-failure -j"$jobs")
# The bench node total is a signature of search and evaluation: both builds must agree.
echo "== bench signature"
source scripts/signature.sh
rel=$(nodos_bench build/release/bench 7)
san=$(nodos_bench build/sanitize/bench 7)
echo "release $rel, sanitizer $san"
[ -n "$rel" ] && [ "$rel" = "$san" ] || { echo "bench signatures differ"; exit 1; }
# A change meant to keep the search must keep the depth-9 total recorded with the tests.
firma_bench "bench 9" build/release/bench 9
echo "== fuzzing"
bash scripts/fuzz.sh 30
