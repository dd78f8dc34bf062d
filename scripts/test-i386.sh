#!/usr/bin/env bash
# Builds the engine, the tools and the unit tests for 32-bit Linux (Debian's i386 multiarch
# libraries, gcc -m32) in build/i386 and runs them, then checks bench's node total: the
# fixed widths of keys, records and tables must not depend on the word size.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh i386
b=build/i386
# Debian's probing library cannot be installed for two architectures at once: the i386 one
# is unpacked from its package into the build tree, where the tests find it.
if [ ! -f $b/gaviotatb/usr/lib/libgaviotatb.so.1 ]; then
  mkdir -p $b/gaviotatb
  (cd $b && rm -f libgaviotatb1_*.deb && apt-get download -qq libgaviotatb1:i386 2>/dev/null \
    && dpkg-deb -x libgaviotatb1_*_i386.deb gaviotatb)
fi
export LD_LIBRARY_PATH=$PWD/$b/gaviotatb/usr/lib
cmake --no-warn-unused-cli -S . -B $b -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/linux-i386.cmake >/dev/null
cmake --build $b -j"$(nproc)" >/dev/null
echo "== i386 build"
(cd $b && ctest --output-on-failure -j"$(nproc)")
source scripts/signature.sh
firma_bench "bench 9 (i386)" $b/bench 9
