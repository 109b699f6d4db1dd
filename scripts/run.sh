#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quorvel. Extra arguments go to the program.
# --demo: also starts tools/gauge-sim on a pseudo-terminal and offers it as a port,
# so CONN, START and FILE work without a gauge; the simulator stops with the program.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${QUORVEL_BUILD_DIR:-$root/build}"

demo=0
args=()
for a in "$@"; do
  if [ "$a" = "--demo" ]; then demo=1; else args+=("$a"); fi
done

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"

# The records database: make an empty one on first use of the default file.
if [ -z "${QUORVEL_DATABASE:-}" ] && [[ " ${args[*]:-} " != *" --database"* ]] && [ ! -e Qr.mdb ]; then
  "$build/app/quorvel" --init-database Qr.mdb
fi

if [ "$demo" -eq 0 ]; then
  exec "$build/app/quorvel" "${args[@]}"
fi

sim="$build/tools/gauge-sim/gauge-sim"
sim_out="$(mktemp)"
"$sim" >"$sim_out" &
sim_pid=$!
trap 'kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; rm -f "$sim_out"' EXIT

port=""
for _ in $(seq 50); do
  port="$(head -n 1 "$sim_out")"
  [ -n "$port" ] && break
  if ! kill -0 "$sim_pid" 2>/dev/null; then break; fi
  sleep 0.1
done
if [ -z "$port" ]; then
  echo "run.sh: the gauge simulator did not start ($sim)" >&2
  exit 1
fi
echo "Demo gauge on $port"
"$build/app/quorvel" --port "$port" "${args[@]}"
