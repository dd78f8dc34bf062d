#!/usr/bin/env bash
# Tests the 32-bit Windows build under wine. The transcript tests of the Linux test binary
# run against vantor.exe through launcher.exe, a Windows program that gives the engine real
# Windows pipes (a pipe made on the Linux side is not one for PeekNamedPipe); the engine's
# CR LF line ends read as newlines. Then the perft and book commands, bench.exe's node total
# and perft_suite.exe's counts.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build-windows.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target vantor_tests -j"$(nproc)" >/dev/null
source scripts/wine.sh
source scripts/signature.sh
w=build/windows
export VANTOR_MOTOR="wine $PWD/$w/launcher.exe $(winepath -w $w/vantor.exe | tr '\\' /)"
# One server for the many short runs, ended with everything it still runs.
wineserver -p 2>/dev/null || true
trap 'wineserver -k' EXIT
falla() { echo "$1"; exit 1; }

echo "== Windows transcripts"
build/release/vantor_tests --gtest_filter='BucleComandos.*:SetOption.*:BusquedaUci.*:Libro.*:HerramientaLibro.*:CargaTablas.*'

echo "== Windows perft and book commands"
kiwipete="r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1"
salida=$(cd $w && printf 'position fen %s\nperft 3\nbook\nquit\n' "$kiwipete" | $VANTOR_MOTOR | tr -d '\r')
grep -qx 'Nodos: 97862' <<<"$salida" && grep -qx 'Libro de apertura correcto.' <<<"$salida" \
  || falla "$salida"
echo "perft 3 and book: ok"

echo "== bench.exe"
(cd $w && firma_bench "bench 9" wine bench.exe 9)

echo "== perft_suite.exe"
suite=$(cd $w && wine perft_suite.exe | tr -d '\r')
echo "$suite"
[ "$(grep -c ' leaves ' <<<"$suite")" = 2 ] && ! grep -q WRONG <<<"$suite" || falla "perft counts differ"
