#include "cp/rules.hpp"

#include <algorithm>
#include <limits>
#include <vector>

#include "cp/engine.hpp"
#include "cp/probe.hpp"

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
            if (!raise_lo(e, x, Wide{d.lo} + run)) return false;
        }
        const Domain now = e.domain(x);
        const Wide hi_at = Wide{now.hi} - base;
        if (now.lo < now.hi && hi_at >= 0 && hi_at < 64 && ((taken >> hi_at) & 1) != 0) {
            const std::uint64_t below = ~(taken << (63 - hi_at));
            const int run = below == 0 ? 64 : __builtin_clzll(below);
            if (!lower_hi(e, x, Wide{now.hi} - run)) return false;
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
            if (!raise_lo(e, x, Wide{d.lo} + run)) return false;
        }
        const Domain now = e.domain(x);
        if (now.lo < now.hi && ((taken >> (now.hi - base)) & 1) != 0) {
            const std::uint64_t below = ~(taken << (63 - (now.hi - base)));
            const int run = below == 0 ? 64 : __builtin_clzll(below);
            if (!lower_hi(e, x, Wide{now.hi} - run)) return false;
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

// The engine's forms, whose results are those of taking each position in
// turn.
bool all_diff_fast(Engine& e, const Propagator& p) {
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
        if (lo > d.lo && !raise_lo(e, x, lo)) return false;
        if (hi < d.hi && !lower_hi(e, x, hi)) return false;
    }
    return true;
}

// Each fixed position's value off every other position's ends, one
// comparison of bounds at a time: the form a traced store can follow.
template <class S>
bool each_position(S& s, const Propagator& p) {
    for (std::size_t i = p.begin; i < p.end; ++i) {
        const Domain d = s.domain(s.net().vars[i]);
        if (!eq(s, d.lo, d.hi)) continue;
        for (std::size_t j = p.begin; j < p.end; ++j) {
            if (j != i && !remove_end(s, s.net().vars[j], d.lo)) return false;
        }
    }
    return true;
}

}  // namespace

template <class S>
bool EqRule::run(S& s, const Propagator& p) {
    const VarIndex a = s.net().vars[p.begin];
    const VarIndex b = s.net().vars[p.begin + 1];
    const Domain da = s.domain(a);
    const Domain db = s.domain(b);
    const std::int64_t lo = le(s, db.lo, da.lo) ? da.lo : db.lo;
    const std::int64_t hi = le(s, da.hi, db.hi) ? da.hi : db.hi;
    if (lt(s, hi, lo)) return false;
    return raise_lo(s, a, lo) && raise_lo(s, b, lo) && lower_hi(s, a, hi) && lower_hi(s, b, hi);
}

template <class S>
bool NeqRule::run(S& s, const Propagator& p) {
    const VarIndex a = s.net().vars[p.begin];
    const VarIndex b = s.net().vars[p.begin + 1];
    const auto fixed = [&](VarIndex x) {
        const Domain d = s.domain(x);
        return eq(s, d.lo, d.hi);
    };
    if (fixed(a) && fixed(b) && eq(s, s.domain(a).lo, s.domain(b).lo)) return false;
    if (fixed(a) && !remove_end(s, b, s.domain(a).lo)) return false;
    if (fixed(b) && !remove_end(s, a, s.domain(b).lo)) return false;
    return true;
}

std::uint8_t LtRule::reads(const Network& net, const Propagator& p, std::size_t i) {
    const VarIndex x = net.vars[i];
    std::uint8_t events = 0;
    if (net.vars[p.begin] == x) events |= kLoEvent;
    if (net.vars[p.begin + 1] == x) events |= kHiEvent;
    return events;
}

template <class S>
bool LtRule::run(S& s, const Propagator& p) {
    const VarIndex a = s.net().vars[p.begin];
    const VarIndex b = s.net().vars[p.begin + 1];
    return lower_hi(s, a, Wide{s.domain(b).hi} - 1) && raise_lo(s, b, Wide{s.domain(a).lo} + 1);
}

template <class S>
bool LeRule::run(S& s, const Propagator& p) {
    const VarIndex a = s.net().vars[p.begin];
    const VarIndex b = s.net().vars[p.begin + 1];
    return lower_hi(s, a, Wide{s.domain(b).hi} + p.constant) &&
           raise_lo(s, b, Wide{s.domain(a).lo} - p.constant);
}

template <class S>
bool AllDiffRule::run(S& s, const Propagator& p) {
    if constexpr (S::kTraced) {
        return each_position(s, p);
    } else {
        return all_diff_fast(s, p);
    }
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

template bool EqRule::run(Engine&, const Propagator&);
template bool EqRule::run(Probe&, const Propagator&);
template bool NeqRule::run(Engine&, const Propagator&);
template bool NeqRule::run(Probe&, const Propagator&);
template bool LtRule::run(Engine&, const Propagator&);
template bool LtRule::run(Probe&, const Propagator&);
template bool LeRule::run(Engine&, const Propagator&);
template bool LeRule::run(Probe&, const Propagator&);
template bool AllDiffRule::run(Engine&, const Propagator&);
template bool AllDiffRule::run(Probe&, const Propagator&);

}  // namespace nemox::cp
