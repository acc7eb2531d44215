#!/usr/bin/env bash
# The Wine prefix scripts/run and scripts/test use: the user's when set, otherwise our own in
# the cache folder; only our own prefix's wine server is ever stopped. A fake wineserver on
# the PATH records what it is asked.
set -u
source "$(dirname "$0")/../../scripts/common.bash"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin" "$work/user" "$work/cache/daubix/wine"
printf '#!/bin/sh\necho "$*" >>"%s/calls"\n' "$work" >"$work/bin/wineserver"
chmod +x "$work/bin/wineserver"

failures=0
# name | WINEPREFIX given ("-" for unset) | XDG_CACHE_HOME | prefix expected | wineserver calls
cases=(
    "user's prefix|$work/user|$work/cache|$work/user|"
    "none set|-|$work/cache|$work/cache/daubix/wine|-w"
    "set but empty||$work/cache|$work/cache/daubix/wine|-w"
)
for entry in "${cases[@]}"; do
    IFS='|' read -r name given cache want calls <<<"$entry"
    rm -f "$work/calls"
    got="$(
        if [ "$given" = - ]; then unset WINEPREFIX; else export WINEPREFIX="$given"; fi
        export XDG_CACHE_HOME="$cache" PATH="$work/bin:$PATH"
        wine_environment
        stop_wine
        echo "$WINEPREFIX"
    )"
    got_calls="$(cat "$work/calls" 2>/dev/null)"
    if [ "$got" != "$want" ] || [ "$got_calls" != "$calls" ]; then
        echo "FAIL $name: prefix '$got' (want '$want'), wineserver '$got_calls' (want '$calls')"
        failures=$((failures + 1))
    fi
done
[ $failures -eq 0 ] && echo "wine_environment: ${#cases[@]} cases passed"
exit $((failures != 0))
