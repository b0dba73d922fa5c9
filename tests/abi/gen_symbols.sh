#!/usr/bin/env bash
# Print the dynamic symbols libdevcap.so must export, as "name FUNC" or
# "name OBJECT", from the exported header's prototypes and data declarations.
# Run once after an interface change and check the result in:
#   tests/abi/gen_symbols.sh include/devcap.h > tests/abi/devcap.symbols
set -euo pipefail
header=${1:-include/devcap.h}
{
    # extern DEVCAP_API Type *g_name;
    sed -n 's/^extern DEVCAP_API [A-Za-z_][A-Za-z0-9_]* \**\([A-Za-z_][A-Za-z0-9_]*\);.*/\1 OBJECT/p' "$header"
    # DEVCAP_API Type name(... : prototypes may wrap, the name is on the first line.
    sed -n 's/^DEVCAP_API [A-Za-z_][A-Za-z0-9_ ]*[ *]\([A-Za-z_][A-Za-z0-9_]*\)(.*/\1 FUNC/p' "$header"
} | LC_ALL=C sort -u
