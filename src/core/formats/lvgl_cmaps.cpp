#include "lvgl_cmaps.h"

#include <algorithm>
#include <deque>
#include <limits>

namespace zrl {

namespace {

constexpr int kCmapCost = 16;
constexpr long kLongestFull = 256;      // codes a byte-per-code range spans
constexpr long kLongestTiny = 256;      // codes a gapless range holds
constexpr long kLongestSparse = 65535;  // codes a listed range spans: its length is 16 bits

// Of a split of the codes up to each index, the cheapest, and how its last range is made.
struct Step {
    long long cost = std::numeric_limits<long long>::max();
    std::size_t from = 0;
    LvglCmapType type = LvglCmapType::Format0Tiny;
};

int TypeOrder(LvglCmapType type) {
    return type == LvglCmapType::Format0Tiny ? 0 : type == LvglCmapType::Format0Full ? 1 : 2;
}

// The converter weighs every split and keeps the first of the cheapest: ranges ending
// earlier, then longer last ranges, then tiny before full before sparse.
void Consider(Step& best, long long cost, std::size_t from, LvglCmapType type) {
    if (cost < best.cost ||
        (cost == best.cost &&
         (from < best.from || (from == best.from && TypeOrder(type) < TypeOrder(best.type))))) {
        best = {cost, from, type};
    }
}

LvglCmap CmapOf(const std::vector<long>& codes, std::size_t from, std::size_t to,
                LvglCmapType type) {
    LvglCmap cmap;
    cmap.start = codes[from];
    cmap.length = static_cast<int>(codes[to - 1] - codes[from] + 1);
    cmap.glyphStart = static_cast<int>(from) + 1;
    cmap.type = type;
    if (type == LvglCmapType::Format0Full) {
        cmap.list.assign(static_cast<std::size_t>(cmap.length), 0);
        for (std::size_t i = from; i < to; ++i) {
            cmap.list[static_cast<std::size_t>(codes[i] - cmap.start)] = static_cast<int>(i - from);
        }
    } else if (type == LvglCmapType::SparseTiny) {
        for (std::size_t i = from; i < to; ++i) {
            cmap.list.push_back(static_cast<int>(codes[i] - cmap.start));
        }
    }
    return cmap;
}

}  // namespace

std::string_view LvglCmapTypeName(LvglCmapType type) {
    switch (type) {
        case LvglCmapType::Format0Full:
            return "LV_FONT_FMT_TXT_CMAP_FORMAT0_FULL";
        case LvglCmapType::SparseFull:
            return "LV_FONT_FMT_TXT_CMAP_SPARSE_FULL";
        case LvglCmapType::Format0Tiny:
            return "LV_FONT_FMT_TXT_CMAP_FORMAT0_TINY";
        case LvglCmapType::SparseTiny:
            break;
    }
    return "LV_FONT_FMT_TXT_CMAP_SPARSE_TINY";
}

std::vector<LvglCmap> SplitLvglCmaps(const std::vector<LvglGlyph>& glyphs) {
    std::vector<long> codes;
    for (const LvglGlyph& glyph : glyphs) {
        codes.push_back(glyph.code);
    }
    const std::size_t n = codes.size();
    std::vector<Step> best(n + 1);
    best[0].cost = 0;
    // The cheapest sparse start of the ranges ending at i, as best[j] - 2j, the lowest j
    // first where two are as cheap.
    std::deque<std::size_t> sparse;
    std::size_t runStart = 0;
    for (std::size_t i = 1; i <= n; ++i) {
        const long last = codes[i - 1];
        runStart = i >= 2 && codes[i - 2] + 1 == last ? runStart : i - 1;
        const auto value = [&best](std::size_t j) {
            return best[j].cost - 2 * static_cast<long long>(j);
        };
        while (!sparse.empty() && value(sparse.back()) > value(i - 1)) {
            sparse.pop_back();
        }
        sparse.push_back(i - 1);
        while (last - codes[sparse.front()] >= kLongestSparse) {
            sparse.pop_front();
        }
        Step& step = best[i];
        for (std::size_t j = i; j-- > 0 && last - codes[j] < kLongestFull;) {
            if (j >= runStart && static_cast<long>(i - j) <= kLongestTiny) {
                Consider(step, best[j].cost + kCmapCost, j, LvglCmapType::Format0Tiny);
            }
            Consider(step, best[j].cost + kCmapCost + (last - codes[j] + 1), j,
                     LvglCmapType::Format0Full);
        }
        const std::size_t j = sparse.front();
        Consider(step, value(j) + kCmapCost + 2 * static_cast<long long>(i), j,
                 LvglCmapType::SparseTiny);
    }
    std::vector<LvglCmap> cmaps;
    for (std::size_t i = n; i > 0; i = best[i].from) {
        cmaps.push_back(CmapOf(codes, best[i].from, i, best[i].type));
    }
    std::reverse(cmaps.begin(), cmaps.end());
    return cmaps;
}

namespace {

// The code each of the glyph ids 1 to `glyphs` has by the cmaps, at index id - 1 (-1 where
// none gives it one), or why the cmaps cannot be so: "" where they can.
std::string CodesOfIds(const std::vector<LvglCmap>& cmaps, std::size_t glyphs,
                       std::vector<long>& codes) {
    long long listed = 0;
    for (const LvglCmap& cmap : cmaps) {
        listed += cmap.type == LvglCmapType::Format0Tiny || cmap.type == LvglCmapType::Format0Full
                      ? cmap.length
                      : static_cast<long long>(cmap.list.size());
    }
    if (listed > kLastUnicode + 1) {
        return "the cmaps give more codes than Unicode has";
    }
    codes.assign(glyphs, -1);
    const auto give = [&](long id, long code) {
        if (id >= 1 && static_cast<std::size_t>(id) <= glyphs && codes[id - 1] < 0 && code >= 0 &&
            code <= kLastUnicode) {
            codes[static_cast<std::size_t>(id - 1)] = code;
        }
    };
    for (std::size_t c = 0; c < cmaps.size(); ++c) {
        const LvglCmap& cmap = cmaps[c];
        const std::string which = "cmap " + std::to_string(c);
        switch (cmap.type) {
            case LvglCmapType::Format0Tiny:
                for (long k = 0; k < cmap.length; ++k) {
                    give(cmap.glyphStart + k, cmap.start + k);
                }
                break;
            case LvglCmapType::Format0Full:
                if (std::ssize(cmap.list) < cmap.length) {
                    return which + " lists fewer glyphs than its " + std::to_string(cmap.length) +
                           " codes";
                }
                for (long k = 0; k < cmap.length; ++k) {
                    give(cmap.glyphStart + cmap.list[static_cast<std::size_t>(k)], cmap.start + k);
                }
                break;
            case LvglCmapType::SparseTiny:
            case LvglCmapType::SparseFull:
                for (std::size_t k = 0; k < cmap.list.size(); ++k) {
                    const long offset = cmap.type == LvglCmapType::SparseTiny
                                            ? static_cast<long>(k)
                                            : (k < cmap.ids.size() ? cmap.ids[k] : -1);
                    give(cmap.glyphStart + offset, cmap.start + cmap.list[k]);
                }
                break;
        }
    }
    return {};
}

// In code order, of two at one code the one its cmaps reach first.
void KeepFirstOfEachCode(std::vector<LvglGlyph>& glyphs) {
    std::stable_sort(glyphs.begin(), glyphs.end(),
                     [](const LvglGlyph& a, const LvglGlyph& b) { return a.code < b.code; });
    glyphs.erase(
        std::unique(glyphs.begin(), glyphs.end(),
                    [](const LvglGlyph& a, const LvglGlyph& b) { return a.code == b.code; }),
        glyphs.end());
}

}  // namespace

std::string GiveCodes(const std::vector<LvglCmap>& cmaps, std::vector<LvglGlyph> glyphs,
                      LvglFont& font) {
    std::vector<long> codes;
    if (std::string why = CodesOfIds(cmaps, glyphs.size(), codes); !why.empty()) {
        return why;
    }
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        if (codes[i] >= 0) {
            glyphs[i].code = codes[i];
            font.glyphs.push_back(std::move(glyphs[i]));
        }
    }
    KeepFirstOfEachCode(font.glyphs);
    if (font.glyphs.empty()) {
        return "its cmaps give no glyph a code";
    }
    MeasureLines(font);
    return {};
}

}  // namespace zrl
