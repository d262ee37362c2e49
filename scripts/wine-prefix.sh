#!/bin/bash
# Creates and configures the Wine prefix used by tests ($WINEPREFIX from
# env.sh). Idempotent: a stamp holding a checksum of the settings makes a
# repeated run instant, and a change of the settings below re-applies them.
# No display is needed: wineboot and regedit run headless.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=scripts/env.sh
. "$here/env.sh"

stamp="$WINEPREFIX/.quenvar-prefix.stamp"

# Settings every test relies on, as a .reg file (CRLF; converted to
# UTF-16LE with a BOM below so the Chinese font names survive regedit).
#  - Managed=N: without a window manager, destroying a top-level window
#    otherwise takes 2 s (NIM_DELETE 2 s more).
#  - ShowCrashDialog=0: a crash would open a dialog that blocks forever.
#  - Font replacements: the program asks for SimSun/NSimSun; map them to
#    the installed font. (FontSubstitutes only covers CreateFont; font
#    enumeration would then find nothing.)
settings="$(printf '%s\r\n' \
    'Windows Registry Editor Version 5.00' \
    '' \
    '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' \
    '"Managed"="N"' \
    '' \
    '[HKEY_CURRENT_USER\Software\Wine\WineDbg]' \
    '"ShowCrashDialog"=dword:00000000' \
    '' \
    '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
    '"SimSun"="WenQuanYi Micro Hei"' \
    '"宋体"="WenQuanYi Micro Hei"' \
    '"NSimSun"="WenQuanYi Micro Hei"' \
    '"新宋体"="WenQuanYi Micro Hei"' \
    '')"
key="$(printf '%s' "$settings" | md5sum | cut -d' ' -f1)"

[[ -f "$stamp" && "$(<"$stamp")" == "$key" ]] && exit 0

t0=$EPOCHREALTIME
mkdir -p "$QUENVAR_BUILD"
# ctest -j may start several wine-exec.sh at once on a fresh tree.
exec 9>"$QUENVAR_BUILD/.wineprefix.lock"
flock 9
[[ -f "$stamp" && "$(<"$stamp")" == "$key" ]] && exit 0

log="$QUENVAR_BUILD/wineprefix.log"
: >"$log"
fail() {
    echo "wine-prefix.sh: $*" >&2
    tail -n 20 "$log" >&2 || true
    exit 1
}

# Every wine call gets /dev/null or the log as its streams: Wine's system
# processes started with the session inherit them, and a caller reading
# our output through a pipe (ctest, "| tee") would otherwise wait for them.
# For the same reason they must not inherit the lock (fd 9).
created=0
if [[ ! -f "$WINEPREFIX/.update-timestamp" ]]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    "$WINE" wineboot -i </dev/null >>"$log" 2>&1 9>&- || fail "wineboot -i failed"
    [[ -f "$WINEPREFIX/.update-timestamp" ]] || fail "wineboot did not create $WINEPREFIX"
    created=1
fi

regfile="$WINEPREFIX/drive_c/quenvar-settings.reg"
{ printf '\xff\xfe'; printf '%s' "$settings" | iconv -f UTF-8 -t UTF-16LE; } >"$regfile"
# A Windows path: regedit would read a leading "/" as a switch.
"$WINE" regedit /S 'C:\quenvar-settings.reg' </dev/null >>"$log" 2>&1 9>&- || fail "regedit failed"
rm -f "$regfile"

query() { # key [value]: prints reg.exe's answer, converted from the OEM code page
    local out="$QUENVAR_BUILD/.wineprefix.query"
    "$WINE" reg query "$@" </dev/null >"$out" 2>>"$log" 9>&- || return 1
    iconv -f GBK -t UTF-8 <"$out" | tr -d '\r'
    rm -f "$out"
}
query 'HKCU\Software\Wine\X11 Driver' /v Managed | grep -Eq 'Managed[[:space:]]+REG_SZ[[:space:]]+N$' ||
    fail "X11 Driver\\Managed not set"
query 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog | grep -Eq 'ShowCrashDialog[[:space:]]+REG_DWORD[[:space:]]+0x0$' ||
    fail "WineDbg\\ShowCrashDialog not set"
repl="$(query 'HKCU\Software\Wine\Fonts\Replacements')" || fail "no font replacements"
for name in SimSun 宋体 NSimSun 新宋体; do
    grep -Eq "^[[:space:]]*${name}[[:space:]]+REG_SZ[[:space:]]+WenQuanYi Micro Hei$" <<<"$repl" ||
        fail "font replacement for $name missing"
done

# A session we started ourselves ends on its own within seconds (Debian's
# wineserver wrapper passes -p0); wait for it so the registry is on disk and
# no Wine process stays bound to whatever display happened to be around.
# A session that was already running (e.g. started by wine-exec.sh) is left
# alone: waiting for a persistent server would never return.
if ((created)); then
    timeout 60 "$WINESERVER" -w </dev/null >>"$log" 2>&1 9>&- || true
fi

printf '%s\n' "$key" >"$stamp"
t1=$EPOCHREALTIME
us=$(( ${t1/[.,]/} - ${t0/[.,]/} ))
printf 'wine-prefix.sh: %s %s (%d.%02d s)\n' "$([[ $created == 1 ]] && echo created || echo updated)" \
    "$WINEPREFIX" $((us / 1000000)) $((us / 10000 % 100))
