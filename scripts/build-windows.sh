#!/usr/bin/env bash
# Builds the 32-bit Windows programs with mingw-w64 in build/windows: vantor.exe,
# vantor-book.exe, bench.exe, perft_suite.exe and the default Book.db, with SQLite linked
# statically, and gtbprobe_x86.dll for the tests. SQLite and the probing library are built
# from Debian's source packages, fetched into build/windows/src.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh windows
raiz=$PWD
salida=$raiz/build/windows
fuentes=$salida/src
deps=$salida/deps
mkdir -p "$fuentes" "$deps/include" "$deps/lib"
source scripts/wine.sh

# Source packages need a deb-src entry: the machine's Debian mirror and main suite.
if ! apt-get indextargets --format '$(TARGET_OF)' | grep -qx deb-src; then
  read -r uri suite < <(apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(TARGET_OF)' \
    | awk '$3 == "deb" && $1 ~ /debian\/$/ && $2 !~ /-/ {print $1, $2; exit}')
  printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: main\nSigned-By: %s\n' "$uri" "$suite" \
    /usr/share/keyrings/debian-archive-keyring.gpg > /etc/apt/sources.list.d/vantor-src.sources
  apt-get update -qq
fi

# SQLite: the amalgamation made from the source tree, compiled as a static library.
if [ ! -f "$deps/lib/libsqlite3.a" ]; then
  (cd "$fuentes" && rm -rf sqlite3-* && apt-get source -qq sqlite3 2>/dev/null >/dev/null)
  arbol=$(find "$fuentes" -maxdepth 1 -type d -name 'sqlite3-*' | head -1)
  mkdir -p "$arbol/amalgama"
  (cd "$arbol/amalgama" && ../configure --disable-tcl >/dev/null && make -s sqlite3.c >/dev/null)
  i686-w64-mingw32-gcc -O2 -msse2 -mfpmath=sse -DSQLITE_THREADSAFE=0 -DSQLITE_OMIT_LOAD_EXTENSION \
    -c "$arbol/amalgama/sqlite3.c" -o "$deps/sqlite3.o"
  i686-w64-mingw32-ar rcs "$deps/lib/libsqlite3.a" "$deps/sqlite3.o"
  cp "$arbol/amalgama/sqlite3.h" "$deps/include/"
  # SQLite's public-domain notice, for the Windows package.
  { echo "SQLite $(cat "$arbol/VERSION"), linked into the .exe files:"; echo; cat "$arbol/LICENSE.md"; } \
    > "$deps/SQLITE-LICENSE.txt"
fi

# The tablebase probing library as gtbprobe_x86.dll (the Debian archive has no patches
# for it here, so the upstream tarball), with zlib from mingw-w64's package.
if [ ! -f "$deps/gtbprobe_x86.dll" ]; then
  (cd "$fuentes" && rm -rf gaviotatb-* && apt-get source -qq --tar-only gaviotatb 2>/dev/null >/dev/null \
    && tar xzf gaviotatb_*.orig.tar.gz)
  g=$(find "$fuentes" -maxdepth 1 -type d -name 'gaviotatb-*' | head -1)
  (cd "$g" && i686-w64-mingw32-gcc -O2 -msse2 -shared -DMINGW -Isysport -Icompression \
    -Icompression/liblzf -Icompression/lzma -Icompression/huffman \
    gtb-probe.c gtb-dec.c gtb-att.c sysport/sysport.c compression/wrap.c compression/huffman/hzip.c \
    compression/lzma/LzmaEnc.c compression/lzma/LzmaDec.c compression/lzma/Alloc.c \
    compression/lzma/LzFind.c compression/lzma/Lzma86Enc.c compression/lzma/Lzma86Dec.c \
    compression/lzma/Bra86.c compression/liblzf/lzf_c.c compression/liblzf/lzf_d.c \
    -static-libgcc -Wl,-Bstatic -lz -o "$deps/gtbprobe_x86.dll" 2>/dev/null)
fi

cmake --no-warn-unused-cli -S . -B "$salida" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
  -DVANTOR_TESTS=OFF -DSQLite3_INCLUDE_DIR="$deps/include" \
  -DSQLite3_LIBRARY="$deps/lib/libsqlite3.a" -DVANTOR_SQLITE_LICENCIA="$deps/SQLITE-LICENSE.txt" >/dev/null
cmake --build "$salida" -j"$(nproc)"
cp "$deps/gtbprobe_x86.dll" "$salida/"
