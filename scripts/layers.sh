#!/usr/bin/env bash
# Fails when a folder of src/ includes a header of a folder above it. The layers, lowest first:
# a folder may include its own headers and those of the folders before it.
set -euo pipefail
cd "$(dirname "$0")/.."
capas=(platform board tablebase endgame eval search book uci)
rango() { local i; for i in "${!capas[@]}"; do [ "${capas[$i]}" = "$1" ] && { echo "$i"; return; }; done; echo 99; }
fallos=0
for carpeta in "${capas[@]}"; do
  propio=$(rango "$carpeta")
  usadas=$(grep -ho '#include "[a-z]*/' src/"$carpeta"/*.cpp src/"$carpeta"/*.h 2>/dev/null |
           sed 's|#include "||; s|/||' | sort -u | grep -vx "$carpeta" | tr '\n' ' ' || true)
  echo "$carpeta -> ${usadas:-(nothing)}"
  for u in $usadas; do
    if [ "$(rango "$u")" -ge "$propio" ]; then
      echo "  $carpeta includes $u, which is not below it:"
      grep -n "#include \"$u/" src/"$carpeta"/*.cpp src/"$carpeta"/*.h | sed 's/^/    /'
      fallos=1
    fi
  done
done
exit $fallos
