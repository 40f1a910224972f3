#!/usr/bin/env python3
"""X11's fixed fonts exported as BDF: each in its own cell, every glyph and property that
pcf2bdf reads, byte for byte as pcf2bdf writes them, each dot where pcf2bdf puts it; the BDF
that pcf2bdf writes, opened and saved, is the same file again; and bdftopcf takes the result
without a word. Unifont and Terminus, where installed, too. Usage: check_x11_fonts.py ZERLIN.
Exits 77 where the fonts or the tools are missing."""
import gzip
import os
import shutil
import subprocess
import sys
import tempfile

FOLDER = "/usr/share/fonts/X11/misc"
FONTS = ["4x6", "5x7", "5x8", "6x10", "6x13", "7x14", "8x13", "9x15", "10x20", "12x24"]
# Fonts of every script, from xfonts-unifont and xfonts-terminus.
UNICODE_FONTS = ["unifont", "ter-u16n_unicode"]


def glyphs(text):
    """The font's box and, for each code, its dots as (x, y) from the origin."""
    box, found, lines, i = None, {}, text.splitlines(), 0
    while i < len(lines):
        words = lines[i].split()
        if words[:1] == ["FONTBOUNDINGBOX"]:
            box = tuple(map(int, words[1:5]))
        elif words[:1] == ["STARTCHAR"]:
            code, bbx = None, None
            while lines[i].split()[:1] != ["BITMAP"]:
                i += 1
                words = lines[i].split()
                if words[:1] == ["ENCODING"]:
                    code = int(words[1])
                elif words[:1] == ["BBX"]:
                    bbx = tuple(map(int, words[1:5]))
            width, height, x, y = bbx
            bits = (width + 7) // 8 * 8
            dots = set()
            for row in range(height):
                i += 1
                value = int(lines[i], 16)
                dots |= {(x + c, y + height - 1 - row) for c in range(width)
                         if value >> (bits - 1 - c) & 1}
            if code is not None and code >= 0:
                found[code] = dots
        i += 1
    return box, found


def main():
    zerlin = sys.argv[1]
    if not shutil.which("pcf2bdf") or not shutil.which("bdftopcf") or not os.path.exists(
            os.path.join(FOLDER, "6x13.pcf.gz")):
        print("skipped: pcf2bdf, bdftopcf or X11's fonts are missing")
        return 77
    failures = []
    fonts = FONTS + [f for f in UNICODE_FONTS if os.path.exists(os.path.join(FOLDER, f + ".pcf.gz"))]
    for name in fonts:
        path = os.path.join(FOLDER, name + ".pcf.gz")
        with gzip.open(path) as packed:
            exact = subprocess.run(["pcf2bdf"], input=packed.read(), capture_output=True,
                                   check=True).stdout
        reference = exact.decode("latin-1")
        ours = subprocess.run([zerlin, "--export", "bdf", path], capture_output=True, check=True)
        if ours.stdout != exact:
            failures.append(f"{name}: the BDF is not the one pcf2bdf writes")
        with tempfile.TemporaryDirectory() as folder:
            opened = os.path.join(folder, name + ".bdf")
            with open(opened, "wb") as out:
                out.write(exact)
            saved = subprocess.run([zerlin, "--export", "bdf", opened], capture_output=True,
                                   check=True)
            if saved.stdout != exact:
                failures.append(f"{name}: pcf2bdf's BDF, opened and saved, changed")
        ref_box, ref_glyphs = glyphs(reference)
        box, found = glyphs(ours.stdout.decode("latin-1"))
        if box[:2] != ref_box[:2]:
            failures.append(f"{name}: a {box[0]}x{box[1]} cell, not {ref_box[0]}x{ref_box[1]}")
        if sorted(found) != sorted(ref_glyphs):
            failures.append(f"{name}: {len(found)} glyphs with codes, pcf2bdf {len(ref_glyphs)}")
        moved = [code for code in ref_glyphs if found.get(code) != ref_glyphs[code]]
        if moved:
            failures.append(f"{name}: the dots of codes {moved[:8]} are not where pcf2bdf has them")
        with tempfile.TemporaryDirectory() as folder:
            bdf = os.path.join(folder, name + ".bdf")
            with open(bdf, "wb") as out:
                out.write(ours.stdout)
            compiled = subprocess.run(["bdftopcf", "-o", os.path.join(folder, "out.pcf"), bdf],
                                      capture_output=True)
            if compiled.returncode != 0 or compiled.stderr:
                failures.append(f"{name}: bdftopcf said {compiled.stderr.decode().strip()!r}")
        print(f"{name}: {box[0]}x{box[1]}, {len(found)} glyphs")
    for failure in failures:
        print("FAIL", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
