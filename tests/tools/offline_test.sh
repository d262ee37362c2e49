#!/bin/bash
# Runs a test program where the system reports no Internet connection: in a
# network namespace of its own that has only loopback, with a Wine session
# and prefix of its own (a session started outside would answer for the
# outside network), and with the tests' web server inside, on 127.0.0.1.
#
#   offline_test.sh STATE_DIR TEST_EXE [ARGS...]
#
# The prefix is created on first use (scripts/wine-prefix.sh) and kept.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
state="$1"
shift
mkdir -p "$state"

if [[ "${QUENVAR_OFFLINE_INSIDE:-}" != 1 ]]; then
    exec unshare --net env QUENVAR_OFFLINE_INSIDE=1 "$0" "$state" "$@"
fi

ip link set lo up
. "$root/scripts/env.sh"
export QUENVAR_WINEPREFIX="$QUENVAR_BUILD/wineprefix-offline"
export WINEPREFIX="$QUENVAR_WINEPREFIX"
python3 "$here/http_server.py" start "$state"
finish() {
    "$WINESERVER" -k >/dev/null 2>&1 || true
    python3 "$here/http_server.py" stop "$state"
}
trap finish EXIT
"$root/scripts/wine-exec.sh" "$@"
