#include "conditionals.h"

#include <map>
#include <optional>
#include <set>
#include <vector>

namespace zrl {

namespace {

bool IsNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

struct Directive {
    std::string_view keyword;
    std::string_view rest;
};

// "#if (X)  // why" as {"if", "(X)"}; none for a line that is no directive.
std::optional<Directive> DirectiveOf(std::string_view line) {
    line = Trimmed(line);
    if (line.empty() || line.front() != '#') {
        return std::nullopt;
    }
    // "#if", as C writes it; "# if" is as likely a Python comment.
    line = line.substr(1);
    std::size_t end = 0;
    while (end < line.size() && IsNameCharacter(line[end])) {
        ++end;
    }
    std::string_view rest = line.substr(end);
    rest = Trimmed(rest.substr(0, std::min(rest.find("//"), rest.find("/*"))));
    return Directive{line.substr(0, end), rest};
}

using Defines = std::map<std::string, long long, std::less<>>;

// An #if's expression: numbers, names, defined(NAME), !, ==, !=, <, >, <=, >=, && and ||
// with parentheses; none where it holds anything else.
class Expression {
public:
    Expression(std::string_view text, const Defines& defines, std::set<std::string>& unknown)
        : text_(text), defines_(defines), unknown_(unknown) {}

    std::optional<long long> Value() {
        const std::optional<long long> value = Or();
        Skip();
        return at_ == text_.size() ? value : std::nullopt;
    }

private:
    std::optional<long long> Or() {
        std::optional<long long> left = And();
        while (left && Take("||")) {
            const std::optional<long long> right = And();
            left = right ? std::optional<long long>(*left || *right) : std::nullopt;
        }
        return left;
    }

    std::optional<long long> And() {
        std::optional<long long> left = Compared();
        while (left && Take("&&")) {
            const std::optional<long long> right = Compared();
            left = right ? std::optional<long long>(*left && *right) : std::nullopt;
        }
        return left;
    }

    std::optional<long long> Compared() {
        std::optional<long long> left = Unary();
        for (const std::string_view op : {"==", "!=", "<=", ">=", "<", ">"}) {
            if (left && Take(op)) {
                const std::optional<long long> right = Unary();
                if (!right) {
                    return std::nullopt;
                }
                return op == "=="   ? *left == *right
                       : op == "!=" ? *left != *right
                       : op == "<=" ? *left <= *right
                       : op == ">=" ? *left >= *right
                       : op == "<"  ? *left < *right
                                    : *left > *right;
            }
        }
        return left;
    }

    std::optional<long long> Unary() {
        if (Take("!")) {
            const std::optional<long long> value = Unary();
            return value ? std::optional<long long>(!*value) : std::nullopt;
        }
        if (Take("(")) {
            const std::optional<long long> value = Or();
            return Take(")") ? value : std::nullopt;
        }
        const std::string_view name = Name();
        if (name == "defined") {
            const bool braced = Take("(");
            const std::string_view tested = Name();
            if (tested.empty() || (braced && !Take(")"))) {
                return std::nullopt;
            }
            Note(tested);
            return defines_.contains(tested) ? 1 : 0;
        }
        if (name.empty()) {
            return std::nullopt;
        }
        if (name[0] >= '0' && name[0] <= '9') {
            return Number(name);
        }
        Note(name);
        const auto found = defines_.find(name);
        return found != defines_.end() ? found->second : 0;
    }

    static std::optional<long long> Number(std::string_view digits) {
        while (!digits.empty() && (digits.back() == 'u' || digits.back() == 'U' ||
                                   digits.back() == 'l' || digits.back() == 'L')) {
            digits.remove_suffix(1);
        }
        const bool hex = digits.size() > 2 && digits[0] == '0' && (digits[1] | 0x20) == 'x';
        try {
            std::size_t used = 0;
            const long long value = std::stoll(std::string(digits), &used, hex ? 16 : 10);
            return used == digits.size() ? std::optional(value) : std::nullopt;
        } catch (const std::exception&) {
            return std::nullopt;
        }
    }

    void Note(std::string_view name) {
        if (!defines_.contains(name)) {
            unknown_.emplace(name);
        }
    }

    std::string_view Name() {
        Skip();
        const std::size_t start = at_;
        while (at_ < text_.size() && IsNameCharacter(text_[at_])) {
            ++at_;
        }
        return text_.substr(start, at_ - start);
    }

    bool Take(std::string_view mark) {
        Skip();
        // "<" is not the start of "<=", nor "!" of "!=".
        if (text_.substr(at_, mark.size()) != mark ||
            (mark.size() == 1 && at_ + 1 < text_.size() && text_[at_ + 1] == '=' && mark != "(" &&
             mark != ")")) {
            return false;
        }
        at_ += mark.size();
        return true;
    }

    void Skip() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) {
            ++at_;
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
    const Defines& defines_;
    std::set<std::string>& unknown_;
};

// One #if ... #endif: whether the lines are read now, and whether a branch was taken.
struct Branch {
    bool outerActive;
    bool taken;
    bool active;
};

// Follows the directives of the file line by line.
class Follower {
public:
    // The names the file #defines anywhere: a name only tested is the file's choice to leave.
    explicit Follower(std::set<std::string, std::less<>> definedSomewhere)
        : definedSomewhere_(std::move(definedSomewhere)) {}

    // Whether the line is read; directives themselves are kept (readers skip # lines).
    bool Read(std::string_view line) {
        const std::optional<Directive> directive = DirectiveOf(line);
        if (!directive) {
            return Active();
        }
        const std::string_view keyword = directive->keyword;
        if (keyword == "if" || keyword == "ifdef" || keyword == "ifndef") {
            const bool outer = Active();
            const bool holds = outer && Holds(keyword, directive->rest);
            branches_.push_back({outer, holds, holds});
        } else if ((keyword == "elif" || keyword == "else") && !branches_.empty()) {
            Branch& branch = branches_.back();
            const bool holds = branch.outerActive && !branch.taken &&
                               (keyword == "else" || Holds("if", directive->rest));
            branch.active = holds;
            branch.taken = branch.taken || holds;
        } else if (keyword == "endif" && !branches_.empty()) {
            branches_.pop_back();
        } else if (keyword == "define" && Active()) {
            Define(directive->rest);
        } else if (keyword == "undef" && Active()) {
            defines_.erase(std::string(Trimmed(directive->rest)));
        }
        return true;
    }

    std::string Note() const {
        std::string note;
        for (const std::string& name : unknown_) {
            if (!definedSomewhere_.contains(name)) {
                note += note.empty() ? "" : ", ";
                note += name;
            }
        }
        if (!note.empty()) {
            note = "the file does not define " + note + "; read as a compiler would without it";
        }
        if (!unfollowed_.empty()) {
            note += (note.empty() ? "" : "; ") + std::string("#if ") + unfollowed_ +
                    " could not be followed and was read as true";
        }
        return note;
    }

private:
    bool Active() const { return branches_.empty() || branches_.back().active; }

    bool Holds(std::string_view keyword, std::string_view rest) {
        if (keyword != "if") {
            const std::string name(Trimmed(rest));
            unknown_.insert(name);
            return defines_.contains(name) == (keyword == "ifdef");
        }
        const std::optional<long long> value = Expression(rest, defines_, unknown_).Value();
        if (!value && unfollowed_.empty()) {
            unfollowed_ = std::string(rest);
        }
        return value.value_or(1) != 0;
    }

    void Define(std::string_view rest) {
        std::size_t end = 0;
        while (end < rest.size() && IsNameCharacter(rest[end])) {
            ++end;
        }
        const std::string_view value = Trimmed(rest.substr(end));
        std::set<std::string> ignored;
        defines_[std::string(rest.substr(0, end))] =
            value.empty() ? 1 : Expression(value, defines_, ignored).Value().value_or(1);
    }

    std::set<std::string, std::less<>> definedSomewhere_;
    Defines defines_;
    std::vector<Branch> branches_;
    std::set<std::string> unknown_;
    std::string unfollowed_;
};

std::vector<std::string_view> LinesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

}  // namespace

Conditionals FollowConditionals(std::string_view text) {
    if (text.find('#') == std::string_view::npos) {
        return {std::string(text), {}};
    }
    const std::vector<std::string_view> lines = LinesOf(text);
    std::set<std::string, std::less<>> defined;
    for (const std::string_view line : lines) {
        if (const auto directive = DirectiveOf(line); directive && directive->keyword == "define") {
            std::size_t end = 0;
            while (end < directive->rest.size() && IsNameCharacter(directive->rest[end])) {
                ++end;
            }
            defined.emplace(directive->rest.substr(0, end));
        }
    }
    Follower follower(std::move(defined));
    Conditionals followed;
    followed.text.reserve(text.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (follower.Read(lines[i])) {
            followed.text += lines[i];
        }
        if (i + 1 < lines.size()) {
            followed.text += '\n';
        }
    }
    followed.note = follower.Note();
    return followed;
}

}  // namespace zrl
