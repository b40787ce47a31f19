#!/usr/bin/env bash
# Fuzz check, run by tools/test from the repository root. Builds the libFuzzer
# targets with clang (fuzz/CMakeLists.txt), checks that the fuzz build holds
# the same literal bytes as a g++ -fexec-charset=GBK build, replays every seed
# under fuzz/regressions/, then fuzzes each target for FUZZ_SECONDS (30 by
# default), two at a time. Any crash, sanitizer report, leak, timeout or failed
# property ends the script with a non-zero status; the failing input is kept
# under build/fuzz/findings/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cd "$root"
source tools/lib/packages.sh
ensure_packages cmake make g++ clang libclang-rt-14-dev

seconds="${FUZZ_SECONDS:-30}"
build="$root/build/fuzz"
targets=(numbers replace_all gbk_codec driver gif)

echo "fuzz: building the targets with clang"
cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTAGWRIGHT_FUZZ=ON -DTAGWRIGHT_TESTS=OFF >/dev/null
cmake --build "$build" -j 2 >/dev/null

# The fuzz build compiles copies of the sources whose literals were rewritten
# as GBK escapes; the same digest program built by g++ from the originals
# must print the same bytes.
echo "fuzz: comparing the literal bytes with a g++ build"
g++ -std=c++17 -O0 -fexec-charset=GBK -finput-charset=UTF-8 -I. fuzz/literal_digest.cpp \
  core/*.cpp snippets/*.cpp ui/*.cpp -o "$build/literal-digest-gcc"
if ! cmp -s <("$build/literal-digest-gcc") <("$build/fuzz/fuzz_literal_digest"); then
  echo "fuzz: the transcoded sources hold other bytes than the g++ build" >&2
  exit 1
fi

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

status=0
for target in "${targets[@]}"; do
  seeds=(fuzz/regressions/"$target"/*)
  [ -e "${seeds[0]}" ] || continue
  echo "fuzz: replaying ${#seeds[@]} regression seed(s) of $target"
  if ! "$build/fuzz/fuzz_$target" -timeout=20 "${seeds[@]}" >"$build/replay-$target.log" 2>&1; then
    echo "fuzz: a regression seed of $target fails again:" >&2
    tail -n 30 "$build/replay-$target.log" >&2
    status=1
  fi
done
[ "$status" -eq 0 ] || exit "$status"

# Each run starts from the checked-in seeds and a scratch copy of the corpus.
run_target() {
  local target="$1"
  local work="$build/run/$target"
  rm -rf "$work"
  mkdir -p "$work/corpus" "$build/findings"
  cp fuzz/corpus/"$target"/* "$work/corpus/" 2>/dev/null || true
  # The golden scenarios are good starting scripts for the driver.
  if [ "$target" = driver ]; then
    for scenario in tests/scenarios/*.txt; do
      if [ -e "$scenario" ]; then cp "$scenario" "$work/corpus/scenario-$(basename "$scenario")"; fi
    done
  fi
  local extra=()
  [ -f "fuzz/$target.dict" ] && extra+=(-dict="fuzz/$target.dict")
  "$build/fuzz/fuzz_$target" "${extra[@]}" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -max_len=8192 -print_final_stats=1 \
    -artifact_prefix="$build/findings/$target-" "$work/corpus" >"$work/log" 2>&1
}

echo "fuzz: ${seconds} s per target: ${targets[*]}"
pids=()
names=()
for target in "${targets[@]}"; do
  run_target "$target" &
  pids+=($!)
  names+=("$target")
  # Two at a time.
  if [ "${#pids[@]}" -eq 2 ]; then
    for i in 0 1; do
      if ! wait "${pids[$i]}"; then
        echo "fuzz: finding in ${names[$i]}:" >&2
        tail -n 40 "$build/run/${names[$i]}/log" >&2
        status=1
      fi
    done
    pids=()
    names=()
  fi
done
for i in "${!pids[@]}"; do
  if ! wait "${pids[$i]}"; then
    echo "fuzz: finding in ${names[$i]}:" >&2
    tail -n 40 "$build/run/${names[$i]}/log" >&2
    status=1
  fi
done

for target in "${targets[@]}"; do
  log="$build/run/$target/log"
  [ -f "$log" ] || continue
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1)
  echo "fuzz: $target: ${runs:-?} runs, ${cov:-cov: ?}"
done
[ "$status" -eq 0 ] && echo "fuzz: no findings"
exit "$status"
