#!/usr/bin/env bash
# The program is built as a position-independent executable with full RELRO and a stack
# protector. (_FORTIFY_SOURCE leaves a trace only where the code calls a fortifiable libc
# function, so it is checked by the build flags, not here.)
set -euo pipefail
# grep reads to the end (no -q), so a long listing never dies of a closed pipe.
binary="$1"
command -v readelf >/dev/null && command -v nm >/dev/null || exit 77
readelf -h "$binary" | grep >/dev/null 'Type:.*DYN'
readelf -l "$binary" | grep >/dev/null 'GNU_RELRO'
readelf -d "$binary" | grep >/dev/null 'BIND_NOW'
nm -D "$binary" | grep >/dev/null '__stack_chk_fail'
