#!/usr/bin/env python3
"""Writes the outline fuzz target's seed: the smallest TrueType font FreeType reads, with a
triangle at 'A', a bar at 'l', a name table with a two-line copyright notice, and nothing
else. Run from the project root: python3 tests/fuzz/make_outline_seed.py"""
import struct

GLYPHS = [  # (advance, points of one closed contour, all on the curve)
    (500, []),
    (600, [(0, 0), (300, 700), (600, 0)]),
    (300, [(100, 0), (100, 700), (200, 700), (200, 0)]),
]


def glyph(points):
    if not points:
        return b""
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    data = struct.pack(">hhhhhH", 1, min(xs), min(ys), max(xs), max(ys), len(points) - 1)
    data += struct.pack(">H", 0) + bytes([1] * len(points))  # no instructions; on the curve
    for axis in (xs, ys):
        data += b"".join(struct.pack(">h", b - a) for a, b in zip([0] + axis, axis))
    return data + b"\0" * (len(data) % 2)


def cmap():
    segments = [(65, 1), (108, 2)]
    count = len(segments) + 1
    ends = [c for c, _ in segments] + [0xFFFF]
    deltas = [(g - c) & 0xFFFF for c, g in segments] + [1]
    # format, length, language, segCountX2, searchRange, entrySelector, rangeShift
    body = struct.pack(">7H", 4, 16 + 8 * count, 0, 2 * count, 4, 1, 2 * count - 4)
    body += struct.pack(">%dH" % count, *ends) + b"\0\0"
    body += struct.pack(">%dH" % count, *ends)
    body += struct.pack(">%dH" % count, *deltas) + struct.pack(">%dH" % count, *[0] * count)
    return struct.pack(">HHHHI", 0, 1, 3, 1, 12) + body


def name():
    strings = [(0, "Seed font\nof the outline fuzz target"), (1, "Seed"), (2, "Regular")]
    records, pool = b"", b""
    for number, text in strings:
        encoded = text.encode("utf-16-be")
        records += struct.pack(">HHHHHH", 3, 1, 0x409, number, len(encoded), len(pool))
        pool += encoded
    return struct.pack(">HHH", 0, len(strings), 6 + len(records)) + records + pool


def font():
    glyf, loca = b"", []
    for _, points in GLYPHS:
        loca.append(len(glyf) // 2)
        glyf += glyph(points)
    loca.append(len(glyf) // 2)
    n = len(GLYPHS)
    tables = {
        b"cmap": cmap(),
        b"glyf": glyf,
        b"head": struct.pack(">IIIIHHqqhhhhHHhhh", 0x10000, 0x10000, 0, 0x5F0F3CF5, 11, 1000,
                             0, 0, 0, 0, 600, 700, 0, 8, 2, 0, 0),
        b"hhea": struct.pack(">IhhhHhhhhhhhhhhhH", 0x10000, 800, -200, 0, 600, 0, 0, 600, 1,
                             0, 0, 0, 0, 0, 0, 0, n),
        b"hmtx": b"".join(struct.pack(">Hh", advance, 0) for advance, _ in GLYPHS),
        b"loca": struct.pack(">%dH" % len(loca), *loca),
        b"maxp": struct.pack(">IHHHHHHHHHHHHHH", 0x10000, n, 4, 1, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0),
        b"name": name(),
    }
    offset = 12 + 16 * len(tables)
    directory, data = struct.pack(">IHHHH", 0x10000, len(tables), 128, 3, 0), b""
    for tag, table in sorted(tables.items()):
        padded = table + b"\0" * (-len(table) % 4)
        words = struct.unpack(">%dI" % (len(padded) // 4), padded)
        directory += struct.pack(">4sIII", tag, sum(words) & 0xFFFFFFFF, offset + len(data),
                                 len(table))
        data += padded
    return directory + data


if __name__ == "__main__":
    with open("tests/fuzz/seeds/outline/seed.ttf", "wb") as out:
        out.write(font())
