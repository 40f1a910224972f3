#!/usr/bin/env bash
# The program is built as a position-independent executable with full RELRO and a stack
# protector. (_FORTIFY_SOURCE leaves a trace only where the code calls a fortifiable libc
# function, so it is checked by the build flags, not here.)
set -euo pipefail
binary="$1"
command -v readelf >/dev/null && command -v nm >/dev/null || exit 77
readelf -h "$binary" | grep -q 'Type:.*DYN'
readelf -l "$binary" | grep -q 'GNU_RELRO'
readelf -d "$binary" | grep -q 'BIND_NOW'
nm -D "$binary" | grep -q '__stack_chk_fail'
