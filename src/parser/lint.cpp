#include "parser/lint.hpp"

#include <algorithm>
#include <cstring>
#include <optional>

#include "parser/lp_format.hpp"
#include "parser/text.hpp"

namespace nemox::parser {

namespace {

// A piece of the text in quotes, fit for one line of a terminal: control
// characters escaped, and a long piece cut (at a character boundary).
std::string quoted(std::string_view s) {
    constexpr std::size_t kLongest = 60;
    bool cut = false;
    if (s.size() > kLongest) {
        std::size_t n = kLongest;
        while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) --n;
        s = s.substr(0, n);
        cut = true;
    }
    std::string q = "'";
    for (const char c : s) {
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) {
            q += c;
        } else if (c == '\r') {
            q += "\\r";
        } else if (c == '\t') {
            q += "\\t";
        } else {
            constexpr char kHex[] = "0123456789abcdef";
            q += "\\x";
            q += kHex[(static_cast<unsigned char>(c) >> 4) & 0xF];
            q += kHex[static_cast<unsigned char>(c) & 0xF];
        }
    }
    if (cut) q += "...";
    q += '\'';
    return q;
}

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

// Walks the LP text in the reader's order (objective, int lines, then the
// constraints) and counts variables as get_var makes them, so that each
// name is judged by what the reader will make of it.
class LpLint {
  public:
    std::vector<Warning> run(std::string_view text) {
        struct Line {
            std::string_view text;
            std::uint64_t number;
        };
        std::optional<Line> objective;
        std::vector<Line> ints, constraints;
        LineReader lines(text);
        std::string_view raw;
        while (lines.next(raw)) {
            const std::uint64_t n = lines.number();
            const std::string_view line = trim(raw);
            if (line.find('\r') != std::string_view::npos) {
                add(n, "carriage return inside a line: it is read as a blank, not as a line end");
            }
            if (line.empty() || line[0] == '#') continue;
            if (line[0] == 'c') {
                if (line.size() > 1 && !is_blank(line[1]) &&
                    line.find('=') != std::string_view::npos) {
                    add(n,
                        "this line starts with 'c', so it is a comment: the constraint on it "
                        "is not read");
                }
                continue;
            }
            if (line == "end") break;
            if (line.starts_with("min ") || line.starts_with("max ")) {
                if (objective) {
                    add(n, "a second objective line: it replaces the one of line " +
                               std::to_string(objective->number) + ", which is not read");
                }
                std::string_view rest = line.substr(4);
                while (!rest.empty() && rest.back() == ';') rest.remove_suffix(1);
                objective = Line{rest, n};
                continue;
            }
            if (line.starts_with("int ")) {
                ints.push_back({trim(line.substr(4)), n});
                continue;
            }
            std::size_t at = line.find("<=");
            if (at == std::string_view::npos) at = line.find(">=");
            if (at == std::string_view::npos) at = line.find('=');
            if (at != std::string_view::npos) constraints.push_back({line.substr(0, at), n});
        }
        if (objective) expression(objective->text, objective->number);
        objective_vars_ = next_var_;
        for (const Line& l : ints) integer(l.text, l.number);
        for (const Line& l : constraints) expression(l.text, l.number);
        std::stable_sort(warnings_.begin(), warnings_.end(),
                         [](const Warning& a, const Warning& b) { return a.line < b.line; });
        return std::move(warnings_);
    }

  private:
    enum Cause : unsigned {
        kName = 1,
        kProduct = 2,
        kOrder = 4,
        kEmptyStar = 8,
        kSigns = 16,
        kExponent = 32
    };

    void add(std::uint64_t line, std::string text) { warnings_.push_back({line, std::move(text)}); }

    void integer(std::string_view name, std::uint64_t n) {
        const auto index = canonical_index(name);
        std::string what;
        if (index && *index < objective_vars_) return;
        if (name.find_first_of(" \t") != std::string_view::npos) {
            what = quoted(name) +
                   " is read as one name, so the int line marks nothing: write one "
                   "int line per variable";
        } else if (name.ends_with(';')) {
            what = quoted(name) +
                   " is not a variable (the ';' is part of the name), so the int "
                   "line marks nothing";
        } else if (!index) {
            what = quoted(name) +
                   " is not a name of the form x0, x1, ..., so the int line marks "
                   "nothing";
        } else {
            what = "the objective does not mention " + quoted(name) +
                   ", so the int line marks nothing (only the objective's variables can be "
                   "marked integer)";
        }
        add(n, std::move(what));
    }

    // One expression, split and classified as parse_expr does.
    void expression(std::string_view text, std::uint64_t n) {
        unsigned seen = 0;
        const auto once = [&](Cause cause, std::string what) {
            if ((seen & cause) != 0) return;
            seen |= cause;
            add(n, std::move(what));
        };
        // A run of signs: the reader keeps the last, arithmetic their product.
        int last_sign = 1, product = 1, signs = 0;
        std::size_t start = 0;
        const auto token = [&](std::size_t end) {
            const std::string_view t = trim(text.substr(start, end - start));
            if (t.empty()) return;
            if (signs > 1 && last_sign != product) {
                once(kSigns, std::string("signs in a row do not combine: the last one counts, so "
                                         "the term after them is ") +
                                 (last_sign < 0 ? "subtracted" : "added"));
            }
            signs = 0;
            product = 1;
            if (t.find('/') != std::string_view::npos) return;
            if (const auto star = t.find('*'); star != std::string_view::npos) {
                const std::string_view name = trim(t.substr(star + 1));
                if (name.empty()) {
                    ++next_var_;
                    once(kEmptyStar, "nothing follows '*' in " + quoted(t) +
                                         ": it multiplies a new variable that has no name");
                    return;
                }
                variable(name, once);
                return;
            }
            if (!contains_alphabetic(t)) return;
            // "1e-5" is the name "1e" and a term 5: the sign splits it.
            if (end < text.size() && (t.back() == 'e' || t.back() == 'E') &&
                t.find_first_not_of("0123456789.") == t.size() - 1 && t.size() > 1) {
                ++next_var_;
                once(kExponent, "a sign splits a term, exponents included: " +
                                    quoted(text.substr(start, end + 1 - start)) + " is the name " +
                                    quoted(t) +
                                    " and a new term; write the number without an exponent");
                return;
            }
            variable(t, once);
        };
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            if (c != '+' && c != '-') continue;
            token(i);
            last_sign = c == '+' ? 1 : -1;
            product *= last_sign;
            ++signs;
            start = i + 1;
        }
        token(text.size());
    }

    template <class Once>
    void variable(std::string_view name, Once& once) {
        const auto index = canonical_index(name);
        if (index && *index < next_var_) return;
        const std::uint64_t made = next_var_++;
        if (index) {
            if (*index != made) {
                once(kOrder, quoted(name) + " is the first mention of a variable, which is x" +
                                 std::to_string(made) +
                                 ": variables are numbered in the order they are first named");
            }
            return;
        }
        const char first = name[0];
        if ((first >= '0' && first <= '9') || first == '.') {
            once(kProduct, quoted(name) +
                               " is a name, not a number or a product (a coefficient needs "
                               "'*', as in 2*x0): each mention makes a new variable");
            return;
        }
        once(kName,
             quoted(name) +
                 " is not a name of the form x0, x1, ...: each mention makes a new variable");
    }

    std::vector<Warning> warnings_;
    std::uint64_t next_var_ = 0;
    std::uint64_t objective_vars_ = 0;
};

bool is_ascii_blank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r' && c != '\n');
}

// Whether the byte at `p` is the first non-blank one of its line.
bool starts_line(const char* begin, const char* p) {
    while (p > begin && is_ascii_blank(p[-1])) --p;
    return p == begin || p[-1] == '\n';
}

// Line numbers of positions met in increasing order, counting line feeds
// only over the part not counted yet.
class LineCounter {
  public:
    explicit LineCounter(const char* begin) : at_(begin) {}
    std::uint64_t line_of(const char* p) {
        line_ += static_cast<std::uint64_t>(std::count(at_, p, '\n'));
        at_ = p;
        return line_;
    }

  private:
    const char* at_;
    std::uint64_t line_ = 1;
};

const char* find(const char* p, const char* end, char c) {
    return static_cast<const char*>(std::memchr(p, c, static_cast<std::size_t>(end - p)));
}

const char* line_end(const char* p, const char* end) {
    const char* nl = find(p, end, '\n');
    return nl != nullptr ? nl : end;
}

// The first line that starts with "%", or null.
const char* satlib_marker(const char* begin, const char* end) {
    for (const char* p = begin; (p = find(p, end, '%')) != nullptr; ++p) {
        if (starts_line(begin, p)) return p;
    }
    return nullptr;
}

}  // namespace

std::vector<Warning> lint_lp(std::string_view text) {
    return LpLint().run(text);
}

std::vector<Warning> lint_dimacs(std::string_view text) {
    std::vector<Warning> warnings;
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    LineCounter lines(begin);
    std::uint64_t cr_warned = 0;
    bool marker_seen = false;
    // Clause lines hold none of the bytes looked for but the carriage return
    // of a CR LF end: whole blocks are passed over by one loop that the
    // compiler vectorises, and only the blocks with one are looked at closely.
    constexpr std::ptrdiff_t kBlock = 4096;
    for (const char* block = begin; block < end; block += kBlock) {
        const char* const block_end = block + std::min(kBlock, end - block);
        // The last byte of the text has no successor to look at.
        const char* const scan_end = block_end == end ? end - 1 : block_end;
        unsigned interesting = scan_end < block_end ? (*scan_end == 'p') | (*scan_end == '%') : 0;
        for (const char* q = block; q < scan_end; ++q) {
            const char c = *q;
            interesting |=
                static_cast<unsigned>(((c == '\r') & (q[1] != '\n')) | (c == 'p') | (c == '%'));
        }
        if (interesting == 0) continue;
        for (const char* q = block; q < block_end; ++q) {
            const char c = *q;
            if (c == '\r') {
                // One at the very end of the text is trimmed away.
                if (q + 1 == end || q[1] == '\n') continue;
                const std::uint64_t line = lines.line_of(q);
                if (line == cr_warned) continue;
                cr_warned = line;
                warnings.push_back({line,
                                    "carriage return inside a line: it is read as a blank, "
                                    "not as a line end"});
            } else if (c == 'p' && starts_line(begin, q)) {
                Tokenizer tokens(
                    std::string_view(q, static_cast<std::size_t>(line_end(q, end) - q)));
                std::string_view t, second;
                int count = 0;
                while (tokens.next(t)) {
                    if (++count == 2) second = t;
                }
                if (count > 4 && second == "cnf") {
                    warnings.push_back({lines.line_of(q),
                                        "the problem line has tokens after its "
                                        "two counts: they are ignored"});
                }
            } else if (c == '%' && !marker_seen && starts_line(begin, q)) {
                marker_seen = true;
                warnings.push_back({lines.line_of(q),
                                    "'%' ends the clauses of SATLIB files, but not in this "
                                    "format: it is read as a literal (--satlib drops this line "
                                    "and all after it)"});
            }
        }
    }
    return warnings;
}

std::string_view drop_satlib_trailer(std::string_view text) {
    const char* marker = satlib_marker(text.data(), text.data() + text.size());
    if (marker == nullptr) return text;
    while (marker > text.data() && marker[-1] != '\n') --marker;
    return text.substr(0, static_cast<std::size_t>(marker - text.data()));
}

}  // namespace nemox::parser
