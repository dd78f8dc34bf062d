# Sourced by the test scripts, from the top of the tree: bench's node total, and the check of
# the depth-9 total against the one recorded with the tests.
nodos_bench() { "$@" | tr -d '\r' | awk '/Nodes searched/ {print $4}'; }

# firma_bench ETIQUETA BENCH...: runs the bench command (depth 9), prints its total beside the
# recorded one and fails when they differ.
firma_esperada=$(tr -d '[:space:]' < tests/bench_signature.txt)
firma_bench() {
  local etiqueta=$1 firma
  shift
  firma=$(nodos_bench "$@")
  echo "$etiqueta: $firma, recorded $firma_esperada"
  [ "$firma" = "$firma_esperada" ] || { echo "bench signature differs from tests/bench_signature.txt"; return 1; }
}
