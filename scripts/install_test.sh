#!/usr/bin/env bash
# The library and the tool the way their users get them, end to end:
#
#   scripts/install_test.sh native    the README's Install steps, installed into a
#                                     prefix chosen at install time: the tool runs
#                                     from there, its completion works, and the
#                                     consumer example builds against the install
#                                     with CMake and with pkg-config and runs
#   scripts/install_test.sh packages  the Debian packages (cpack), checked by
#                                     lintian (no errors) and unpacked: the consumer
#                                     builds against the -dev package, the tool runs
#   scripts/install_test.sh arm64     the library cross-built for AArch64, staged
#                                     into a sysroot (DESTDIR); the consumer
#                                     cross-built against it with pkg-config
#                                     (PKG_CONFIG_SYSROOT_DIR) and run under qemu
#   scripts/install_test.sh [all]     the three, in that order
#
# Builds in build-install/, build-deb/ and build-install-arm64/ (INSTALL_BUILD_DIR,
# DEB_BUILD_DIR, ARM64_INSTALL_BUILD_DIR); installs only into a temporary
# directory. Installs the Debian packages it needs (as root). JOBS (default nproc).
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
. scripts/deps.sh

JOBS=${JOBS:-$(nproc)}
BASE_PACKAGES=("${DEVCAP_BUILD_PACKAGES[@]}" make)
EXAMPLES=$top/examples/rootfs

log() { echo "=== install test: $*" >&2; }
fail() {
    echo "install test FAILED: $*" >&2
    exit 1
}
# expect_output WHAT PATTERN COMMAND...: the command succeeds and prints PATTERN.
expect_output() {
    local what=$1 pattern=$2 out
    shift 2
    out=$("$@" 2>&1) || fail "$what: exit $? from $*"$'\n'"$out"
    grep -q -- "$pattern" <<<"$out" || fail "$what: no '$pattern' in the output of $*"$'\n'"$out"
}

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# The consumer example against one installation: CMake with find_package,
# then the Makefile with pkg-config. ROOT is where the installation's /usr or
# prefix lies for the loader.
consumer_native() {  # LABEL CMAKE_PREFIX PKG_CONFIG_DIR LIBDIR [PKG_CONFIG_SYSROOT_DIR]
    local label=$1 prefix=$2 pcdir=$3 libdir=$4 sysroot=${5:-}
    local out=$WORK/consumer-$label
    cmake -S examples/consumer -B "$out/cmake" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
    cmake --build "$out/cmake" >/dev/null
    # CMake gives the program the run path of the imported library.
    expect_output "$label: consumer built with CMake" "device name      IPC-BOX-8M" \
        "$out/cmake/consumer" "$EXAMPLES" IPC-BOX-8M
    mkdir -p "$out/make"
    env PKG_CONFIG_PATH="$pcdir" ${sysroot:+PKG_CONFIG_SYSROOT_DIR="$sysroot"} make -s -C "$out/make" \
        -f "$top/examples/consumer/Makefile" >/dev/null
    expect_output "$label: consumer built with pkg-config" "alarm inputs     4, GPIOs 24 25 26 27" \
        env LD_LIBRARY_PATH="$libdir" "$out/make/consumer" "$EXAMPLES" IPC-BOX-8M
}

# The installed tool: it loads the library installed beside it, answers, and
# its bash completion (as installed) completes from it.
tool_installed() {  # LABEL BIN COMPLETION LIBDIR
    local label=$1 bin=$2 completion=$3 libdir=$4
    expect_output "$label: devcap --version" "^libdevcap [0-9.]* ($libdir/libdevcap.so" "$bin" --version
    expect_output "$label: devcap get" "^Box (2)$" "$bin" get --root "$EXAMPLES" --device IPC-BOX-8M CameraType
    expect_output "$label: devcap dump" "start-up: ok (0)" "$bin" dump --root "$EXAMPLES"
    if readelf -d "$bin" | grep -q 'NEEDED.*devcap_host'; then fail "$label: the tool needs a stand-in platform library"; fi
    [ -f "$completion" ] || fail "$label: no bash completion at $completion"
    expect_output "$label: completion" "^AlarmInWithGpioMul$" bash -c '
        source "$1"; COMP_WORDS=("$2" get AlarmInWith); COMP_CWORD=2; _devcap
        printf "%s\n" "${COMPREPLY[@]}"' _ "$completion" "$bin"
}

run_native() {
    deps_install "${BASE_PACKAGES[@]}"
    local dir=${INSTALL_BUILD_DIR:-build-install} prefix=$WORK/prefix
    log "the README's install steps in $dir, installed into $prefix"
    # As in the README's Install section; the prefix is chosen at install time.
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DDEVCAP_BUILD_TESTS=OFF >/dev/null
    cmake --build "$dir" -j "$JOBS" >/dev/null
    cmake --install "$dir" --prefix "$prefix" >/dev/null
    local libdir
    libdir=$(dirname "$(find "$prefix" -name 'libdevcap.so.*.*' | head -n 1)")
    [ -f "$libdir/pkgconfig/devcap.pc" ] || fail "no devcap.pc beside the library in $libdir"
    [ "$(PKG_CONFIG_PATH=$libdir/pkgconfig pkg-config --variable=prefix devcap)" = "$prefix" ] ||
        fail "devcap.pc does not name the prefix $prefix"
    tool_installed native "$prefix/bin/devcap" "$prefix/share/bash-completion/completions/devcap" "$libdir"
    consumer_native native "$prefix" "$libdir/pkgconfig" "$libdir"
    log "native install: ok"
}

run_packages() {
    # file: CPack runs it to find the ELF files dpkg-shlibdeps is given.
    deps_install "${BASE_PACKAGES[@]}" dpkg-dev file lintian
    local dir=${DEB_BUILD_DIR:-build-deb} debs=$WORK/debs root=$WORK/unpacked
    log "Debian packages from $dir"
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
        -DDEVCAP_BUILD_TESTS=OFF >/dev/null
    cmake --build "$dir" -j "$JOBS" >/dev/null
    (cd "$dir" && cpack -G DEB -B "$debs" >/dev/null)
    local deb
    for deb in "$debs"/*.deb; do
        echo "  $(basename "$deb"): $(dpkg-deb -f "$deb" Depends)" >&2
        dpkg-deb -x "$deb" "$root"
    done
    # Warnings are shown; an error fails.
    lintian --fail-on error "$debs"/*.deb >&2 || fail "lintian found errors"
    local multiarch libdir
    multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
    libdir=$root/usr/lib/$multiarch
    dpkg-deb -e "$debs/libdevcap1_"*.deb "$WORK/control"
    grep -q '^ CAP_CapInit@Base ' "$WORK/control/symbols" || fail "libdevcap1 has no symbols file"
    tool_installed packages "$root/usr/bin/devcap" "$root/usr/share/bash-completion/completions/devcap" "$libdir"
    # The -dev package's files name /usr: the unpacked tree stands in as the sysroot.
    consumer_native packages "$root/usr" "$libdir/pkgconfig" "$libdir" "$root"
    log "packages: ok"
}

run_arm64() {
    deps_enable_arch arm64
    deps_install "${BASE_PACKAGES[@]}" g++-aarch64-linux-gnu qemu-user libjson-c-dev:arm64
    local dir=${ARM64_INSTALL_BUILD_DIR:-build-install-arm64} sysroot=$WORK/sysroot
    log "AArch64: the library from $dir staged into $sysroot"
    # A firmware sysroot already holds json-c: the arm64 package's files.
    local pkg f
    mkdir -p "$sysroot"
    for pkg in libjson-c5:arm64 libjson-c-dev:arm64; do
        while read -r f; do
            if [ -f "$f" ] || [ -L "$f" ]; then cp -P --parents "$f" "$sysroot"; fi
        done < <(dpkg -L "$pkg" | grep -E '^/usr/(include|lib)/')
    done
    cmake -S . -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/aarch64-linux-gnu.cmake \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DDEVCAP_BUILD_TESTS=OFF \
        -DDEVCAP_BUILD_TOOLS=OFF >/dev/null
    cmake --build "$dir" -j "$JOBS" --target devcap >/dev/null
    DESTDIR=$sysroot cmake --install "$dir" >/dev/null
    local multiarch=aarch64-linux-gnu out=$WORK/consumer-arm64
    mkdir -p "$out"
    PKG_CONFIG_SYSROOT_DIR=$sysroot \
        PKG_CONFIG_LIBDIR=$sysroot/usr/lib/pkgconfig:$sysroot/usr/lib/$multiarch/pkgconfig:$sysroot/usr/share/pkgconfig \
        make -s -C "$out" -f "$top/examples/consumer/Makefile" CC=aarch64-linux-gnu-gcc >/dev/null
    readelf -h "$out/consumer" | grep -q 'Machine: *AArch64' || fail "the consumer is not an AArch64 program"
    # The cross toolchain's C library first on the guest's library path (see
    # cmake/aarch64-linux-gnu.cmake), then the sysroot's.
    expect_output "arm64: consumer under qemu-aarch64" "device name      IPC-BOX-8M" \
        qemu-aarch64 -L /usr/aarch64-linux-gnu \
        -E "LD_LIBRARY_PATH=/usr/aarch64-linux-gnu/lib:$sysroot/usr/lib:$sysroot/usr/lib/$multiarch" \
        "$out/consumer" "$EXAMPLES" IPC-BOX-8M
    log "AArch64 staged install: ok"
}

case "${1:-all}" in
    native) run_native ;;
    packages) run_packages ;;
    arm64) run_arm64 ;;
    all)
        run_native
        run_packages
        run_arm64
        ;;
    *)
        sed -n '2,23p' "$0" | sed 's/^# \{0,1\}//'
        exit 2
        ;;
esac
