#!/usr/bin/env bash
# Builds the program (release with debug information) into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DPAVODIN_TESTS=OFF -DPAVODIN_BENCH=OFF
cmake --build build
