#include "u8g2_encoder.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/text/code_text.h"

namespace zrl {

namespace {

constexpr int kLastU8g2Code = 0xFFFF;
// The glyphs past code 255 are found through a table with an entry for every block of them.
constexpr std::size_t kTableBlock = 101;

// A glyph's record before its bits: its box and advance, and its dots' runs, each the
// blank dots before lit ones and those lit ones, row by row from the top.
struct Record {
    const U8g2Glyph* glyph;
    GlyphBox box;
    int advance;
    std::vector<std::pair<int, int>> runs;
};

// The bits each box field takes: enough for every record's value.
struct FieldBits {
    int width = 0;
    int height = 0;
    int x = 0;
    int y = 0;
    int advance = 0;

    int Sum() const { return width + height + x + y + advance; }
};

int UnsignedBits(int most) {
    int bits = 0;
    while (bits < 31 && (1 << bits) <= most) {
        ++bits;
    }
    return bits;
}

int SignedBits(int least, int most) {
    int bits = 1;
    while (bits < 31 && (least < -(1 << (bits - 1)) || most > (1 << (bits - 1)) - 1)) {
        ++bits;
    }
    return bits;
}

std::vector<std::pair<int, int>> RunsOf(const U8g2Glyph& glyph, const GlyphBox& box) {
    std::vector<std::pair<int, int>> runs;
    std::pair<int, int> run{0, 0};
    for (int row = 0; row < box.height; ++row) {
        const int y = box.y + box.height - 1 - row;
        for (int column = 0; column < box.width; ++column) {
            if (glyph.Lit(box.x + column, y)) {
                ++run.second;
            } else if (run.second > 0) {
                runs.push_back(run);
                run = {1, 0};
            } else {
                ++run.first;
            }
        }
    }
    if (run.first > 0 || run.second > 0) {
        runs.push_back(run);
    }
    return runs;
}

// The pairs the runs are written as where a pair's counts take m0 and m1 bits: runs too long
// for them split into pairs that say as much as they can.
template <typename Emit>
void ForEachPair(const std::vector<std::pair<int, int>>& runs, int m0, int m1, Emit emit) {
    const int most0 = (1 << m0) - 1;
    const int most1 = (1 << m1) - 1;
    for (auto [zeros, ones] : runs) {
        for (; zeros > most0; zeros -= most0) {
            emit(most0, 0);
        }
        for (; ones > most1; ones -= most1) {
            emit(zeros, most1);
            zeros = 0;
        }
        emit(zeros, ones);
    }
}

class BitWriter {
public:
    void Put(unsigned value, int bits) {
        for (int i = 0; i < bits; ++i, ++bit_) {
            if (bit_ % 8 == 0) {
                bytes_.push_back('\0');
            }
            if ((value >> i) & 1u) {
                bytes_.back() = static_cast<char>(bytes_.back() | (1 << (bit_ % 8)));
            }
        }
    }
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
    int bit_ = 0;
};

// A pair the same as the one before is one bit: 1. Every other pair is preceded by a 0 bit,
// but for the first; the dots end with a 0 bit.
template <typename Pair, typename Bit>
void WritePairs(const std::vector<std::pair<int, int>>& runs, int m0, int m1, Pair pair, Bit bit) {
    std::optional<std::pair<int, int>> previous;
    ForEachPair(runs, m0, m1, [&](int zeros, int ones) {
        if (previous == std::pair(zeros, ones)) {
            bit(1);
            return;
        }
        if (previous) {
            bit(0);
        }
        pair(zeros, ones);
        previous = std::pair(zeros, ones);
    });
    bit(0);
}

int CodeBytes(int code) {
    return code > 255 ? 3 : 2;
}

int RecordBytes(const Record& record, const FieldBits& fields, int m0, int m1) {
    long bits = fields.Sum();
    WritePairs(
        record.runs, m0, m1, [&bits, m0, m1](int, int) { bits += m0 + m1; },
        [&bits](int) { ++bits; });
    return static_cast<int>((bits + 7) / 8) + CodeBytes(record.glyph->code);
}

std::string RecordOf(const Record& record, const FieldBits& fields, int m0, int m1) {
    BitWriter writer;
    const GlyphBox& box = record.box;
    const auto offset = [](int value, int bits) {
        return static_cast<unsigned>(value + (1 << (bits - 1)));
    };
    writer.Put(static_cast<unsigned>(box.width), fields.width);
    writer.Put(static_cast<unsigned>(box.height), fields.height);
    writer.Put(offset(box.x, fields.x), fields.x);
    writer.Put(offset(box.y, fields.y), fields.y);
    writer.Put(offset(record.advance, fields.advance), fields.advance);
    WritePairs(
        record.runs, m0, m1,
        [&writer, m0, m1](int zeros, int ones) {
            writer.Put(static_cast<unsigned>(zeros), m0);
            writer.Put(static_cast<unsigned>(ones), m1);
        },
        [&writer](unsigned bit) { writer.Put(bit, 1); });
    const int code = record.glyph->code;
    const auto size =
        static_cast<char>(writer.Bytes().size() + static_cast<std::size_t>(CodeBytes(code)));
    std::string out;
    if (code > 255) {
        out += static_cast<char>(code >> 8);
    }
    out += static_cast<char>(code & 0xFF);
    out += size;
    return out + writer.Bytes();
}

// The box of every glyph's ink, and of the box an array the font was read from said.
GlyphBox InkUnion(const U8g2Glyphs& glyphs) {
    GlyphBox all = glyphs.saidBox.value_or(glyphs.glyphs.front().ink);
    for (const U8g2Glyph& glyph : glyphs.glyphs) {
        all = Union(all, glyph.ink);
    }
    return all;
}

int MostAdvance(const U8g2Glyphs& glyphs) {
    int most = INT_MIN;
    for (const U8g2Glyph& glyph : glyphs.glyphs) {
        most = std::max(most, glyph.advance);
    }
    return most;
}

// The font's box as the header gives it; a monospaced font's is as wide as its advance.
GlyphBox HeaderBox(const GlyphBox& ink, int mostAdvance, int mode) {
    switch (mode) {
        case 2:
            return {std::max(ink.width, mostAdvance), ink.height, ink.x, ink.y};
        case 3:
            return {std::min(ink.width, 8), std::min(ink.height, 8) - 1, ink.x, ink.y};
        default:
            return ink;
    }
}

std::vector<Record> RecordsOf(const U8g2Glyphs& glyphs, int mode) {
    const GlyphBox ink = InkUnion(glyphs);
    const GlyphBox font = HeaderBox(ink, MostAdvance(glyphs), mode);
    std::vector<Record> records;
    records.reserve(glyphs.glyphs.size());
    for (const U8g2Glyph& glyph : glyphs.glyphs) {
        Record record{&glyph, glyph.ink, glyph.advance, {}};
        if (mode == 1) {
            record.box = {glyph.advance, ink.height, 0, ink.y};
        } else if (mode == 2) {
            record.box = font;
            record.advance = font.width;
        } else if (mode == 3) {
            record.box = {8, 8, 0, ink.y};
            record.advance = 8;
        }
        record.runs = RunsOf(glyph, record.box);
        records.push_back(std::move(record));
    }
    return records;
}

FieldBits FieldsOf(const std::vector<Record>& records) {
    int width = 0, height = 0, advance0 = INT_MAX, advance1 = INT_MIN;
    int x0 = INT_MAX, x1 = INT_MIN, y0 = INT_MAX, y1 = INT_MIN;
    for (const Record& record : records) {
        width = std::max(width, record.box.width);
        height = std::max(height, record.box.height);
        x0 = std::min(x0, record.box.x);
        x1 = std::max(x1, record.box.x);
        y0 = std::min(y0, record.box.y);
        y1 = std::max(y1, record.box.y);
        advance0 = std::min(advance0, record.advance);
        advance1 = std::max(advance1, record.advance);
    }
    return {UnsignedBits(width), UnsignedBits(height), SignedBits(x0, x1), SignedBits(y0, y1),
            SignedBits(advance0, advance1)};
}

// The run bits that make the fewest bytes; of as few, the smallest m0, then m1.
std::pair<int, int> RunBits(const std::vector<Record>& records, const FieldBits& fields) {
    std::pair<int, int> best{2, 2};
    long fewest = -1;
    for (int m0 = 2; m0 <= 8; ++m0) {
        for (int m1 = 2; m1 <= 6; ++m1) {
            long bytes = 0;
            for (const Record& record : records) {
                bytes += RecordBytes(record, fields, m0, m1);
            }
            if (fewest < 0 || bytes < fewest) {
                fewest = bytes;
                best = {m0, m1};
            }
        }
    }
    return best;
}

std::string GlyphText(const U8g2Glyph& glyph) {
    return "glyph \"" + glyph.name + "\" (" + CodePointText(glyph.code) + ")";
}

// The bytes the glyph's record takes in a font of it alone in the box mode.
int AloneBytes(const U8g2Glyph& glyph, int mode) {
    U8g2Glyphs alone;
    alone.glyphs = {glyph};
    const std::vector<Record> records = RecordsOf(alone, mode);
    const FieldBits fields = FieldsOf(records);
    const auto [m0, m1] = RunBits(records, fields);
    return RecordBytes(records.front(), fields, m0, m1);
}

std::string TooLarge(const Record& record, int bytes, int mode) {
    std::string fits = "; no box fits it";
    for (int other = 0; other < 4; ++other) {
        if (other != mode && AloneBytes(*record.glyph, other) <= kMostU8g2Record) {
            fits = std::string("; box ") + kU8g2BoxLetters[other] + " fits it";
            break;
        }
    }
    return GlyphText(*record.glyph) + " takes " + std::to_string(bytes) + " bytes in box " +
           kU8g2BoxLetters[mode] + "; a u8g2 glyph takes at most " +
           std::to_string(kMostU8g2Record) + fits;
}

void PutNumber(std::string& out, std::size_t at, int value) {
    out[at] = static_cast<char>((value >> 8) & 0xFF);
    out[at + 1] = static_cast<char>(value & 0xFF);
}

// The table into the glyphs past 255: for every full block of them (at least one entry),
// how far on the block starts and the code of its last glyph as the font numbers it; the
// last entry's code is 0xFFFF. An array the font was read from said its table's codes.
std::string UnicodeTable(const std::vector<std::string>& records,
                         const std::vector<long>& fontCodes, const std::vector<long>& said) {
    const std::size_t entries = std::max<std::size_t>(1, records.size() / kTableBlock);
    std::string table(entries * 4, '\0');
    std::size_t block = 0;
    for (std::size_t entry = 0; entry < entries; ++entry) {
        const std::size_t skip = entry == 0 ? entries * 4 : block;
        block = 0;
        for (std::size_t i = entry * kTableBlock;
             i < std::min(records.size(), (entry + 1) * kTableBlock); ++i) {
            block += records[i].size();
        }
        const long code = said.size() == entries ? said[entry]
                          : entry + 1 < entries  ? fontCodes[(entry + 1) * kTableBlock - 1]
                                                 : kLastU8g2Code;
        PutNumber(table, entry * 4, static_cast<int>(skip));
        PutNumber(table, entry * 4 + 2, static_cast<int>(code));
    }
    return table;
}

std::string WhyNot(const U8g2Glyphs& glyphs) {
    if (glyphs.glyphs.empty()) {
        return "the map chooses none of the font's glyphs";
    }
    for (const U8g2Glyph& glyph : glyphs.glyphs) {
        if (glyph.code > kLastU8g2Code) {
            return "a u8g2 font holds 16-bit codes, up to U+FFFF; " + GlyphText(glyph) +
                   " is past them: move it below with A-B>C in the map";
        }
    }
    return {};
}

}  // namespace

bool Holds(const GlyphBox& box, const GlyphBox& ink) {
    return ink.width == 0 || ink.height == 0 ||
           (ink.x >= box.x && ink.y >= box.y && ink.x + ink.width <= box.x + box.width &&
            ink.y + ink.height <= box.y + box.height);
}

int GlyphsCut(const U8g2Glyphs& glyphs, int mode) {
    if (glyphs.glyphs.empty()) {
        return 0;
    }
    int cut = 0;
    for (const Record& record : RecordsOf(glyphs, mode)) {
        cut += Holds(record.box, record.glyph->ink) ? 0 : 1;
    }
    return cut;
}

std::optional<int> U8g2BoxMode(char letter) {
    const std::string_view letters = kU8g2BoxLetters;
    const std::size_t at = letters.find(letter);
    return letter != '\0' && at != std::string_view::npos ? std::optional(static_cast<int>(at))
                                                          : std::nullopt;
}

U8g2Array EncodeU8g2(const U8g2Glyphs& glyphs, int mode) {
    if (std::string why = WhyNot(glyphs); !why.empty()) {
        return {{}, std::move(why)};
    }
    const std::vector<Record> records = RecordsOf(glyphs, mode);
    const FieldBits fields = FieldsOf(records);
    const auto [m0, m1] = RunBits(records, fields);
    std::string low;
    std::vector<std::string> high;
    std::vector<long> fontCodes;
    int offsetA = 0, offsetLowerA = 0;
    for (const Record& record : records) {
        std::string bytes = RecordOf(record, fields, m0, m1);
        if (static_cast<int>(bytes.size()) > kMostU8g2Record) {
            return {{}, TooLarge(record, static_cast<int>(bytes.size()), mode)};
        }
        const int code = record.glyph->code;
        if (code > 255) {
            high.push_back(std::move(bytes));
            fontCodes.push_back(record.glyph->fontCode);
            continue;
        }
        if (code == 'A') {
            offsetA = static_cast<int>(low.size());
        } else if (code == 'a') {
            offsetLowerA = static_cast<int>(low.size());
        }
        low += bytes;
    }
    low += std::string(2, '\0');
    const GlyphBox box = HeaderBox(InkUnion(glyphs), MostAdvance(glyphs), mode);
    const U8g2Metrics& metrics = glyphs.metrics;
    const int header[] = {static_cast<int>(glyphs.glyphs.size()),
                          mode,
                          m0,
                          m1,
                          fields.width,
                          fields.height,
                          fields.x,
                          fields.y,
                          fields.advance,
                          box.width,
                          box.height,
                          box.x,
                          box.y,
                          metrics.ascentA,
                          metrics.descentG,
                          metrics.ascentParen,
                          metrics.descentParen};
    std::string out;
    for (const int value : header) {
        out += static_cast<char>(value & 0xFF);
    }
    out += std::string(6, '\0');
    PutNumber(out, 17, offsetA);
    PutNumber(out, 19, offsetLowerA);
    PutNumber(out, 21, static_cast<int>(low.size()));
    out += low;
    out += UnicodeTable(high, fontCodes, glyphs.saidTableCodes);
    for (const std::string& record : high) {
        out += record;
    }
    return {out + std::string(2, '\0'), {}};
}

}  // namespace zrl
