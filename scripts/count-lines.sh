#!/usr/bin/env bash
# Prints the lines of tests, the lines of code and their ratio.
#
# Tests: every C++, shell and Python file under tests/ except tests/data/.
# Code: the same kinds of file under src/. Benchmarks (bench/) are neither.
# Blank lines and comment lines do not count: in C++ a line that starts with
# "//", in shell and Python one that starts with "#" followed by a blank, "!"
# or nothing. Preprocessor lines such as "#include" count. CMake files do not.
set -euo pipefail
cd "$(dirname "$0")/.."

# Files known to git or new and not ignored, so uncommitted work counts too.
files_under() {
    git ls-files --cached --others --exclude-standard -- "$@" | grep -v '^tests/data/' |
        while read -r f; do [[ -f "$f" ]] && printf '%s\n' "$f"; done
}

count_lines() {
    local total=0 n f
    while read -r f; do
        case "$f" in
        *.cpp | *.cc | *.h | *.hpp)
            n=$(grep -c -v -E '^[[:space:]]*(//.*)?$' "$f" || true) ;;
        *.sh | *.py)
            n=$(grep -c -v -E '^[[:space:]]*(#([[:space:]!].*)?)?$' "$f" || true) ;;
        *) n=0 ;;
        esac
        total=$((total + n))
    done
    echo "$total"
}

tests=$(files_under tests | count_lines)
code=$(files_under src | count_lines)
ratio=$(awk -v t="$tests" -v c="$code" 'BEGIN { printf "%.2f", (c > 0) ? t / c : 0 }')
printf 'tests %d\ncode  %d\nratio %s\n' "$tests" "$code" "$ratio"
