#!/usr/bin/env bash
# Optional fastest build: the release build trained on the bench and a perft run
# (profile-guided optimisation), in build/pgo. Extra arguments go to CMake, for example
# -DVANTOR_MARCH=native for a build that only runs on this kind of processor.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
source scripts/signature.sh
jobs=$(nproc)
dir=build/pgo
rm -rf "$dir/profile"
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DVANTOR_TESTS=OFF -DVANTOR_PGO=generate \
  -DVANTOR_PGO_DIR="$PWD/$dir/profile" "$@" >/dev/null
cmake --build "$dir" -j"$jobs"
echo "== training"
"$dir"/bench 9 | grep "Nodes searched"
printf 'position startpos\nperft 5\nposition fen r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1\nperft 4\nquit\n' | "$dir"/vantor | grep "Nodos"
cmake -S . -B "$dir" -DVANTOR_PGO=use >/dev/null
cmake --build "$dir" -j"$jobs"
echo "== trained build in $dir"
# Training must not change the search: the trained build keeps the recorded signature.
firma_bench "bench 9" "$dir"/bench 9
