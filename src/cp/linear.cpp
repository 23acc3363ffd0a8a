#include <algorithm>
#include <limits>
#include <type_traits>

#include "cp/engine.hpp"
#include "cp/probe.hpp"
#include "cp/rules.hpp"

// The rule of Linear: exact bounds from the sums of the other terms.

namespace nemox::cp {

Wide floor_div_limited(const Int256& n, Wide d) {
    constexpr Wide kLow = Wide{std::numeric_limits<std::int64_t>::min()} - 1;
    constexpr Wide kHigh = Wide{std::numeric_limits<std::int64_t>::max()} + 1;
    const Int256 num = d < 0 ? -n : n;
    const Wide den = d < 0 ? -d : d;
    // The largest q in [kLow, kHigh] with den * q <= num.
    if (num < Int256::product(den, kLow)) return kLow;
    Wide lo = kLow;
    Wide hi = kHigh;
    while (lo < hi) {
        const Wide mid = lo + (hi - lo + 1) / 2;
        if (Int256::product(den, mid) <= num) {
            lo = mid;
        } else {
            hi = mid - 1;
        }
    }
    return lo;
}

namespace {

// The least and the greatest value of c * x over x's domain.
Wide term_min(std::int64_t c, const Domain& d) {
    return Wide{c} * (c > 0 ? d.lo : d.hi);
}
Wide term_max(std::int64_t c, const Domain& d) {
    return Wide{c} * (c > 0 ? d.hi : d.lo);
}
Int256 big_term_min(Wide c, const Domain& d) {
    return Int256::product(c, c > 0 ? d.lo : d.hi);
}
Int256 big_term_max(Wide c, const Domain& d) {
    return Int256::product(c, c > 0 ? d.hi : d.lo);
}

Wide ceil_div_limited(const Int256& n, Wide d) {
    return -floor_div_limited(-n, d);
}

// Sums of terms in checked 128-bit arithmetic (false on overflow) or in
// exact 256-bit arithmetic.
bool add_to(Wide& sum, Wide t) {
    return !__builtin_add_overflow(sum, t, &sum);
}
bool add_to(Int256& sum, Wide t) {
    sum.add(t);
    return true;
}
bool difference(const Wide& a, const Wide& b, Wide& out) {
    return !__builtin_sub_overflow(a, b, &out);
}
bool difference(const Int256& a, const Int256& b, Int256& out) {
    out = a;
    out -= b;
    return true;
}
Wide clamp_far(Wide v) {
    return v > kFar ? kFar : (v < -kFar ? -kFar : v);
}
Wide clamp_far(const Int256& v) {
    return v.clamped(kFar);
}

// A term spreading over `spread` cannot narrow while the slack on each side
// that the relation bounds covers it; nor can the constraint then fail. A
// slack beyond the sum's width covers nothing and sets `lost`.
template <class S, class Sum>
bool fits_slack(S& s, LinearRel rel, Wide spread, Wide rhs, const Sum& min_sum, const Sum& max_sum,
                bool& lost) {
    Sum slack_le;
    Sum slack_ge;
    if (!difference(Sum(rhs), min_sum, slack_le) || !difference(max_sum, Sum(rhs), slack_ge)) {
        lost = true;
        return false;
    }
    return (rel == LinearRel::Ge || le(s, Sum(spread), slack_le)) &&
           (rel == LinearRel::Le || le(s, Sum(spread), slack_ge));
}

// Floor and ceiling of a sum over a coefficient: the 256-bit sums (a
// coefficient beyond 64 bits; rare, so a slower division is fine) clamp
// the quotient to what a bound can hold.
Wide floor_by(Wide n, Wide d) {
    return floor_div(n, d);
}
Wide ceil_by(Wide n, Wide d) {
    return ceil_div(n, d);
}
Wide floor_by(const Int256& n, Wide d) {
    return floor_div_limited(n, d);
}
Wide ceil_by(const Int256& n, Wide d) {
    return ceil_div_limited(n, d);
}

// One term's rule, given R - minR and R - maxR over the other terms.
template <class S, class Sum>
bool narrow_term(S& s, LinearRel rel, Wide c, VarIndex x, const Sum& from_min,
                 const Sum& from_max) {
    switch (rel) {
        case LinearRel::Le:
            return c > 0 ? lower_hi(s, x, floor_by(from_min, c))
                         : raise_lo(s, x, ceil_by(from_min, c));
        case LinearRel::Ge:
            return c > 0 ? raise_lo(s, x, ceil_by(from_max, c))
                         : lower_hi(s, x, floor_by(from_max, c));
        case LinearRel::Eq:
            return c > 0 ? raise_lo(s, x, ceil_by(from_max, c)) &&
                               lower_hi(s, x, floor_by(from_min, c))
                         : raise_lo(s, x, ceil_by(from_min, c)) &&
                               lower_hi(s, x, floor_by(from_max, c));
    }
    return true;
}

// Two terms with coefficients 1 or -1: no division. Multiplied by its own
// coefficient a, each term reads x rel a * R - t * y, with t = a * b for the
// other coefficient b and the relation mirrored when a = -1. The commonest
// views (x = y + k) take this once per bound they move, so where every bound
// stays in 64 bits it is computed without checks, the relation fixed.
template <LinearRel kRel, class S>
bool run_unit_pair_64(S& s, const Propagator& p) {
    const VarIndex* v = s.net().vars.data() + p.begin;
    const std::int64_t* c = s.net().coeffs.data() + p.begin;
    const bool same = (c[0] < 0) == (c[1] < 0);
    for (int i = 0; i < 2; ++i) {
        const Domain y = s.domain(v[1 - i]);
        const bool negative = c[i] < 0;
        const std::int64_t rhs = negative ? -p.constant : p.constant;
        const bool bounds_lo = kRel != (negative ? LinearRel::Ge : LinearRel::Le);
        const bool bounds_hi = kRel != (negative ? LinearRel::Le : LinearRel::Ge);
        if (bounds_lo && !raise_lo(s, v[i], same ? rhs - y.hi : rhs + y.lo)) return false;
        if (bounds_hi && !lower_hi(s, v[i], same ? rhs - y.lo : rhs + y.hi)) return false;
    }
    return true;
}

// The same in general: in 64 bits while they fit.
template <class S>
bool run_unit_pair(S& s, const Propagator& p) {
    if (p.unit_in_64) {
        switch (p.rel) {
            case LinearRel::Le:
                return run_unit_pair_64<LinearRel::Le>(s, p);
            case LinearRel::Eq:
                return run_unit_pair_64<LinearRel::Eq>(s, p);
            case LinearRel::Ge:
                return run_unit_pair_64<LinearRel::Ge>(s, p);
        }
    }
    const Network& net = s.net();
    const VarIndex* v = net.vars.data() + p.begin;
    const std::int64_t* c = net.coeffs.data() + p.begin;
    for (int i = 0; i < 2; ++i) {
        const VarIndex x = v[i];
        const Domain y = s.domain(v[1 - i]);
        const bool negative = c[i] < 0;
        const bool same = negative == (c[1 - i] < 0);
        const bool bounds_lo = p.rel != (negative ? LinearRel::Ge : LinearRel::Le);
        const bool bounds_hi = p.rel != (negative ? LinearRel::Le : LinearRel::Ge);
        std::int64_t rhs;
        std::int64_t lo;
        std::int64_t hi;
        const bool fits = !__builtin_mul_overflow(p.constant, negative ? -1 : 1, &rhs) &&
                          !(same ? __builtin_sub_overflow(rhs, y.hi, &lo)
                                 : __builtin_add_overflow(rhs, y.lo, &lo)) &&
                          !(same ? __builtin_sub_overflow(rhs, y.lo, &hi)
                                 : __builtin_add_overflow(rhs, y.hi, &hi));
        if (fits) {
            if (bounds_lo && !raise_lo(s, x, lo)) return false;
            if (bounds_hi && !lower_hi(s, x, hi)) return false;
            continue;
        }
        const Wide wide_rhs = negative ? -Wide{p.constant} : Wide{p.constant};
        if (bounds_lo && !raise_lo(s, x, same ? wide_rhs - y.hi : wide_rhs + y.lo)) return false;
        if (bounds_hi && !lower_hi(s, x, same ? wide_rhs - y.lo : wide_rhs + y.hi)) return false;
    }
    return true;
}

// Two terms, the commonest sum: each term's rule straight from the other's
// domain, as it stands after the first term's narrowing. Products of two
// 64-bit values and the right-hand side fit in 128 bits.
template <class S>
bool run_linear_pair(S& s, const Propagator& p) {
    const Network& net = s.net();
    const Wide rhs = p.constant;
    for (std::size_t i = p.begin; i < p.end; ++i) {
        const std::size_t j = i == p.begin ? i + 1 : p.begin;
        const std::int64_t c = net.coeffs[j];
        const Domain other = s.domain(net.vars[j]);
        if (!narrow_term(s, p.rel, net.coeffs[i], net.vars[i], rhs - term_min(c, other),
                         rhs - term_max(c, other)))
            return false;
    }
    return true;
}

enum class Run : std::uint8_t { Done, Failed, Overflow };

// Any number of terms, in O(k): the sums over all terms are kept up to date
// as bounds move, and the sums over the others are these minus the term's
// own share. Sum is Wide, which returns Overflow as soon as a sum would
// leave 128 bits (leaving only sound narrowing behind), or Int256, which is
// exact and also takes the coefficients beyond 64 bits. `kept` holds the
// store's sums of a wide Linear, or is null.
template <class Sum, class S>
Run run_sums(S& s, const Propagator& p, LinearSums* kept) {
    constexpr bool exact = std::is_same_v<Sum, Int256>;
    const Network& net = s.net();
    const Wide rhs = p.constant;
    bool lost = false;
    if constexpr (!exact) {
        if (kept != nullptr) {
            if (kept->sums_known &&
                ((kept->spread_known &&
                  fits_slack(s, p.rel, kept->spread, rhs, kept->min, kept->max, lost)) ||
                 fits_slack(s, p.rel, kept->widest_declared, rhs, kept->min, kept->max, lost)))
                return Run::Done;
            kept->sums_known = false;
            kept->spread_known = false;
        }
    }
    Sum min_sum{};
    Sum max_sum{};
    for (std::size_t i = p.begin; i < p.big_begin; ++i) {
        const Domain& d = s.domain(net.vars[i]);
        if (!add_to(min_sum, term_min(net.coeffs[i], d)) ||
            !add_to(max_sum, term_max(net.coeffs[i], d)))
            return Run::Overflow;
    }
    const auto big = [&](std::size_t i) { return net.big_coeffs[p.big_at + (i - p.big_begin)]; };
    if constexpr (exact) {
        for (std::size_t i = p.big_begin; i < p.end; ++i) {
            const Domain& d = s.domain(net.vars[i]);
            min_sum += big_term_min(big(i), d);
            max_sum += big_term_max(big(i), d);
        }
    }
    // With no term left this is the whole check of 0 rel rhs; otherwise the
    // narrowing below would fail as well.
    if (p.rel != LinearRel::Ge && lt(s, Sum(rhs), min_sum)) return Run::Failed;
    if (p.rel != LinearRel::Le && lt(s, max_sum, Sum(rhs))) return Run::Failed;

    Wide widest = 0;
    for (std::size_t i = p.begin; i < p.big_begin; ++i) {
        const std::int64_t c = net.coeffs[i];
        const VarIndex x = net.vars[i];
        const Domain before = s.domain(x);
        const Wide low = term_min(c, before);
        const Wide high = term_max(c, before);
        // Most terms of a wide constraint are passed over without a division.
        if (fits_slack(s, p.rel, high - low, rhs, min_sum, max_sum, lost)) {
            widest = std::max(widest, high - low);
            continue;
        }
        Sum others_min;
        Sum others_max;
        if (!difference(min_sum, Sum(low), others_min) ||
            !difference(max_sum, Sum(high), others_max))
            return Run::Overflow;
        // R - minR and R - maxR fit in 128 bits after clamping. A traced
        // store follows no slack or clamp beyond 128 bits: those decisions
        // are not comparisons of bounds.
        const Wide least = clamp_far(others_min);
        const Wide most = clamp_far(others_max);
        if constexpr (S::kTraced) {
            if (lost || least != others_min || most != others_max) return Run::Overflow;
        }
        if (!narrow_term(s, p.rel, c, x, rhs - least, rhs - most)) return Run::Failed;
        const Domain after = s.domain(x);
        if (after != before) {
            min_sum = others_min;
            max_sum = others_max;
            if (!add_to(min_sum, term_min(c, after)) || !add_to(max_sum, term_max(c, after)))
                return Run::Overflow;
        }
        widest = std::max(widest, term_max(c, after) - term_min(c, after));
    }
    if constexpr (exact) {
        for (std::size_t i = p.big_begin; i < p.end; ++i) {
            const Wide c = big(i);
            const VarIndex x = net.vars[i];
            const Domain before = s.domain(x);
            Int256 from_min(rhs);
            Int256 from_max(rhs);
            from_min -= min_sum;
            from_max -= max_sum;
            from_min += big_term_min(c, before);
            from_max += big_term_max(c, before);
            if (!narrow_term(s, p.rel, c, x, from_min, from_max)) return Run::Failed;
            const Domain after = s.domain(x);
            if (after != before) {
                min_sum -= big_term_min(c, before);
                max_sum -= big_term_max(c, before);
                min_sum += big_term_min(c, after);
                max_sum += big_term_max(c, after);
            }
        }
    } else if (kept != nullptr) {
        // Stored from here on, and moved with every bound until the next
        // full run.
        kept->min = min_sum;
        kept->max = max_sum;
        kept->spread = widest;
        kept->sums_known = kept->spread_known = true;
    }
    return Run::Done;
}

}  // namespace

template <class S>
bool LinearRule::run(S& s, const Propagator& p) {
    if (p.unit_pair) return run_unit_pair(s, p);
    if (p.big_begin == p.end && p.end - p.begin == 2) return run_linear_pair(s, p);
    if (p.big_begin == p.end) {
        const Run r = run_sums<Wide>(s, p, s.kept_sums(p));
        if (r != Run::Overflow) return r == Run::Done;
        // A sum left 128 bits: the exact pass redoes the application from
        // the domains as they now are.
    }
    if constexpr (S::kTraced) {
        return s.give_up();
    } else {
        return run_sums<Int256>(s, p, nullptr) == Run::Done;
    }
}

template bool LinearRule::run(Engine&, const Propagator&);
template bool LinearRule::run(Probe&, const Propagator&);

std::uint8_t LinearRule::reads(const Network& net, const Propagator& p, std::size_t i) {
    const bool positive =
        i < p.big_begin ? net.coeffs[i] > 0 : net.big_coeffs[p.big_at + (i - p.big_begin)] > 0;
    const std::uint8_t least = positive ? kLoEvent : kHiEvent;
    const std::uint8_t greatest = positive ? kHiEvent : kLoEvent;
    return p.rel == LinearRel::Le   ? least
           : p.rel == LinearRel::Ge ? greatest
                                    : static_cast<std::uint8_t>(least | greatest);
}

}  // namespace nemox::cp
