#!/bin/bash
# Configures (once) and builds both flavours from the one source tree:
#   $QUENVAR_BUILD/win32/Quenvar.exe  i686, the 32-bit release program
#   $QUENVAR_BUILD/win64/Quenvar.exe  x86_64, the same program, with the tests
# Run scripts/setup.sh first (run.sh and test.sh do).
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=scripts/env.sh
. "$here/env.sh"

configure() { # flavour triplet tests
    local dir="$QUENVAR_BUILD/$1"
    if [[ ! -f "$dir/build.ninja" ]]; then
        cmake -S "$QUENVAR_ROOT" -B "$dir" -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="$QUENVAR_ROOT/cmake/toolchain-$2.cmake" \
            -DQUENVAR_DEPS_PREFIX="$QUENVAR_BUILD/deps/$2" \
            -DQUENVAR_BUILD_TESTS="$3" >/dev/null
    fi
}

configure win32 i686-w64-mingw32 OFF
configure win64 x86_64-w64-mingw32 ON
ninja -C "$QUENVAR_BUILD/win32"
ninja -C "$QUENVAR_BUILD/win64"
