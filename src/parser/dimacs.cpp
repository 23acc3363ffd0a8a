#include "parser/dimacs.hpp"

#include <array>
#include <cstring>
#include <string>
#include <vector>

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

// Byte classes for the clause-line fast path.
enum ByteClass : std::uint8_t { kOther, kSpace, kLineFeed, kDigit, kHigh };

constexpr auto kByteClass = [] {
    std::array<std::uint8_t, 256> table{};
    for (int b = 0x09; b <= 0x0D; ++b) table[b] = kSpace;
    table['\n'] = kLineFeed;
    table[' '] = kSpace;
    for (int b = '0'; b <= '9'; ++b) table[b] = kDigit;
    for (int b = 0x80; b < 0x100; ++b) table[b] = kHigh;
    return table;
}();

std::uint8_t byte_class(char c) {
    return kByteClass[static_cast<unsigned char>(c)];
}

// Skips white space other than the line feed, which ends a line.
const char* skip_blank(const char* p, const char* end) {
    while (p < end) {
        const std::uint8_t k = byte_class(*p);
        if (k == kSpace) {
            ++p;
        } else if (k == kHigh) {
            const std::size_t n = white_space_length(p, end);
            if (n == 0) break;
            p += n;
        } else {
            break;
        }
    }
    return p;
}

bool token_ends_at(const char* p, const char* end) {
    if (p == end) return true;
    const std::uint8_t k = byte_class(*p);
    return k == kSpace || k == kLineFeed || (k == kHigh && white_space_length(p, end) != 0);
}

std::string_view token_at(const char* start, const char* end) {
    Tokenizer tokens(std::string_view(start, static_cast<std::size_t>(end - start)));
    std::string_view token;
    tokens.next(token);
    return token;
}

// Optional "+" or "-", then ASCII digits, within the signed 32-bit range, up
// to white space or the end. Returns the end of the token, or null.
const char* read_literal(const char* p, const char* end, std::int32_t& out) {
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    const char* const digits = p;
    std::uint64_t v = 0;
    while (p < end && byte_class(*p) == kDigit) {
        v = v * 10 + static_cast<unsigned>(*p - '0');
        if (v > 2147483648u) return nullptr;
        ++p;
    }
    if (p == digits || !token_ends_at(p, end)) return nullptr;
    if (!negative && v > 2147483647u) return nullptr;
    out = static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(v)
                                             : static_cast<std::int64_t>(v));
    return p;
}

// Where the literals and clause ends go, written through raw pointers: the
// literals have room enough from the start, the ends grow when needed (which
// moves the literals too, being in the same block).
struct Output {
    sat::Cnf* cnf;
    std::int32_t* lits;
    std::int32_t* out;
    std::size_t* ends;
    std::size_t* end_out;   // where the next clause end goes
    std::size_t* end_room;  // the end of the room for clause ends
    std::int32_t* open;     // the open clause is [open, out)

    explicit Output(sat::Cnf& c) : cnf(&c) { rebase(0, 0, 0); }

    bool clause_open() const { return out != open; }
    std::size_t count() const { return static_cast<std::size_t>(end_out - ends); }
    std::size_t written() const { return static_cast<std::size_t>(out - lits); }
    void close() {
        if (end_out == end_room) [[unlikely]]
            grow_ends();
        *end_out++ = written();
        open = out;
    }
    void take(std::int32_t lit) {
        if (lit != 0) {
            *out++ = lit;
            return;
        }
        close();
    }
    [[gnu::noinline]] void grow_ends() {
        const std::size_t n = count();
        const std::size_t w = written();
        const auto open_at = static_cast<std::size_t>(open - lits);
        cnf->set_counts(n, w);
        cnf->reserve(2 * n + 16, cnf->literal_room());
        rebase(n, w, open_at);
    }
    void rebase(std::size_t n, std::size_t w, std::size_t open_at) {
        lits = cnf->literals_data();
        out = lits + w;
        open = lits + open_at;
        ends = cnf->ends_data();
        end_out = ends + n;
        end_room = ends + cnf->end_room();
    }
};

// Clause lines in their common shape, while at least twelve bytes remain so
// that no read needs a bound: an optional minus and at most nine digits
// ending at a space or a line feed (or a carriage return and a line feed),
// which is taken with it; a line after it that starts with a literal goes on
// here (and is counted in `line`). Returns where it stopped: in the current
// line, or after its line feed with `ended` set. Spaces before a token are
// skipped here too; whatever else stops it is left to the general path.
[[gnu::noinline]] const char* read_plain(const char* p, const char* safe_end, Output& o,
                                         std::uint64_t& line, bool& ended) {
    ended = false;
    // The write positions in registers, not behind `o`, across the loop.
    std::int32_t* out = o.out;
    std::size_t* end_out = o.end_out;
    // The digits at q, the first worth v: on return q is at the byte after
    // them and d is that byte less '0'. False for ten digits or more.
    const auto digits = [](const char*& q, std::uint32_t& v, std::uint32_t& d) {
        // The second digit apart, the others in a loop: most literals have
        // one or two.
        d = static_cast<unsigned char>(q[1]) - unsigned{'0'};
        if (d > 9) {
            ++q;
            return true;
        }
        v = 10 * v + d;
        q += 2;
        d = static_cast<unsigned char>(q[0]) - unsigned{'0'};
        if (d > 9) return true;
        const char* const last = q + 7;  // nine digits at most
        do {
            v = 10 * v + d;
            ++q;
            d = static_cast<unsigned char>(q[0]) - unsigned{'0'};
        } while (d <= 9 && q != last);
        return d > 9;
    };
    while (p < safe_end) {
        const char* q = p;
        std::uint32_t v = static_cast<unsigned char>(*q) - unsigned{'0'};
        std::uint32_t d = 0;
        std::int32_t lit = 0;
        // Each sign its own copy of the digits, so that a positive literal
        // pays nothing for the sign.
        if (v <= 9) {
            if (!digits(q, v, d)) break;
            lit = static_cast<std::int32_t>(v);
        } else if (*q == '-') {
            ++q;
            v = static_cast<unsigned char>(*q) - unsigned{'0'};
            if (v > 9 || !digits(q, v, d)) break;
            lit = static_cast<std::int32_t>(0u - v);
        } else if (*q == ' ') {
            ++p;
            continue;
        } else {
            break;
        }
        // q is at the separator, whose value less '0' is d: ' ' or '\n'
        // (or '\r' then '\n').
        const char* next = q + 1;
        if (d != unsigned{' '} - unsigned{'0'}) {
            if (d == unsigned{'\r'} - unsigned{'0'} && *next == '\n') {
                ++next;
                d = unsigned{'\n'} - unsigned{'0'};
            } else if (d != unsigned{'\n'} - unsigned{'0'}) {
                break;
            }
        }
        if (lit != 0) {
            *out++ = lit;
        } else {
            // The general path grows the room for ends.
            if (end_out == o.end_room) [[unlikely]]
                break;
            *end_out++ = static_cast<std::size_t>(out - o.lits);
            o.open = out;
        }
        p = next;
        if (d == unsigned{'\n'} - unsigned{'0'}) {
            if (p >= safe_end ||
                (static_cast<unsigned char>(*p) - unsigned{'0'} > 9 && *p != '-')) {
                ended = true;
                break;
            }
            ++line;
        }
    }
    o.out = out;
    o.end_out = end_out;
    return p;
}

}  // namespace

Expected<sat::Cnf> parse_dimacs(std::string_view text) {
    using Result = Expected<sat::Cnf>;
    sat::Cnf problem;
    // A token takes at least two bytes with its separator (the last one at
    // least one), so the literals fit in half the text plus one; three-literal
    // clauses take at least eight bytes, so their ends rarely outgrow an
    // eighth. Only what was written is kept.
    problem.reserve(text.size() / 8 + 1, text.size() / 2 + 1);
    Output o(problem);
    bool header_seen = false;

    // One pass over the text: a line feed ends a line and every other white
    // space separates tokens (a carriage return before the line feed is white
    // space too), so clause lines need no separate line split or trim.
    const char* p = text.data();
    const char* const end = p + text.size();
    const char* const safe_end = text.size() > 11 ? end - 11 : p;
    std::uint64_t n = 0;  // number of the current line
    while (p < end) {
        ++n;
        p = skip_blank(p, end);
        if (p == end) break;
        if (*p == '\n') {
            ++p;
            continue;
        }
        if (*p == 'c' || *p == 'p') {
            const void* nl = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
            const char* const eol = nl != nullptr ? static_cast<const char*>(nl) : end;
            const std::string_view line =
                trim(std::string_view(p, static_cast<std::size_t>(eol - p)));
            p = eol < end ? eol + 1 : end;
            if (line[0] == 'c') continue;

            Tokenizer tokens(line);
            std::string_view t[4];
            int count = 0;
            while (count < 4 && tokens.next(t[count])) ++count;
            if (count < 4 || t[1] != "cnf") {
                return Result::failure(
                    line_message(n, "invalid problem line, expected 'p cnf <vars> <clauses>'"), n);
            }
            std::uint64_t vars = 0;
            std::uint64_t clauses = 0;
            if (!parse_count(t[2], vars))
                return Result::failure(line_message(n, "invalid variable count"), n);
            if (!parse_count(t[3], clauses))
                return Result::failure(line_message(n, "invalid clause count"), n);
            if (o.clause_open()) {
                return Result::failure(
                    line_message(n, "clause before problem header not terminated"), n);
            }
            problem.num_vars = vars;
            problem.num_clauses = clauses;
            header_seen = true;
            continue;
        }

        if (!header_seen) return Result::failure(line_message(n, "data before 'p cnf' header"), n);
        for (;;) {
            // The common shape first; the general path takes what it leaves.
            bool ended = false;
            p = read_plain(p, safe_end, o, n, ended);
            if (ended) break;
            p = skip_blank(p, end);
            if (p == end) break;
            if (*p == '\n') {
                ++p;
                break;
            }
            const char* const start = p;
            std::int32_t lit = 0;
            p = read_literal(p, end, lit);
            if (p == nullptr) {
                return Result::failure(
                    line_message_quoting(n, "invalid literal ", token_at(start, end)), n);
            }
            o.take(lit);
        }
    }
    const std::size_t written = o.written();
    if (o.clause_open()) o.close();
    if (!header_seen) return Result::failure("missing 'p cnf' header");
    problem.set_counts(o.count(), written);
    return problem;
}

}  // namespace nemox::parser
