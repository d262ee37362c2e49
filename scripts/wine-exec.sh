#!/bin/bash
# Runs a Windows program under Wine; used as CMAKE_CROSSCOMPILING_EMULATOR
# (ctest, gtest_discover_tests) and by hand: scripts/wine-exec.sh app.exe args
#
# The program's exit code is passed through (low 8 bits, as for any Linux
# process). Output of the program goes to our stdout/stderr; nothing else
# does, because gtest_discover_tests parses stdout.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=scripts/env.sh
. "$here/env.sh"

# Wine's desktop (explorer.exe) comes up with the DISPLAY of the process
# that starts the session, and every later program gets that desktop: a
# session started without a display reports a 1024x768 screen to GUI tests
# even when they have DISPLAY set. So never start one without a display:
# use $DISPLAY, else the Xvfb recorded by "scripts/xvfb.sh start", else
# start that Xvfb now (it stays up; "scripts/xvfb.sh stop" ends it).
if [[ -z "${DISPLAY:-}" ]]; then
    xvfb_env="$("$here/xvfb.sh" start)"
    eval "$xvfb_env"
fi

# A configured prefix is needed (registry settings that keep tests from
# blocking); wine-prefix.sh is instant once its stamp exists and serialises
# concurrent callers (ctest -j).
if [[ ! -f "$WINEPREFIX/.quenvar-prefix.stamp" ]]; then
    "$here/wine-prefix.sh" >&2
fi

# When no wineserver runs, the first wine64 would start one together with
# Wine's system processes, and they would inherit ctest's output pipe: each
# test then takes seconds or ctest never sees EOF. "wineserver -p" starts a
# persistent server (exit 0) or exits at once (2) when one is running; in
# the first case the session is started here with all streams detached.
session_display="$WINEPREFIX/.quenvar-session-display"
if "$WINESERVER" -p </dev/null >/dev/null 2>&1; then
    printf '%s\n' "$DISPLAY" >"$session_display"
    "$WINE" cmd /c exit </dev/null >/dev/null 2>&1 || true
elif [[ -f "$session_display" && "$(<"$session_display")" != "$DISPLAY" ]]; then
    # Joining a session that lives on another display: use that one, so
    # the program's windows are on the same X server as Wine's desktop.
    other="$(<"$session_display")"
    if xdpyinfo -display "$other" >/dev/null 2>&1; then
        DISPLAY="$other"
    fi
fi

exec "$WINE" "$@"
