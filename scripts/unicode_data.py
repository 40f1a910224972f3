#!/usr/bin/env python3
"""Writes the character names and blocks of the Unicode Character Database as C++ tables.

    unicode_data.py UnicodeData.txt Blocks.txt OUTPUT

Names are kept as indices into a table of the words they are made of, which is about a
third of their text; the ideographs' names, which are their codes, come from ranges. Either
input may be missing: its table is then empty, and the program shows codes without names.
"""
import os
import sys


def read_names(path):
    names, ranges = {}, []
    if not os.path.exists(path):
        return names, ranges
    first = None
    with open(path, encoding="utf-8") as data:
        for line in data:
            fields = line.split(";")
            code, name = int(fields[0], 16), fields[1]
            if name.endswith(", First>"):
                first = code
            elif name.endswith(", Last>"):
                kind = name[1:-len(", Last>")]
                prefix = {"CJK Ideograph": "CJK UNIFIED IDEOGRAPH-",
                          "Tangut Ideograph": "TANGUT IDEOGRAPH-"}.get(kind.split(" Extension")[0])
                if prefix:
                    ranges.append((first, code, prefix))
            elif not name.startswith("<"):
                names[code] = name
    return names, ranges


def read_blocks(path):
    blocks = []
    if not os.path.exists(path):
        return blocks
    with open(path, encoding="utf-8") as data:
        for line in data:
            line = line.split("#")[0].strip()
            if line:
                span, name = line.split(";")
                first, last = span.split("..")
                blocks.append((int(first, 16), int(last, 16), name.strip()))
    return blocks


def c_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def main():
    names, ranges = read_names(sys.argv[1])
    blocks = read_blocks(sys.argv[2])
    words, index = [], {}
    codes, starts, sequence = [], [], []
    for code in sorted(names):
        codes.append(code)
        starts.append(len(sequence))
        for word in names[code].split(" "):
            if word not in index:
                index[word] = len(words)
                words.append(word)
            sequence.append(index[word])
    starts.append(len(sequence))
    word_starts, offset = [], 0
    for word in words:
        word_starts.append(offset)
        offset += len(word) + 1
    out = ["// Made from the Unicode Character Database by scripts/unicode_data.py.",
           "#include <cstdint>", "namespace zrl::unicode_data {",
           "constexpr char kWords[] = " +
           "\n".join(c_string(w)[:-1] + '\\0"' for w in words) + ";" if words
           else "constexpr char kWords[] = \"\";",
           "constexpr std::uint32_t kWordStarts[] = {" + ",".join(map(str, word_starts or [0])) + "};",
           "constexpr std::uint32_t kCodes[] = {" + ",".join(map(str, codes or [0xFFFFFFFF])) + "};",
           "constexpr std::uint32_t kNameStarts[] = {" + ",".join(map(str, starts)) + "};",
           "constexpr std::uint16_t kNameWords[] = {" + ",".join(map(str, sequence or [0])) + "};",
           "constexpr std::size_t kNamed = " + str(len(codes)) + ";",
           "struct Range { std::uint32_t first, last; const char* prefix; };",
           "constexpr Range kRanges[] = {" +
           ",".join(f"{{{a},{b},{c_string(p)}}}" for a, b, p in ranges) + ("" if ranges else "{1,0,\"\"}") + "};",
           "struct BlockEntry { std::uint32_t first, last; const char* name; };",
           "constexpr BlockEntry kBlocks[] = {" +
           ",".join(f"{{{a},{b},{c_string(n)}}}" for a, b, n in blocks) + ("" if blocks else "{1,0,\"\"}") + "};",
           "constexpr std::size_t kBlockCount = " + str(len(blocks)) + ";",
           "}  // namespace zrl::unicode_data", ""]
    with open(sys.argv[3], "w", encoding="utf-8") as output:
        output.write("\n".join(out))


if __name__ == "__main__":
    main()
