#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless and in parallel.
#   scripts/test.sh           ordinary build
#   scripts/test.sh --asan    AddressSanitizer + UndefinedBehaviorSanitizer
#   scripts/test.sh --tsan    ThreadSanitizer
# Extra arguments after the mode go to ctest (for example -R firmware).
set -euo pipefail
source "$(dirname "$0")/common.sh"

mode=""
case "${1:-}" in
    --asan) mode=address; shift ;;
    --tsan) mode=thread; shift ;;
esac

"$ROOT/scripts/setup-deps.sh"

if [[ -z "$mode" ]]; then
    BUILD="${QUILBEX_BUILD_DIR:-$ROOT/build}"
    quilbex_configure_and_build "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILBEX_SANITIZE=
else
    BUILD="${QUILBEX_BUILD_DIR:-$ROOT/build-$mode}"
    quilbex_configure_and_build "$BUILD" -DCMAKE_BUILD_TYPE=Debug -DQUILBEX_SANITIZE=$mode -DQUILBEX_BUILD_BENCH=OFF
    # Leaks are reported; tests/lsan.supp lists the one-time allocations of libraries we do
    # not build (with their reasons).
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
    export LSAN_OPTIONS="suppressions=$ROOT/tests/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    # Qt itself is not instrumented: ignore its internals and suppress the hand-offs listed
    # (with their reasons) in tests/tsan.supp. A test that starts the command-line tool forks a
    # process with threads; the child only execs, so the fork check is off.
    export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:ignore_noninstrumented_modules=1:die_after_fork=0:suppressions=$ROOT/tests/tsan.supp"
fi

export QT_QPA_PLATFORM=offscreen
cd "$BUILD"
ctest --output-on-failure --parallel "$(( $(nproc) * 2 ))" "$@"
