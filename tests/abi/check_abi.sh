#!/usr/bin/env bash
# The binary interface of libdevcap.so:
#   - the checked-in symbol list is what the exported header declares;
#   - the library exports exactly those symbols, functions as FUNC and data as
#     OBJECT, and nothing else;
#   - the six platform services stay undefined (the host provides them);
#   - every other undefined symbol comes from json-c or the C library (no C++
#     runtime), and NEEDED names json-c and libc only.
# Usage: check_abi.sh LIBRARY READELF SYMBOL_LIST HEADER
set -euo pipefail
lib=$1 readelf=$2 list=$3 header=$4
here=$(cd "$(dirname "$0")" && pwd)
fail=0
problem() { echo "ABI: $*" >&2; fail=1; }

expected=$(LC_ALL=C sort -u "$list")
declared=$(bash "$here/gen_symbols.sh" "$header")
if [ "$expected" != "$declared" ]; then
    problem "the symbol list differs from the header (regenerate with gen_symbols.sh):"
    diff <(echo "$declared") <(echo "$expected") >&2 || true
fi

syms=$("$readelf" --dyn-syms -W "$lib")
# Defined, visible symbols: "name TYPE" without version suffix.
exported=$(echo "$syms" | awk '$1 ~ /^[0-9]+:$/ && $7 != "UND" && ($5 == "GLOBAL" || $5 == "WEAK") && $6 == "DEFAULT" {
        n = $8; sub(/@.*/, "", n); print n, $4 }' | LC_ALL=C sort -u)
if [ "$exported" != "$expected" ]; then
    problem "exported symbols differ from the list (< missing or wrong type, > unexpected):"
    diff <(echo "$expected") <(echo "$exported") >&2 || true
fi

undefined=$(echo "$syms" | awk '$1 ~ /^[0-9]+:$/ && $7 == "UND" && $8 != "" { print $5, $8 }')
for s in LOG_SetLevel LOG_EnumToStr LOG_Msg SYS_IsEquipmentMode SYS_MEM_GetType SYS_MEM_Read; do
    grep -q " $s\$" <<<"$undefined" || problem "platform symbol $s is not an undefined reference"
    grep -q "^$s " <<<"$exported" && problem "platform symbol $s is defined by the library"
done
while read -r bind name; do
    [ -z "$name" ] && continue
    case "$name" in
        LOG_SetLevel | LOG_EnumToStr | LOG_Msg | SYS_IsEquipmentMode | SYS_MEM_GetType | SYS_MEM_Read) ;;
        *@GLIBC_*) ;;
        json_*@JSONC_* | lh_*@JSONC_* | array_list_*@JSONC_* | printbuf_*@JSONC_*) ;;
        _ITM_deregisterTMCloneTable | _ITM_registerTMCloneTable | __gmon_start__)
            [ "$bind" = WEAK ] || problem "$name is a strong reference" ;;
        *) problem "undefined reference to $name: neither platform, json-c nor C library" ;;
    esac
done <<<"$undefined"

needed=$("$readelf" -d -W "$lib" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' | LC_ALL=C sort)
grep -q '^libjson-c\.so\.[0-9]*$' <<<"$needed" || problem "json-c is not NEEDED"
grep -qx 'libc\.so\.6' <<<"$needed" || problem "libc is not NEEDED"
others=$(echo "$needed" | grep -v -e '^libjson-c\.so\.[0-9]*$' -e '^libc\.so\.6$' || true)
[ -z "$others" ] || problem "NEEDED beyond json-c and libc: $others"

if [ $fail -ne 0 ]; then
    echo "ABI check failed for $lib" >&2
    exit 1
fi
echo "ABI ok: $(echo "$expected" | wc -l) symbols, NEEDED: $(echo $needed)"
