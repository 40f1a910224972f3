#!/usr/bin/python3
"""The built zerlin.exe carries the program icon and version 1.00, read from its resources.

The icon group holds 16x16 and 32x32 images of 256 colours (and larger ones), the very
images of resources/zerlin.ico, which is drawn by the same code as the windows' icon; the
version information says 1.00 in US English and names Zerlin as product."""
import pathlib
import struct
import sys

import pefile

RT_ICON, RT_GROUP_ICON, RT_VERSION = 3, 14, 16


def resources(pe, kind):
    for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if entry.id == kind:
            for name in entry.directory.entries:
                for language in name.directory.entries:
                    data = language.data.struct
                    yield name.id, language.id, pe.get_data(data.OffsetToData, data.Size)


def main(exe):
    pe = pefile.PE(exe)
    icons = {name: data for name, _, data in resources(pe, RT_ICON)}
    groups = list(resources(pe, RT_GROUP_ICON))
    assert len(groups) == 1, f"{len(groups)} icon groups"
    group = groups[0][2]
    count = struct.unpack_from("<HHH", group)[2]
    entries = [struct.unpack_from("<BBBBHHIH", group, 6 + 14 * i) for i in range(count)]
    sizes = {(w or 256, h or 256, bits) for w, h, _, _, _, bits, _, _ in entries}
    assert {(16, 16, 8), (32, 32, 8)} <= sizes, sizes

    ico = pathlib.Path(__file__).resolve().parents[2] / "resources" / "zerlin.ico"
    raw = ico.read_bytes()
    for i, (*_, size, offset) in enumerate(
            struct.unpack_from("<BBBBHHII", raw, 6 + 16 * i) for i in range(count)):
        image = raw[offset:offset + size]
        assert icons[entries[i][7]] == image, f"icon {i} is not the one of resources/zerlin.ico"

    pe.parse_data_directories([pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_RESOURCE"]])
    strings = {}
    for info in pe.FileInfo[0]:
        if info.Key == b"StringFileInfo":
            for table in info.StringTable:
                assert table.LangID.lower() == b"040904b0", table.LangID
                strings.update({k.decode(): v.decode() for k, v in table.entries.items()})
        if info.Key == b"VarFileInfo":
            translation = info.Var[0].entry[b"Translation"]
            assert translation.startswith("0x0409"), translation
    assert strings["FileVersion"] == "1.00", strings
    assert strings["ProductVersion"] == "1.00", strings
    assert "Zerlin" in strings["ProductName"], strings
    fixed = pe.VS_FIXEDFILEINFO[0]
    assert (fixed.FileVersionMS, fixed.ProductVersionMS) == (0x10000, 0x10000)
    print(f"{exe}: icons {sorted(sizes)}, version {strings['FileVersion']} (0x0409), "
          f"product {strings['ProductName']}")


if __name__ == "__main__":
    main(sys.argv[1])
