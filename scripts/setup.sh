#!/bin/bash
# Prepares a Debian 12 x86_64 machine for building and testing Quenvar:
# apt packages, the zh_CN.UTF-8 locale, and static cross builds of libpng
# and libjpeg-turbo for i686/x86_64-w64-mingw32 in $QUENVAR_BUILD/deps.
#
#   scripts/setup.sh          # packages, locale, libraries
#   scripts/setup.sh --wine   # ... and the Wine prefix (scripts/wine-prefix.sh)
#
# Idempotent: when everything is in place it only checks (well under 2 s).
# Needs root (or sudo) only when something has to be installed.
set -euo pipefail

usage() { sed -n '2,10p' "$0" | sed 's/^# \{0,1\}//'; }

want_wine=0
for arg in "$@"; do
    case "$arg" in
        --wine) want_wine=1 ;;
        -h | --help) usage; exit 0 ;;
        *) echo "setup.sh: unknown argument: $arg" >&2; usage >&2; exit 2 ;;
    esac
done

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${QUENVAR_BUILD:-$root/build}"
case "$build" in /*) ;; *) build="$PWD/$build" ;; esac
export QUENVAR_BUILD="$build"
deps="$build/deps"
logs="$deps/logs"
triplets=(i686-w64-mingw32 x86_64-w64-mingw32)

packages=(
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-win32 binutils-mingw-w64
    cmake ninja-build nasm
    wine wine64
    # Wine's X driver loads these at run time (libwine only recommends them,
    # and recommends are not installed): without XRender text is not
    # anti-aliased and AlphaBlend degrades; XRandR/Xinerama give the screen
    # metrics; the rest cover cursors and input. Same set as the machines
    # the tests were written on.
    libxrender1 libxrandr2 libxinerama1 libxcursor1 libxi6 libxcomposite1
    libxfixes3 libxxf86vm1 libgnutls30 libdbus-1-3 libgl1
    xvfb xauth x11-utils xdotool imagemagick fonts-wqy-microhei
    libz-mingw-w64-dev googletest
    locales dpkg-dev python3-pil file
)

# Debian's own source packages, with its patches applied.
src_packages=(libpng1.6 libjpeg-turbo)
src_list=/etc/apt/sources.list.d/quenvar-src.sources
src_list_classic=/etc/apt/sources.list.d/quenvar-src.list

export DEBIAN_FRONTEND=noninteractive
as_root() {
    if ((EUID == 0)); then "$@"; else sudo "$@"; fi
}

# ---- output -----------------------------------------------------------
t_start=$EPOCHREALTIME
elapsed() { # start-time -> "1.23"
    local us=$((${EPOCHREALTIME/[.,]/} - ${1/[.,]/}))
    printf '%d.%02d' $((us / 1000000)) $((us / 10000 % 100))
}
step_t0=
step_name=
begin() { step_name="$1"; step_t0=$EPOCHREALTIME; }
end() { printf '[setup] %-34s %-26s %6s s\n' "$step_name" "$1" "$(elapsed "$step_t0")"; }
die() { echo "[setup] FAILED: $*" >&2; exit 1; }
# run LOG CMD...: output to LOG; on failure show its end and stop.
run() {
    local log="$1"; shift
    if ! "$@" >>"$log" 2>&1; then
        echo "[setup] command failed: $*" >&2
        tail -n 30 "$log" >&2
        die "$step_name (full log: $log)"
    fi
}

mkdir -p "$logs"

# ---- apt configuration: a deb-src entry derived from the machine's own ----
# Only the main suite: the security suite's newer source versions were
# seen missing on the mirror (404), which makes "apt-get source" fail.
src_entry_target() { # prints the file the entry belongs in
    if [[ -f /etc/apt/sources.list.d/debian.sources ]]; then
        echo "$src_list"
    elif [[ -f /etc/apt/sources.list ]]; then
        echo "$src_list_classic"
    fi
}
src_entry() { # prints the entry
    local f=/etc/apt/sources.list.d/debian.sources
    if [[ -f "$f" ]]; then
        # First stanza that is not the security suite, comments dropped.
        awk '
            BEGIN { RS = ""; FS = "\n" }
            {
                types = 0; sec = 0; out = ""
                for (i = 1; i <= NF; i++) {
                    line = $i
                    if (line ~ /^[ \t]*#/) continue
                    if (line ~ /^Types:/) { line = "Types: deb-src"; types = 1 }
                    if (line ~ /^Suites:.*-security/) sec = 1
                    out = out line "\n"
                }
                if (types && !sec) { printf "%s", out; exit }
            }' "$f"
        return
    fi
    f=/etc/apt/sources.list
    if [[ -f "$f" ]]; then
        awk '$1 == "deb" && $0 !~ /-security/ { sub(/^deb/, "deb-src"); print; exit }' "$f"
        return
    fi
    return 1
}

have_sources_fetched() {
    [[ -f "$deps/src/.fetched" ]]
}

missing=()
check_packages() {
    local installed
    installed=" $(dpkg-query -W -f='${db:Status-Abbrev}${Package}\n' "${packages[@]}" 2>/dev/null |
        awk '$1 == "ii" { printf "%s ", $2 }') " || true
    missing=()
    local p
    for p in "${packages[@]}"; do
        [[ "$installed" == *" $p "* ]] || missing+=("$p")
    done
}

# ---- 1. apt packages ---------------------------------------------------
begin "apt packages"
check_packages
need_src_index=0
if ! have_sources_fetched; then
    src_target="$(src_entry_target)"
    entry="$(src_entry)" || true
    [[ -n "$entry" ]] || die "no Debian apt source found to derive a deb-src entry from"
    if [[ ! -f "$src_target" || "$(<"$src_target")" != "$entry" ]]; then
        printf '%s\n' "$entry" | as_root tee "$src_target" >/dev/null
        need_src_index=1
    elif ! apt-cache showsrc "${src_packages[0]}" 2>/dev/null | grep -q '^Package:'; then
        need_src_index=1
    fi
fi
if ((${#missing[@]} || need_src_index)); then
    run "$logs/apt.log" as_root apt-get update
fi
if ((${#missing[@]})); then
    installing=("${missing[@]}")
    run "$logs/apt.log" as_root apt-get install -y --no-install-recommends "${missing[@]}"
    check_packages
    ((${#missing[@]} == 0)) || die "still missing after install: ${missing[*]}"
    end "installed ${#installing[@]}"
elif ((need_src_index)); then
    end "present; deb-src indexed"
else
    end "all present"
fi

# ---- 2. locale ---------------------------------------------------------
# Wine under LC_ALL=zh_CN.UTF-8 uses ANSI code page 936 and passes Chinese
# command-line arguments intact; that needs the glibc locale itself.
begin "locale zh_CN.UTF-8"
if locale -a 2>/dev/null | grep -Eqi '^zh_CN\.utf-?8$'; then
    end "present"
else
    run "$logs/locale.log" as_root localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
    # Keep it across a later locale-gen run (e.g. a locales upgrade).
    if [[ -f /etc/locale.gen ]] && ! grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen; then
        echo 'zh_CN.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    fi
    end "generated"
fi

# ---- 3. library sources --------------------------------------------------
begin "sources ${src_packages[*]}"
if have_sources_fetched; then
    end "present"
else
    rm -rf "$deps/src"
    mkdir -p "$deps/src"
    (cd "$deps/src" && run "$logs/source.log" apt-get source "${src_packages[@]}")
    compgen -G "$deps/src/libpng1.6-*/CMakeLists.txt" >/dev/null || die "libpng source not extracted"
    compgen -G "$deps/src/libjpeg-turbo-*/CMakeLists.txt" >/dev/null || die "libjpeg-turbo source not extracted"
    touch "$deps/src/.fetched"
    end "fetched"
fi
png_src="$(compgen -G "$deps/src/libpng1.6-*/CMakeLists.txt" | head -n1)"
png_src="${png_src%/CMakeLists.txt}"
jpeg_src="$(compgen -G "$deps/src/libjpeg-turbo-*/CMakeLists.txt" | head -n1)"
jpeg_src="${jpeg_src%/CMakeLists.txt}"

# ---- 4. static cross builds ----------------------------------------------
# build_lib NAME SRC TRIPLET CMAKE-ARGS...
# The stamp holds everything the result depends on, so a change of version,
# options or toolchain file rebuilds, and nothing else does.
build_lib() {
    local name="$1" src="$2" triplet="$3"
    shift 3
    local prefix="$deps/$triplet"
    local bdir="$deps/build/$name-$triplet"
    local toolchain="$root/cmake/toolchain-$triplet.cmake"
    local log="$logs/$name-$triplet.log"
    local stamp="$prefix/.stamp-$name"
    local key
    key="$(basename "$src") $* $(md5sum <"$toolchain" | cut -d' ' -f1)"
    begin "$name $triplet"
    if [[ -f "$stamp" && "$(<"$stamp")" == "$key" ]]; then
        end "up to date"
        return 0
    fi
    [[ -f "$toolchain" ]] || die "missing $toolchain"
    rm -rf "$bdir" "$stamp"
    : >"$log"
    run "$log" cmake -S "$src" -B "$bdir" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DQUENVAR_DEPS_PREFIX="$prefix" \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DCMAKE_BUILD_TYPE=Release \
        "$@"
    run "$log" cmake --build "$bdir" -j 2
    run "$log" cmake --install "$bdir"
    printf '%s\n' "$key" >"$stamp"
    end "built"
}

for triplet in "${triplets[@]}"; do
    build_lib libpng "$png_src" "$triplet" \
        -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
        -DZLIB_LIBRARY="/usr/$triplet/lib/libz.a" \
        -DZLIB_INCLUDE_DIR="/usr/$triplet/include"
    build_lib libjpeg-turbo "$jpeg_src" "$triplet" \
        -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=ON \
        -DREQUIRE_SIMD=ON
done

# ---- 5. Wine prefix (optional) -----------------------------------------
if ((want_wine)); then
    begin "wine prefix"
    "$root/scripts/wine-prefix.sh" >/dev/null || die "wine prefix"
    end "ready"
fi

printf '[setup] %-34s %-26s %6s s\n' "total" "" "$(elapsed "$t_start")"
