#!/bin/bash
# Installs what is missing, builds, and runs Quenvar under Wine.
# On your $DISPLAY when there is one; otherwise on a private Xvfb, where a
# screenshot of the window is saved and its path printed, and the program
# keeps running until you interrupt it (Ctrl-C).
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/setup.sh"
"$here/build.sh"
# shellcheck source=scripts/env.sh
. "$here/env.sh"
exe="$QUENVAR_BUILD/win64/Quenvar.exe"

if [[ -n "${DISPLAY:-}" ]] && xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then
    "$here/wine-prefix.sh"
    exec "$WINE" "$exe"
fi

unset DISPLAY
eval "$("$here/xvfb.sh" start)"
"$here/wine-prefix.sh"
cleanup() { "$here/xvfb.sh" stop; }
trap cleanup EXIT
trap 'exit 130' INT TERM

"$here/wine-exec.sh" "$exe" &
program=$!
# The window is up once the program's X window is mapped.
for ((i = 0; i < 300; i++)); do
    xdotool search --onlyvisible --classname quenvar.exe >/dev/null 2>&1 && break
    kill -0 "$program" 2>/dev/null || { echo "run.sh: Quenvar ended early" >&2; exit 1; }
    sleep 0.1
done
sleep 1  # let the first paint finish
shot="$QUENVAR_BUILD/screenshot.png"
import -window root -crop 727x604+276+210 +repage "$shot" 2>/dev/null || import -window root "$shot"
echo "Quenvar runs on the private display $DISPLAY; screenshot: $shot"
echo "Press Ctrl-C to stop it."
wait "$program" || true
