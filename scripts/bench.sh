#!/usr/bin/env bash
# Builds in release mode and prints one table of measured figures (median of several runs
# where that makes sense). Only the table goes to stdout; progress goes to stderr.
#
#   scripts/bench.sh           full run (about 4 minutes once built)
#   scripts/bench.sh --quick   fewer runs and a 10 s live phase instead of 60 s (about 1 minute)
#
# Environment: QUILBEX_BENCH_BUILD_DIR (default build-release in the source tree).
set -euo pipefail
source "$(dirname "$0")/common.sh"

quick=0
for arg in "$@"; do
    case "$arg" in
        --quick) quick=1 ;;
        -h|--help) sed -n '2,8p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
        *) echo "bench: unknown argument: $arg" >&2; exit 2 ;;
    esac
done

# The table is written to the original stdout; everything else to stderr.
exec 3>&1 1>&2

if [[ $quick -eq 1 ]]; then
    startup_runs=5; live_seconds=10; live_page_runs=1; roundtrip_runs=3; firmware_runs=1
else
    startup_runs=15; live_seconds=60; live_page_runs=3; roundtrip_runs=5; firmware_runs=3
fi

"$ROOT/scripts/setup-deps.sh"
BUILD="${QUILBEX_BENCH_BUILD_DIR:-$ROOT/build-release}"
echo "bench: building (release) in $BUILD" >&2
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILBEX_BUILD_TESTS=OFF \
    -DQUILBEX_BUILD_BENCH=ON -DQUILBEX_SHARED_LIBS=OFF >/dev/null
cmake --build "$BUILD" --parallel "$(nproc)" --target quilbex-control bench_startup bench_app_live \
    bench_pedals_live bench_config_roundtrip bench_firmware_transfer bench_gamewatcher bench_peakrss
APP="$BUILD/src/app/quilbex-control"
[[ -x "$APP" ]] || APP="$(find "$BUILD" -name quilbex-control -type f -perm -u+x | head -n 1)"
BENCH="$BUILD/bench"
[[ -x "$BENCH/bench_startup" ]] || BENCH="$(dirname "$(find "$BUILD" -name bench_startup -type f | head -n 1)")"

SCRATCH="$(mktemp -d "${TMPDIR:-/tmp}/quilbex-bench.XXXXXX")"
# The runtime directory of a desktop session is in memory (/run/user/UID); the window's lock
# file lives there, and on disk its sync would be measured as part of start-up.
RUNTIME_BASE="$SCRATCH"
if [[ -d /dev/shm && -w /dev/shm ]]; then
    RUNTIME_BASE="$(mktemp -d /dev/shm/quilbex-bench.XXXXXX)"
fi
trap 'rm -rf "$SCRATCH" "$RUNTIME_BASE"' EXIT

# A home of its own: working directory (for quilbex_debug.log), HOME and XDG directories.
new_home() {
    local dir
    dir="$(mktemp -d "$SCRATCH/home.XXXXXX")"
    mkdir -p "$dir/data" "$dir/config" "$dir/cache" "$(runtime_of "$dir")"
    chmod 700 "$(runtime_of "$dir")"
    echo "$dir"
}
runtime_of() { echo "$RUNTIME_BASE/${1##*/}.runtime"; }

# Runs a command inside a home, offscreen.
in_home() {
    local dir="$1"; shift
    (cd "$dir" && env HOME="$dir" XDG_DATA_HOME="$dir/data" XDG_CONFIG_HOME="$dir/config" \
        XDG_CACHE_HOME="$dir/cache" XDG_RUNTIME_DIR="$(runtime_of "$dir")" QT_QPA_PLATFORM=offscreen "$@")
}

# Median and maximum of the numbers in one column (default 1): "median max".
stats() {
    awk -v c="${1:-1}" '{ print $c }' | sort -g | awk '{ v[NR] = $1 } END {
        if (NR == 0) { print "n/a n/a"; exit }
        printf "%s %s\n", v[int((NR + 1) / 2)], v[NR] }'
}

# The value of "key value" in a file.
val() { awk -v k="$2" '$1 == k { print $2; exit }' "$1"; }

# Runs a benchmark executable in a new home: stdout to the given file, its diagnostics kept
# aside and shown only when it fails. Its own progress lines (two leading spaces) pass through.
run_bench() {
    local out="$1"; shift
    if ! in_home "$(new_home)" "$@" >"$out" 2>"$out.err"; then
        echo "bench: failed: $*" >&2
        tail -n 30 "$out.err" >&2
        exit 1
    fi
    grep '^  ' "$out.err" >&2 || true
}

# --- start-up --------------------------------------------------------------------------
# Each round runs the application on a first start (a new home), with its profiles present
# (one home seeded beforehand) and the empty window, one after the other: the machine's
# speed drifts over a minute, and a ratio of series taken at different times would show it.
in_home_time() {
    local dir="$1"; shift
    in_home "$dir" env QUILBEX_EXIT_AFTER_SHOW=1 "$BENCH/bench_peakrss" "$@" 2>"$SCRATCH/last.err" || {
        echo "bench: failed: $*" >&2; tail -n 20 "$SCRATCH/last.err" >&2; exit 1
    }
}

echo "bench: start-up, $startup_runs rounds" >&2
seeded_home="$(new_home)"
in_home_time "$seeded_home" "$APP" --simulate >/dev/null # seeds the profiles directory
in_home_time "$(new_home)" "$APP" --simulate >/dev/null  # warm the page cache; not counted
in_home_time "$(new_home)" "$BENCH/bench_startup" >/dev/null
: >"$SCRATCH/su_first.txt"; : >"$SCRATCH/su_seed.txt"; : >"$SCRATCH/su_empty.txt"
for ((i = 0; i < startup_runs; ++i)); do
    in_home_time "$(new_home)" "$APP" --simulate >>"$SCRATCH/su_first.txt"
    in_home_time "$seeded_home" "$APP" --simulate >>"$SCRATCH/su_seed.txt"
    in_home_time "$(new_home)" "$BENCH/bench_startup" >>"$SCRATCH/su_empty.txt"
done
# Where the time goes, for the reader of the progress output (not part of the table).
in_home "$(new_home)" "$BENCH/bench_startup" --phases >&2 2>/dev/null || true
for v in first seed empty; do
    read -r "su_${v}_med" "su_${v}_max" < <(stats 1 <"$SCRATCH/su_$v.txt")
    read -r "su_${v}_cpu" _ < <(stats 2 <"$SCRATCH/su_$v.txt")
    read -r "su_${v}_rss" _ < <(stats 3 <"$SCRATCH/su_$v.txt")
done

# --- whole application live: memory, CPU share, reading age -----------------------------
echo "bench: application live on the virtual pedals for ${live_seconds} s" >&2
live_out="$SCRATCH/app_live.txt"
run_bench "$live_out" "$BENCH/bench_app_live" "$live_seconds"
echo "bench: application live on the Trace page, recording, for ${live_seconds} s" >&2
trace_out="$SCRATCH/app_trace.txt"
run_bench "$trace_out" "$BENCH/bench_app_live" "$live_seconds" --trace --record

# --- GUI-thread cost of one live update (Pedals page alone) ------------------------------
echo "bench: Pedals page update cost, $live_page_runs runs" >&2
: >"$SCRATCH/update_built.txt"; : >"$SCRATCH/update_naive.txt"; : >"$SCRATCH/update_p90.txt"
for ((i = 0; i < live_page_runs; ++i)); do
    out="$SCRATCH/pedals_live_$i.txt"
    run_bench "$out" "$BENCH/bench_pedals_live" 1
    # First "(a)" line: as built; second: charts repainted whole, for comparison.
    awk '/\(a\) one update/ { for (f = 1; f <= NF; ++f) if ($f == "median") { print $(f + 1); break } }' "$out" \
        | sed -n 1p >>"$SCRATCH/update_built.txt"
    awk '/\(a\) one update/ { for (f = 1; f <= NF; ++f) if ($f == "median") { print $(f + 1); break } }' "$out" \
        | sed -n 2p >>"$SCRATCH/update_naive.txt"
    awk '/\(a\) one update/ { for (f = 1; f <= NF; ++f) if ($f == "p90") { print $(f + 1); break } }' "$out" \
        | sed -n 1p >>"$SCRATCH/update_p90.txt"
done
read -r upd_med _ < <(stats <"$SCRATCH/update_built.txt")
read -r upd_naive _ < <(stats <"$SCRATCH/update_naive.txt")
read -r upd_p90 _ < <(stats <"$SCRATCH/update_p90.txt")

# --- configuration round trip ---------------------------------------------------------
echo "bench: configuration write round trip, $roundtrip_runs runs" >&2
rt_out="$SCRATCH/roundtrip.txt"
run_bench "$rt_out" "$BENCH/bench_config_roundtrip" "$roundtrip_runs"

# --- firmware transfer ----------------------------------------------------------------
echo "bench: firmware transfer, $firmware_runs runs" >&2
: >"$SCRATCH/fw_transfer.txt"
fw_floor=""; fw_reports=""
for ((i = 0; i < firmware_runs; ++i)); do
    out="$SCRATCH/fw_$i.txt"
    run_bench "$out" "$BENCH/bench_firmware_transfer"
    awk -F: '/transfer phase/ { gsub(/[^0-9.]/, "", $NF); print $NF }' "$out" >>"$SCRATCH/fw_transfer.txt"
    fw_floor="$(awk -F: '/device-side floor/ { gsub(/[^0-9.]/, "", $NF); print $NF }' "$out")"
    fw_reports="$(awk '/^firmware transfer:/ { for (f = 1; f <= NF; ++f) if ($f ~ /^reports/) print $(f - 1) }' "$out")"
done
read -r fw_med fw_max < <(stats <"$SCRATCH/fw_transfer.txt")

# --- game watcher ---------------------------------------------------------------------
echo "bench: game watcher on this machine's process table for ${live_seconds} s" >&2
gw_out="$SCRATCH/gamewatcher.txt"
run_bench "$gw_out" "$BENCH/bench_gamewatcher" "$live_seconds"

# --- table ----------------------------------------------------------------------------
runs() { if [[ $1 -eq 1 ]]; then echo "1 run"; else echo "$1 runs"; fi; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }'; }
mb() { awk -v k="$1" 'BEGIN { if (k > 0) printf "%.1f MB", k / 1024; else print "n/a" }'; }

rss_start="$(val "$live_out" rss_start_kb)"
rss_live="$(val "$live_out" rss_live_kb)"
rss_growth="$(awk -v a="$rss_start" -v b="$rss_live" 'BEGIN { if (a > 0) printf "%+.1f %%", (b - a) * 100 / a; else print "n/a" }')"
cpu_windows="$(val "$live_out" cpu_windows)"
live_ran="$(val "$live_out" live_seconds)"
load="$(cut -d' ' -f1-3 /proc/loadavg)"
mode="full"; [[ $quick -eq 1 ]] && mode="quick"

{
    printf 'Quilbex Control benchmarks (%s run, release build, offscreen, virtual pedals)\n' "$mode"
    printf 'load average at the end: %s on %s cores\n\n' "$load" "$(nproc)"
    printf '| %-50s | %-14s | %-38s | %-34s |\n' "figure" "median" "worst / other" "target"
    printf '|%s|%s|%s|%s|\n' "$(printf -- '-%.0s' {1..52})" "$(printf -- '-%.0s' {1..16})" \
        "$(printf -- '-%.0s' {1..40})" "$(printf -- '-%.0s' {1..36})"
    row() { printf '| %-50s | %-14s | %-38s | %-34s |\n' "$@"; }
    row "start-up to first window, first start ($(runs "$startup_runs"))" "$su_first_med ms" \
        "worst $su_first_max; CPU $su_first_cpu ms" \
        "<= 2x empty: $(ratio "$su_first_med" "$su_empty_med")x (CPU $(ratio "$su_first_cpu" "$su_empty_cpu")x)"
    row "start-up to first window, profiles present" "$su_seed_med ms" \
        "worst $su_seed_max; CPU $su_seed_cpu ms" \
        "<= 2x empty: $(ratio "$su_seed_med" "$su_empty_med")x (CPU $(ratio "$su_seed_cpu" "$su_empty_cpu")x)"
    row "start-up of an empty Qt window (baseline)" "$su_empty_med ms" \
        "worst $su_empty_max; CPU $su_empty_cpu ms" "reference"
    row "peak memory of start-up, first start" "$(mb "$su_first_rss")" \
        "profiles present $(mb "$su_seed_rss")" \
        "<= 1.6x empty: $(ratio "$su_first_rss" "$su_empty_rss")x / $(ratio "$su_seed_rss" "$su_empty_rss")x"
    row "peak memory of an empty Qt window (baseline)" "$(mb "$su_empty_rss")" "" "reference"
    row "resident memory after start-up (1 run)" "$(mb "$rss_start")" "" "reference"
    row "resident memory after ${live_ran} s live (1 run)" "$(mb "$rss_live")" "growth $rss_growth" \
        "no growth (<= +5 %)"
    row "GUI-thread cost of one live update ($(runs "$live_page_runs"))" "$upd_med us" \
        "p90 $upd_p90 us; whole-chart $upd_naive us" "<= 2000 us (10 % of a poll)"
    row "CPU share over 10 s live ($cpu_windows windows)" "$(val "$live_out" cpu_share_median) %" \
        "worst $(val "$live_out" cpu_share_worst) %" "<= 3 % of one core"
    row "CPU share, Trace page shown and recording" "$(val "$trace_out" cpu_share_median) %" \
        "worst $(val "$trace_out" cpu_share_worst) %" "<= 5 % of one core"
    row "  resident memory on the Trace page, start / end" "$(mb "$(val "$trace_out" rss_start_kb)")" \
        "$(mb "$(val "$trace_out" rss_live_kb)") after ${live_ran} s; CSV $(val "$trace_out" csv_bytes) B" \
        "no growth (<= +5 %)"
    row "age of the reading on screen, 1000 Hz reports" "$(val "$live_out" age_screen_median_ms) ms" \
        "worst $(val "$live_out" age_screen_worst_ms) ms, p99 $(val "$live_out" age_screen_p99_ms)" \
        "worst <= 20 ms (one poll)"
    row "  of which age at the read" "$(val "$live_out" age_read_median_ms) ms" \
        "worst $(val "$live_out" age_read_worst_ms) ms" "median <= 1 ms (report interval)"
    row "config round trip minus restart ($(runs "$(val "$rt_out" runs)"))" \
        "$(val "$rt_out" roundtrip_minus_restart_median_ms) ms" \
        "worst $(val "$rt_out" roundtrip_minus_restart_worst_ms); restart $(val "$rt_out" restart_ms) ms" \
        "<= 500 ms (one scan interval)"
    row "  write / until reopened / read back" "$(val "$rt_out" write_median_ms) ms" \
        "$(val "$rt_out" until_reopened_median_ms) / $(val "$rt_out" read_back_median_ms) ms" ""
    row "55,296-byte firmware transfer ($(runs "$firmware_runs"))" "$fw_med ms" \
        "worst $fw_max ms; floor ${fw_floor} ms ($fw_reports replies)" \
        "<= 1.05x floor: $(ratio "$fw_med" "$fw_floor")x"
    row "game watcher, one scan every 2 s ($(val "$gw_out" processes) processes)" \
        "$(val "$gw_out" scan_share_percent) %" \
        "scan $(val "$gw_out" scan_cpu_ms) ms; whole run $(val "$gw_out" run_cpu_share_percent) %" \
        "well under 0.1 % of one core"
} >&3
