#!/usr/bin/env bash
# Builds Quarvel (installing what it needs) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build
[ -f build/dev/build.ninja ] || cmake --preset dev
cmake --build --preset dev --target quarvel
exec build/dev/quarvel "$@"
