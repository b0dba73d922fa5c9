#!/usr/bin/env bash
# The hardening runs: the suite under sanitizers, valgrind and on AArch64, and
# the fuzz targets. Each installs the Debian packages it needs (as root).
#
#   scripts/hardening.sh asan       whole suite under AddressSanitizer + UBSan   (build-asan)
#   scripts/hardening.sh tsan       concurrency tests under ThreadSanitizer      (build-tsan)
#   scripts/hardening.sh allocfail  start-up with each allocation failed in turn (build-allocfail)
#   scripts/hardening.sh valgrind   whole suite under valgrind memcheck          (build-vg)
#   scripts/hardening.sh arm64      cross-build, suite under qemu-aarch64        (build-arm64)
#   scripts/hardening.sh fuzz       build the fuzz targets, run each for FUZZ_SECONDS (build-fuzz)
#   scripts/hardening.sh fuzz-long  the same for FUZZ_SECONDS (default an hour), then the
#                                   grown corpus merged into a minimal one and kept
#   scripts/hardening.sh corpus     only assemble the fuzz corpus                (build-fuzz/corpus)
#   scripts/hardening.sh all        everything above but fuzz-long, in that order
#
# Environment: JOBS (default nproc), FUZZ_SECONDS (default 60), FUZZ_PARALLEL
# (fuzzers run at once, default JOBS), FUZZ_TARGETS (default every input the
# build lists), FUZZ_CORPUS (the corpus that grows, default build-fuzz/corpus),
# <KIND>_BUILD_DIR to use another build directory (e.g. VG_BUILD_DIR=build
# reuses the plain build: valgrind and the allocation sweep need no special
# compilation).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh

JOBS=${JOBS:-$(nproc)}
BASE_PACKAGES=("${DEVCAP_BUILD_PACKAGES[@]}" "${DEVCAP_TEST_PACKAGES[@]}")

log() { echo "=== hardening: $*" >&2; }

# GCC's flow analysis gives false "may be used uninitialized" warnings in the
# C++ library's headers (std::regex, std::function) once the sanitizers
# instrument the code; -Werror would turn them into build failures.
SANITIZER_WARNINGS=(-DCMAKE_C_FLAGS=-Wno-maybe-uninitialized -DCMAKE_CXX_FLAGS=-Wno-maybe-uninitialized)

configure_build() {  # dir, cmake options...
    local dir=$1
    shift
    # A new directory is built with debug information; a reused one (such as
    # the release build of scripts/test.sh) keeps its type, so that only what
    # the options change is built again.
    local type=()
    [ -f "$dir/CMakeCache.txt" ] || type=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
    cmake -S . -B "$dir" -G Ninja ${type[@]+"${type[@]}"} "$@" >/dev/null
}

run_asan() {
    deps_install "${BASE_PACKAGES[@]}"
    local dir=${ASAN_BUILD_DIR:-build-asan}
    log "AddressSanitizer + UndefinedBehaviorSanitizer suite in $dir"
    configure_build "$dir" -DDEVCAP_SANITIZE=address,undefined "${SANITIZER_WARNINGS[@]}"
    cmake --build "$dir" -j "$JOBS"
    # Leaks are errors too; any report stops the test (-fno-sanitize-recover=all).
    ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1} \
    UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1} \
        ctest --test-dir "$dir" --output-on-failure -j "$JOBS"
}

# The tests that run threads: queries from many threads after start-up, and
# start-up from two threads at once.
TSAN_TESTS=(test_concurrency test_concurrent_startup)

run_tsan() {
    deps_install "${BASE_PACKAGES[@]}"
    local dir=${TSAN_BUILD_DIR:-build-tsan}
    log "ThreadSanitizer concurrency tests in $dir"
    configure_build "$dir" -DDEVCAP_SANITIZE=thread -DDEVCAP_BUILD_TOOLS=OFF "${SANITIZER_WARNINGS[@]}"
    cmake --build "$dir" -j "$JOBS" --target "${TSAN_TESTS[@]}"
    TSAN_OPTIONS=${TSAN_OPTIONS:-halt_on_error=1:second_deadlock_stack=1} \
        ctest --test-dir "$dir" --output-on-failure -R "^($(IFS='|'; echo "${TSAN_TESTS[*]}"))\$"
}

# Every allocation of one start-up failed in turn (tests/test_allocation_failure.cpp):
# no crash in the library's own frames; prints what json-c did. A plain build
# (no sanitizer, not under valgrind); an existing build directory is reused
# as it is configured.
run_allocfail() {
    deps_install "${BASE_PACKAGES[@]}"
    local dir=${ALLOCFAIL_BUILD_DIR:-build-allocfail}
    log "allocation-failure sweep of start-up in $dir"
    [ -f "$dir/CMakeCache.txt" ] || configure_build "$dir" -DDEVCAP_BUILD_TOOLS=OFF
    cmake --build "$dir" -j "$JOBS" --target test_allocation_failure
    "$dir/tests/test_allocation_failure"
}

run_valgrind() {
    deps_install "${BASE_PACKAGES[@]}" valgrind
    local dir=${VG_BUILD_DIR:-build-vg}
    log "valgrind memcheck suite in $dir"
    # Every test program runs under memcheck: any error or a definite or
    # indirect leak fails the test.
    local vg="valgrind;--error-exitcode=99;--leak-check=full;--errors-for-leak-kinds=definite,indirect"
    vg+=";--show-leak-kinds=definite,indirect;--track-origins=yes;--quiet"
    configure_build "$dir" "-DCMAKE_CROSSCOMPILING_EMULATOR=$vg"
    cmake --build "$dir" -j "$JOBS"
    local rc=0
    ctest --test-dir "$dir" --output-on-failure -j "$JOBS" --timeout 1500 || rc=$?
    # Leave a shared build directory as it was found.
    [ -n "${VG_BUILD_DIR:-}" ] && cmake -B "$dir" -DCMAKE_CROSSCOMPILING_EMULATOR= >/dev/null
    return $rc
}

arm64_packages() {
    deps_enable_arch arm64 || return 1
    deps_install "${BASE_PACKAGES[@]}" g++-aarch64-linux-gnu qemu-user \
        libjson-c-dev:arm64 libgtest-dev:arm64
}

run_arm64() {
    arm64_packages
    local dir=${ARM64_BUILD_DIR:-build-arm64}
    log "AArch64 cross-build and suite under qemu-aarch64 in $dir"
    # A release build, as shipped: the size options and the code model
    # of the AArch64 library are those of release builds.
    configure_build "$dir" -DCMAKE_TOOLCHAIN_FILE=cmake/aarch64-linux-gnu.cmake -DCMAKE_BUILD_TYPE=Release
    cmake --build "$dir" -j "$JOBS"
    readelf -h "$dir/libdevcap.so" | grep -q 'Machine: *AArch64'
    # The tool's own test starts the tool under the same emulator.
    QEMU_LD_PREFIX=/usr/aarch64-linux-gnu \
        ctest --test-dir "$dir" --output-on-failure -j "$JOBS" --timeout 900
}

fuzz_build() {
    deps_install "${BASE_PACKAGES[@]}" clang-14 libclang-rt-14-dev
    FUZZ_DIR=${FUZZ_BUILD_DIR:-build-fuzz}
    FUZZ_CORPUS=${FUZZ_CORPUS:-$FUZZ_DIR/corpus}
    CC=clang-14 CXX=clang++-14 configure_build "$FUZZ_DIR" -DDEVCAP_BUILD_FUZZ=ON \
        -DDEVCAP_SANITIZE=address,undefined -DDEVCAP_BUILD_TESTS=OFF -DDEVCAP_BUILD_TOOLS=OFF
    # The inputs with a fuzz target, as the build lists them (fuzz/CMakeLists.txt).
    FUZZ_INPUTS=$(cat "$FUZZ_DIR/fuzz/inputs.txt")
}

run_corpus() {
    fuzz_build
    # shellcheck disable=SC2086
    bash fuzz/build_corpus.sh "$FUZZ_CORPUS" $FUZZ_INPUTS
}

# One target for SECONDS; a crash leaves its input in fuzz/regressions/. The
# target's corpus directory takes what it finds, so the corpus grows run by run.
fuzz_one() {
    local input=$1 seconds=$2
    local out="$FUZZ_DIR/fuzz-logs/$input.log"
    mkdir -p "fuzz/regressions/$input" "$FUZZ_DIR/fuzz-logs"
    if "$FUZZ_DIR/fuzz/fuzz_$input" -max_total_time="$seconds" -timeout=10 -max_len=8192 \
        -rss_limit_mb=2048 -print_final_stats=1 -dict=fuzz/devcap.dict \
        -artifact_prefix="fuzz/regressions/$input/" \
        "$FUZZ_CORPUS/$input" >"$out" 2>&1; then
        awk -v t="fuzz_$input" '$1 == "stat::number_of_executed_units:" { runs = $2 }
            $1 == "stat::average_exec_per_sec:" { rate = $2 }
            END { printf "%s: %d runs, %d a second, no failure\n", t, runs, rate }' "$out"
    else
        echo "fuzz_$input: FAILED" >&2
        tail -n 60 "$out" >&2
        return 1
    fi
}

# Each target's corpus merged into the smallest set with the same coverage,
# in place: what a long run found stays, the rest goes.
fuzz_minimise() {
    local input=$1 dir="$FUZZ_CORPUS/$1"
    local kept="$dir.merged" before
    before=$(find "$dir" -type f | wc -l)
    rm -rf "$kept"
    mkdir -p "$kept"
    "$FUZZ_DIR/fuzz/fuzz_$input" -merge=1 -timeout=10 -max_len=8192 -rss_limit_mb=2048 \
        "$kept" "$dir" >"$FUZZ_DIR/fuzz-logs/$input.merge.log" 2>&1 || {
        tail -n 20 "$FUZZ_DIR/fuzz-logs/$input.merge.log" >&2
        return 1
    }
    rm -rf "$dir"
    mv "$kept" "$dir"
    echo "corpus $input: $before files merged into $(find "$dir" -type f | wc -l)"
}

# Run each of the targets at once, JOBS at a time; the failure of any fails all.
fuzz_each() {  # command [args...]: run as "command INPUT args..."
    local cmd=$1 failed=0 running=0 input
    shift
    for input in $FUZZ_TARGETS_RUN; do
        "$cmd" "$input" "$@" &
        running=$((running + 1))
        if [ "$running" -ge "$FUZZ_PARALLEL_RUN" ]; then
            wait -n || failed=1
            running=$((running - 1))
        fi
    done
    while [ "$running" -gt 0 ]; do
        wait -n || failed=1
        running=$((running - 1))
    done
    return $failed
}

run_fuzz() {  # seconds per target; "keep": minimise the grown corpus afterwards
    local seconds=$1 keep=${2:-}
    run_corpus
    FUZZ_TARGETS_RUN=${FUZZ_TARGETS:-$FUZZ_INPUTS}
    FUZZ_PARALLEL_RUN=${FUZZ_PARALLEL:-$JOBS}
    # shellcheck disable=SC2086
    cmake --build "$FUZZ_DIR" -j "$JOBS" --target $(printf 'fuzz_%s ' $FUZZ_TARGETS_RUN)
    log "fuzzing each of:" $FUZZ_TARGETS_RUN "for ${seconds}s, $FUZZ_PARALLEL_RUN at a time, corpus in $FUZZ_CORPUS"
    local failed=0 before new
    mkdir -p fuzz/regressions
    before=$(find fuzz/regressions -type f | sort)
    fuzz_each fuzz_one "$seconds" || failed=1
    new=$(comm -13 <(echo "$before") <(find fuzz/regressions -type f | sort))
    if [ -n "$new" ]; then
        failed=1
        echo "new failing inputs, kept as regression tests (commit them with the fix):" >&2
        for f in $new; do
            echo "  $f ($(stat -c %s "$f") bytes):" >&2
            od -A d -c "$f" | head -n 40 >&2
        done
    fi
    if [ -n "$keep" ] && [ "$failed" = 0 ]; then
        fuzz_each fuzz_minimise || failed=1
    fi
    return $failed
}

case "${1:-}" in
    asan) run_asan ;;
    tsan) run_tsan ;;
    allocfail) run_allocfail ;;
    valgrind) run_valgrind ;;
    arm64) run_arm64 ;;
    fuzz) run_fuzz "${FUZZ_SECONDS:-60}" ;;
    fuzz-long) run_fuzz "${FUZZ_SECONDS:-3600}" keep ;;
    corpus) run_corpus ;;
    all)
        run_asan
        run_tsan
        run_allocfail
        run_valgrind
        run_arm64
        run_fuzz "${FUZZ_SECONDS:-60}"
        ;;
    *)
        sed -n '2,/^set -euo/p' "$0" | sed -e '$d' -e 's/^# \{0,1\}//'
        exit 2
        ;;
esac
