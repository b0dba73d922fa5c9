#!/usr/bin/env bash
# Build the devcap tool if needed and run it.
#   scripts/devcap.sh dump --root examples/rootfs     (these are the defaults)
#   scripts/devcap.sh lint --root examples/rootfs
#   scripts/devcap.sh get --root examples/rootfs AlarmInWithGpio 2
# On a Debian or Ubuntu machine it first installs what is missing (cmake,
# ninja-build, g++, pkg-config and the libraries: DEVCAP_BUILD_PACKAGES in
# scripts/deps.sh; as root). Environment:
# BUILD_DIR (default build-devcap, inside the checkout), JOBS (default nproc).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/scripts/deps.sh"
deps_install "${DEVCAP_BUILD_PACKAGES[@]}"

build=${BUILD_DIR:-$top/build-devcap}
case $build in /*) ;; *) build=$top/$build ;; esac
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DDEVCAP_BUILD_TESTS=OFF -DDEVCAP_BUILD_TOOLS=ON >&2
fi
cmake --build "$build" --target devcap_tool -j "${JOBS:-$(nproc)}" >&2

if [ $# -eq 0 ]; then
    # Run from anywhere: the example tree of this checkout.
    set -- dump --root "$top/examples/rootfs"
fi
exec "$build/tools/devcap" "$@"
