#!/usr/bin/env bash
# Makes the Debian package from the release build and the Windows zip from the Windows build,
# both into build/packages, and lists what each holds.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh package
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j"$(nproc)" >/dev/null
bash scripts/build-windows.sh >/dev/null
mkdir -p build/packages
rm -f build/packages/*
(cd build/release && cpack -G DEB -B "$PWD/../packages" >/dev/null)
(cd build/windows && cpack -G ZIP -B "$PWD/../packages" >/dev/null)
rm -rf build/packages/_CPack_Packages
cd build/packages
for p in *.deb; do echo "== $p"; dpkg-deb -f "$p" Package Version Architecture Depends; dpkg-deb -c "$p" | awk '{print $6}'; done
for z in *.zip; do echo "== $z"; unzip -l "$z" | awk 'NR > 3 && $4 != "" {print $1, $4}'; done
