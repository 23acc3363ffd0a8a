#include "parser/cp_format.hpp"

#include <string>
#include <utility>
#include <vector>

#include "parser/name_table.hpp"
#include "parser/text.hpp"

namespace nemox::parser {

std::optional<std::int64_t> parse_cp_integer(std::string_view t) {
    std::size_t i = 0;
    bool negative = false;
    if (!t.empty() && (t[0] == '+' || t[0] == '-')) {
        negative = t[0] == '-';
        i = 1;
    }
    if (i == t.size()) return std::nullopt;
    // Accumulate the magnitude; 2^63 itself is allowed only with a minus.
    constexpr std::uint64_t kLimit = std::uint64_t{1} << 63;
    std::uint64_t v = 0;
    for (; i < t.size(); ++i) {
        const unsigned d = static_cast<unsigned char>(t[i]) - unsigned{'0'};
        if (d > 9) return std::nullopt;
        if (v > (kLimit - d) / 10) return std::nullopt;
        v = v * 10 + d;
    }
    if (negative) return static_cast<std::int64_t>(0 - v);
    if (v == kLimit) return std::nullopt;
    return static_cast<std::int64_t>(v);
}

namespace {

using Result = Expected<cp::CpProblem>;

class CpReader {
  public:
    explicit CpReader(std::string_view text) : lines_(text) {}

    Result run() {
        std::string_view raw;
        while (lines_.next(raw)) {
            const std::string_view line = trim(raw);
            if (line.empty() || line[0] == '#' || line.starts_with("//")) continue;
            tokens_.clear();
            Tokenizer tokenizer(line);
            std::string_view token;
            while (tokenizer.next(token)) tokens_.push_back(token);
            // Every message carries its line as data, also those whose text
            // does not name it.
            if (!statement()) return Result::failure(std::move(error_), lines_.number());
        }
        name_index_.clear();
        return Result(std::move(problem_));
    }

  private:
    bool fail(std::string message) {
        error_ = std::move(message);
        return false;
    }

    // The index in force for `name`, or the unknown-variable message.
    bool get_var(std::string_view name, cp::VarIndex& out) {
        const std::size_t* index = name_index_.find(name);
        if (index == nullptr)
            return fail(line_message_quoting(lines_.number(), "unknown variable ", name));
        out = *index;
        return true;
    }

    // eq, neq, lt: A and B; surplus tokens are ignored.
    template <class Con>
    bool two_var_statement(const char* message) {
        if (tokens_.size() < 3) return fail(message);
        Con c;
        if (!get_var(tokens_[1], c.a) || !get_var(tokens_[2], c.b)) return false;
        problem_.constraints.emplace_back(c);
        return true;
    }

    bool statement() {
        const std::string_view kw = tokens_[0];
        const std::size_t n = tokens_.size();
        if (kw == "var") return declaration();
        if (kw == "eq") return two_var_statement<cp::EqCon>("eq needs 2 vars");
        if (kw == "neq") return two_var_statement<cp::NeqCon>("neq needs 2 vars");
        if (kw == "lt") return two_var_statement<cp::LtCon>("lt needs 2 vars");
        if (kw == "le") {
            cp::LeCon c;
            if (n < 4) return fail("le needs 2 vars + c");
            if (!get_var(tokens_[1], c.a) || !get_var(tokens_[2], c.b)) return false;
            const auto k = parse_cp_integer(tokens_[3]);
            if (!k) return fail("bad c");
            c.c = *k;
            problem_.constraints.emplace_back(c);
            return true;
        }
        if (kw == "linear") return linear();
        if (kw == "allDiff" || kw == "alldifferent") {
            if (n < 3) return fail("allDiff needs \u2265 2 vars");
            cp::AllDiffCon c;
            c.vars.resize(n - 1);
            for (std::size_t i = 1; i < n; ++i) {
                if (!get_var(tokens_[i], c.vars[i - 1])) return false;
            }
            problem_.constraints.emplace_back(std::move(c));
            return true;
        }
        return fail(line_message_quoting(lines_.number(), "unknown keyword ", kw));
    }

    bool declaration() {
        const std::uint64_t line = lines_.number();
        if (tokens_.size() < 4) return fail(line_message(line, "var needs name, min, max"));
        const auto min = parse_cp_integer(tokens_[2]);
        if (!min) return fail(line_message(line, "bad min"));
        const auto max = parse_cp_integer(tokens_[3]);
        if (!max) return fail(line_message(line, "bad max"));
        const cp::VarIndex index = problem_.vars.size();
        name_index_.insert_or_assign(tokens_[1], index);
        problem_.vars.push_back(cp::VarDecl{std::string(tokens_[1]), *min, *max});
        return true;
    }

    bool linear() {
        const std::size_t n = tokens_.size();
        if (n < 5) return fail("linear: need at least coeff var rhs rel");
        // Tokens 1 .. n-3 must pair up; a coefficient left without its
        // variable is refused before any pair is read.
        if ((n - 3) % 2 != 0) return fail("linear: too few terms");
        cp::LinearCon c;
        c.terms.reserve((n - 3) / 2);
        for (std::size_t i = 1; i + 2 < n; i += 2) {
            const auto coeff = parse_cp_integer(tokens_[i]);
            if (!coeff) return fail("bad coeff");
            cp::LinearTerm term{*coeff, 0};
            if (!get_var(tokens_[i + 1], term.var)) return false;
            c.terms.push_back(term);
        }
        const auto rhs = parse_cp_integer(tokens_[n - 2]);
        if (!rhs) return fail("bad rhs");
        c.rhs = *rhs;
        const std::string_view rel = tokens_[n - 1];
        if (rel == "le") {
            c.rel = cp::LinearRel::Le;
        } else if (rel == "eq") {
            c.rel = cp::LinearRel::Eq;
        } else if (rel == "ge") {
            c.rel = cp::LinearRel::Ge;
        } else {
            return fail("linear: expected le/eq/ge");
        }
        problem_.constraints.emplace_back(std::move(c));
        return true;
    }

    LineReader lines_;
    std::vector<std::string_view> tokens_;
    // Views into the text, which outlives the parse.
    NameTable name_index_;
    cp::CpProblem problem_;
    std::string error_;
};

}  // namespace

Expected<cp::CpProblem> parse_cp(std::string_view text) {
    return CpReader(text).run();
}

}  // namespace nemox::parser
