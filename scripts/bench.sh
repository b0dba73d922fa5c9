#!/usr/bin/env bash
# Build the benchmarks (release build) and run them on the example tree.
#
#   scripts/bench.sh [--root=TREE] [benchmark options]
#       start-up of every product against json-c alone parsing the same files,
#       and the cost of each query family; a summary of ratios at the end.
#   scripts/bench.sh --instructions [--root=TREE]
#       the same start-up comparison in instructions counted by callgrind:
#       slower, but the machine's load does not move it.
#   scripts/bench.sh --diff [--root=TREE] [--copies=N]
#       devcap diff of two trees of 1,000 products (N copies of each product
#       of TREE; default 200) against json-c alone parsing their files.
#   scripts/bench.sh --lint [--root=TREE] [--products=N] [--rounds=R]
#       devcap lint of a tree of N products (default 1,000) generated from
#       TREE, against json-c alone parsing what their start-ups read.
#
# Installs missing Debian packages (as root). Environment: BUILD_DIR (default
# build-bench), JOBS (default nproc). Benchmark options are Google Benchmark's,
# e.g. --benchmark_filter=startup --benchmark_min_time=2.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh

INSTRUCTIONS=0
TOOL_BENCH=  # diff or lint: a benchmark of the tool over a whole tree
ROUNDS=10
ARGS=()
for arg in "$@"; do
    case "$arg" in
        --diff) TOOL_BENCH=diff ;;
        --instructions) INSTRUCTIONS=1 ;;
        --lint) TOOL_BENCH=lint ;;
        --instructions=*) INSTRUCTIONS=1; ROUNDS=${arg#--instructions=} ;;
        *) ARGS+=("$arg") ;;
    esac
done

PACKAGES=("${DEVCAP_BUILD_PACKAGES[@]}" libbenchmark-dev)
[ "$INSTRUCTIONS" = 1 ] && PACKAGES+=(valgrind)
deps_install "${PACKAGES[@]}"

BUILD_DIR=${BUILD_DIR:-build-bench}
TOOLS=OFF
[ -n "$TOOL_BENCH" ] && TOOLS=ON
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DDEVCAP_BUILD_BENCH=ON -DDEVCAP_BUILD_TESTS=OFF -DDEVCAP_BUILD_TOOLS=$TOOLS >/dev/null
TARGET=devcap_bench${TOOL_BENCH:+_$TOOL_BENCH}
cmake --build "$BUILD_DIR" -j "${JOBS:-$(nproc)}" --target "$TARGET"
BENCH="$BUILD_DIR/bench/$TARGET"

cpu=$(awk -F': ' '/^model name/ && !n++ { print $2 }' /proc/cpuinfo)
echo "machine: $(nproc) cores, ${cpu:-unknown CPU}, load average $(cut -d' ' -f1-3 /proc/loadavg)"

if [ "$TOOL_BENCH" = diff ]; then
    exec "$BENCH" ${ARGS[@]+"${ARGS[@]}"} --benchmark_repetitions=3
elif [ "$TOOL_BENCH" = lint ]; then
    exec "$BENCH" ${ARGS[@]+"${ARGS[@]}"}
fi

if [ "$INSTRUCTIONS" = 0 ]; then
    # Three runs of each benchmark unless told otherwise; the summary takes the
    # fastest run of a query and the median figures of start-up.
    case " ${ARGS[*]+"${ARGS[*]}"} " in
        *" --benchmark_repetitions="*) ;;
        *) ARGS+=(--benchmark_repetitions=3) ;;
    esac
    exec "$BENCH" "${ARGS[@]}"
fi

OUT=$(mktemp -d)
trap 'rm -rf "$OUT"' EXIT
valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file="$OUT/cg.out" \
    "$BENCH" ${ARGS[@]+"${ARGS[@]}"} --instructions="$ROUNDS" 2>"$OUT/valgrind.log" ||
    { cat "$OUT/valgrind.log" >&2; exit 1; }
# Each dump names its work ("floor P", "init P", "init_fmt P") and its total.
for f in "$OUT"/cg.out.*; do
    awk '/^desc: Trigger: Client Request: /{sub(/^desc: Trigger: Client Request: /, ""); name=$0}
         /^totals: /{print name, $2}' "$f"
done | awk -v rounds="$ROUNDS" '
    { split($0, w, " "); kind[w[2]] = 1; n[w[1], w[2]] = w[3] }
    END {
        printf "Start-up against its floor, in instructions per start-up (callgrind, %d rounds)\n", rounds
        printf "  %-28s %12s %12s %7s %12s %7s\n", "product", "floor", "CAP_CapInit", "ratio", "+format", "ratio"
        for (p in kind) {
            f = n["floor", p]; i = n["init", p]; g = n["init_fmt", p]
            printf "  %-28s %12d %12d %6.2fx %12d %6.2fx\n", p, f / rounds, i / rounds, i / f, g / rounds, g / f
        }
    }'
