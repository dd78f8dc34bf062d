#!/usr/bin/env bash
# Installs the Debian package made by scripts/package.sh with dpkg, plays a short UCI session
# with the installed engine in the default book's directory, shows its man page, and removes
# the package again.
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(ls build/packages/vantor_*.deb)
dpkg -i "$deb" >/dev/null
trap 'dpkg -r vantor >/dev/null' EXIT
falla() { echo "$1"; exit 1; }
salida=$(cd /usr/share/games/vantor && printf '%s\n' uci "setoption name OwnBook value true" \
  isready "position startpos" "go depth 5" "position fen 8/8/8/4k3/8/8/8/3QK3 w - - 0 1" \
  "go depth 5" quit | /usr/games/vantor)
for l in uciok readyok "info string Libro de aperturas."; do
  grep -qx "$l" <<<"$salida" || falla "no \"$l\" from /usr/games/vantor: $salida"
done
[ "$(grep -c '^bestmove ' <<<"$salida")" = 2 ] || falla "$salida"
echo "/usr/games/vantor: uciok, readyok, a book move and a searched move"
MANPAGER=cat man 6 vantor | grep -q 'vantor - UCI chess engine' || falla "man 6 vantor"
MANPAGER=cat man 6 vantor-book | grep -q 'vantor-book - build an opening book' || falla "man 6 vantor-book"
echo "man 6 vantor, man 6 vantor-book: ok"
