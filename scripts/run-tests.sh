#!/usr/bin/env bash
# The whole test suite: unit and case tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, then a short run of every fuzzer on its seeds.
set -euo pipefail
cd "$(dirname "$0")/.."
FUZZ_SECONDS="${FUZZ_SECONDS:-20}"

cmake -S . -B build-asan -G Ninja -DPAVODIN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
cmake --build build-asan
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp"
# The window and terminal sessions drive real X and tmux servers; on a loaded
# machine one of them can miss a beat. A failure is run once more and the
# first failure stays in the log above.
if ! ctest --test-dir build-asan --output-on-failure -j"$(nproc)"; then
  echo "== running the failed tests once more"
  ctest --test-dir build-asan --output-on-failure --rerun-failed
fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DPAVODIN_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-fuzz
for fuzzer in $(cat build-fuzz/fuzzers.txt); do
  name=$(basename "$fuzzer")
  seeds="fuzz/seeds/$name"
  work=$(mktemp -d)
  [ -d "$seeds" ] && cp -r "$seeds"/. "$work"/
  echo "== $name (${FUZZ_SECONDS}s)"
  "$fuzzer" -max_total_time="$FUZZ_SECONDS" -timeout=10 -rss_limit_mb=2048 "$work" 2>&1 | tail -n 3
  rm -rf "$work"
done
echo "All tests passed."
