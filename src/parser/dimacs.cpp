#include "parser/dimacs.hpp"

#include <string>

#include "parser/text.hpp"

namespace nemox::parser {

namespace {

// Optional "+", then ASCII digits, at most 2^64 - 1.
bool parse_count(std::string_view t, std::uint64_t& out) {
    std::size_t i = (!t.empty() && t[0] == '+') ? 1 : 0;
    if (i == t.size()) return false;
    std::uint64_t v = 0;
    for (; i < t.size(); ++i) {
        const unsigned d = static_cast<unsigned char>(t[i]) - unsigned{'0'};
        if (d > 9) return false;
        if (__builtin_mul_overflow(v, 10u, &v) || __builtin_add_overflow(v, d, &v)) return false;
    }
    out = v;
    return true;
}

// Optional "+" or "-", then ASCII digits, within the signed 32-bit range.
bool parse_literal(std::string_view t, std::int32_t& out) {
    std::size_t i = 0;
    bool negative = false;
    if (!t.empty() && (t[0] == '+' || t[0] == '-')) {
        negative = t[0] == '-';
        i = 1;
    }
    if (i == t.size()) return false;
    std::uint64_t v = 0;
    for (; i < t.size(); ++i) {
        const unsigned d = static_cast<unsigned char>(t[i]) - unsigned{'0'};
        if (d > 9) return false;
        v = v * 10 + d;
        if (v > 2147483648u) return false;
    }
    if (!negative && v > 2147483647u) return false;
    out = static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(v)
                                             : static_cast<std::int64_t>(v));
    return true;
}

std::string line_message(std::uint64_t line, std::string_view what) {
    std::string m = "line ";
    m += std::to_string(line);
    m += ": ";
    m += what;
    return m;
}

}  // namespace

Expected<DimacsProblem> parse_dimacs(std::string_view text) {
    using Result = Expected<DimacsProblem>;
    DimacsProblem problem;
    problem.literals.reserve(text.size() / 3);
    bool header_seen = false;
    std::size_t open_begin = 0;  // the open clause is literals[open_begin..]

    LineReader lines(text);
    std::string_view raw;
    while (lines.next(raw)) {
        const std::string_view line = trim(raw);
        if (line.empty() || line[0] == 'c') continue;
        const std::uint64_t n = lines.number();

        if (line[0] == 'p') {
            Tokenizer tokens(line);
            std::string_view t[4];
            int count = 0;
            while (count < 4 && tokens.next(t[count])) ++count;
            if (count < 4 || t[1] != "cnf") {
                return Result::failure(
                    line_message(n, "invalid problem line, expected 'p cnf <vars> <clauses>'"));
            }
            std::uint64_t vars = 0;
            std::uint64_t clauses = 0;
            if (!parse_count(t[2], vars)) return Result::failure(line_message(n, "invalid variable count"));
            if (!parse_count(t[3], clauses)) return Result::failure(line_message(n, "invalid clause count"));
            if (problem.literals.size() > open_begin) {
                return Result::failure(line_message(n, "clause before problem header not terminated"));
            }
            problem.num_vars = vars;
            problem.num_clauses = clauses;
            header_seen = true;
            continue;
        }

        if (!header_seen) return Result::failure(line_message(n, "data before 'p cnf' header"));
        Tokenizer tokens(line);
        std::string_view token;
        while (tokens.next(token)) {
            std::int32_t lit = 0;
            if (!parse_literal(token, lit)) {
                std::string what = "invalid literal '";
                what += token;
                what += '\'';
                return Result::failure(line_message(n, what));
            }
            if (lit != 0) {
                problem.literals.push_back(lit);
            } else {
                problem.clause_ends.push_back(problem.literals.size());
                open_begin = problem.literals.size();
            }
        }
    }
    if (problem.literals.size() > open_begin) problem.clause_ends.push_back(problem.literals.size());
    if (!header_seen) return Result::failure("missing 'p cnf' header");
    return problem;
}

}  // namespace nemox::parser
