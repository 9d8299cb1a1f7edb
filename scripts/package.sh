#!/usr/bin/env bash
# Builds the Debian package in a build directory of its own: the optimised
# build the tests run (stripped by CPack), no tests, and the launcher in
# /usr/games as Debian wants for games. Prints the package's path last.
# Usage: package.sh [BUILD_DIR]   (default: build-package in the checkout)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$root/build-package}
bash "$root/scripts/deps.sh"
cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DJADELOOM_TESTS=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games >/dev/null
cmake --build "$dir" -j"$(nproc)"
rm -f "$dir"/jadeloom_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
ls "$dir"/jadeloom_*.deb
