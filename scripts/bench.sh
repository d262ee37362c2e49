#!/bin/bash
# Builds and runs the benchmarks under Wine on a private Xvfb; they print
# their figures beside baselines measured in the same run.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/setup.sh"
"$here/build.sh"
# shellcheck source=scripts/env.sh
. "$here/env.sh"
ninja -C "$QUENVAR_BUILD/win64" startup_bench refusal_bench >/dev/null

unset DISPLAY
"$WINESERVER" -k >/dev/null 2>&1 || true
eval "$("$here/xvfb.sh" start)"
trap '"$here/xvfb.sh" stop' EXIT
"$here/wine-prefix.sh"
for bench in startup_bench refusal_bench; do
    "$here/wine-exec.sh" "$QUENVAR_BUILD/win64/bench/$bench.exe"
done
