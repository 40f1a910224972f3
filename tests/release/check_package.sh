#!/usr/bin/env bash
# Builds the .deb, unpacks it into a temporary root and checks that the files are where the
# desktop entry says, and that it depends on the Qt 6 runtime.
set -euo pipefail
build="$1"
command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null || exit 77
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
deb="$(ls "$work"/zerlin_1.00*.deb)"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6'
dpkg-deb -f "$deb" Version | grep -qx '1.00'
dpkg-deb -x "$deb" "$work/root"
root="$work/root"
desktop="$root/usr/share/applications/example.zerlin.Zerlin.desktop"
test -f "$desktop"
exec_name="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")"
icon_name="$(sed -n 's/^Icon=//p' "$desktop")"
test -x "$root/usr/bin/$exec_name"
for size in 16 32 48 64 128 256; do
    test -f "$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon_name.png"
done
test -f "$root/usr/share/icons/hicolor/scalable/apps/$icon_name.svg"
test -f "$root/usr/share/metainfo/example.zerlin.Zerlin.metainfo.xml"
