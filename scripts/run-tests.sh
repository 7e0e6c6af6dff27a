#!/usr/bin/env bash
# Installs what is missing, builds the three trees and runs every test through one
# ctest: unit, widget, end-to-end, the sanitized unit tests, the fuzzers, and
# the Windows unit tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh all
exec ctest --test-dir build --output-on-failure -j 2 --timeout 600
