#!/bin/bash
# Virtual X display for running the GUI under Wine on a machine without one.
#
#   eval "$(scripts/xvfb.sh start)"   # prints "DISPLAY=:N" and "export DISPLAY"
#   scripts/xvfb.sh status            # prints the display in use, if any
#   scripts/xvfb.sh stop
#
# "start" reuses a working $DISPLAY, then a server recorded by an earlier
# "start", and only then launches a new Xvfb. The display and pid are kept
# in $QUENVAR_BUILD/xvfb.display and $QUENVAR_BUILD/xvfb.pid so that other
# scripts (wine-exec.sh) can find the display without DISPLAY being set.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${QUENVAR_BUILD:-$root/build}"
case "$build" in /*) ;; *) build="$PWD/$build" ;; esac
display_file="$build/xvfb.display"
pid_file="$build/xvfb.pid"
log_file="$build/xvfb.log"

answers() { # display
    [[ -n "${1:-}" ]] && xdpyinfo -display "$1" >/dev/null 2>&1
}

recorded() { # prints the display of our own still-running Xvfb
    [[ -f "$pid_file" && -f "$display_file" ]] || return 1
    local pid d
    pid="$(<"$pid_file")"
    d="$(<"$display_file")"
    kill -0 "$pid" 2>/dev/null || return 1
    answers "$d" || return 1
    printf '%s\n' "$d"
}

emit() { # display; the second line makes eval export it to children
    printf 'DISPLAY=%s\nexport DISPLAY\n' "$1"
}

start() {
    if answers "${DISPLAY:-}"; then
        emit "$DISPLAY"
        return 0
    fi
    mkdir -p "$build"
    # Parallel callers (ctest -j through wine-exec.sh) must share one server.
    exec 8>"$build/.xvfb.lock"
    flock 8
    local d
    if d="$(recorded)"; then
        emit "$d"
        return 0
    fi
    command -v Xvfb >/dev/null || { echo "xvfb.sh: Xvfb not installed (run scripts/setup.sh)" >&2; return 1; }
    local n pid i
    for ((n = 93; n < 193; n++)); do
        # A lock or socket means the number is taken (possibly by a stale
        # server of someone else): skip it rather than fight over it.
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
        # Detached, with no inherited stdout: "$(xvfb.sh start)" must return.
        # fd 8 (the lock) is closed for it, or the lock would live as long as the server.
        setsid Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp \
            </dev/null >"$log_file" 2>&1 8>&- &
        pid=$!
        for ((i = 0; i < 100; i++)); do
            if answers ":$n"; then
                printf '%s\n' ":$n" >"$display_file"
                printf '%s\n' "$pid" >"$pid_file"
                emit ":$n"
                return 0
            fi
            kill -0 "$pid" 2>/dev/null || break   # lost a race for :n
            sleep 0.05
        done
        kill "$pid" 2>/dev/null || true
    done
    echo "xvfb.sh: could not start Xvfb (see $log_file)" >&2
    return 1
}

stop() {
    [[ -f "$pid_file" ]] || { rm -f "$display_file"; return 0; }
    local pid i
    pid="$(<"$pid_file")"
    if kill -0 "$pid" 2>/dev/null; then
        # Wine processes of a session bound to this display would die with
        # X errors half-way; end the test prefix's session cleanly first.
        if [[ -x /usr/lib/wine/wineserver ]]; then
            (
                # shellcheck source=scripts/env.sh
                . "$root/scripts/env.sh" 2>/dev/null
                if [[ -d "$WINEPREFIX" ]]; then
                    timeout 20 "$WINESERVER" -k >/dev/null 2>&1 || true
                fi
            )
        fi
        kill "$pid" 2>/dev/null || true
        for ((i = 0; i < 100; i++)); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.05
        done
        kill -9 "$pid" 2>/dev/null || true
    fi
    rm -f "$pid_file" "$display_file"
}

status() {
    local d
    if d="$(recorded)"; then
        printf '%s\n' "$d"
    elif answers "${DISPLAY:-}"; then
        printf '%s\n' "$DISPLAY"
    else
        echo "xvfb.sh: no display" >&2
        return 1
    fi
}

case "${1:-}" in
    start) start ;;
    stop) stop ;;
    status) status ;;
    *) echo "usage: $0 start|stop|status" >&2; exit 2 ;;
esac
