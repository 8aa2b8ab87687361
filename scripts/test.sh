#!/usr/bin/env bash
# Builds Quarvel and runs its whole test suite (installing what it needs).
# Usage: scripts/test.sh [dev|asan] [extra ctest arguments]
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-dev}
shift || true
scripts/deps.sh test
[ -f "build/$preset/build.ninja" ] || cmake --preset "$preset"
cmake --build --preset "$preset"
scripts/printer.sh || true
ctest --preset "$preset" "$@"
