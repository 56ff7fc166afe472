#!/usr/bin/env bash
# Builds the release build and the Debian package build-pkg/quillon_<version>_amd64.deb.
# Install it with: sudo apt install ./build-pkg/quillon_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
# Paths relative to the checkout, so that the compiler cache serves every clone of it.
export CCACHE_BASEDIR="$PWD"
bash scripts/setup.sh
cmake -S . -B build-pkg -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLON_TESTS=OFF \
      -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build build-pkg
rm -f build-pkg/quillon_*.deb
(cd build-pkg && cpack -G DEB >/dev/null)
ls build-pkg/quillon_*.deb
