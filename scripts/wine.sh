# Sourced by the Windows scripts: a wine of our own in build/windows/wine, quiet, without
# the .NET and browser add-ons that a new prefix would offer to fetch.
export WINEPREFIX=${WINEPREFIX:-$PWD/build/windows/wine}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
