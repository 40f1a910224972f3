#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo pass their validators.
set -euo pipefail
resources="$1"
command -v desktop-file-validate >/dev/null && command -v appstreamcli >/dev/null || exit 77
desktop-file-validate "$resources/example.zerlin.Zerlin.desktop"
appstreamcli validate --no-net "$resources/example.zerlin.Zerlin.metainfo.xml"
grep -q '<release version="1.00"' "$resources/example.zerlin.Zerlin.metainfo.xml"
grep -q '<screenshot type="default">' "$resources/example.zerlin.Zerlin.metainfo.xml"
python3 -c 'import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.argv[1])' \
    "$resources/icons/zerlin.svg"
