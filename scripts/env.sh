# shellcheck shell=bash
# Common environment for running the Windows build under Wine.
# Source it (". scripts/env.sh"); it only sets variables, so sourcing it is
# cheap enough for the ctest emulator wrapper, which runs once per test.
# DISPLAY is deliberately left alone: see scripts/xvfb.sh.

_quenvar_env_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
QUENVAR_ROOT="$(cd "$_quenvar_env_dir/.." && pwd)"
unset _quenvar_env_dir
export QUENVAR_ROOT

# Build tree root; a relative value is taken relative to the current
# directory so that every script agrees on one absolute path.
QUENVAR_BUILD="${QUENVAR_BUILD:-$QUENVAR_ROOT/build}"
case "$QUENVAR_BUILD" in /*) ;; *) QUENVAR_BUILD="$PWD/$QUENVAR_BUILD" ;; esac
export QUENVAR_BUILD

# A prefix inside the build tree, never ~/.wine. QUENVAR_WINEPREFIX lets a
# test run on a private copy (e.g. inside a network namespace).
export WINEPREFIX="${QUENVAR_WINEPREFIX:-$QUENVAR_BUILD/wineprefix}"
export WINEARCH=win64

# Only the 64-bit loader works here: the kernel cannot run 32-bit Linux
# programs, so /usr/bin/wine (wine32) fails with "Exec format error".
export WINELOADER=/usr/lib/wine/wine64
export WINE=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver

# Code page 936 (GBK) for the ANSI API, and Chinese command-line arguments
# that arrive intact; needs the glibc locale that setup.sh generates.
export LC_ALL=zh_CN.UTF-8

export WINEDEBUG=-all

# No Mono/Gecko download prompts when a prefix is created or updated.
export WINEDLLOVERRIDES="mscoree,mshtml="

# Wine's WinInet honours http_proxy; tests talk to servers on 127.0.0.1.
unset http_proxy https_proxy ftp_proxy all_proxy \
      HTTP_PROXY HTTPS_PROXY FTP_PROXY ALL_PROXY
export no_proxy=127.0.0.1,localhost
export NO_PROXY=127.0.0.1,localhost
