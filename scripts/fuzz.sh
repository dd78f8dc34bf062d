#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer) and
# runs each for a bounded time, seeded from tests/fuzz/corpus. Usage: scripts/fuzz.sh [seconds
# per target] [target ...]. A finding stops the run with its input under build/fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
segundos=${1:-30}
shift || true
cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVANTOR_FUZZ=ON -DVANTOR_TESTS=OFF >/dev/null
objetivos=("$@")
[ ${#objetivos[@]} -gt 0 ] || objetivos=($(ls tests/fuzz/corpus))
cmake --build build/fuzz -j"$(nproc)" --target "${objetivos[@]/#/fuzz_}" >/dev/null
mkdir -p build/fuzz/findings
export LSAN_OPTIONS=suppressions=$root/tests/fuzz/lsan.supp
for t in "${objetivos[@]}"; do
  # New corpus entries and the files the engine writes (Book.db, path tests) stay in scratch.
  trabajo=$(mktemp -d)
  mkdir -p "$trabajo/corpus"
  echo "== fuzz $t for ${segundos}s"
  (cd "$trabajo" && "$root/build/fuzz/fuzz_$t" -max_total_time="$segundos" -timeout=20 \
     -rss_limit_mb=2560 -print_final_stats=1 -artifact_prefix="$root/build/fuzz/findings/$t-" \
     "$trabajo/corpus" "$root/tests/fuzz/corpus/$t" 2>&1) | grep -E '^#[0-9]+ +DONE|stat::|ERROR|SUMMARY|Test unit written' || true
  rm -rf "$trabajo"
  if ls build/fuzz/findings/"$t"-* >/dev/null 2>&1; then
    echo "fuzz $t: finding saved in build/fuzz/findings"; exit 1
  fi
done
