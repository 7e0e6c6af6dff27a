#!/usr/bin/env bash
# Builds and runs the benchmarks; each one reports its own baseline beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh all
exec build/bench/editor-benchmarks --benchmark_min_time=0.2 "$@"
