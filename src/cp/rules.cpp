#include <algorithm>
#include <limits>

#include "cp/solver.hpp"

// The rules of Eq, Neq, Lt, Le and AllDiff on the solver's domains.

namespace nemox::cp {

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
            return p.unit_pair ? run_unit_pair(p) : run_linear(p);
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
    // With counters, every domain lies in the window of 64 values from base.
    const bool inside = p.counts_at != Propagator::kNotCounted;
    for (std::size_t j = p.begin; j < p.end; ++j) {
        const VarIndex x = net_.vars[j];
        const Domain d = domains_[x];
        if (d.lo >= d.hi) continue;
        if (inside && (((taken >> (d.lo - base)) | (taken >> (d.hi - base))) & 1) == 0) continue;
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

}  // namespace nemox::cp
