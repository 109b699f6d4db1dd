#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Exits non-zero on any failure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${QUORVEL_BUILD_DIR:-$root/build}"

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"

export QT_QPA_PLATFORM=offscreen

# A throw-away PostgreSQL server, so the records tests run on both engines.
# Assigned first so that a server that fails to start stops the run (eval alone
# would carry on, and the PostgreSQL cases would quietly skip).
pg_env="$("$root/scripts/pg-test-server.sh" start)"
eval "$pg_env"
trap '"$root/scripts/pg-test-server.sh" stop "$QUORVEL_TEST_PG_DIR"' EXIT

cd "$build"
ctest --output-on-failure --timeout 300 "$@"
