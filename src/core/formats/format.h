#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/formats/bdf_font.h"
#include "core/formats/byte_layout.h"
#include "core/formats/parsed_set.h"
#include "core/formats/table_text.h"
#include "core/model/character_set.h"
#include "core/text/code_map.h"

namespace zrl {

// A format a set is read from or written in: one entry of the table of formats
// (format_table.h), defined in the format's own unit. Whatever lists or dispatches formats
// reads the entries; nothing else names a format.

// How surely a text is in a format, from its content alone. A text is read in the format
// surest of it, the first in the table where two are as sure.
enum class Certainty {
    None,      // not in the format
    Fallback,  // values and nothing more: read so where no format is surer
    Shaped,    // the format's shape: braces inside braces
    Hinted,    // a structure the format's library declares after the values
    Likely,    // a word only the format's library uses
    Named,     // this program's own comment above the table names the format
    Declared,  // declares the format's own structure
    Signed,    // starts with the format's own signature
};

// What a file in the format holds, and so who reads it.
enum class Source {
    Text,     // firmware source or BASIC, read by `read` below; at most 16 MB
    Font,     // a bitmap font file, gzip-compressed or not: read by `readFont`, or by the
              // platform's font engine where there is none
    Outline,  // an outline font, rasterised at a size by the platform's font engine
};

// What the format writes: the extension of its file and the options it takes follow.
enum class Output {
    None,    // nothing: it is read only
    Source,  // a table in C, Arduino C or Python
    Basic,   // BASIC Data lines
    Bdf,     // BDF text
    Bytes,   // a binary file, saved and never copied: a library's font, as FontSource
    // A library's font array in C, made as that library's converter makes it of the BDF font
    // the set is written as: of every glyph the font keeps, in the font's order, chosen by
    // the map and text given with it rather than from a selection.
    FontArray,
    // A library's own font in C, of the set's characters at whatever codes they have.
    FontSource,
};

// What a format takes beside its input and output, as the command line's options and the
// dialogs' controls say it.
enum FormatOption : unsigned {
    kTakesLanguage = 1u << 0,  // C, Arduino C or Python
    kTakesName = 1u << 1,      // the array's name
    kTakesSparse = 1u << 2,    // only the set's characters, with their codes and a lookup
    kReadsAsTold = 1u << 3,    // a table that does not say its layout, cell and first code,
                               // read as told them
    kRasterised = 1u << 4,     // rasterised at a size, with hinting, a threshold and a cell
    kTakesBox = 1u << 5,       // u8g2's box mode: t, h, m or 8
    kTakesTiles = 1u << 6,     // u8x8's tiles across and down
    kReadsPastIfs = 1u << 7,   // reads its arrays whatever #if lines say: u8g2 puts its
                               // large fonts inside #ifdef U8G2_USE_LARGE_FONTS
    kTakesVersion = 1u << 8,   // the library's major version: LVGL 8 or 9
};

// What a format holds at most.
struct FormatLimits {
    int lastCode = kLastUnicode;
    CellSize largest{CellSize::kLargest, CellSize::kLargest};
    bool widths = false;  // keeps each character's width (its advance)
    bool dense = false;   // always runs from its first code to its last
};

struct Format;

// How a set is written: the format, and for a table the language of its source, the array's
// name (empty: the format's own), whether sparse, whether a selection written whole, and the
// comment line naming the codes a selection moved.
struct TableFormat {
    // The table of bytes in the layout: glcd unless said.
    TableFormat(ByteLayout layout = ByteLayout::Glcd, Language language = Language::C,
                std::string name = {});
    TableFormat(const Format& format, Language language = Language::C, std::string name = {});

    const Format* format;
    Language language;
    std::string name;
    // Only the set's characters, in code order, followed by their codes and the functions
    // that find one from a code point (see sparse_lookup.h).
    bool sparse = false;
    // The set is a selection, written whole: no longer cut to its codes up to 255.
    bool whole = false;
    // A comment line under the first, naming the codes a selection moved.
    std::string moved;
    // What chooses a font array's glyphs from the whole font (Output::FontArray); both empty:
    // every glyph.
    CodeMap map;
    std::vector<int> text;  // sorted
    // u8g2's box mode, 't', 'h', 'm' or '8'; 0: the one of the array the set was read from,
    // else 't'.
    char box = 0;
    // u8x8's tiles across and down; none: as many as the font's box takes.
    std::optional<CellSize> tiles;
    // The library's major version a font is written for.
    int version = 9;
    // What a font's comment records of how it was made: the options and the selection.
    std::string said;
};

// How to read a table that does not say how it is laid out: its format, cell and first code.
struct TableOptions {
    TableOptions(ByteLayout layout = ByteLayout::Glcd, CellSize size = kDefaultSize,
                 int first = 32);
    TableOptions(const Format& format, CellSize size = kDefaultSize, int first = 32);

    const Format* format;
    CellSize size;
    int first;
};

// How to read a text: as the format told (a table whose comment does not say its layout,
// cell and first code is read with those given here), or as the text itself shows, with
// the cell and first code given where it does not say them.
struct ReadOptions {
    CellSize size = kDefaultSize;
    std::optional<int> first;
    bool told = false;
    std::string array = {};  // of a text holding several arrays, the one of this name
};

// The blank characters a dense table holds between its first code and its last, and the
// bytes they take.
struct Gaps {
    long long blanks = 0;
    long long bytes = 0;
};

struct Format {
    std::string_view name{};     // as the command line and the dialogs call it
    std::string_view summary{};  // one line: what it holds and who reads it
    // Space-separated, without dots; a written file takes the first.
    std::string_view extensions{};
    Source source = Source::Text;
    Output output = Output::None;
    unsigned options = 0;  // FormatOption
    FormatLimits limits{};
    // How surely a file's text (or its first bytes, for a font file) is in the format.
    Certainty (*detect)(std::string_view text) = nullptr;
    // Source::Text: the set a text holds. Source::Font: the font a file's bytes hold, where
    // the program reads it itself.
    ParsedSet (*read)(const Format& format, std::string_view text,
                      const ReadOptions& options) = nullptr;
    ReadFont (*readFont)(std::string_view bytes) = nullptr;
    // Why the set cannot be written so ("" when it can), and the text it is written as; the
    // set is cut to the codes a table holds where it is to be.
    std::string (*whyNot)(const CharacterSet& set, const TableFormat& format) = nullptr;
    std::string (*write)(const CharacterSet& set, const TableFormat& format) = nullptr;
    // What blanks cost where the format runs densely over its codes; none: it has no blanks.
    Gaps (*gaps)(const CharacterSet& set, const TableFormat& format) = nullptr;
    // One line a written table warrants, such as codes its library does not draw; "" for none.
    std::string (*warning)(const CharacterSet& set, const TableFormat& format) = nullptr;
    // One line on what is written beside its characters, as a font's lines and its ranges.
    std::string (*about)(const CharacterSet& set, const TableFormat& format) = nullptr;
    // The tables of bytes in one of the byte layouts: which.
    std::optional<ByteLayout> layout{};
    std::string_view alias{};             // another name the command line takes: glcd's "c"
    std::string_view arrayName = "font";  // the array's name where none is given

    bool Takes(FormatOption option) const { return (options & option) != 0; }
    bool IsWritten() const { return write != nullptr; }
};

// The format of the tables of bytes in the layout.
const Format& FormatOf(ByteLayout layout);

}  // namespace zrl
