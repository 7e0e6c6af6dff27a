#!/usr/bin/env bash
# Runs every fuzz target for a long time, two at a time, under AddressSanitizer
# and UndefinedBehaviorSanitizer, then prints for each: runs, corpus size and
# findings (crash, leak, timeout and out-of-memory inputs).
#
# Each target keeps a growing corpus outside the source tree, in
#   ${XDG_CACHE_HOME:-~/.cache}/velmora-fuzz/<target>/corpus
# seeded (read-only) from tests/data and samples/, with a dictionary from
# tests/fuzz/. A run's findings and log go to <target>/run-<time>/.
# Usage: scripts/fuzz.sh [seconds per target, default 600]
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD
seconds=${1:-600}
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: $0 [seconds per target]" >&2
  exit 2
fi

scripts/install-deps.sh
cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_COMPILER=clang++ -DEDITOR_SANITIZE=ON >/dev/null

# One target per tests/fuzz/Fuzz<Name>.cpp, named fuzz_<name>.
targets=()
for file in tests/fuzz/Fuzz*.cpp; do
  name=$(basename "$file" .cpp)
  targets+=("fuzz_$(tr '[:upper:]' '[:lower:]' <<<"${name#Fuzz}")")
done
cmake --build build-san -j 2 --target "${targets[@]}"

cache=${XDG_CACHE_HOME:-$HOME/.cache}/velmora-fuzz
stamp=$(date -u +%Y%m%dT%H%M%SZ)
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$source/tests/lsan-suppressions.txt
export QT_QPA_PLATFORM=offscreen

# What a target starts from besides its corpus: a dictionary and read-only
# seed folders, one word each.
inputs_of() {
  case "$1" in
  fuzz_settings) echo "-dict=$source/tests/fuzz/settings.dict $source/tests/data/settings" ;;
  # Sizes and pixels rather than a file: it starts from nothing, and its input
  # past the first four bytes only repeats into pixels.
  fuzz_write) echo "-max_len=4096" ;;
  *)
    echo "-dict=$source/tests/fuzz/bmp.dict" "$source/tests/data/bmpsuite/"{g,q,b} \
      "$source/samples"
    ;;
  esac
}

run_target() {
  local target=$1 home=$cache/$1
  local run=$home/run-$stamp
  mkdir -p "$home/corpus" "$run"
  # New inputs go into the first folder, the corpus; the seed folders are only read.
  # shellcheck disable=SC2046  # one word per input
  "$source/build-san/tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$run/" \
    "$home/corpus" $(inputs_of "$target") >"$run/log.txt" 2>&1 || true
}

echo "Fuzzing ${#targets[@]} targets for $seconds s each, two at a time, in $cache"
running=0
for target in "${targets[@]}"; do
  if ((running == 2)); then
    wait -n
    running=$((running - 1))
  fi
  run_target "$target" &
  running=$((running + 1))
done
wait

found=0
# The corpus as libFuzzer ended with it (seeds included: inputs/size), and
# the files of the corpus folder, which keeps what this and earlier runs found.
printf '%-14s %11s %14s %12s  %s\n' target runs corpus folder findings
for target in "${targets[@]}"; do
  home=$cache/$target
  run=$home/run-$stamp
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$run/log.txt" | tail -n 1)
  corpus=$(sed -n 's/.*DONE .* corp: \([^ ]*\).*/\1/p' "$run/log.txt" | tail -n 1)
  files=$(find "$home/corpus" -type f | wc -l)
  findings=$(find "$run" -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' \
    -o -name 'oom-*' \) -printf '%f ')
  if [[ -z "$findings" ]] && grep -q 'ERROR: \|runtime error:' "$run/log.txt"; then
    findings="(see log)"
  fi
  [[ -n "$findings" ]] && found=1
  printf '%-14s %11s %14s %12s  %s\n' "$target" "${runs:-?}" "${corpus:-?}" "$files files" \
    "${findings:-none}"
done
echo "Logs and findings: $cache/<target>/run-$stamp/"
exit "$found"
