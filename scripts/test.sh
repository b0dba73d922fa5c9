#!/usr/bin/env bash
# Build the library, tools and tests, and run the whole suite.
#   scripts/test.sh            installs missing Debian packages (as root), builds in build/, runs ctest
# The build is a release build, as shipped (the library built for size and
# optimised at link time); the sanitizer and valgrind runs of
# scripts/hardening.sh build with debug information instead.
# Environment: BUILD_DIR (default build), JOBS (default nproc).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
deps_install "${DEVCAP_BUILD_PACKAGES[@]}" "${DEVCAP_TEST_PACKAGES[@]}"

BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DDEVCAP_BUILD_TESTS=ON
cmake --build "$BUILD_DIR" -j "${JOBS:-$(nproc)}"
ctest --test-dir "$BUILD_DIR" --output-on-failure -j "${JOBS:-$(nproc)}"
