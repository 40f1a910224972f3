#!/usr/bin/env python3
"""Writes Zerlin's export corpus with one build of the program.

Usage: export_corpus.py ZERLIN OUTPUT_FOLDER

Every form --export writes, in every language, dense and sparse, of: X11's 5x7 and 6x13,
Unifont with a map, DejaVu Sans at 12 px, a table of each layout (written by the same
build) and the outside libraries' font tables, each read as it is and as its library reads
it. Each run leaves its standard output, standard error and exit status in OUTPUT_FOLDER,
so that two builds' folders compare with diff -r. The help and the refusals of unknown
names are in it too.
"""

import concurrent.futures
import os
import subprocess
import sys

X11 = "/usr/share/fonts/X11/misc"
UNIFONT = "/usr/share/fonts/X11/misc/unifont.pcf.gz"
DEJAVU = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
OUTSIDE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "shared",
                       "outside-fonts")

FORMS = ["bdf", "basic-rows", "basic-columns", "c", "glcd", "pages", "rows-msb", "rows-lsb",
         "lcd", "width-prefixed", "gfxfont", "md-max72xx", "ssd1306ascii"]
TABLES = FORMS[4:]
LANGUAGES = ["c", "arduino", "python"]

# How each outside table is read as its library reads it (empty: it says so itself).
OUTSIDE_READINGS = {
    "font8x8_basic.h": ["--from", "rows-lsb", "--size", "8x8", "--first", "0"],
    "glcdfont.c": ["--size", "5x8", "--first", "0"],
    "font_8x8.c": ["--from", "rows-msb", "--size", "8x8", "--first", "0"],
    "font_8x16.c": ["--from", "rows-msb", "--size", "8x16", "--first", "0"],
    "ZevvPeep8x16.h": [],
    "font8x16.h": [],
    "FontSymbols.h": [],
    "FreeMono9pt7b.h": [],
    "FreeSans9pt7b.h": [],
    "TomThumb.h": [],
    "Org_01.h": [],
    "Picopixel.h": [],
}


def run(zerlin, arguments, folder, name):
    # From inside the folder, so that the tables' paths read alike in every build's folder.
    # Named zerlin whatever its path, as the help's first line names it.
    result = subprocess.run(["zerlin"] + arguments, executable=zerlin, capture_output=True,
                            timeout=300, cwd=folder,
                            env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    with open(os.path.join(folder, name + ".out"), "wb") as out:
        out.write(result.stdout)
    with open(os.path.join(folder, name + ".err"), "wb") as err:
        err.write(" ".join(arguments).encode() + b"\n" + result.stderr)
        err.write(b"status %d\n" % result.returncode)
    return result


def exports(source, inputs):
    """Every form, language and density of one input: (name, arguments) pairs."""
    cases = []
    for form in FORMS:
        languages = LANGUAGES if form in TABLES else ["c"]
        for language in languages:
            for sparse in ([False, True] if form in TABLES else [False, True][:1]):
                name = f"{source}.{form}.{language}" + (".sparse" if sparse else "")
                arguments = ["--export", form, "--language", language]
                arguments += ["--sparse"] if sparse else []
                cases.append((name, arguments + inputs))
    return cases


def sources(zerlin, folder):
    """The inputs: fonts, tables of every layout written by this build, outside tables."""
    found = [
        ("x11-5x7", [f"{X11}/5x7.pcf.gz"]),
        ("x11-6x13", [f"{X11}/6x13.pcf.gz"]),
        ("unifont-map", ["--map", "32-126,$410-$44F", UNIFONT]),
        ("unifont-moved", ["--map", "32-126,$410-$44F>$C0", UNIFONT]),
        ("dejavu-12", ["--pixels", "12", DEJAVU]),
    ]
    os.makedirs(os.path.join(folder, "tables"), exist_ok=True)
    for layout in TABLES:
        for language in LANGUAGES:
            for font, chosen in (("5x7", "0-7" if layout == "lcd" else "32-126"),
                                 ("6x13", "0-7" if layout == "lcd" else "32-126,160-255")):
                name = f"table-{font}-{layout}-{language}"
                path = os.path.join("tables", name + ".txt")
                made = run(zerlin, ["--export", layout, "--language", language, "--map", chosen,
                                    f"{X11}/{font}.pcf.gz", path], folder, "make-" + name)
                if made.returncode == 0:
                    found.append((name, [path]))
    for table, reading in OUTSIDE_READINGS.items():
        path = os.path.join(OUTSIDE, table)
        if os.path.exists(path):
            found.append(("outside-" + table, [path]))
            if reading:
                found.append(("outside-read-" + table, reading + [path]))
    return found


def main():
    zerlin, folder = os.path.abspath(sys.argv[1]), sys.argv[2]
    os.makedirs(folder, exist_ok=True)
    run(zerlin, ["--help"], folder, "help")
    run(zerlin, ["--export", "bogus", f"{X11}/5x7.pcf.gz"], folder, "unknown-form")
    run(zerlin, ["--export", "c", "--from", "bogus", f"{X11}/5x7.pcf.gz"], folder, "unknown-from")
    cases = []
    for source, inputs in sources(zerlin, folder):
        cases += exports(source, inputs)
    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
        list(pool.map(lambda case: run(zerlin, case[1], folder, case[0]), cases))
    print(f"{len(cases)} exports written to {folder}")


if __name__ == "__main__":
    main()
