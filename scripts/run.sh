#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quorvel. Extra arguments go to the program.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${QUORVEL_BUILD_DIR:-$root/build}"

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"

exec "$build/app/quorvel" "$@"
