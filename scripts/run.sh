#!/usr/bin/env bash
# Builds Quillon (release build) and starts it. Extra arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
# Paths relative to the checkout, so that the compiler cache serves every clone of it.
export CCACHE_BASEDIR="$PWD"
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLON_TESTS=OFF >/dev/null
cmake --build build --target quillon
exec ./build/quillon "$@"
