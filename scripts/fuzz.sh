#!/usr/bin/env bash
# Builds the libFuzzer harnesses (fuzz/) with clang in build/fuzz and runs each one
# for SECONDS (default 20) on a copy of its corpus (fuzz/corpus/<harness>), so the
# kept corpus stays as it is. Fails when any harness finds a crash, a hang, a leak
# or a sanitizer report; the input that did it is kept in build/fuzz/findings.
set -euo pipefail
seconds=${1:-20}
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh" --fuzz-tools
build="$here/build/fuzz"
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# Debug keeps Qt's assertions; -O1 is quick enough to fuzz with.
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
  -DCMAKE_CXX_COMPILER=clang++-14 "${launcher[@]}" \
  -DKUGELWART_FUZZ=ON -DKUGELWART_TESTS=OFF -DKUGELWART_BENCH=OFF -DKUGELWART_WERROR=OFF >/dev/null
# As many compile jobs as the machine has cores, unless KUGELWART_JOBS says how many.
cmake --build "$build" --target kugelwart_fuzzers --parallel ${KUGELWART_JOBS:-}

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export ASAN_SYMBOLIZER_PATH=${ASAN_SYMBOLIZER_PATH:-$(command -v llvm-symbolizer-14 || true)}
findings="$build/findings"
rm -rf "$findings"
failed=()
for corpus in "$here"/fuzz/corpus/*/; do
  name=$(basename "$corpus")
  work=$(mktemp -d)
  cp -r "$corpus" "$work/corpus"
  mkdir -p "$findings/$name"
  echo "== $name: ${seconds} s"
  if "$build/fuzz/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$findings/$name/" "$work/corpus" >"$findings/$name.log" 2>&1; then
    grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units|stat::peak_rss_mb)' "$findings/$name.log" || true
  else
    tail -n 60 "$findings/$name.log"
    failed+=("$name")
  fi
  rm -rf "$work"
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing found faults in: ${failed[*]} (inputs and logs in $findings)"
  exit 1
fi
echo "Every harness ran ${seconds} s without a finding."
