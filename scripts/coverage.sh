#!/usr/bin/env bash
# Line and branch coverage of src/ by the unit, widget and end-to-end tests.
# Builds a separate tree (build-coverage/, g++ --coverage, no optimisation),
# runs those three labels through ctest and prints gcovr's summary.
# Usage: scripts/coverage.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

tree=build-coverage
cmake -S . -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="--coverage" -DCMAKE_EXE_LINKER_FLAGS="--coverage" \
    -DEDITOR_BENCHMARKS=OFF -DEDITOR_SANITIZED_TREE= >/dev/null
cmake --build "$tree" -j "$(nproc)"

# Counts from an earlier run would add to this one's.
find "$tree" -name '*.gcda' -delete
status=0
ctest --test-dir "$tree" -L 'unit|widget|e2e' -j 2 --timeout 600 --output-on-failure \
    >"$tree/ctest.log" 2>&1 || status=$?
tail -n 3 "$tree/ctest.log"

# Branches that only an exception or the compiler's own bookkeeping could take
# are left out: they say nothing about what the tests check.
gcovr --root . --object-directory "$tree" --filter 'src/' -j "$(nproc)" \
    --exclude-throw-branches --exclude-unreachable-branches --gcov-exclude '.*CompilerId.*' \
    --print-summary -o "$tree/coverage.txt"
if ((status != 0)); then
    echo "Some tests failed (see $tree/ctest.log); the figures cover the runs that took place."
fi
echo "Per file: $tree/coverage.txt"
