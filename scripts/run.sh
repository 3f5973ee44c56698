#!/usr/bin/env bash
# Builds everything, starts the demo bridge in the background and the suite in
# the foreground, both on the same exchange folder (RADOD_EXCHANGE_DIR, or
# ~/Radod/instrumentos), and stops the bridge when the suite exits.
#
#   scripts/run.sh                         the suite, flying the demo flight
#   RADOD_DEMO_BRIDGE=0 scripts/run.sh     the suite alone, for a real bridge
#   RADOD_BRIDGE_ARGS="--rate 10 --from 5:00" scripts/run.sh
#                                          options for the demo bridge
#   RADOD_BRIDGE_MODE=flightgear scripts/run.sh
#                                          the suite following FlightGear (see
#                                          README.md); RADOD_BRIDGE_ARGS holds
#                                          its options, e.g. "--listen 0.0.0.0:5705"
# Arguments are passed on to the suite.
set -euo pipefail
cd "$(dirname "$0")/.."
export RADOD_EXCHANGE_DIR="${RADOD_EXCHANGE_DIR:-$HOME/Radod/instrumentos}"
# The exchange folder first, before the long build: a file in its place, or a
# folder that cannot be made, ends here with one sentence that says which.
if [ -e "$RADOD_EXCHANGE_DIR" ] && [ ! -d "$RADOD_EXCHANGE_DIR" ]; then
  echo "run.sh: the exchange folder $RADOD_EXCHANGE_DIR is a file, not a folder; set RADOD_EXCHANGE_DIR to a folder." >&2
  exit 1
fi
if ! mkdir_error=$(mkdir -p -- "$RADOD_EXCHANGE_DIR" 2>&1); then
  echo "run.sh: the exchange folder $RADOD_EXCHANGE_DIR cannot be created (${mkdir_error##*: }); set RADOD_EXCHANGE_DIR to another folder." >&2
  exit 1
fi
bash scripts/build.sh
BUILD_DIR=${BUILD_DIR:-build}

bridge_pid=""
suite_pid=""
marker=""
cleanup() {
  if [ -n "$bridge_pid" ]; then
    kill "$bridge_pid" 2>/dev/null || true
    wait "$bridge_pid" 2>/dev/null || true
  fi
  if [ -n "$marker" ]; then
    rm -f "$marker"
  fi
}
# A stop signal to this script stops the suite too; then the bridge follows.
on_signal() {
  if [ -n "$suite_pid" ]; then
    kill -TERM "$suite_pid" 2>/dev/null || true
    wait "$suite_pid" 2>/dev/null || true
  fi
  exit "$1"
}
trap cleanup EXIT
trap 'on_signal 130' INT
trap 'on_signal 143' TERM

bridge_mode=${RADOD_BRIDGE_MODE:-demo}
case "$bridge_mode" in
  demo|flightgear) ;;
  *) echo "run.sh: RADOD_BRIDGE_MODE is demo or flightgear, not '$bridge_mode'" >&2; exit 2 ;;
esac
if [ "${RADOD_DEMO_BRIDGE:-1}" != 0 ]; then
  marker=$(mktemp)
  # shellcheck disable=SC2086  # the options are split into words on purpose
  "$BUILD_DIR/bin/radod-bridge" "$bridge_mode" --exchange "$RADOD_EXCHANGE_DIR" ${RADOD_BRIDGE_ARGS:-} &
  bridge_pid=$!
  # Wait for the bridge's first update, so that the suite starts on live
  # value files; a bridge that gives up has said why. FlightGear may start
  # later: that bridge is only given a moment to refuse its options.
  tries=100
  if [ "$bridge_mode" = flightgear ]; then tries=10; fi
  for _ in $(seq "$tries"); do
    if ! kill -0 "$bridge_pid" 2>/dev/null; then
      status=0
      wait "$bridge_pid" || status=$?
      bridge_pid=""
      echo "run.sh: the $bridge_mode bridge stopped (exit status $status); see its message above" >&2
      exit $(( status == 0 ? 1 : status ))
    fi
    if [ "$RADOD_EXCHANGE_DIR/TimedProcessing.txt" -nt "$marker" ]; then
      break
    fi
    sleep 0.1
  done
fi

# The suite runs as a child this script waits for, so that signals reach the
# script while the suite runs.
"$BUILD_DIR/bin/radod-panels" "$@" &
suite_pid=$!
status=0
wait "$suite_pid" || status=$?
suite_pid=""
exit "$status"
