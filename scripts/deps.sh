#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when they are missing.
# "windows" adds the mingw-w64 cross compiler, wine and the tools that build SQLite and the
# probing library from Debian's sources; "i386" adds the 32-bit Linux compiler and libraries;
# "package" what makes and checks the packages.
set -euo pipefail
pkgs=(g++ cmake make libgtest-dev libsqlite3-dev libgaviotatb1 libgaviotatb-dev gaviotatb stockfish
      clang libclang-rt-14-dev)
for extra in "$@"; do
  case "$extra" in
    windows) pkgs+=(g++-mingw-w64-i686 libz-mingw-w64-dev wine wine32:i386 tcl dpkg-dev xz-utils) ;;
    i386) pkgs+=(g++-multilib libsqlite3-dev:i386 libgtest-dev:i386 zlib1g:i386) ;;
    package) pkgs+=(dpkg-dev man-db unzip) ;;
    *) echo "deps.sh: unknown set $extra" >&2; exit 2 ;;
  esac
done
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  # The 32-bit packages need the i386 architecture.
  if printf '%s\n' "${missing[@]}" | grep -q ':i386$' && ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}" >/dev/null
fi
