#!/usr/bin/env bash
# Bootstraps, builds and runs every test. Usage: scripts/test.sh [preset] (default: default).
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-default}

bash scripts/bootstrap.sh
cmake --preset "$preset"
cmake --build --preset "$preset" -j "$(nproc)"
ctest --preset "$preset" -j "$(nproc)"
