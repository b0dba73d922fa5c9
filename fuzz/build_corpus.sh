#!/usr/bin/env bash
# Assemble the starting corpus of each fuzz target under OUT/<input>/:
# the hand-written seeds (fuzz/seeds/<input>/), the saved failing inputs
# (fuzz/regressions/<input>/), and every matching file of the example device
# trees (examples/rootfs/...): hardware indexes, board, sensor, lens and patch
# files, dev_name and sn files, and the two blocks of each tag image.
# Files already in OUT/<input>/ (what earlier fuzzing found) stay.
#   fuzz/build_corpus.sh OUT_DIR INPUT...
# scripts/hardening.sh passes the inputs the build lists (build-fuzz/fuzz/inputs.txt).
set -euo pipefail
out=${1:?usage: build_corpus.sh OUT_DIR INPUT...}
out=$(realpath -m "$out")
shift
inputs="$*"
[ -n "$inputs" ] || { echo "usage: build_corpus.sh OUT_DIR INPUT..." >&2; exit 2; }
cd "$(dirname "$0")/.."

for input in $inputs; do
    mkdir -p "$out/$input"
    for dir in "fuzz/seeds/$input" "fuzz/regressions/$input"; do
        [ -d "$dir" ] || continue
        find "$dir" -maxdepth 1 -type f ! -name '.*' -exec cp -f {} "$out/$input/" \;
    done
done

# Example trees: each copy named after its path, so that equal file names of
# different products do not collide; inputs not asked for are passed over.
add() {  # input, file[, offset: the tag's 4096-byte block there instead of the whole file]
    [ -d "$out/$1" ] || return 0
    local copy
    copy="$out/$1/ex_$(echo "${2#examples/}" | tr '/' '_')"
    if [ -n "${3:-}" ]; then
        tail -c +$(($3 + 1)) "$2" | head -c 4096 >"$copy"
    else
        cp -f "$2" "$copy"
    fi
}
while IFS= read -r -d '' f; do
    case "$(basename "$f")" in
        hardwareindex.json) add index "$f" ;;
        cap_board.json) add board "$f" ;;
        cap_sensor.json) add sensor "$f" ;;
        cap_lens.json) add lens "$f" ;;
        cap_patch.json) add patch "$f" ;;
        dev_name) add dev_name "$f" ;;
        sn) add sn "$f" ;;
        mtd2 | mmcblk0p2)
            add tag_identity "$f" 0
            add tag_check "$f" 4096
            ;;
    esac
done < <(find examples -type f -print0)

for input in $inputs; do
    echo "corpus $input: $(find "$out/$input" -type f | wc -l) files"
done
