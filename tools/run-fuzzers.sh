#!/bin/bash
# Builds the libFuzzer targets with clang (AddressSanitizer, UBSan and
# LeakSanitizer on) and runs each one for FUZZ_SECONDS seconds:
#
#     tools/run-fuzzers.sh [build-dir]          (make fuzz FUZZ_SECONDS=600)
#
# Each target starts from its seed corpus in fuzz/corpus/<name>/ and keeps
# what it finds in <build-dir>/corpus/<name>/ (the seeds in the repository
# are never changed). A crash, hang (FUZZ_TIMEOUT seconds for one input),
# memory error, undefined behaviour or leak stops the run with its report;
# the input that caused it is kept in <build-dir>/artifacts/. FUZZ_TARGETS
# limits the run to some targets ("wordlist settings").
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build-fuzz}
FUZZ_SECONDS=${FUZZ_SECONDS:-30}
FUZZ_TIMEOUT=${FUZZ_TIMEOUT:-10}
JOBS=${JOBS:-2}

CC=clang CXX=clang++ cmake -S . -B "$BUILD" -G Ninja -DLUMORA_FUZZ=ON -DLUMORA_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo > "$BUILD.configure.log" 2>&1 \
  || { cat "$BUILD.configure.log" >&2; exit 1; }
targets=${FUZZ_TARGETS:-$(cd fuzz && ls fuzz_*.cpp | sed 's/^fuzz_//; s/\.cpp$//')}
cmake --build "$BUILD" -j "$JOBS" --target $(for t in $targets; do printf 'fuzz_%s ' "$t"; done)

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp:print_suppressions=0
mkdir -p "$BUILD/artifacts"
status=0
for t in $targets; do
  mkdir -p "$BUILD/corpus/$t"
  log="$BUILD/fuzz_$t.log"
  echo "fuzz_$t: $FUZZ_SECONDS s ..." >&2
  # Each form-file input builds whole windows: shorter inputs keep the
  # rate up, and a kilobyte already nests every kind of value.
  case $t in formreader) extra=-max_len=1024 ;; *) extra= ;; esac
  # shellcheck disable=SC2086
  if "$BUILD/fuzz/fuzz_$t" $extra -max_total_time="$FUZZ_SECONDS" -timeout="$FUZZ_TIMEOUT" -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="$BUILD/artifacts/${t}-" \
       "$BUILD/corpus/$t" "fuzz/corpus/$t" > "$log" 2>&1; then
    execs=$(awk '/stat::number_of_executed_units/ { print $2 }' "$log")
    rate=$(awk '/stat::average_exec_per_sec/ { print $2 }' "$log")
    echo "fuzz_$t: ok, $execs executions ($rate per second)" >&2
  else
    echo "fuzz_$t: FAILED, the report:" >&2
    grep -v '^#[0-9]' "$log" | tail -60 >&2
    status=1
  fi
done
exit $status
