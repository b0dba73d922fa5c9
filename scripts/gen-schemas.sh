#!/usr/bin/env bash
# Write the generated capability-file schemas (schemas/) and the file-format
# reference (doc/capability-files.md) again from the model, after a change to
# tools/model/ or to the library's word tables. The tool's tests fail while
# they are out of date.
# Environment: BUILD_DIR (default build-devcap, shared with scripts/devcap.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-devcap} scripts/devcap.sh schema --out schemas
BUILD_DIR=${BUILD_DIR:-build-devcap} scripts/devcap.sh schema --reference > doc/capability-files.md
