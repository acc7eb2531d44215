# Shared by scripts/run and scripts/test: packages, the Japanese locale, a display and the
# Wine prefix. Sourced, not run.

# Debian packages the builds and Wine need. "a|b": either will do; the first is installed.
DAUBIX_PACKAGES=(
    cmake ninja-build g++ pkg-config
    libgtest-dev googletest libbenchmark-dev libpng-dev
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine64 fonts-wine
    libxrender1 libxrandr2 libxi6 libxcursor1 libxinerama1 libxcomposite1 libxfixes3
    xvfb xauth x11-utils xdotool
    locales "fonts-ipafont-gothic|fonts-noto-cjk"
)

DAUBIX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
DAUBIX_JA_LOCALE=ja_JP.UTF-8

say() { printf '%s\n' "$*"; }

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

package_installed() {
    [ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" = installed ]
}

# Installs what is missing, without questions; the package lists are refreshed only then.
ensure_packages() {
    local missing=() entry alternative found
    for entry in "${DAUBIX_PACKAGES[@]}"; do
        found=
        IFS='|' read -ra alternatives <<<"$entry"
        for alternative in "${alternatives[@]}"; do
            if package_installed "$alternative"; then found=1; break; fi
        done
        [ -n "$found" ] || missing+=("${alternatives[0]}")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    say "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    as_root apt-get update -q </dev/null
    as_root apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null
}

has_ja_locale() {
    locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8'
}

ensure_ja_locale() {
    has_ja_locale && return 0
    say "Generating the locale $DAUBIX_JA_LOCALE"
    if grep -q "^# *$DAUBIX_JA_LOCALE UTF-8" /etc/locale.gen 2>/dev/null; then
        as_root sed -i "s/^# *\($DAUBIX_JA_LOCALE UTF-8\)/\1/" /etc/locale.gen
    elif ! grep -q "^$DAUBIX_JA_LOCALE UTF-8" /etc/locale.gen 2>/dev/null; then
        echo "$DAUBIX_JA_LOCALE UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
    fi
    as_root locale-gen >/dev/null
}

# Set when the Wine prefix is our own rather than the user's.
DAUBIX_OWN_WINEPREFIX=

# Wine's own settings: the user's WINEPREFIX when one is set, otherwise a prefix of our own
# outside the source tree; no questions about Mono or Gecko, no debug chatter. The Japanese
# locale makes the prefix and the program Japanese.
wine_environment() {
    if [ -z "${WINEPREFIX:-}" ]; then
        export WINEPREFIX="${XDG_CACHE_HOME:-$HOME/.cache}/daubix/wine"
        DAUBIX_OWN_WINEPREFIX=1
    fi
    export WINEARCH=win64
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    if has_ja_locale; then
        export LANG=$DAUBIX_JA_LOCALE LC_ALL=$DAUBIX_JA_LOCALE
    fi
}

XVFB_PID=

# Starts a virtual display when there is none; stop_display ends it again.
ensure_display() {
    [ -n "${DISPLAY:-}" ] && return 0
    local number_file
    number_file="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" \
        </dev/null >/dev/null 2>&1 &
    XVFB_PID=$!
    local tries=0
    while [ ! -s "$number_file" ] && [ $tries -lt 100 ]; do
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
        tries=$((tries + 1))
    done
    if [ ! -s "$number_file" ]; then
        rm -f "$number_file"
        say "Xvfb did not start"
        return 1
    fi
    export DISPLAY=":$(tr -d '[:space:]' <"$number_file")"
    rm -f "$number_file"
    say "No DISPLAY was set: started a virtual display $DISPLAY (Xvfb)"
}

stop_display() {
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=
    fi
}

# Makes the Wine prefix the first time; a later run finds it ready. Our own prefix carries a
# marker, so that a first set-up cut short is done again; the user's is ready once Wine made it.
ensure_wine_prefix() {
    if [ -f "$WINEPREFIX/system.reg" ] &&
        { [ -z "$DAUBIX_OWN_WINEPREFIX" ] || [ -f "$WINEPREFIX/.daubix-ready" ]; }; then
        return 0
    fi
    say "Making the Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    timeout 300 wineboot -i </dev/null >/dev/null 2>&1
    timeout 120 wineserver -w
    [ -z "$DAUBIX_OWN_WINEPREFIX" ] || touch "$WINEPREFIX/.daubix-ready"
}

# Ends our own prefix's wine server once its programs are done; the user's prefix may be
# running other programs, so its server is left alone.
stop_wine() {
    if [ -n "$DAUBIX_OWN_WINEPREFIX" ] && [ -d "$WINEPREFIX" ]; then
        timeout 30 wineserver -w 2>/dev/null || wineserver -k 2>/dev/null || true
    fi
}

# The cross build of the Windows programs.
build_cross() {
    cmake -S "$DAUBIX_ROOT" -B "$DAUBIX_ROOT/build/cross" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$DAUBIX_ROOT/cmake/mingw-w64.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$DAUBIX_ROOT/build/cross" "$@"
}
