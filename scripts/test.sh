#!/bin/bash
# Installs what is missing, builds both flavours and runs every test with
# ctest under Wine on a private Xvfb with a private Wine prefix in the build
# tree (zh_CN locale: the ANSI code page is 936).
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/setup.sh"
"$here/build.sh"
# shellcheck source=scripts/env.sh
. "$here/env.sh"

unset DISPLAY
# A session left from an earlier run may be bound to another display.
"$WINESERVER" -k >/dev/null 2>&1 || true
eval "$("$here/xvfb.sh" start)"
trap '"$here/xvfb.sh" stop' EXIT
"$here/wine-prefix.sh"

cd "$QUENVAR_BUILD/win64"
ctest --output-on-failure --timeout 300 "$@"
