#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zrl {

// The values of an array in C, Arduino C or Python source, as firmware tables hold them.
struct ScannedValue {
    long long number;
    int line;
};

struct ScannedArray {
    std::vector<ScannedValue> values;
    std::string error;  // one line; empty when the array was read
    // Where the array's closing bracket ends, for the next array to be looked for after it.
    std::size_t end = 0;
    std::string_view name;  // the word before its [ or =, where there is one
};

// Splits source into numbers, words and single marks (commas only separate them), leaving
// out comments (// and /* */
// in C, # in Python and C's # lines) and quoted text, and keeps each line's comment.
class ValueScanner {
public:
    explicit ValueScanner(std::string_view text);

    // The values of the first array from `from` on: the first = { or = [ (else the first {
    // or [) to the bracket that closes it, brackets inside included.
    // Numbers are as C writes them: 0x7E, 0b01110, Arduino's B01110, octal 017, decimal.
    ScannedArray ArrayFrom(std::size_t from = 0) const;
    // The array an = begins next after token `from`, as in `name[8] = {...}`; none where
    // the next = begins no array (code after a table: `x = 5;`).
    std::optional<ScannedArray> InitializerFrom(std::size_t from) const;
    // Of an initializer's inner { } groups (a struct's members, as the console fonts'
    // `{ {0, 0, FONTDATAMAX, 0}, { ...bytes... } }`), the one with no word among its values
    // that holds most of the initializer's values; none where no group does.
    std::optional<ScannedArray> LargestInnerArray() const;
    // Where the first word `word` begins, from `from` on.
    std::optional<std::size_t> Find(std::string_view word, std::size_t from = 0) const;
    // The comment on the line (1 from the top), "" when it has none.
    std::string_view CommentOn(int line) const;

    struct Token {
        enum Kind { Number, Word, Mark } kind;
        std::string_view text;
        int line;
        long long number = 0;
        bool valid = true;  // a number C can read
    };
    const std::vector<Token>& Tokens() const { return tokens_; }

private:
    std::vector<Token> tokens_;
    std::vector<std::string_view> comments_;  // per line, from line 1
};

}  // namespace zrl
