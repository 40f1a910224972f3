#!/usr/bin/env bash
# The Windows resource script (icon and version 1.00) compiles.
set -euo pipefail
resources="$1"
command -v x86_64-w64-mingw32-windres >/dev/null || exit 77
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
x86_64-w64-mingw32-windres --preprocessor=cpp -I "$resources" -i "$resources/zerlin.rc" \
    -O coff -o "$out/zerlin.res"
test -s "$out/zerlin.res"
# File and product version strings, UTF-16 in the compiled resource.
strings -el "$out/zerlin.res" | grep -x 'ProductVersion' >/dev/null
test "$(strings -el "$out/zerlin.res" | grep -cx '1.00')" -eq 2
file "$resources/zerlin.ico" | grep -q '16x16, 8 bits/pixel, 32x32, 8 bits/pixel'
