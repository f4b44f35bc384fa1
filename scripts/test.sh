#!/usr/bin/env bash
# Builds Kugelwart with AddressSanitizer + UBSan and warnings as errors,
# then runs every test (offscreen, no display needed), then fuzzes each parser of
# outside input for 20 s (scripts/fuzz.sh).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
build="$here/build/test"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DKUGELWART_SANITIZE=ON -DKUGELWART_WERROR=ON >/dev/null
cmake --build "$build" --parallel
cd "$build"
ctest --output-on-failure --timeout 300 "$@"
"$here/scripts/fuzz.sh" 20
