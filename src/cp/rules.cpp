#include "cp/rules.hpp"

#include <algorithm>
#include <limits>
#include <vector>

#include "cp/engine.hpp"

// The rules of Eq, Neq, Lt, Le and AllDiff, and the dispatch by kind.

namespace nemox::cp {

namespace {

// Every open position loses the runs of taken values (bit v - base) at its ends.
bool trim_small(Engine& e, const Propagator& p, std::int64_t base, std::uint64_t taken) {
    for (std::size_t j = p.begin; j < p.end; ++j) {
        const VarIndex x = e.net().vars[j];
        const Domain d = e.domain(x);
        if (d.lo >= d.hi) continue;
        const Wide lo_at = Wide{d.lo} - base;
        if (lo_at >= 0 && lo_at < 64 && ((taken >> lo_at) & 1) != 0) {
            const std::uint64_t above = ~(taken >> lo_at);
            const int run = above == 0 ? 64 : __builtin_ctzll(above);
            if (!e.raise_lo(x, Wide{d.lo} + run)) return false;
        }
        const Domain now = e.domain(x);
        const Wide hi_at = Wide{now.hi} - base;
        if (now.lo < now.hi && hi_at >= 0 && hi_at < 64 && ((taken >> hi_at) & 1) != 0) {
            const std::uint64_t below = ~(taken << (63 - hi_at));
            const int run = below == 0 ? 64 : __builtin_clzll(below);
            if (!e.lower_hi(x, Wide{now.hi} - run)) return false;
        }
    }
    return true;
}

// A counted AllDiff: every open position loses the runs of taken values at
// its ends. Every domain lies in the window of 64 values from p.constant.
// Backwards, since a position that gets fixed changes places with the last
// open one, which has been seen already.
bool trim_open(Engine& e, const Propagator& p) {
    const std::int64_t base = p.constant;
    const std::uint64_t taken = e.taken(p);
    for (std::size_t j = e.open_count(p); j-- > 0;) {
        const VarIndex x = e.open_at(p, j);
        const Domain d = e.domain(x);
        if ((((taken >> (d.lo - base)) | (taken >> (d.hi - base))) & 1) == 0) continue;
        if (((taken >> (d.lo - base)) & 1) != 0) {
            const std::uint64_t above = ~(taken >> (d.lo - base));
            const int run = above == 0 ? 64 : __builtin_ctzll(above);
            if (!e.raise_lo(x, Wide{d.lo} + run)) return false;
        }
        const Domain now = e.domain(x);
        if (now.lo < now.hi && ((taken >> (now.hi - base)) & 1) != 0) {
            const std::uint64_t below = ~(taken << (63 - (now.hi - base)));
            const int run = below == 0 ? 64 : __builtin_clzll(below);
            if (!e.lower_hi(x, Wide{now.hi} - run)) return false;
        }
    }
    return true;
}

// The same when the fixed values lie within 64 of each other (a Sudoku, a
// permutation): a bit per value, and the run of fixed values at each end of
// a domain counted in one instruction.
bool all_diff_small(Engine& e, const Propagator& p, const std::vector<std::int64_t>& fixed,
                    std::int64_t base) {
    std::uint64_t taken = 0;
    for (const std::int64_t v : fixed) {
        const std::uint64_t bit = std::uint64_t{1} << (v - base);
        if ((taken & bit) != 0) return false;
        taken |= bit;
    }
    return trim_small(e, p, base, taken);
}

}  // namespace

bool EqRule::run(Engine& e, const Propagator& p) {
    const VarIndex a = e.net().vars[p.begin];
    const VarIndex b = e.net().vars[p.begin + 1];
    const std::int64_t lo = std::max(e.domain(a).lo, e.domain(b).lo);
    const std::int64_t hi = std::min(e.domain(a).hi, e.domain(b).hi);
    if (lo > hi) return false;
    return e.raise_lo(a, lo) && e.raise_lo(b, lo) && e.lower_hi(a, hi) && e.lower_hi(b, hi);
}

bool NeqRule::run(Engine& e, const Propagator& p) {
    const VarIndex a = e.net().vars[p.begin];
    const VarIndex b = e.net().vars[p.begin + 1];
    if (e.domain(a).fixed() && e.domain(b).fixed() && e.domain(a).lo == e.domain(b).lo)
        return false;
    if (e.domain(a).fixed() && !e.remove_end(b, e.domain(a).lo)) return false;
    if (e.domain(b).fixed() && !e.remove_end(a, e.domain(b).lo)) return false;
    return true;
}

std::uint8_t LtRule::reads(const Network& net, const Propagator& p, std::size_t i) {
    const VarIndex x = net.vars[i];
    std::uint8_t events = 0;
    if (net.vars[p.begin] == x) events |= kLoEvent;
    if (net.vars[p.begin + 1] == x) events |= kHiEvent;
    return events;
}

bool LtRule::run(Engine& e, const Propagator& p) {
    const VarIndex a = e.net().vars[p.begin];
    const VarIndex b = e.net().vars[p.begin + 1];
    return e.lower_hi(a, Wide{e.domain(b).hi} - 1) && e.raise_lo(b, Wide{e.domain(a).lo} + 1);
}

bool LeRule::run(Engine& e, const Propagator& p) {
    const VarIndex a = e.net().vars[p.begin];
    const VarIndex b = e.net().vars[p.begin + 1];
    return e.lower_hi(a, Wide{e.domain(b).hi} + p.constant) &&
           e.raise_lo(b, Wide{e.domain(a).lo} - p.constant);
}

bool AllDiffRule::run(Engine& e, const Propagator& p) {
    if (p.counts_at != Propagator::kNotCounted) {
        // The counters already hold the fixed values, and the engine the
        // open positions.
        if (e.repeated(p) != 0) return false;
        return trim_open(e, p);
    }
    // Positions, not variables: a variable listed twice meets its own value,
    // so two fixed positions holding one value fail. Every other position
    // loses the fixed values at its ends. Sorting the fixed values makes one
    // run O(m log m); removing them position by position would cost O(m) per
    // fixed position, cubic over a search that fixes the list one by one.
    std::vector<std::int64_t>& fixed = e.scratch();
    fixed.clear();
    std::int64_t least = std::numeric_limits<std::int64_t>::max();
    std::int64_t most = std::numeric_limits<std::int64_t>::min();
    for (std::size_t i = p.begin; i < p.end; ++i) {
        const Domain d = e.domain(e.net().vars[i]);
        if (!d.fixed()) continue;
        fixed.push_back(d.lo);
        least = std::min(least, d.lo);
        most = std::max(most, d.lo);
    }
    if (fixed.empty()) return true;
    if (Wide{most} - least < 64) return all_diff_small(e, p, fixed, least);
    std::sort(fixed.begin(), fixed.end());
    if (std::adjacent_find(fixed.begin(), fixed.end()) != fixed.end()) return false;
    for (std::size_t j = p.begin; j < p.end; ++j) {
        const VarIndex x = e.net().vars[j];
        const Domain d = e.domain(x);
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
        if (lo > d.lo && !e.raise_lo(x, lo)) return false;
        if (hi < d.hi && !e.lower_hi(x, hi)) return false;
    }
    return true;
}

std::uint8_t events_read(const Network& net, const Propagator& p, std::size_t i) {
    switch (p.kind) {
        case PropKind::Eq:
            return EqRule::kReads;
        case PropKind::Neq:
            return NeqRule::kReads;
        case PropKind::Lt:
            return LtRule::reads(net, p, i);
        case PropKind::Le:
            return LeRule::reads(net, p, i);
        case PropKind::Linear:
            return LinearRule::reads(net, p, i);
        case PropKind::AllDiff:
            return AllDiffRule::reads(p);
    }
    return kLoEvent | kHiEvent;
}

bool run_rule(Engine& e, const Propagator& p) {
    switch (p.kind) {
        case PropKind::Eq:
            return EqRule::run(e, p);
        case PropKind::Neq:
            return NeqRule::run(e, p);
        case PropKind::Lt:
            return LtRule::run(e, p);
        case PropKind::Le:
            return LeRule::run(e, p);
        case PropKind::Linear:
            return LinearRule::run(e, p);
        case PropKind::AllDiff:
            return AllDiffRule::run(e, p);
    }
    return true;
}

}  // namespace nemox::cp
