#!/usr/bin/env bash
# Soak: the suite with the demo bridge writing 60 updates a second, for a
# while, printing the suite's resident memory and processor use over time.
#
#   tests/reliability/soak.sh [MINUTES] [SECONDS_BETWEEN_SAMPLES]
#
# MINUTES defaults to 15, samples to every 30 s. BUILD_DIR names the build
# (default build). RADOD_POLL_MS, when set, is passed on (polling as on a
# network share). Linux only: it reads /proc. Not part of the test run.
set -euo pipefail
minutes=${1:-15}
every=${2:-30}
cd "$(dirname "$0")/../.."
bin=${BUILD_DIR:-build}/bin
for program in radod-panels radod-bridge; do
  [ -x "$bin/$program" ] || { echo "soak: $bin/$program is not built" >&2; exit 2; }
done

work=$(mktemp -d)
suite=""
bridge=""
cleanup() {
  [ -n "$bridge" ] && kill "$bridge" 2>/dev/null || true
  [ -n "$suite" ] && kill "$suite" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
export RADOD_EXCHANGE_DIR="$work/instrumentos"
mkdir -p "$RADOD_EXCHANGE_DIR"
"$bin/radod-panels" >/dev/null 2>&1 &
suite=$!
sleep 5
"$bin/radod-bridge" demo --rate 60 --exchange "$RADOD_EXCHANGE_DIR" >/dev/null 2>&1 &
bridge=$!

ticks=$(getconf CLK_TCK)
rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$suite/status"; }
# user + system time of the suite, in clock ticks
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$suite/stat"; }

echo "soak: ${minutes} min, bridge at 60 updates/s, sample every ${every} s${RADOD_POLL_MS:+, RADOD_POLL_MS=$RADOD_POLL_MS}"
printf '%8s %10s %8s\n' "time" "memory" "cpu"
end=$(( $(date +%s) + minutes * 60 ))
start=$(date +%s)
first=$(rss_kb)
max=$first
last_ticks=$(cpu_ticks)
last_time=$(date +%s.%N)
sum_cpu=0
samples=0
while [ "$(date +%s)" -lt "$end" ]; do
  sleep "$every"
  if ! kill -0 "$suite" 2>/dev/null; then
    echo "soak: the suite ended" >&2
    exit 1
  fi
  now_ticks=$(cpu_ticks)
  now_time=$(date +%s.%N)
  rss=$(rss_kb)
  cpu=$(awk -v d="$((now_ticks - last_ticks))" -v t="$ticks" -v a="$last_time" -v b="$now_time" \
        'BEGIN { printf "%.1f", 100 * d / t / (b - a) }')
  last_ticks=$now_ticks
  last_time=$now_time
  [ "$rss" -gt "$max" ] && max=$rss
  sum_cpu=$(awk -v s="$sum_cpu" -v c="$cpu" 'BEGIN { print s + c }')
  samples=$((samples + 1))
  printf '%7ds %7.1f MB %7s%%\n' "$(( $(date +%s) - start ))" "$(awk -v k="$rss" 'BEGIN { print k / 1024 }')" "$cpu"
done
awk -v f="$first" -v l="$rss" -v m="$max" -v s="$sum_cpu" -v n="$samples" -v min="$minutes" 'BEGIN {
  printf "soak: %d min at 60 updates/s: memory %.1f MB at the start, %.1f MB at the end (%+.1f MB), at most %.1f MB; cpu %.1f %% on average\n",
         min, f / 1024, l / 1024, (l - f) / 1024, m / 1024, (n ? s / n : 0) }'
