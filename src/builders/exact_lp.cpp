#include "builders/exact_lp.hpp"

#include <optional>
#include <string>
#include <utility>

#include "core/failure.hpp"
#include "lp/solver.hpp"

namespace nemox::builders {

namespace {

using linear::BigInt;
using linear::BigRational;

class Tokens {
  public:
    explicit Tokens(std::string_view text) : text_(text) {}

    std::string_view word() {
        while (pos_ < text_.size() && is_space(text_[pos_])) ++pos_;
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !is_space(text_[pos_])) ++pos_;
        if (start == pos_) throw InternalFailure("exact model: ends too early");
        return text_.substr(start, pos_ - start);
    }

    BigInt integer() {
        std::string_view w = word();
        const bool negative = w.front() == '-';
        if (negative) w.remove_prefix(1);
        if (w.empty()) throw InternalFailure("exact model: bad number");
        // 15 hex digits (60 bits) at a time.
        const BigInt chunk_base(std::int64_t{1} << 60);
        BigInt value;
        std::size_t first = w.size() % 15 == 0 ? 15 : w.size() % 15;
        for (std::size_t at = 0; at < w.size(); at += first, first = 15) {
            std::int64_t chunk = 0;
            for (const char ch : w.substr(at, first)) chunk = chunk * 16 + digit(ch);
            value = value * chunk_base + BigInt(chunk);
        }
        if (negative) value.negate();
        return value;
    }

    std::uint64_t count() {
        const BigInt n = integer();
        if (n.is_negative() || !n.fits_i64()) throw InternalFailure("exact model: bad count");
        return static_cast<std::uint64_t>(n.to_i64());
    }

    bool at_end() {
        while (pos_ < text_.size() && is_space(text_[pos_])) ++pos_;
        return pos_ == text_.size();
    }

  private:
    static bool is_space(char c) { return c == ' ' || c == '\n' || c == '\t' || c == '\r'; }
    static std::int64_t digit(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        throw InternalFailure("exact model: bad digit");
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

struct Read {
    std::uint64_t columns = 0;
    linear::Sense sense = linear::Sense::Minimize;
    std::vector<std::uint64_t> integers;
    struct Expr {
        std::vector<std::pair<std::uint64_t, BigRational>> terms;
        BigRational constant;
    };
    Expr objective;
    std::vector<std::pair<linear::CmpOp, Expr>> constraints;
    bool small = true;
};

BigRational fraction(Tokens& in, bool& small) {
    BigInt num = in.integer();
    BigInt den = in.integer();
    if (den.is_zero()) throw InternalFailure("exact model: zero denominator");
    small = small && num.fits_i64() && den.fits_i64();
    return BigRational(std::move(num), std::move(den));
}

Read::Expr expression(Tokens& in, const Read& read, bool& small) {
    Read::Expr e;
    const std::uint64_t n = in.count();
    for (std::uint64_t i = 0; i < n; ++i) {
        const std::uint64_t col = in.count();
        if (col >= read.columns) throw InternalFailure("exact model: bad column");
        e.terms.emplace_back(col, fraction(in, small));
    }
    e.constant = fraction(in, small);
    return e;
}

linear::Rational narrow(const BigRational& q) {
    return linear::Rational(q.numerator().to_i64(), q.denominator().to_i64());
}

template <class N, class Convert>
linear::LinearExprT<N> built(const Read::Expr& e, Convert convert) {
    linear::LinearExprT<N> out;
    for (const auto& [col, coeff] : e.terms) out.terms.push_back({convert(coeff), col});
    out.constant = convert(e.constant);
    out.canonicalise();
    return out;
}

template <class N, class Convert>
linear::LinearSystemT<N> system_of(const Read& read, Convert convert) {
    linear::LinearSystemT<N> s;
    for (std::uint64_t i = 0; i < read.columns; ++i) s.new_variable();
    for (const std::uint64_t v : read.integers) s.mark_integer(v);
    s.set_objective(read.sense, built<N>(read.objective, convert));
    for (const auto& [op, e] : read.constraints)
        s.add_constraint({built<N>(e, convert), std::nullopt, op});
    return s;
}

}  // namespace

linear::ExactSystem read_exact_model(std::string_view text) {
    Tokens in(text);
    Read read;
    read.columns = in.count();
    const std::string_view sense = in.word();
    if (sense != "min" && sense != "max") throw InternalFailure("exact model: bad sense");
    read.sense = sense == "min" ? linear::Sense::Minimize : linear::Sense::Maximize;
    const std::uint64_t ints = in.count();
    for (std::uint64_t i = 0; i < ints; ++i) read.integers.push_back(in.count());
    read.objective = expression(in, read, read.small);
    const std::uint64_t rows = in.count();
    for (std::uint64_t i = 0; i < rows; ++i) {
        const std::string_view op = in.word();
        linear::CmpOp cmp = linear::CmpOp::Eq;
        if (op == "le") {
            cmp = linear::CmpOp::Le;
        } else if (op == "ge") {
            cmp = linear::CmpOp::Ge;
        } else if (op != "eq") {
            throw InternalFailure("exact model: bad relation");
        }
        read.constraints.emplace_back(cmp, expression(in, read, read.small));
    }
    if (!in.at_end()) throw InternalFailure("exact model: text after the last constraint");
    if (read.small) {
        try {
            return system_of<linear::Rational>(read, narrow);
        } catch (const linear::Overflow&) {
            // A canonical sum left the 64-bit range: the same system in big numbers.
        }
    }
    return system_of<BigRational>(read, [](const BigRational& q) { return q; });
}

ExactAnswer solve_exact(const linear::ExactSystem& system, bool integers, Interrupt interrupt,
                        std::uint64_t node_limit, milp::KeepIncumbent keep) {
    ExactAnswer answer;
    if (integers) {
        answer.result =
            milp::branch_and_bound(system, interrupt, nullptr, lp::LpSolver::Engine::Automatic,
                                   &answer.values, keep, node_limit);
        return answer;
    }
    lp::LpSolver solver(interrupt);
    solver.keep_exact_values(true);
    solver.keep_certificate(true);
    solver.load(system);
    answer.result = solver.solve();
    if (answer.result.has_assignment()) answer.values = solver.exact_values();
    const auto& certificate = solver.certificate();
    if (certificate && certificate->kind != lp::Certificate::Kind::Unbounded)
        answer.multipliers = certificate->multipliers;
    return answer;
}

}  // namespace nemox::builders
