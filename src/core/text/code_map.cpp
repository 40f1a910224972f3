#include "code_map.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "core/text/code_text.h"

namespace zrl {

namespace {

// Reads a map left to right, remembering where it is for the refusal.
class MapReader {
public:
    explicit MapReader(std::string_view text) : text_(text) {}

    std::vector<CodeMap::Command> Commands() {
        std::vector<CodeMap::Command> commands;
        SkipSpaces();
        if (at_ == text_.size()) {
            return commands;
        }
        while (error_.empty()) {
            commands.push_back(Command());
            SkipSpaces();
            if (at_ == text_.size() || !error_.empty()) {
                break;
            }
            if (!Take(',')) {
                Fail("a comma or the end was expected");
            }
        }
        return commands;
    }

    const std::string& Error() const { return error_; }

private:
    CodeMap::Command Command() {
        using Kind = CodeMap::Command::Kind;
        SkipSpaces();
        if (Take('*')) {
            return {};
        }
        CodeMap::Command command{Take('~') ? Kind::Exclude : Kind::Select, 0, 0, {}};
        const std::size_t start = at_;
        command.first = command.last = Number();
        if (Take('-')) {
            command.last = Number();
            if (error_.empty() && command.last < command.first) {
                at_ = start;
                Fail("the range runs backwards");
            }
        }
        if (command.kind == Kind::Select && Take('>')) {
            const std::size_t target = at_;
            command.to = Number();
            if (error_.empty() && *command.to + (command.last - command.first) > kLastUnicode) {
                at_ = target;
                Fail("the range moved there runs past U+10FFFF");
            }
        }
        return command;
    }

    // A decimal number, or $ and a hexadecimal one, from 0 to U+10FFFF.
    int Number() {
        SkipSpaces();
        if (!error_.empty()) {
            return 0;
        }
        const std::size_t start = at_;
        const bool hex = Take('$');
        long long value = 0;
        std::size_t digits = 0;
        for (; at_ < text_.size(); ++at_, ++digits) {
            const int digit = DigitOf(text_[at_], hex);
            if (digit < 0) {
                break;
            }
            value = std::min(value * (hex ? 16 : 10) + digit, kLastUnicode + 1LL);
        }
        if (digits == 0) {
            Fail(hex ? "hexadecimal digits were expected after $" : "a code was expected");
        } else if (value > kLastUnicode) {
            at_ = start;
            Fail("codes run from 0 to U+10FFFF ($10FFFF)");
        }
        return static_cast<int>(value);
    }

    static int DigitOf(char c, bool hex) {
        if (c >= '0' && c <= '9') {
            return c - '0';
        }
        const char lower = static_cast<char>(c | 0x20);
        return hex && lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
    }

    bool Take(char c) {
        SkipSpaces();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

    void SkipSpaces() {
        while (at_ < text_.size() && text_[at_] == ' ') {
            ++at_;
        }
    }

    void Fail(std::string_view why) {
        if (error_.empty()) {
            error_ = "column " + std::to_string(at_ + 1) + ": " + std::string(why);
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::string error_;
};

// A moved code as an 8-bit table names it (0xC0), or as Unicode does.
std::string CodeName(int code, bool target) {
    if (!target || code > 0xFF) {
        return CodePointText(code);
    }
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(code));
    return text;
}

// The runs of characters that moved, as "U+0410-U+044F at 0xC0-0xFF".
std::string MovedRuns(const std::map<int, int>& sourceOf) {
    std::string moved;
    for (auto it = sourceOf.begin(); it != sourceOf.end();) {
        if (it->first == it->second) {
            ++it;
            continue;
        }
        auto last = it;
        for (auto next = std::next(it); next != sourceOf.end() && next->first == last->first + 1 &&
                                        next->second == last->second + 1;
             ++next) {
            last = next;
        }
        moved += moved.empty() ? "" : ", ";
        moved += CodeName(it->second, false);
        moved += last == it ? "" : "-" + CodeName(last->second, false);
        moved += " at " + CodeName(it->first, true);
        moved += last == it ? "" : "-" + CodeName(last->first, true);
        it = std::next(last);
    }
    return moved;
}

}  // namespace

CodeMap CodeMap::Parse(std::string_view text, std::string& error) {
    MapReader reader(text);
    CodeMap map;
    map.commands_ = reader.Commands();
    error = reader.Error();
    if (!error.empty()) {
        map.commands_.clear();
    }
    return map;
}

std::optional<int> CodeMap::TargetOf(int code, int& rank) const {
    for (auto i = commands_.size(); i-- > 0;) {
        const Command& command = commands_[i];
        if (command.kind != Command::Kind::All && (code < command.first || code > command.last)) {
            continue;
        }
        rank = static_cast<int>(i) + 1;
        if (command.kind == Command::Kind::Exclude) {
            return std::nullopt;
        }
        return command.to ? *command.to + (code - command.first) : code;
    }
    rank = 0;
    return std::nullopt;
}

std::optional<int> ChosenCode(const CodeMap& map, const std::vector<int>& text, int code,
                              int& rank) {
    std::optional<int> target = map.TargetOf(code, rank);
    if (rank == 0 && std::binary_search(text.begin(), text.end(), code)) {
        target = code;
    }
    return target;
}

WantedCodes Wanted(const CodeMap& map, const std::vector<int>& text,
                   const std::vector<int>& drawable) {
    WantedCodes wanted;
    for (const int code : drawable) {
        if (int rank = 0; ChosenCode(map, text, code, rank)) {
            wanted.codes.push_back(code);
        }
    }
    std::vector<int> named(text);
    for (const CodeMap::Command& command : map.Commands()) {
        if (command.kind == CodeMap::Command::Kind::Select) {
            for (int code = command.first; code <= command.last; ++code) {
                named.push_back(code);
            }
        }
    }
    std::sort(named.begin(), named.end());
    named.erase(std::unique(named.begin(), named.end()), named.end());
    for (const int code : named) {
        int rank = 0;
        if (!std::binary_search(drawable.begin(), drawable.end(), code) &&
            ChosenCode(map, text, code, rank)) {
            wanted.missing.push_back(code);
        }
    }
    return wanted;
}

Selection Select(const CharacterSet& set, const CodeMap& map, const std::vector<int>& text) {
    Selection selection{set.Emptied(), {}, {}};
    std::map<int, int> sourceOf;  // by the code each chosen character goes to
    std::map<int, int> rankOf;
    for (const auto& [code, character] : set.Characters()) {
        int rank = 0;
        const std::optional<int> target = ChosenCode(map, text, code, rank);
        if (!target) {
            continue;
        }
        const auto [slot, added] = rankOf.emplace(*target, rank);
        if (added || rank >= slot->second) {
            slot->second = rank;
            sourceOf[*target] = code;
        }
    }
    for (const auto& [target, source] : sourceOf) {
        selection.set.Put(target, *set.Find(source));
    }
    for (const int code : text) {
        if (set.Find(code) == nullptr) {
            selection.absent.push_back(code);
        }
    }
    selection.moved = MovedRuns(sourceOf);
    return selection;
}

CharacterSet Narrowed(const CharacterSet& set) {
    int needed = 1;
    const CellSize cell = set.Cell();
    for (const auto& [code, character] : set.Characters()) {
        needed = std::max(needed, character.width + 1);
        for (int column = std::max(needed, 1); column < cell.width; ++column) {
            for (int row = 0; row < cell.height; ++row) {
                if (character.pattern.Lit(row, column)) {
                    needed = column + 1;
                    break;
                }
            }
        }
    }
    return needed >= cell.width ? set : set.Resized({needed, cell.height});
}

std::string WithThousands(long long value) {
    std::string digits = std::to_string(value);
    for (auto at = static_cast<long long>(digits.size()) - 3; at > (digits[0] == '-' ? 1 : 0);
         at -= 3) {
        digits.insert(static_cast<std::size_t>(at), 1, ',');
    }
    return digits;
}

std::string Counted(long long count, std::string_view noun) {
    return WithThousands(count) + " " + std::string(noun) + (count == 1 ? "" : "s");
}

std::string ListedCharacters(const std::vector<int>& codes, std::size_t most) {
    std::string listed;
    for (std::size_t i = 0; i < codes.size() && i < most; ++i) {
        listed += i == 0 ? "" : ", ";
        listed += Utf8Of(codes[i]);
    }
    if (codes.size() > most) {
        listed += " and " + WithThousands(static_cast<long long>(codes.size() - most)) + " more";
    }
    return listed;
}

}  // namespace zrl
