#!/usr/bin/env bash
# X11's 5x7 font exported in each of the first forms Zerlin wrote is, byte for byte, what it
# wrote then: the files kept in ../shared/golden-5x7 beside the project. Skips (77) where
# they or the font are missing.
#   check_golden.sh ZERLIN GOLDEN_FOLDER
set -uo pipefail
zerlin="$1" golden="$2"
font=/usr/share/fonts/X11/misc/5x7.pcf.gz
[ -d "$golden" ] && [ -f "$font" ] || exit 77
failed=0
for form in c lcd basic-rows basic-columns; do
    if ! "$zerlin" --export "$form" "$font" 2>/dev/null | cmp -s - "$golden/x11-5x7.$form.txt"; then
        echo "FAIL 5x7 $form output changed"
        failed=1
    fi
done
[ $failed = 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $failed
