#include "lp/modular_basis.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <queue>

#include "core/failure.hpp"

namespace nemox::lp {

using linear::BigInt;

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

std::uint64_t mul_mod(std::uint64_t a, std::uint64_t b, std::uint64_t p) {
    return static_cast<std::uint64_t>(static_cast<UWide>(a) * b % p);
}

std::uint64_t sub_mod(std::uint64_t a, std::uint64_t b, std::uint64_t p) {
    return a >= b ? a - b : a + (p - b);
}

std::uint64_t pow_mod(std::uint64_t a, std::uint64_t e, std::uint64_t p) {
    std::uint64_t r = 1;
    for (; e > 0; e >>= 1) {
        if (e & 1) r = mul_mod(r, a, p);
        a = mul_mod(a, a, p);
    }
    return r;
}

std::uint64_t inverse_mod(std::uint64_t a, std::uint64_t p) {
    return pow_mod(a, p - 2, p);
}

// The symmetric representative of a residue.
std::int64_t symmetric(std::uint64_t v, std::uint64_t p) {
    return v > p / 2 ? -static_cast<std::int64_t>(p - v) : static_cast<std::int64_t>(v);
}

}  // namespace

Montgomery::Montgomery(std::uint64_t prime) : p(prime) {
    std::uint64_t inverse = prime;  // right to 3 bits for odd p, doubling each step
    for (int i = 0; i < 5; ++i) inverse *= 2 - prime * inverse;
    neg_inverse = 0 - inverse;
    const auto r = static_cast<std::uint64_t>((UWide{1} << 64) % prime);
    r2 = mul_mod(r, r, prime);
}

// Miller-Rabin with the first twelve prime bases: exact below 3.3e24.
bool is_word_prime(std::uint64_t n) {
    static constexpr std::array<std::uint64_t, 12> kBases{2,  3,  5,  7,  11, 13,
                                                          17, 19, 23, 29, 31, 37};
    if (n < 2) return false;
    for (const std::uint64_t b : kBases) {
        if (n % b == 0) return n == b;
    }
    std::uint64_t d = n - 1;
    int s = 0;
    while ((d & 1) == 0) {
        d >>= 1;
        ++s;
    }
    for (const std::uint64_t b : kBases) {
        std::uint64_t x = pow_mod(b, d, n);
        if (x == 1 || x == n - 1) continue;
        bool composite = true;
        for (int i = 1; i < s && composite; ++i) {
            x = mul_mod(x, x, n);
            composite = x != n - 1;
        }
        if (composite) return false;
    }
    return true;
}

std::uint64_t prime_below(std::uint64_t n) {
    std::uint64_t c = (n - 1) | 1;
    if (c >= n) c -= 2;
    while (!is_word_prime(c)) c -= 2;
    return c;
}

std::uint64_t largest_word_prime() {
    static const std::uint64_t p = prime_below(std::uint64_t{1} << 62);
    return p;
}

std::uint64_t residue(const BigInt& x, std::uint64_t p) {
    UWide rem = 0;
    const auto limbs = x.magnitude();
    for (std::size_t k = limbs.size(); k-- > 0;) rem = ((rem << 64) | limbs[k]) % p;
    const auto r = static_cast<std::uint64_t>(rem);
    return x.is_negative() && r != 0 ? p - r : r;
}

// Left-looking LU: each column of B, in the order of fewer entries first,
// is solved against the steps before it (in step order, from a heap of the
// steps its entries reach) and pivots on its remaining row of fewest
// entries in B.
bool ModularLu::factor(const SparseColumns& a, const std::vector<std::size_t>& basis,
                       std::uint64_t p) {
    const std::size_t m = basis.size();
    m_ = m;
    p_ = p;
    mont_ = Montgomery(p);
    std::vector<std::uint64_t> mod_values(a.values.size(), 0);
    std::vector<std::size_t> row_count(m, 0);
    std::vector<std::size_t> col_count(m, 0);
    for (std::size_t c = 0; c < m; ++c) {
        const std::size_t j = basis[c];
        for (std::size_t k = a.start[j]; k < a.start[j + 1]; ++k) {
            if (a.rows[k] >= m) throw InternalFailure("basis entry outside its rows");
            mod_values[k] = residue(a.values[k], p);
            if (mod_values[k] == 0) continue;
            ++row_count[a.rows[k]];
            ++col_count[c];
        }
    }
    std::vector<std::size_t> order(m);
    for (std::size_t c = 0; c < m; ++c) order[c] = c;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t x, std::size_t y) { return col_count[x] < col_count[y]; });

    pivot_row_.clear();
    column_.clear();
    pivot_inverse_.clear();
    l_.clear();
    u_.clear();
    l_start_.assign(1, 0);
    u_start_.assign(1, 0);
    std::vector<std::uint64_t> w(m, 0);
    std::vector<char> touched_mark(m, 0);
    std::vector<std::size_t> touched;
    std::vector<std::size_t> step_of_row(m, kNone);
    std::vector<char> queued(m, 0);
    std::priority_queue<std::size_t, std::vector<std::size_t>, std::greater<>> steps;
    const auto touch = [&](std::size_t i) {
        if (touched_mark[i]) return;
        touched_mark[i] = 1;
        touched.push_back(i);
        const std::size_t s = step_of_row[i];
        if (s != kNone && !queued[s]) {
            queued[s] = 1;
            steps.push(s);
        }
    };
    for (const std::size_t c : order) {
        const std::size_t j = basis[c];
        for (std::size_t k = a.start[j]; k < a.start[j + 1]; ++k) {
            if (mod_values[k] == 0) continue;
            w[a.rows[k]] = mod_values[k];
            touch(a.rows[k]);
        }
        while (!steps.empty()) {
            const std::size_t s = steps.top();
            steps.pop();
            queued[s] = 0;
            const std::uint64_t wr = w[pivot_row_[s]];
            if (wr == 0) continue;
            for (std::size_t k = l_start_[s]; k < l_start_[s + 1]; ++k) {
                const Entry& e = l_[k];
                w[e.index] = sub_mod(w[e.index], mul_mod(wr, e.value, p), p);
                touch(e.index);
            }
        }
        std::size_t pivot = kNone;
        for (const std::size_t i : touched) {
            if (w[i] == 0) continue;
            if (step_of_row[i] != kNone) {
                u_.push_back({i, w[i]});
            } else if (pivot == kNone || row_count[i] < row_count[pivot] ||
                       (row_count[i] == row_count[pivot] && i < pivot)) {
                pivot = i;
            }
        }
        if (pivot == kNone) return false;
        const std::uint64_t inverse = inverse_mod(w[pivot], p);
        for (const std::size_t i : touched) {
            if (w[i] != 0 && step_of_row[i] == kNone && i != pivot)
                l_.push_back({i, mul_mod(w[i], inverse, p)});
        }
        step_of_row[pivot] = pivot_row_.size();
        pivot_row_.push_back(pivot);
        column_.push_back(c);
        pivot_inverse_.push_back(inverse);
        l_start_.push_back(l_.size());
        u_start_.push_back(u_.size());
        for (const std::size_t i : touched) {
            w[i] = 0;
            touched_mark[i] = 0;
        }
        touched.clear();
    }
    l_steps_.clear();
    for (std::size_t s = 0; s < m; ++s) {
        if (l_start_[s] < l_start_[s + 1]) l_steps_.push_back(s);
    }
    for (Entry& e : l_) e.value = mont_.to_form(e.value);
    for (Entry& e : u_) e.value = mont_.to_form(e.value);
    for (std::uint64_t& v : pivot_inverse_) v = mont_.to_form(v);
    // The factors by rows too: each solve, forward or transposed, may then
    // scatter or gather.
    const auto by_rows = [&](const std::vector<std::size_t>& start, const std::vector<Entry>& in,
                             std::vector<std::size_t>& out_start, std::vector<Entry>& out,
                             bool to_position) {
        out_start.assign(m + 1, 0);
        for (const Entry& e : in) ++out_start[step_of_row[e.index] + 1];
        for (std::size_t s = 0; s < m; ++s) out_start[s + 1] += out_start[s];
        out.resize(in.size());
        std::vector<std::size_t> next(out_start.begin(), out_start.end() - 1);
        for (std::size_t s = 0; s < m; ++s) {
            for (std::size_t k = start[s]; k < start[s + 1]; ++k) {
                const Entry& e = in[k];
                out[next[step_of_row[e.index]]++] = {to_position ? column_[s] : pivot_row_[s],
                                                     e.value};
            }
        }
    };
    by_rows(u_start_, u_, ut_start_, ut_, true);
    by_rows(l_start_, l_, lt_start_, lt_, false);
    lt_steps_.clear();
    for (std::size_t s = 0; s < m; ++s) {
        if (lt_start_[s] < lt_start_[s + 1]) lt_steps_.push_back(s);
    }
    return true;
}

void ModularLu::solve(std::vector<std::uint64_t>& v, std::vector<std::uint64_t>& scratch,
                      bool transpose) const {
    solve(v, scratch, transpose, transpose);
}

std::size_t ModularLu::solve(std::vector<std::uint64_t>& v, std::vector<std::uint64_t>& scratch,
                             bool transpose, bool gather) const {
    const std::size_t m = m_;
    const std::uint64_t p = p_;
    const Montgomery& mont = mont_;
    std::vector<std::uint64_t>& out = scratch;
    out.assign(m, 0);
    std::size_t products = 0;
    // A solve by rows: step s's entry from the sum over its row.
    const auto gather_pass = [&](const std::vector<std::size_t>& start,
                                 const std::vector<Entry>& entries, std::size_t s,
                                 const std::vector<std::uint64_t>& x) {
        return mont.dot(start[s], start[s + 1], [&](std::size_t k) {
            return std::pair{entries[k].value, x[entries[k].index]};
        });
    };
    // A solve by columns: step s's value z into the entries it updates.
    const auto scatter_pass = [&](const std::vector<std::size_t>& start,
                                  const std::vector<Entry>& entries, std::size_t s, std::uint64_t z,
                                  std::vector<std::uint64_t>& x) {
        products += start[s + 1] - start[s];
        for (std::size_t k = start[s]; k < start[s + 1]; ++k)
            x[entries[k].index] = sub_mod(x[entries[k].index], mont.mul(entries[k].value, z), p);
    };
    if (!transpose && !gather) {
        for (const std::size_t s : l_steps_) {
            const std::uint64_t z = v[pivot_row_[s]];
            if (z != 0) scatter_pass(l_start_, l_, s, z, v);
        }
        for (std::size_t s = m; s-- > 0;) {
            const std::uint64_t vs = v[pivot_row_[s]];
            if (vs == 0) continue;
            const std::uint64_t z = mont.mul(vs, pivot_inverse_[s]);
            out[column_[s]] = z;
            scatter_pass(u_start_, u_, s, z, v);
        }
    } else if (!transpose) {
        for (const std::size_t s : lt_steps_) {
            const std::size_t i = pivot_row_[s];
            v[i] = sub_mod(v[i], gather_pass(lt_start_, lt_, s, v), p);
        }
        for (std::size_t s = m; s-- > 0;) {
            const std::uint64_t sum = gather_pass(ut_start_, ut_, s, out);
            out[column_[s]] = mont.mul(sub_mod(v[pivot_row_[s]], sum, p), pivot_inverse_[s]);
        }
    } else if (gather) {
        for (std::size_t s = 0; s < m; ++s) {
            const std::uint64_t sum = gather_pass(u_start_, u_, s, out);
            out[pivot_row_[s]] = mont.mul(sub_mod(v[column_[s]], sum, p), pivot_inverse_[s]);
        }
        for (std::size_t n = l_steps_.size(); n-- > 0;) {
            const std::size_t s = l_steps_[n];
            const std::size_t i = pivot_row_[s];
            out[i] = sub_mod(out[i], gather_pass(l_start_, l_, s, out), p);
        }
    } else {
        for (std::size_t s = 0; s < m; ++s) {
            const std::uint64_t vs = v[column_[s]];
            if (vs == 0) continue;
            const std::uint64_t z = mont.mul(vs, pivot_inverse_[s]);
            out[pivot_row_[s]] = z;
            scatter_pass(ut_start_, ut_, s, z, v);
        }
        for (std::size_t n = lt_steps_.size(); n-- > 0;) {
            const std::size_t s = lt_steps_[n];
            const std::uint64_t z = out[pivot_row_[s]];
            if (z != 0) scatter_pass(lt_start_, lt_, s, z, out);
        }
    }
    v.swap(out);
    return products;
}

bool ModularBasis::fits(const SparseColumns& a, std::size_t rows) {
    // Sums in doubles, rounded by far less than the margin below 2^60.
    constexpr double kLimit = 0x1p58;
    std::vector<double> row_sum(rows, 0.0);
    const std::size_t cols = a.start.size() - 1;
    for (std::size_t j = 0; j < cols; ++j) {
        double col_sum = 0;
        for (std::size_t k = a.start[j]; k < a.start[j + 1]; ++k) {
            if (!a.values[k].fits_i64()) return false;
            const double v = std::fabs(static_cast<double>(a.values[k].to_i64()));
            col_sum += v;
            if (a.rows[k] >= rows) return false;
            row_sum[a.rows[k]] += v;
        }
        if (!(col_sum < kLimit)) return false;
    }
    return std::all_of(row_sum.begin(), row_sum.end(), [](double s) { return s < kLimit; });
}

ModularBasis::ModularBasis(const SparseColumns& a, const std::vector<std::size_t>& basis)
    : a_(a),
      basis_(basis),
      m_(basis.size()),
      values_(a.values.size()),
      column_norm_(a.start.size() - 1, 0.0),
      column_mod_(basis.size(), 0),
      v_(basis.size(), 0),
      t_(basis.size(), 0),
      mark_(basis.size(), 0) {
    for (std::size_t j = 0; j + 1 < a.start.size(); ++j) {
        double sum = 0;
        for (std::size_t k = a.start[j]; k < a.start[j + 1]; ++k) {
            values_[k] = a.values[k].to_i64();
            const double v = static_cast<double>(values_[k]);
            sum += v * v;
        }
        column_norm_[j] = std::sqrt(sum);
    }
    refactor();
}

// A basis of the simplex is nonsingular, so only the primes that divide its
// determinant fail, a few at most for a determinant of a few thousand bits.
void ModularBasis::refactor() {
    ++refactorizations_;
    std::uint64_t p = lu_.prime() != 0 ? lu_.prime() : largest_word_prime();
    for (int tried = 0; !lu_.factor(a_, basis_, p); ++tried) {
        if (tried == 1000) throw InternalFailure("singular basis");
        p = prime_below(p);
        ++primes_skipped_;
    }
    p_inverse_ = p;
    for (int i = 0; i < 6; ++i) p_inverse_ *= 2 - p * p_inverse_;
    quotient_limit_ = ~UWide{0} / p;
    etas_.clear();
    eta_entries_.clear();
    det_.set_zero();  // its digits are in the old prime's base
}

void ModularBasis::update(std::size_t r) {
    const std::uint64_t p = lu_.prime();
    const std::uint64_t d_inverse = inverse_mod(det_residue_, p);
    const std::uint64_t pivot = mul_mod(column_mod_[r], d_inverse, p);
    if (pivot == 0) {
        refactor();
        return;
    }
    const Montgomery& mont = lu_.arithmetic();
    // mul(w_i, D^-1 R^2) = w_i / D times R.
    const std::uint64_t scale = mont.to_form(mont.to_form(d_inverse));
    const std::size_t begin = eta_entries_.size();
    for (const std::size_t i : column_mod_nz_) {
        if (i == r || column_mod_[i] == 0) continue;
        eta_entries_.push_back({i, mont.mul(column_mod_[i], scale)});
    }
    etas_.push_back({r, mont.to_form(inverse_mod(pivot, p)), begin, eta_entries_.size()});
    // Every digit of every solve reads the etas, and a factorization costs
    // about a few solves: half the LU's size measured best (capri, e226).
    if (2 * eta_entries_.size() > lu_.nonzeros() + 2 * m_) refactor();
}

void ModularBasis::set_det(const BigInt& d) {
    if (d == det_) return;
    const std::uint64_t p = lu_.prime();
    det_ = d;
    det_residue_ = residue(d, p);
    det_digits_.clear();
    const linear::ExactDivisor divisor(BigInt::from_u128(p));
    BigInt x = d, digit, tmp;
    while (!x.is_zero()) {
        const std::int64_t s = symmetric(residue(x, p), p);
        det_digits_.push_back(s);
        digit.assign(s);
        BigInt::sub_into(tmp, x, digit);
        BigInt::divexact_into(x, tmp, divisor);
    }
}

// v <- B^-1 v (rows in, positions out) through the LU and then the etas in
// order, or B^-T v (positions in, rows out) through the etas backwards and
// then the LU.
std::size_t ModularBasis::solve_mod(std::vector<std::uint64_t>& v, bool transpose, bool gather) {
    const std::uint64_t p = lu_.prime();
    const Montgomery& mont = lu_.arithmetic();
    if (!transpose) {
        const std::size_t products = lu_.solve(v, scratch_, false, gather);
        for (const Eta& e : etas_) {
            const std::uint64_t vr = mont.mul(v[e.position], e.pivot_inverse);
            v[e.position] = vr;
            if (vr == 0) continue;
            for (std::size_t k = e.begin; k < e.end; ++k) {
                const Entry& f = eta_entries_[k];
                v[f.index] = sub_mod(v[f.index], mont.mul(f.value, vr), p);
            }
        }
        return products;
    }
    for (std::size_t n = etas_.size(); n-- > 0;) {
        const Eta& e = etas_[n];
        const std::uint64_t sum = mont.dot(e.begin, e.end, [&](std::size_t k) {
            return std::pair{eta_entries_[k].value, v[eta_entries_[k].index]};
        });
        v[e.position] = mont.mul(sub_mod(v[e.position], sum, p), e.pivot_inverse);
    }
    return lu_.solve(v, scratch_, true, gather);
}

void ModularBasis::solve_column(std::size_t col, const BigInt& d, std::vector<BigInt>& w,
                                std::vector<std::size_t>& nz) {
    set_det(d);
    b_.clear();
    for (std::size_t k = a_.start[col]; k < a_.start[col + 1]; ++k)
        b_.push_back({a_.rows[k], values_[k]});
    lift(b_, false, w, nz);
}

void ModularBasis::solve_unit_row(std::size_t r, const BigInt& d, std::vector<BigInt>& w,
                                  std::vector<std::size_t>& nz) {
    set_det(d);
    b_.assign(1, {r, 1});
    lift(b_, true, w, nz);
}

void ModularBasis::solve_transposed(std::span<const Term> c, const BigInt& d,
                                    std::vector<BigInt>& w, std::vector<std::size_t>& nz) {
    for (const Term& t : c) {
        if (t.value > kMaxRight || t.value < -kMaxRight)
            throw InternalFailure("right-hand side too large for word residuals");
    }
    set_det(d);
    lift(c, true, w, nz);
}

void ModularBasis::lift(std::span<const Term> b, bool transpose, std::vector<BigInt>& w,
                        std::vector<std::size_t>& nz) {
    const std::uint64_t p = lu_.prime();
    const std::size_t m = m_;
    // Hadamard's bound on the entries of D B^-1 b: each is a determinant of
    // B with a column (or, transposed, a row) replaced by b, at most the
    // product over the columns of B of |B_c| + |b|.
    double b_norm = 0;
    for (const Term& t : b) b_norm += static_cast<double>(t.value) * static_cast<double>(t.value);
    b_norm = std::sqrt(b_norm);
    double bound_bits = 1;
    for (std::size_t c = 0; c < m; ++c) bound_bits += std::log2(column_norm_[basis_[c]] + b_norm);
    const std::size_t max_digits =
        det_digits_.size() + static_cast<std::size_t>(std::ceil(bound_bits / 60)) + 2;

    const Montgomery& mont = lu_.arithmetic();
    std::fill(t_.begin(), t_.end(), Wide{0});
    std::fill(v_.begin(), v_.end(), 0);  // the residues of t, kept alongside
    // The digits of one solve share their nonzeros: the second one (the
    // first has no residual yet), by scattering, tells whether gathering
    // costs less for the others; past a quarter of the factors' entries it
    // measured so (tuff, bnl1, stair).
    bool gather = false;
    std::size_t k = 0;
    for (;; ++k) {
        if (k == max_digits) throw InternalFailure("exact solve did not settle");
        if (k < det_digits_.size()) {
            const Wide dk = det_digits_[k];
            for (const Term& term : b) {
                Wide& t = t_[term.index];
                t += dk * term.value;
                v_[term.index] = t == 0 ? 0 : mont.residue(t);
            }
        }
        const std::size_t products = solve_mod(v_, transpose, gather);
        if (k == 1) gather = 4 * products > lu_.nonzeros();
        if (k == 0 && !transpose) {
            column_mod_nz_.clear();
            for (std::size_t c = 0; c < m; ++c) {
                column_mod_[c] = v_[c];
                if (v_[c] != 0) column_mod_nz_.push_back(c);
            }
        }
        // Grown, never cleared: every digit's row is written whole.
        if (digits_by_step_.size() < (k + 1) * m)
            digits_by_step_.resize(std::max((k + 1) * m, 2 * digits_by_step_.size()));
        std::int64_t* digit = digits_by_step_.data() + k * m;
        for (std::size_t c = 0; c < m; ++c) {
            const std::int64_t x = v_[c] == 0 ? 0 : symmetric(v_[c], p);
            digit[c] = x;
            if (x == 0) continue;
            mark_[c] = 1;
            if (!transpose) {
                const std::size_t j = basis_[c];
                for (std::size_t q = a_.start[j]; q < a_.start[j + 1]; ++q)
                    t_[a_.rows[q]] -= static_cast<Wide>(values_[q]) * x;
            }
        }
        if (transpose) {
            for (std::size_t c = 0; c < m; ++c) {
                const std::size_t j = basis_[c];
                Wide s = t_[c];
                for (std::size_t q = a_.start[j]; q < a_.start[j + 1]; ++q)
                    s -= static_cast<Wide>(values_[q]) * digit[a_.rows[q]];
                t_[c] = s;
            }
        }
        bool zero = true;
        for (std::size_t i = 0; i < m; ++i) {
            if (t_[i] == 0) {
                v_[i] = 0;
                continue;
            }
            // Exact division by p as a product with its inverse, which
            // lands at most at the limit exactly for the multiples of p.
            const bool negative = t_[i] < 0;
            const UWide q = static_cast<UWide>(negative ? -t_[i] : t_[i]) * p_inverse_;
            if (q > quotient_limit_) throw InternalFailure("exact solve lost its residual");
            t_[i] = negative ? -static_cast<Wide>(q) : static_cast<Wide>(q);
            v_[i] = mont.residue(t_[i]);
            zero = false;
        }
        if (zero && k + 1 >= det_digits_.size()) break;
    }
    digits_ = k + 1;
    nz.clear();
    for (std::size_t c = 0; c < m; ++c) {
        if (!mark_[c]) continue;
        mark_[c] = 0;
        BigInt& x = w[c];
        x.set_zero();
        for (std::size_t s = digits_; s-- > 0;) x.mul_small_add(p, digits_by_step_[s * m + c]);
        if (!x.is_zero()) nz.push_back(c);
    }
}

}  // namespace nemox::lp
