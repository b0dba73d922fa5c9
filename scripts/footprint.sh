#!/usr/bin/env bash
# Footprint of libdevcap.so in release builds for x86-64 and AArch64: its
# stripped size, its NEEDED entries, the size of the global record, and where
# the bytes go (sections of the stripped file, largest functions).
#
#   scripts/footprint.sh              both architectures
#   scripts/footprint.sh --native     x86-64 only
#   scripts/footprint.sh --variants   also AArch64 built for speed (-O3), linked
#                                     for 4 KiB pages, or without frame pointers,
#                                     to show what each costs or saves
#
# On AArch64 the linker aligns the end of the RELRO data to the 64 KiB page, and
# the data segment's file offset must match its address within the page: the
# file is about 64 KiB plus data while the first LOAD segment (headers, code,
# read-only data) and the RELRO data fit in 64 KiB together, and 64 KiB larger
# as soon as they do not. The report shows the bytes left before that step.
#
# Installs missing Debian packages (as root; AArch64 needs the arm64
# architecture enabled in dpkg, which this does when run as root).
# Environment: BUILD_DIR (default build-bench), ARM64_BUILD_DIR (default
# build-bench-arm64), JOBS (default nproc).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh

TARGET_KIB=80   # stripped, on AArch64
ARM64=1
VARIANTS=0
case "${1:-}" in
    --native) ARM64=0 ;;
    --variants) VARIANTS=1 ;;
esac

deps_install cmake ninja-build g++ pkg-config libjson-c-dev binutils
if [ "$ARM64" = 1 ]; then
    deps_enable_arch arm64
    # qemu-user: the toolchain file runs target programs under qemu-aarch64.
    deps_install g++-aarch64-linux-gnu binutils-aarch64-linux-gnu qemu-user libjson-c-dev:arm64
fi

OUT=$(mktemp -d)
trap 'rm -rf "$OUT"' EXIT

quiet() {  # run a command, showing its output only when it fails
    "$@" >"$OUT/log" 2>&1 || { tail -30 "$OUT/log" >&2; return 1; }
}

build() {  # build DIR [cmake args...]
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja --no-warn-unused-cli -DCMAKE_BUILD_TYPE=Release \
        -DDEVCAP_BUILD_TESTS=OFF -DDEVCAP_BUILD_TOOLS=OFF "$@" >/dev/null
    quiet cmake --build "$dir" -j "${JOBS:-$(nproc)}" --target devcap
}

# awk: a "0x..." field as a number (mawk has no strtonum).
HEX='function hex(h,   i, v) { v = 0; h = tolower(substr(h, 3))
         for (i = 1; i <= length(h); i++) v = v * 16 + index("0123456789abcdef", substr(h, i, 1)) - 1
         return v }'

report() {  # report LABEL DIR TOOL-PREFIX
    local label=$1 dir=$2 tp=$3
    local lib stripped bytes record
    lib=$(readlink -f "$dir/libdevcap.so")
    stripped="$OUT/libdevcap-$label.so"
    "${tp}strip" --strip-all -o "$stripped" "$lib"
    bytes=$(stat -c %s "$stripped")
    record=$("${tp}readelf" -sW "$lib" | awk '$8 == "g_stDevCap" && !n++ { print $3 }')
    echo "== $label: $(basename "$lib")"
    awk -v b="$bytes" 'BEGIN { printf "  stripped size   %d bytes (%.1f KiB)\n", b, b / 1024 }'
    echo "  NEEDED          $("${tp}readelf" -dW "$lib" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' | paste -sd' ')"
    echo "  global record   g_stDevCap, $record bytes (in .bss: no file bytes)"
    "${tp}readelf" -lW "$stripped" | awk -v total="$bytes" "$HEX"'
        $1 == "LOAD" { sz = hex($5); flags = ""; for (i = 7; i < NF; i++) flags = flags $i
                       loaded += sz; align = $NF
                       if (flags ~ /E/) code += sz; else if (flags ~ /W/) { rw += sz; bss += hex($6) - sz } else ro += sz }
        END { printf "  loaded          %d bytes executable segment, %d read-only, %d data (+%d zeroed)\n", code, ro, rw, bss
              printf "  the rest        %d bytes: segment alignment (%s), headers\n", total - loaded, align }'
    echo "  exported        $("${tp}nm" -D --defined-only "$lib" | wc -l) symbols"
    echo "  sections of the stripped file (bytes):"
    "${tp}size" -A "$stripped" | awk 'NR > 2 && $2 > 0 && $1 != "Total" { printf "    %-20s %8d\n", $1, $2 }'
    echo "  largest functions (bytes):"
    "${tp}nm" -S --size-sort --radix=d -C "$lib" |
        awk 'tolower($3) == "t" { n = $2 + 0; $1 = $2 = $3 = ""; sub(/^ +/, ""); printf "    %6d  %s\n", n, $0 }' |
        tail -12 | sort -rn
    if [ "$label" = aarch64 ]; then
        "${tp}readelf" -lW "$stripped" | awk "$HEX"'
            $1 == "LOAD" && !n++ { first = hex($5); page = hex($NF) }
            $1 == "GNU_RELRO" { relro = hex($6) }
            END { used = first + relro; pages = int((used + page - 1) / page)
                  printf "  page boundary   first LOAD %d + RELRO %d = %d bytes of %d x %d KiB: %d left before the file grows by %d KiB\n",
                         first, relro, used, pages, page / 1024, pages * page - used, page / 1024 }'
        if [ "$bytes" -le $((TARGET_KIB * 1024)) ]; then
            echo "  target: under $TARGET_KIB KiB stripped: met"
        else
            echo "  target: under $TARGET_KIB KiB stripped: MISSED"
        fi
    fi
}

variant() {  # variant LABEL [cmake args...]: AArch64 release build as configured, plus the args
    local label=$1 dir="$OUT/build-${1//[^A-Za-z0-9]/_}" lib stripped
    shift
    cmake -S . -B "$dir" -G Ninja --no-warn-unused-cli -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE=cmake/aarch64-linux-gnu.cmake -DDEVCAP_BUILD_TESTS=OFF \
        -DDEVCAP_BUILD_TOOLS=OFF "$@" >/dev/null
    # A variant that does not build shows why; the others still run.
    quiet cmake --build "$dir" -j "${JOBS:-$(nproc)}" --target devcap ||
        { printf '  %-30s the build failed (above)\n' "$label"; return 0; }
    lib=$(readlink -f "$dir/libdevcap.so")
    stripped="$dir/libdevcap-stripped.so"
    aarch64-linux-gnu-strip --strip-all -o "$stripped" "$lib"
    aarch64-linux-gnu-readelf -lW "$stripped" | awk -v label="$label" -v bytes="$(stat -c %s "$stripped")" "$HEX"'
        $1 == "LOAD" { loaded += hex($5); if (!n++) { first = hex($5); page = hex($NF) } }
        $1 == "GNU_RELRO" { relro = hex($6) }
        END { used = first + relro; left = int((used + page - 1) / page) * page - used
              printf "  %-30s %7d bytes stripped, %7d loaded, first LOAD + RELRO %6d (%d left)\n",
                     label, bytes, loaded, used, left }'
}

build "${BUILD_DIR:-build-bench}"
report x86-64 "${BUILD_DIR:-build-bench}" ""
if [ "$ARM64" = 1 ]; then
    build "${ARM64_BUILD_DIR:-build-bench-arm64}" -DCMAKE_TOOLCHAIN_FILE=cmake/aarch64-linux-gnu.cmake
    report aarch64 "${ARM64_BUILD_DIR:-build-bench-arm64}" aarch64-linux-gnu-
fi
if [ "$VARIANTS" = 1 ]; then
    echo "== aarch64 variants"
    variant "release (-Os), 64 KiB pages"
    variant "-O3 instead of -Os" -DDEVCAP_OPTIMIZE_SIZE=OFF
    variant "4 KiB pages" -DCMAKE_SHARED_LINKER_FLAGS=-Wl,-z,max-page-size=4096
    variant "no frame pointers" -DCMAKE_CXX_FLAGS=-fomit-frame-pointer
fi
