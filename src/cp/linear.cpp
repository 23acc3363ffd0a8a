#include <algorithm>
#include <limits>

#include "cp/engine.hpp"
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

Wide clamp_far(Wide v) {
    return v > kFar ? kFar : (v < -kFar ? -kFar : v);
}

// A term spreading over `spread` cannot narrow while the slack on each side
// that the relation bounds covers it; nor can the constraint then fail.
bool fits_slack(LinearRel rel, Wide spread, Wide rhs, Wide min_sum, Wide max_sum) {
    Wide slack_le;
    Wide slack_ge;
    return !__builtin_sub_overflow(rhs, min_sum, &slack_le) &&
           !__builtin_sub_overflow(max_sum, rhs, &slack_ge) &&
           (rel == LinearRel::Ge || spread <= slack_le) &&
           (rel == LinearRel::Le || spread <= slack_ge);
}

// One term's rule, given R - minR and R - maxR over the other terms.
bool narrow_term(Engine& e, LinearRel rel, std::int64_t c, VarIndex x, Wide from_min,
                 Wide from_max) {
    switch (rel) {
        case LinearRel::Le:
            return c > 0 ? e.lower_hi(x, floor_div(from_min, c))
                         : e.raise_lo(x, ceil_div(from_min, c));
        case LinearRel::Ge:
            return c > 0 ? e.raise_lo(x, ceil_div(from_max, c))
                         : e.lower_hi(x, floor_div(from_max, c));
        case LinearRel::Eq:
            return c > 0 ? e.raise_lo(x, ceil_div(from_max, c)) &&
                               e.lower_hi(x, floor_div(from_min, c))
                         : e.raise_lo(x, ceil_div(from_min, c)) &&
                               e.lower_hi(x, floor_div(from_max, c));
    }
    return true;
}

// Two terms with coefficients 1 or -1: no division. Multiplied by its own
// coefficient a, each term reads x rel a * R - t * y, with t = a * b for the
// other coefficient b and the relation mirrored when a = -1. Bounds are
// computed in 64 bits while they fit.
bool run_unit_pair(Engine& e, const Propagator& p) {
    const Network& net = e.net();
    const VarIndex* v = net.vars.data() + p.begin;
    const std::int64_t* c = net.coeffs.data() + p.begin;
    for (int i = 0; i < 2; ++i) {
        const VarIndex x = v[i];
        const Domain y = e.domain(v[1 - i]);
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
            if (bounds_lo && !e.raise_lo(x, lo)) return false;
            if (bounds_hi && !e.lower_hi(x, hi)) return false;
            continue;
        }
        const Wide wide_rhs = negative ? -Wide{p.constant} : Wide{p.constant};
        if (bounds_lo && !e.raise_lo(x, same ? wide_rhs - y.hi : wide_rhs + y.lo)) return false;
        if (bounds_hi && !e.lower_hi(x, same ? wide_rhs - y.lo : wide_rhs + y.hi)) return false;
    }
    return true;
}

// Two terms, the commonest sum: each term's rule straight from the other's
// domain, as it stands after the first term's narrowing. Products of two
// 64-bit values and the right-hand side fit in 128 bits.
bool run_linear_pair(Engine& e, const Propagator& p) {
    const Network& net = e.net();
    const Wide rhs = p.constant;
    for (std::size_t i = p.begin; i < p.end; ++i) {
        const std::size_t j = i == p.begin ? i + 1 : p.begin;
        const std::int64_t c = net.coeffs[j];
        const Domain other = e.domain(net.vars[j]);
        if (!narrow_term(e, p.rel, net.coeffs[i], net.vars[i], rhs - term_min(c, other),
                         rhs - term_max(c, other)))
            return false;
    }
    return true;
}

// The common case: every sum fits in 128 bits. Returns with `done` false,
// leaving only sound narrowing behind, as soon as one would not.
bool run_linear_128(Engine& e, const Propagator& p, bool& done) {
    const Network& net = e.net();
    const Wide rhs = p.constant;
    LinearSums& known = e.sums(p);
    if (known.sums_known &&
        ((known.spread_known && fits_slack(p.rel, known.spread, rhs, known.min, known.max)) ||
         fits_slack(p.rel, known.widest_declared, rhs, known.min, known.max))) {
        done = true;
        return true;
    }
    known.sums_known = false;
    known.spread_known = false;
    const bool keep = p.keeps_sums();
    Wide min_sum = 0;
    Wide max_sum = 0;
    for (std::size_t i = p.begin; i < p.end; ++i) {
        const Domain& d = e.domain(net.vars[i]);
        if (__builtin_add_overflow(min_sum, term_min(net.coeffs[i], d), &min_sum) ||
            __builtin_add_overflow(max_sum, term_max(net.coeffs[i], d), &max_sum))
            return true;
    }
    if (p.rel != LinearRel::Ge && min_sum > rhs) return false;
    if (p.rel != LinearRel::Le && max_sum < rhs) return false;
    Wide widest = 0;
    for (std::size_t i = p.begin; i < p.end; ++i) {
        const std::int64_t c = net.coeffs[i];
        const VarIndex x = net.vars[i];
        const Domain before = e.domain(x);
        const Wide low = term_min(c, before);
        const Wide high = term_max(c, before);
        // Most terms of a wide constraint are passed over without a division.
        if (fits_slack(p.rel, high - low, rhs, min_sum, max_sum)) {
            widest = std::max(widest, high - low);
            continue;
        }
        Wide others_min;
        Wide others_max;
        if (__builtin_sub_overflow(min_sum, low, &others_min) ||
            __builtin_sub_overflow(max_sum, high, &others_max))
            return true;
        if (!narrow_term(e, p.rel, c, x, rhs - clamp_far(others_min), rhs - clamp_far(others_max)))
            return false;
        const Domain& after = e.domain(x);
        if (after != before && (__builtin_add_overflow(others_min, term_min(c, after), &min_sum) ||
                                __builtin_add_overflow(others_max, term_max(c, after), &max_sum)))
            return true;
        widest = std::max(widest, term_max(c, after) - term_min(c, after));
    }
    // Stored from here on, and moved with every bound until the next full run.
    if (keep) {
        known.min = min_sum;
        known.max = max_sum;
        known.spread = widest;
        known.sums_known = known.spread_known = true;
    }
    done = true;
    return true;
}

bool run_linear_256(Engine& e, const Propagator& p) {
    const Network& net = e.net();
    // Sums over all terms, kept up to date as bounds move, so that one
    // application costs O(k): the sums over the other terms are these minus
    // the term's own share.
    Int256 min_sum;
    Int256 max_sum;
    for (std::size_t i = p.begin; i < p.big_begin; ++i) {
        const Domain& d = e.domain(net.vars[i]);
        min_sum.add(term_min(net.coeffs[i], d));
        max_sum.add(term_max(net.coeffs[i], d));
    }
    const auto big = [&](std::size_t i) { return net.big_coeffs[p.big_at + (i - p.big_begin)]; };
    for (std::size_t i = p.big_begin; i < p.end; ++i) {
        const Domain& d = e.domain(net.vars[i]);
        min_sum += big_term_min(big(i), d);
        max_sum += big_term_max(big(i), d);
    }
    const Wide rhs = p.constant;
    const Int256 rhs_wide(rhs);
    // With no term left this is the whole check of 0 rel rhs; otherwise the
    // narrowing below would fail as well.
    if (p.rel != LinearRel::Ge && rhs_wide < min_sum) return false;
    if (p.rel != LinearRel::Le && max_sum < rhs_wide) return false;

    for (std::size_t i = p.begin; i < p.big_begin; ++i) {
        const std::int64_t c = net.coeffs[i];
        const VarIndex x = net.vars[i];
        const Domain before = e.domain(x);
        Int256 others_min = min_sum;
        Int256 others_max = max_sum;
        others_min.sub(term_min(c, before));
        others_max.sub(term_max(c, before));
        // R - minR and R - maxR fit in 128 bits after clamping.
        if (!narrow_term(e, p.rel, c, x, rhs - others_min.clamped(kFar),
                         rhs - others_max.clamped(kFar)))
            return false;
        const Domain& after = e.domain(x);
        if (after != before) {
            min_sum = others_min;
            max_sum = others_max;
            min_sum.add(term_min(c, after));
            max_sum.add(term_max(c, after));
        }
    }

    // The same rules for coefficients beyond 64 bits, in exact 256-bit
    // arithmetic: rare, so a slower division is fine.
    for (std::size_t i = p.big_begin; i < p.end; ++i) {
        const Wide c = big(i);
        const VarIndex x = net.vars[i];
        const Domain before = e.domain(x);
        Int256 from_min = rhs_wide;
        Int256 from_max = rhs_wide;
        from_min -= min_sum;
        from_max -= max_sum;
        from_min += big_term_min(c, before);
        from_max += big_term_max(c, before);
        bool ok = true;
        switch (p.rel) {
            case LinearRel::Le:
                ok = c > 0 ? e.lower_hi(x, floor_div_limited(from_min, c))
                           : e.raise_lo(x, ceil_div_limited(from_min, c));
                break;
            case LinearRel::Ge:
                ok = c > 0 ? e.raise_lo(x, ceil_div_limited(from_max, c))
                           : e.lower_hi(x, floor_div_limited(from_max, c));
                break;
            case LinearRel::Eq:
                ok = c > 0 ? e.raise_lo(x, ceil_div_limited(from_max, c)) &&
                                 e.lower_hi(x, floor_div_limited(from_min, c))
                           : e.raise_lo(x, ceil_div_limited(from_min, c)) &&
                                 e.lower_hi(x, floor_div_limited(from_max, c));
                break;
        }
        if (!ok) return false;
        const Domain& after = e.domain(x);
        if (after != before) {
            min_sum -= big_term_min(c, before);
            max_sum -= big_term_max(c, before);
            min_sum += big_term_min(c, after);
            max_sum += big_term_max(c, after);
        }
    }
    return true;
}

}  // namespace

bool LinearRule::run(Engine& e, const Propagator& p) {
    if (p.unit_pair) return run_unit_pair(e, p);
    if (p.big_begin == p.end && p.end - p.begin == 2) return run_linear_pair(e, p);
    if (p.big_begin == p.end) {
        bool done = false;
        const bool ok = run_linear_128(e, p, done);
        if (!ok || done) return ok;
        // A sum left 128 bits: the exact pass below redoes the application
        // from the domains as they now are.
    }
    return run_linear_256(e, p);
}

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
