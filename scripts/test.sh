#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
# Paths relative to the checkout, so that the compiler cache serves every clone of it.
export CCACHE_BASEDIR="$PWD"
bash scripts/setup.sh
# The Debian package, which the package test checks.
bash scripts/package.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLON_SANITIZE=ON -DQUILLON_TESTS=ON >/dev/null
cmake --build build-test
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-test --output-on-failure -j2 --timeout 600
