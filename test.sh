#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test:
#   1. the whole program and all tests (core, command line, windows offscreen);
#   2. the core and command-line tests again under AddressSanitizer and UBSan;
#   3. the fuzz targets for a short bounded time when clang is present.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

echo "== build =="
scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
echo "== sanitizer build =="
scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DQUOR_SANITIZE=ON -DQUOR_BUILD_GUI=OFF -DQUOR_BUILD_BENCH=OFF

status=0
if command -v clang++ >/dev/null 2>&1; then
  echo "== fuzz build =="
  scripts/build.sh build-fuzz -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++ -DQUOR_FUZZ=ON || status=1
fi

echo "== tests under sanitizers =="
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs" || status=1

if [ -d build-fuzz ] && [ -n "$(ls build-fuzz/fuzz 2>/dev/null | grep -v -E '\.cmake$|CMakeFiles|^corpus')" ]; then
  echo "== fuzzing =="
  ctest --test-dir build-fuzz --output-on-failure -j"$jobs" || status=1
fi

echo "== tests =="
ctest --test-dir build --output-on-failure -j"$jobs" || status=1
exit $status
