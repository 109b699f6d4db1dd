#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Exits non-zero on any failure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${QUORVEL_BUILD_DIR:-$root/build}"

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"

export QT_QPA_PLATFORM=offscreen

# A throw-away PostgreSQL server, so the records tests run on both engines.
eval "$("$root/scripts/pg-test-server.sh" start)"
trap '"$root/scripts/pg-test-server.sh" stop "$QUORVEL_TEST_PG_DIR"' EXIT

cd "$build"
ctest --output-on-failure --timeout 300 "$@"
