#!/usr/bin/env bash
# Starts a D-Bus session and an X server, then reads the program as a screen reader does.
# Skips (77) where the accessibility tools are not installed.
set -euo pipefail
for tool in dbus-run-session xvfb-run xdotool /usr/bin/python3; do
    command -v "$tool" >/dev/null || exit 77
done
exec dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" \
    /usr/bin/python3 "$(dirname "$0")/read_editor.py" "$1"
