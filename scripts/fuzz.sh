#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz/ and runs every target for a bounded number of
# inputs, starting from its seed files in fuzz/corpus/<target>/. A crash, a sanitizer report, a
# hang (5 s for one input) or a read that takes more than 2 GB fails the run; the input that did
# it is kept in build-fuzz/artifacts/, and `build-fuzz/fuzz/fuzz-<target> <input>` replays it.
#   scripts/fuzz.sh [runs per target, default 20000]
# JOBS (default: every processor) sets how many targets run at once.
set -euo pipefail
cd "$(dirname "$0")/.."

runs="${1:-20000}"
jobs="${JOBS:-$(nproc)}"

bash scripts/install-packages.sh
if [ ! -f build-fuzz/build.ninja ]; then
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSCHEDULER_FUZZ=ON
fi
cmake --build build-fuzz --parallel "$jobs" --target scheduler_fuzz

# The binary names its targets when entered under no target's name.
mapfile -t targets < <(build-fuzz/fuzz/scheduler_fuzz 2>&1 | sed -n 's/^  fuzz-//p' || true)
if [ ${#targets[@]} -eq 0 ]; then
  echo "fuzz: the fuzz binary names no targets" >&2
  exit 1
fi
for target in "${targets[@]}"; do
  if [ ! -d "fuzz/corpus/$target" ]; then
    echo "fuzz: no seed files in fuzz/corpus/$target" >&2
    exit 1
  fi
  ln -sf scheduler_fuzz "build-fuzz/fuzz/fuzz-$target"
done
mkdir -p build-fuzz/corpus build-fuzz/artifacts build-fuzz/logs

run_target() {
  local target="$1" runs="$2"
  # New inputs go to build-fuzz/corpus; the seeds in the checkout stay as they are.
  mkdir -p "build-fuzz/corpus/$target"
  if build-fuzz/fuzz/"fuzz-$target" -runs="$runs" -timeout=5 -rss_limit_mb=2048 -max_len=8192 \
      -artifact_prefix="build-fuzz/artifacts/$target-" -print_final_stats=1 \
      "build-fuzz/corpus/$target" "fuzz/corpus/$target" > "build-fuzz/logs/$target.log" 2>&1; then
    echo "fuzz-$target: $(grep -o 'stat::number_of_executed_units: *[0-9]*' "build-fuzz/logs/$target.log" | grep -o '[0-9]*$') inputs, clean"
  else
    echo "fuzz-$target: FAILED (build-fuzz/logs/$target.log)"
    tail -n 40 "build-fuzz/logs/$target.log"
    return 1
  fi
}
export -f run_target

status=0
printf '%s\n' "${targets[@]}" | xargs -P "$jobs" -I{} bash -c 'run_target "$1" "$2"' _ {} "$runs" || status=1
if [ "$status" -ne 0 ]; then
  echo "fuzz: a target failed" >&2
fi
exit "$status"
