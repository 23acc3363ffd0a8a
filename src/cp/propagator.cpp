#include <algorithm>
#include <limits>

#include "cp/solver.hpp"

namespace nemox::cp {

void CpSolver::enqueue(std::uint32_t k) {
    if (queued_[k]) return;
    queued_[k] = 1;
    const auto id = static_cast<std::int64_t>(k);
    const bool ahead = forward_ ? id > cursor_ : id < cursor_;
    (ahead ? round_ : next_).push_back(k);
}

void CpSolver::start_round() {
    forward_ = !forward_;
    cursor_ = forward_ ? -1 : std::numeric_limits<std::int64_t>::max();
    // Woken in this round's order behind the cursor: reversed, they come in
    // the order of the next round.
    round_.swap(next_);
    next_.clear();
    round_head_ = 0;
    std::reverse(round_.begin(), round_.end());
}

bool CpSolver::propagate_all() {
    for (std::uint32_t k = 0; k < net_.propagators.size(); ++k) enqueue(k);
    return propagate();
}

void CpSolver::clear_queue() {
    for (std::size_t i = round_head_; i < round_.size(); ++i) queued_[round_[i]] = 0;
    for (const std::uint32_t k : next_) queued_[k] = 0;
    round_.clear();
    round_head_ = 0;
    next_.clear();
    cursor_ = forward_ ? -1 : std::numeric_limits<std::int64_t>::max();
}

bool CpSolver::propagate() {
    // Propagation that keeps going long after every propagator has had its
    // turn is probably a cycle moving bounds by a constant step: each time
    // the count doubles, try to take many of its rounds at once.
    std::uint64_t runs = 0;
    std::uint64_t jump_at = 64 + 4 * net_.propagators.size();
    for (;;) {
        if (round_head_ == round_.size()) {
            if (next_.empty()) break;
            start_round();
        }
        const std::uint32_t k = round_[round_head_++];
        cursor_ = k;
        const Propagator& p = net_.propagators[k];
        // Cleared before running, so that a propagator whose own narrowing
        // may leave it short of its fixpoint (lt x x, a linear, a repeated
        // AllDiff position) is queued again by it.
        if (!p.idempotent) queued_[k] = 0;
        ++stats_.propagator_runs;
        interrupt_.poll(static_cast<std::int64_t>(1 + p.end - p.begin));
        if (!run(p)) {
            queued_[k] = 0;
            clear_queue();
            return false;
        }
        queued_[k] = 0;
        recent_[runs % recent_.size()] = k;
        if (++runs == jump_at) {
            jump_at *= 2;
            if (!take_rounds(std::min<std::uint64_t>(runs, recent_.size()))) {
                clear_queue();
                return false;
            }
        }
    }
    round_.clear();
    round_head_ = 0;
    cursor_ = forward_ ? -1 : std::numeric_limits<std::int64_t>::max();
    return true;
}

bool CpSolver::run(const Propagator& p) {
    const VarIndex* v = net_.vars.data() + p.begin;
    switch (p.kind) {
        case PropKind::Eq:
            return run_eq(v[0], v[1]);
        case PropKind::Neq:
            return run_neq(v[0], v[1]);
        case PropKind::Lt:
            return lower_hi(v[0], Wide{domains_[v[1]].hi} - 1) &&
                   raise_lo(v[1], Wide{domains_[v[0]].lo} + 1);
        case PropKind::Le:
            return lower_hi(v[0], Wide{domains_[v[1]].hi} + p.constant) &&
                   raise_lo(v[1], Wide{domains_[v[0]].lo} - p.constant);
        case PropKind::Linear:
            return run_linear(p);
        case PropKind::AllDiff:
            return run_all_diff(p);
    }
    return true;
}

bool CpSolver::run_eq(VarIndex a, VarIndex b) {
    const std::int64_t lo = std::max(domains_[a].lo, domains_[b].lo);
    const std::int64_t hi = std::min(domains_[a].hi, domains_[b].hi);
    if (lo > hi) return false;
    return raise_lo(a, lo) && raise_lo(b, lo) && lower_hi(a, hi) && lower_hi(b, hi);
}

bool CpSolver::run_neq(VarIndex a, VarIndex b) {
    if (domains_[a].fixed() && domains_[b].fixed() && domains_[a].lo == domains_[b].lo)
        return false;
    if (domains_[a].fixed() && !remove_end(b, domains_[a].lo)) return false;
    if (domains_[b].fixed() && !remove_end(a, domains_[b].lo)) return false;
    return true;
}

// The same when the fixed values lie within 64 of each other (a Sudoku, a
// permutation): a bit per value, and the run of fixed values at each end of
// a domain counted in one instruction.
bool CpSolver::all_diff_small(const Propagator& p, std::int64_t base) {
    std::uint64_t taken = 0;
    for (const std::int64_t v : fixed_values_) {
        const std::uint64_t bit = std::uint64_t{1} << (v - base);
        if ((taken & bit) != 0) return false;
        taken |= bit;
    }
    return trim_small(p, base, taken);
}

// Every open position loses the runs of taken values (bit v - base) at its ends.
bool CpSolver::trim_small(const Propagator& p, std::int64_t base, std::uint64_t taken) {
    for (std::size_t j = p.begin; j < p.end; ++j) {
        const VarIndex x = net_.vars[j];
        const Domain d = domains_[x];
        if (d.lo >= d.hi) continue;
        const Wide lo_at = Wide{d.lo} - base;
        if (lo_at >= 0 && lo_at < 64 && ((taken >> lo_at) & 1) != 0) {
            const std::uint64_t above = ~(taken >> lo_at);
            const int run = above == 0 ? 64 : __builtin_ctzll(above);
            if (!raise_lo(x, Wide{d.lo} + run)) return false;
        }
        const Domain now = domains_[x];
        const Wide hi_at = Wide{now.hi} - base;
        if (now.lo < now.hi && hi_at >= 0 && hi_at < 64 && ((taken >> hi_at) & 1) != 0) {
            const std::uint64_t below = ~(taken << (63 - hi_at));
            const int run = below == 0 ? 64 : __builtin_clzll(below);
            if (!lower_hi(x, Wide{now.hi} - run)) return false;
        }
    }
    return true;
}

bool CpSolver::run_all_diff(const Propagator& p) {
    if (p.counts_at != Propagator::kNotCounted) {
        // The counters already hold the fixed values.
        if (repeated_[p.counts_at / 64] != 0) return false;
        return trim_small(p, p.constant, taken_[p.counts_at / 64]);
    }
    // Positions, not variables: a variable listed twice meets its own value,
    // so two fixed positions holding one value fail. Every other position
    // loses the fixed values at its ends. Sorting the fixed values makes one
    // run O(m log m); removing them position by position would cost O(m) per
    // fixed position, cubic over a search that fixes the list one by one.
    std::vector<std::int64_t>& fixed = fixed_values_;
    fixed.clear();
    std::int64_t least = std::numeric_limits<std::int64_t>::max();
    std::int64_t most = std::numeric_limits<std::int64_t>::min();
    for (std::size_t i = p.begin; i < p.end; ++i) {
        const Domain d = domains_[net_.vars[i]];
        if (!d.fixed()) continue;
        fixed.push_back(d.lo);
        least = std::min(least, d.lo);
        most = std::max(most, d.lo);
    }
    if (fixed.empty()) return true;
    if (Wide{most} - least < 64) return all_diff_small(p, least);
    std::sort(fixed.begin(), fixed.end());
    if (std::adjacent_find(fixed.begin(), fixed.end()) != fixed.end()) return false;
    for (std::size_t j = p.begin; j < p.end; ++j) {
        const VarIndex x = net_.vars[j];
        const Domain d = domains_[x];
        // A fixed position keeps its value (unique, see above); an empty
        // range is left to the search.
        if (d.lo >= d.hi) continue;
        Wide lo = d.lo;
        for (auto it = std::lower_bound(fixed.begin(), fixed.end(), d.lo);
             it != fixed.end() && *it == lo; ++it)
            ++lo;
        Wide hi = d.hi;
        for (auto it = std::upper_bound(fixed.begin(), fixed.end(), d.hi);
             it != fixed.begin() && *(it - 1) == hi; --it)
            --hi;
        if (lo > d.lo && !raise_lo(x, lo)) return false;
        if (hi < d.hi && !lower_hi(x, hi)) return false;
    }
    return true;
}

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

}  // namespace

bool CpSolver::run_linear(const Propagator& p) {
    if (p.big_begin == p.end && p.end - p.begin == 2) return run_linear_pair(p);
    if (p.big_begin == p.end) {
        bool done = false;
        const bool ok = run_linear_128(p, done);
        if (!ok || done) return ok;
        // A sum left 128 bits: the exact pass below redoes the application
        // from the domains as they now are.
    }
    return run_linear_256(p);
}

// The common case: every sum fits in 128 bits. Returns with `done` false,
// leaving only sound narrowing behind, as soon as one would not.
bool CpSolver::run_linear_128(const Propagator& p, bool& done) {
    const Wide rhs = p.constant;
    LinearSums& known = sums_[static_cast<std::size_t>(&p - net_.propagators.data())];
    if (known.sums_known && known.spread_known &&
        fits_slack(p.rel, known.spread, rhs, known.min, known.max)) {
        done = true;
        return true;
    }
    known.sums_known = false;
    known.spread_known = false;
    const bool keep = p.keeps_sums();
    Wide min_sum = 0;
    Wide max_sum = 0;
    for (std::size_t i = p.begin; i < p.end; ++i) {
        const Domain& d = domains_[net_.vars[i]];
        if (__builtin_add_overflow(min_sum, term_min(net_.coeffs[i], d), &min_sum) ||
            __builtin_add_overflow(max_sum, term_max(net_.coeffs[i], d), &max_sum))
            return true;
    }
    if (p.rel != LinearRel::Ge && min_sum > rhs) return false;
    if (p.rel != LinearRel::Le && max_sum < rhs) return false;
    Wide widest = 0;
    for (std::size_t i = p.begin; i < p.end; ++i) {
        const std::int64_t c = net_.coeffs[i];
        const VarIndex x = net_.vars[i];
        const Domain before = domains_[x];
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
        if (!narrow_term(p.rel, c, x, rhs - clamp_far(others_min), rhs - clamp_far(others_max)))
            return false;
        const Domain& after = domains_[x];
        if (after != before && (__builtin_add_overflow(others_min, term_min(c, after), &min_sum) ||
                                __builtin_add_overflow(others_max, term_max(c, after), &max_sum)))
            return true;
        widest = std::max(widest, term_max(c, after) - term_min(c, after));
    }
    // Stored from here on, and moved with every bound until the next full run.
    if (keep) known = LinearSums{min_sum, max_sum, widest, true, true};
    done = true;
    return true;
}

// Two terms, the commonest sum: each term's rule straight from the other's
// domain, as it stands after the first term's narrowing. Products of two
// 64-bit values and the right-hand side fit in 128 bits.
bool CpSolver::run_linear_pair(const Propagator& p) {
    const Wide rhs = p.constant;
    for (std::size_t i = p.begin; i < p.end; ++i) {
        const std::size_t j = i == p.begin ? i + 1 : p.begin;
        const std::int64_t c = net_.coeffs[j];
        const Domain other = domains_[net_.vars[j]];
        if (!narrow_term(p.rel, net_.coeffs[i], net_.vars[i], rhs - term_min(c, other),
                         rhs - term_max(c, other)))
            return false;
    }
    return true;
}

// One term's rule, given R - minR and R - maxR over the other terms.
bool CpSolver::narrow_term(LinearRel rel, std::int64_t c, VarIndex x, Wide from_min,
                           Wide from_max) {
    switch (rel) {
        case LinearRel::Le:
            return c > 0 ? lower_hi(x, floor_div(from_min, c)) : raise_lo(x, ceil_div(from_min, c));
        case LinearRel::Ge:
            return c > 0 ? raise_lo(x, ceil_div(from_max, c)) : lower_hi(x, floor_div(from_max, c));
        case LinearRel::Eq:
            return c > 0
                       ? raise_lo(x, ceil_div(from_max, c)) && lower_hi(x, floor_div(from_min, c))
                       : raise_lo(x, ceil_div(from_min, c)) && lower_hi(x, floor_div(from_max, c));
    }
    return true;
}

bool CpSolver::run_linear_256(const Propagator& p) {
    // Sums over all terms, kept up to date as bounds move, so that one
    // application costs O(k): the sums over the other terms are these minus
    // the term's own share.
    Int256 min_sum;
    Int256 max_sum;
    for (std::size_t i = p.begin; i < p.big_begin; ++i) {
        const Domain& d = domains_[net_.vars[i]];
        min_sum.add(term_min(net_.coeffs[i], d));
        max_sum.add(term_max(net_.coeffs[i], d));
    }
    const auto big = [&](std::size_t i) { return net_.big_coeffs[p.big_at + (i - p.big_begin)]; };
    for (std::size_t i = p.big_begin; i < p.end; ++i) {
        const Domain& d = domains_[net_.vars[i]];
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
        const std::int64_t c = net_.coeffs[i];
        const VarIndex x = net_.vars[i];
        const Domain before = domains_[x];
        Int256 others_min = min_sum;
        Int256 others_max = max_sum;
        others_min.sub(term_min(c, before));
        others_max.sub(term_max(c, before));
        // R - minR and R - maxR fit in 128 bits after clamping.
        if (!narrow_term(p.rel, c, x, rhs - others_min.clamped(kFar),
                         rhs - others_max.clamped(kFar)))
            return false;
        const Domain& after = domains_[x];
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
        const VarIndex x = net_.vars[i];
        const Domain before = domains_[x];
        Int256 from_min = rhs_wide;
        Int256 from_max = rhs_wide;
        from_min -= min_sum;
        from_max -= max_sum;
        from_min += big_term_min(c, before);
        from_max += big_term_max(c, before);
        bool ok = true;
        switch (p.rel) {
            case LinearRel::Le:
                ok = c > 0 ? lower_hi(x, floor_div_limited(from_min, c))
                           : raise_lo(x, ceil_div_limited(from_min, c));
                break;
            case LinearRel::Ge:
                ok = c > 0 ? raise_lo(x, ceil_div_limited(from_max, c))
                           : lower_hi(x, floor_div_limited(from_max, c));
                break;
            case LinearRel::Eq:
                ok = c > 0 ? raise_lo(x, ceil_div_limited(from_max, c)) &&
                                 lower_hi(x, floor_div_limited(from_min, c))
                           : raise_lo(x, ceil_div_limited(from_min, c)) &&
                                 lower_hi(x, floor_div_limited(from_max, c));
                break;
        }
        if (!ok) return false;
        const Domain& after = domains_[x];
        if (after != before) {
            min_sum -= big_term_min(c, before);
            max_sum -= big_term_max(c, before);
            min_sum += big_term_min(c, after);
            max_sum += big_term_max(c, after);
        }
    }
    return true;
}

}  // namespace nemox::cp
