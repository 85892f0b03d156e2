#!/usr/bin/env bash
# Builds everything and runs every test (screens run on Qt's offscreen platform).
# JOBS (default: every processor) sets how many compile and test jobs run at once.
#   scripts/test.sh [ctest arguments]              the plain build in build/
#   scripts/test.sh --sanitize [ctest arguments]   the tests built with AddressSanitizer and
#                                                  UndefinedBehaviorSanitizer in build-sanitize/;
#                                                  any sanitizer report fails its test
set -euo pipefail
cd "$(dirname "$0")/.."

export QT_QPA_PLATFORM=offscreen

if [ "${1:-}" != "--sanitize" ]; then
  bash scripts/build.sh
  exec ctest --test-dir build --output-on-failure --parallel "${JOBS:-$(nproc)}" "$@"
fi
shift

bash scripts/install-packages.sh
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
if [ ! -f build-sanitize/build.ninja ]; then
  cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="$sanitizers" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
fi
# Only the tests: the benchmarks measure nothing useful under the sanitizers.
cmake --build build-sanitize --parallel "${JOBS:-$(nproc)}" --target scheduler_tests

# Leak checking stays on: the suite leaks nothing, Qt's offscreen platform included.
export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-sanitize --output-on-failure --parallel "${JOBS:-$(nproc)}" "$@"
