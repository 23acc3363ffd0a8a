#include "parser/lp_format.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "parser/alphabetic_table.hpp"
#include "parser/text.hpp"

namespace nemox::parser {

using linear::CmpOp;
using linear::LinearConstraintT;
using linear::LinearExprT;
using linear::LinearSystemT;
using linear::Sense;

namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

bool equals_ignoring_case(std::string_view s, std::string_view lower) {
    if (s.size() != lower.size()) return false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != lower[i]) return false;
    }
    return true;
}

// Decodes one UTF-8 sequence; malformed bytes decode as themselves (never
// alphabetic beyond ASCII) and advance by one.
std::uint32_t next_code_point(const char*& p, const char* end) {
    const auto b0 = static_cast<unsigned char>(*p);
    if (b0 < 0x80) {
        ++p;
        return b0;
    }
    int len = b0 >= 0xF0 ? 4 : b0 >= 0xE0 ? 3 : b0 >= 0xC0 ? 2 : 0;
    if (len == 0 || end - p < len) {
        ++p;
        return 0xFFFD;
    }
    std::uint32_t cp = b0 & (0x7F >> len);
    for (int i = 1; i < len; ++i) {
        const auto b = static_cast<unsigned char>(p[i]);
        if ((b & 0xC0) != 0x80) {
            ++p;
            return 0xFFFD;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    p += len;
    return cp;
}

bool is_alphabetic(std::uint32_t cp) {
    if (cp < 0x80) return (cp | 0x20) >= 'a' && (cp | 0x20) <= 'z';
    const auto* end = std::end(kAlphabetic);
    const auto* it =
        std::upper_bound(std::begin(kAlphabetic), end, cp,
                         [](std::uint32_t v, const CodePointRange& r) { return v < r.lo; });
    return it != std::begin(kAlphabetic) && cp <= (it - 1)->hi;
}

std::string_view strip_trailing_semicolons(std::string_view s) {
    while (!s.empty() && s.back() == ';') s.remove_suffix(1);
    return s;
}

// A number of the text that can be the value it says: an infinity or NaN
// would stand for a problem nobody wrote, so it is as malformed as a typo.
std::optional<double> finite_number(std::string_view text) {
    const auto v = parse_lp_number(text);
    if (!v || !std::isfinite(*v)) return std::nullopt;
    return v;
}

struct Pending {
    std::string_view left;
    CmpOp op;
    double value;
    std::uint64_t line;
};

}  // namespace

std::optional<std::uint64_t> canonical_index(std::string_view name) {
    if (name.size() < 2 || name[0] != 'x') return std::nullopt;
    const std::string_view digits = name.substr(1);
    if (digits.size() > 1 && digits[0] == '0') return std::nullopt;
    std::uint64_t index = 0;
    const auto res = std::from_chars(digits.data(), digits.data() + digits.size(), index);
    if (res.ec != std::errc() || res.ptr != digits.data() + digits.size()) return std::nullopt;
    return index;
}

std::optional<double> parse_lp_number(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::string_view body = text.substr(i);
    if (equals_ignoring_case(body, "inf") || equals_ignoring_case(body, "infinity")) {
        return negative ? -INFINITY : INFINITY;
    }
    if (equals_ignoring_case(body, "nan")) return negative ? -NAN : NAN;

    std::size_t digits = 0, points = 0;
    std::size_t j = 0;
    for (; j < body.size(); ++j) {
        const char c = body[j];
        if (is_digit(c)) {
            ++digits;
        } else if (c == '.') {
            if (++points > 1) return std::nullopt;
        } else {
            break;
        }
    }
    if (digits == 0) return std::nullopt;
    if (j < body.size()) {
        if (body[j] != 'e' && body[j] != 'E') return std::nullopt;
        std::size_t k = j + 1;
        if (k < body.size() && (body[k] == '+' || body[k] == '-')) ++k;
        if (k == body.size()) return std::nullopt;
        for (; k < body.size(); ++k) {
            if (!is_digit(body[k])) return std::nullopt;
        }
    }
    double value = 0.0;
    const auto res =
        std::from_chars(body.data(), body.data() + body.size(), value, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // Too large for a double, or too small: decide by where the first
        // significant digit sits once the exponent is applied.
        std::size_t first = 0;
        bool found = false;
        std::int64_t before_point = 0;
        for (std::size_t k = 0; k < j; ++k) {
            if (body[k] == '.') continue;
            if (!found && body[k] != '0') {
                found = true;
                first = k;
            }
        }
        for (std::size_t k = 0; k < j && body[k] != '.'; ++k) ++before_point;
        // Power of ten of the first nonzero digit, before the exponent.
        std::int64_t position = before_point - 1 - static_cast<std::int64_t>(first);
        if (first > static_cast<std::size_t>(before_point)) position += 1;
        std::int64_t exponent = 0;
        if (j < body.size()) {
            std::size_t k = j + 1;
            bool eneg = false;
            if (body[k] == '+' || body[k] == '-') eneg = body[k++] == '-';
            for (; k < body.size(); ++k) {
                exponent = std::min<std::int64_t>(exponent * 10 + (body[k] - '0'), 1000000000);
            }
            if (eneg) exponent = -exponent;
        }
        value = (found && position + exponent >= 0) ? INFINITY : 0.0;
    } else if (res.ec != std::errc() || res.ptr != body.data() + body.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

bool contains_alphabetic(std::string_view text) {
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
        if (is_alphabetic(next_code_point(p, end))) return true;
    }
    return false;
}

template <class N>
std::uint64_t get_var(std::string_view name, LinearSystemT<N>& system) {
    name = trim(name);
    // The variables are 0 .. next_var-1 in order, so the first whose
    // canonical name matches is the index the name spells, if it exists.
    const auto index = canonical_index(name);
    if (index && *index < system.next_var) return *index;
    return system.new_variable();
}

template <class N>
Expected<LinearExprT<N>> parse_expr(std::string_view text, LinearSystemT<N>& system) {
    using Expr = LinearExprT<N>;
    text = trim(text);
    Expr result;
    if (text.empty()) return result;

    struct Token {
        int sign;
        std::string text;
    };
    std::vector<Token> tokens;
    int sign = 1;
    std::string current;
    for (const char c : text) {
        if (c == ' ' || c == '\t') {
            if (!current.empty()) current.push_back(' ');
        } else if (c == '+' || c == '-') {
            if (!current.empty()) {
                tokens.push_back({sign, std::move(current)});
                current.clear();
            }
            sign = c == '+' ? 1 : -1;
        } else {
            current.push_back(c);
        }
    }
    if (!current.empty()) tokens.push_back({sign, std::move(current)});

    // The sum is exact, so adding every token's part and canonicalising once
    // gives what adding them one by one gives, in linear time.
    for (const Token& token : tokens) {
        const std::string_view t = trim(token.text);
        if (t.empty()) continue;
        if (const auto slash = t.find('/'); slash != std::string_view::npos) {
            const auto num = finite_number(trim(t.substr(0, slash)));
            if (!num) return Expected<Expr>::failure("bad num in " + std::string(t));
            const auto den = finite_number(trim(t.substr(slash + 1)));
            if (!den || !std::isfinite(*num / *den))
                return Expected<Expr>::failure("bad den in " + std::string(t));
            N c = N::from_f64(*num / *den);
            if (token.sign < 0) c = -c;
            result.constant = result.constant + c;
        } else if (const auto star = t.find('*'); star != std::string_view::npos) {
            const auto coeff = finite_number(trim(t.substr(0, star)));
            if (!coeff) return Expected<Expr>::failure("bad coeff in " + std::string(t));
            const std::uint64_t v = get_var(t.substr(star + 1), system);
            N c = N::from_f64(*coeff * token.sign);
            if (!c.is_zero()) result.terms.push_back({std::move(c), v});
        } else if (contains_alphabetic(t)) {
            const std::uint64_t v = get_var(t, system);
            result.terms.push_back(
                {N(token.sign > 0 ? linear::Rational::one() : -linear::Rational::one()), v});
        } else {
            const auto value = finite_number(t);
            if (!value) return Expected<Expr>::failure("bad constant in " + std::string(t));
            result.constant = result.constant + N::from_f64(token.sign * *value);
        }
    }
    result.canonicalise();
    return result;
}

template <class N>
Expected<LinearSystemT<N>> parse_lp(std::string_view text) {
    using System = LinearSystemT<N>;
    struct Objective {
        Sense sense;
        std::string_view text;
        std::uint64_t line;
    };
    std::optional<Objective> objective_line;
    std::vector<std::string_view> integer_names;
    std::vector<Pending> pending;

    LineReader lines(text);
    std::string_view raw;
    while (lines.next(raw)) {
        const std::string_view line = trim(raw);
        if (line.empty()) continue;
        if (line[0] == '#' || line[0] == 'c') continue;
        if (line == "end") break;
        if (line.starts_with("min ") || line.starts_with("max ")) {
            objective_line = Objective{line[1] == 'i' ? Sense::Minimize : Sense::Maximize,
                                       strip_trailing_semicolons(line.substr(4)), lines.number()};
            continue;
        }
        if (line.starts_with("int ")) {
            integer_names.push_back(trim(line.substr(4)));
            continue;
        }
        CmpOp op;
        std::size_t at, len = 2;
        if ((at = line.find("<=")) != std::string_view::npos) {
            op = CmpOp::Le;
        } else if ((at = line.find(">=")) != std::string_view::npos) {
            op = CmpOp::Ge;
        } else if ((at = line.find('=')) != std::string_view::npos) {
            op = CmpOp::Eq;
            len = 1;
        } else {
            return Expected<System>::failure(
                line_message(lines.number(), "bad syntax: " + std::string(line)), lines.number());
        }
        const std::string_view left = trim(line.substr(0, at));
        const std::string_view right = trim(strip_trailing_semicolons(trim(line.substr(at + len))));
        const auto value = finite_number(right);
        if (!value)
            return Expected<System>::failure("bad number: " + std::string(right), lines.number());
        pending.push_back({left, op, *value, lines.number()});
    }

    System system;
    if (objective_line) {
        auto expr = parse_expr(objective_line->text, system);
        if (!expr.ok()) return Expected<System>::failure(expr.error(), objective_line->line);
        system.set_objective(objective_line->sense, std::move(expr.value()));
    }
    for (const std::string_view name : integer_names) {
        const auto index = canonical_index(name);
        if (index && *index < system.next_var) system.mark_integer(*index);
    }
    for (const Pending& p : pending) {
        auto expr = parse_expr(p.left, system);
        if (!expr.ok()) return Expected<System>::failure(expr.error(), p.line);
        LinearExprT<N> folded =
            std::move(expr.value()) - LinearExprT<N>::constant_expr(N::from_f64(p.value));
        system.add_constraint(LinearConstraintT<N>{std::move(folded), std::nullopt, p.op});
    }
    return system;
}

Expected<linear::ExactSystem> read_lp_text(std::string_view text) {
    try {
        auto small = parse_lp<linear::Rational>(text);
        if (!small.ok()) return Expected<linear::ExactSystem>::failure(small.read_error());
        return linear::ExactSystem{std::move(small.value())};
    } catch (const linear::Overflow&) {
    }
    auto big = parse_lp<linear::BigRational>(text);
    if (!big.ok()) return Expected<linear::ExactSystem>::failure(big.read_error());
    return linear::ExactSystem{std::move(big.value())};
}

template Expected<LinearSystemT<linear::Rational>> parse_lp(std::string_view);
template Expected<LinearSystemT<linear::BigRational>> parse_lp(std::string_view);
template std::uint64_t get_var(std::string_view, LinearSystemT<linear::Rational>&);
template std::uint64_t get_var(std::string_view, LinearSystemT<linear::BigRational>&);
template Expected<LinearExprT<linear::Rational>> parse_expr(std::string_view,
                                                            LinearSystemT<linear::Rational>&);
template Expected<LinearExprT<linear::BigRational>> parse_expr(std::string_view,
                                                               LinearSystemT<linear::BigRational>&);

}  // namespace nemox::parser
