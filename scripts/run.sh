#!/usr/bin/env bash
# Installs what is missing, builds the engine and starts it (UCI on stdin/stdout).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh >&2
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVANTOR_TESTS=OFF >/dev/null
cmake --build build/release --target vantor book_db -j"$(nproc)" >&2
# Started where the default Book.db was built, so that OwnBook finds it.
cd build/release && exec ./vantor
