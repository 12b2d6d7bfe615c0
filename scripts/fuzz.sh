#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each one for SECONDS, starting from a
# copy of its seed corpus (fuzz/corpus/<name>/; the seeds themselves are never changed).
#   scripts/fuzz.sh SECONDS [target...]     targets as "profile" or "fuzz_profile"; default all
# Crash, timeout and out-of-memory inputs are kept in build-fuzz/crashes/; the exit status
# is non-zero when any target found one.
set -euo pipefail
source "$(dirname "$0")/common.sh"

if [[ $# -lt 1 || ! "$1" =~ ^[0-9]+$ ]]; then
    echo "usage: $0 SECONDS [target...]" >&2
    exit 2
fi
seconds="$1"; shift

"$ROOT/scripts/setup-deps.sh" clang libclang-rt-14-dev

BUILD="${QUILBEX_FUZZ_BUILD_DIR:-$ROOT/build-fuzz}"
CXX=clang++ cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILBEX_BUILD_FUZZ=ON -DQUILBEX_SANITIZE= \
    -DQUILBEX_BUILD_TESTS=OFF -DQUILBEX_BUILD_BENCH=OFF >/dev/null

names=()
if [[ $# -gt 0 ]]; then
    for t in "$@"; do names+=("${t#fuzz_}"); done
else
    for src in "$ROOT"/fuzz/fuzz_*.cpp; do
        [[ -e "$src" ]] || continue
        n="$(basename "$src" .cpp)"; names+=("${n#fuzz_}")
    done
fi
if [[ ${#names[@]} -eq 0 ]]; then
    echo "fuzz: no targets" >&2
    exit 2
fi
for n in "${names[@]}"; do
    if [[ ! -f "$ROOT/fuzz/fuzz_$n.cpp" ]]; then
        echo "fuzz: no such target: $n (fuzz/fuzz_$n.cpp)" >&2
        exit 2
    fi
done

targets=()
for n in "${names[@]}"; do targets+=("fuzz_$n"); done
cmake --build "$BUILD" --parallel "$(nproc)" --target "${targets[@]}"

export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}"
# The one-time allocations of libraries we do not build, as in the test suite.
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$ROOT/tests/lsan.supp:print_suppressions=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export QT_QPA_PLATFORM=offscreen

mkdir -p "$BUILD/crashes"
failed=()
for n in "${names[@]}"; do
    work="$BUILD/corpus/$n"
    rm -rf "$work"
    mkdir -p "$work"
    if [[ -d "$ROOT/fuzz/corpus/$n" ]]; then
        cp -r "$ROOT/fuzz/corpus/$n/." "$work/"
    else
        echo "fuzz: $n has no seed corpus (fuzz/corpus/$n/); starting empty" >&2
    fi
    echo "fuzz: running fuzz_$n for ${seconds}s"
    log="$BUILD/fuzz_$n.log"
    set +e
    "$BUILD/fuzz/fuzz_$n" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$BUILD/crashes/$n-" -print_final_stats=1 "$work" >"$log" 2>&1
    rc=$?
    set -e
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|#[0-9]+ +DONE)' "$log" || true
    if [[ $rc -ne 0 ]]; then
        echo "fuzz: fuzz_$n FAILED (exit $rc); log $log; inputs:" >&2
        ls -1 "$BUILD/crashes/$n-"* 2>/dev/null >&2 || true
        tail -n 40 "$log" >&2
        failed+=("$n")
    else
        echo "fuzz: fuzz_$n ok"
    fi
done

if [[ ${#failed[@]} -gt 0 ]]; then
    echo "fuzz: findings in: ${failed[*]}" >&2
    exit 1
fi
echo "fuzz: no findings"
