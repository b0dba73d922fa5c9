#!/usr/bin/env bash
# Write the electronic tag images of the example tree: an identity block at
# byte 0 and a check-code block at byte 4096, the rest zero as on an erased
# flash. The same tag is written for NAND (dev/mtd2) and eMMC (dev/mmcblk0p2).
#   examples/make-tag.sh [ROOTFS]      (default: examples/rootfs next to this script)
set -euo pipefail
root=${1:-"$(dirname "$0")/rootfs"}
mkdir -p "$root/dev"
for dev in mtd2 mmcblk0p2; do
    img="$root/dev/$dev"
    head -c 8192 /dev/zero > "$img"
    printf 'DEVICE_NAME=IPC-PTZ-D420X\nCUSTOM_DEVICE_NAME=NONE\nINTERNAL_MODEL=PTZ-D420X-IR\n' |
        dd of="$img" bs=1 seek=0 conv=notrunc status=none
    printf 'checkcode=5F3A9C21E07B44D8\n' |
        dd of="$img" bs=1 seek=4096 conv=notrunc status=none
done
