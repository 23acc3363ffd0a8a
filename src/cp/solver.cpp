#include "cp/solver.hpp"

#include <cstdint>
#include <limits>
#include <type_traits>
#include <utility>
#include <variant>

namespace nemox::cp {

namespace {

constexpr std::size_t kAbsent = std::numeric_limits<std::size_t>::max();

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

}  // namespace

CpSolver::CpSolver(const CpProblem& problem, Interrupt interrupt) : interrupt_(interrupt) {
    const std::size_t n = problem.vars.size();
    if (problem.constraints.size() >= std::numeric_limits<std::uint32_t>::max())
        throw MemoryLimit("too many CP constraints");
    domains_.reserve(n);
    for (const VarDecl& d : problem.vars) {
        domains_.push_back(Domain{d.min, d.max});
        if (d.min > d.max) has_empty_ = true;
    }

    // Per-variable scratch for combining Linear terms.
    std::vector<Wide> combined;
    std::vector<VarIndex> seen;
    propagators_.reserve(problem.constraints.size());
    for (const CpConstraint& con : problem.constraints) {
        Propagator p;
        p.begin = prop_vars_.size();
        auto pair = [&](PropKind kind, VarIndex a, VarIndex b) {
            p.kind = kind;
            prop_vars_.push_back(a);
            prop_vars_.push_back(b);
        };
        std::visit(Overloaded{
                       [&](const EqCon& c) { pair(PropKind::Eq, c.a, c.b); },
                       [&](const NeqCon& c) { pair(PropKind::Neq, c.a, c.b); },
                       [&](const LtCon& c) { pair(PropKind::Lt, c.a, c.b); },
                       [&](const LeCon& c) {
                           pair(PropKind::Le, c.a, c.b);
                           p.constant = c.c;
                       },
                       [&](const LinearCon& c) {
                           p.kind = PropKind::Linear;
                           p.rel = c.rel;
                           p.constant = c.rhs;
                           if (combined.empty()) combined.assign(n, 0);
                           for (const LinearTerm& t : c.terms) {
                               if (t.coeff == 0) continue;
                               if (combined[t.var] == 0) seen.push_back(t.var);
                               combined[t.var] += t.coeff;
                           }
                           std::vector<std::pair<Wide, VarIndex>> big;
                           for (const VarIndex x : seen) {
                               const Wide k = combined[x];
                               combined[x] = 0;
                               if (k == 0) continue;
                               if (k < std::numeric_limits<std::int64_t>::min() ||
                                   k > std::numeric_limits<std::int64_t>::max()) {
                                   big.emplace_back(k, x);
                                   continue;
                               }
                               prop_vars_.push_back(x);
                               prop_coeffs_.push_back(static_cast<std::int64_t>(k));
                           }
                           seen.clear();
                           p.big_begin = prop_vars_.size();
                           p.big_at = big_coeffs_.size();
                           for (const auto& [k, x] : big) {
                               prop_vars_.push_back(x);
                               prop_coeffs_.push_back(0);
                               big_coeffs_.push_back(k);
                           }
                       },
                       [&](const AllDiffCon& c) {
                           p.kind = PropKind::AllDiff;
                           prop_vars_.insert(prop_vars_.end(), c.vars.begin(), c.vars.end());
                       },
                   },
                   con);
        p.end = prop_vars_.size();
        if (p.kind != PropKind::Linear) p.big_begin = p.end;
        // Eq, Neq, Lt and Le over two different variables need no second
        // run for their own changes; over one variable (lt x x) they do.
        p.idempotent = p.kind <= PropKind::Le && prop_vars_[p.begin] != prop_vars_[p.begin + 1];
        prop_coeffs_.resize(prop_vars_.size());
        propagators_.push_back(p);
    }

    // Watch lists in CSR form, one entry per (variable, propagator).
    std::vector<std::uint32_t> last(n, std::numeric_limits<std::uint32_t>::max());
    watch_begin_.assign(n + 1, 0);
    for (std::uint32_t k = 0; k < propagators_.size(); ++k) {
        for (std::size_t i = propagators_[k].begin; i < propagators_[k].end; ++i) {
            const VarIndex x = prop_vars_[i];
            if (last[x] != k) {
                last[x] = k;
                ++watch_begin_[x + 1];
            }
        }
    }
    for (std::size_t x = 0; x < n; ++x) watch_begin_[x + 1] += watch_begin_[x];
    watches_.resize(watch_begin_[n]);
    watch_coeffs_.assign(watch_begin_[n], 0);
    in_kept_sum_.assign(n, 0);
    std::vector<std::size_t> fill(watch_begin_.begin(), watch_begin_.end() - 1);
    last.assign(n, std::numeric_limits<std::uint32_t>::max());
    for (std::uint32_t k = 0; k < propagators_.size(); ++k) {
        for (std::size_t i = propagators_[k].begin; i < propagators_[k].end; ++i) {
            const VarIndex x = prop_vars_[i];
            if (last[x] != k) {
                last[x] = k;
                // Linear terms are combined per variable: one coefficient.
                if (propagators_[k].keeps_sums()) {
                    watch_coeffs_[fill[x]] = prop_coeffs_[i];
                    in_kept_sum_[x] = 1;
                }
                watches_[fill[x]++] = k;
            }
        }
    }

    queued_.assign(propagators_.size(), 0);
    sums_.assign(propagators_.size(), LinearSums{});

    stamp_.assign(n, 0);
    order_pos_.assign(n, kAbsent);
    for (VarIndex x = 0; x < n; ++x) {
        if (domains_[x].lo < domains_[x].hi) {
            order_pos_[x] = order_.size();
            order_.push_back(x);
        }
    }
    for (std::size_t i = order_.size() / 2; i-- > 0;) order_sift_down(i);
}

Assignment CpSolver::fixed_assignment() const {
    Assignment a;
    a.reserve(domains_.size());
    for (std::size_t i = 0; i < domains_.size(); ++i) a.append_new(i, Value{domains_[i].lo});
    return a;
}

void CpSolver::record(VarIndex x) {
    if (stamp_[x] == node_) return;
    stamp_[x] = node_;
    trail_.push_back(TrailEntry{x, domains_[x]});
}

void CpSolver::touched(VarIndex x, const Domain& old) {
    const bool kept = in_kept_sum_[x] != 0;
    for (std::size_t i = watch_begin_[x]; i < watch_begin_[x + 1]; ++i) {
        enqueue(watches_[i]);
        if (kept && watch_coeffs_[i] != 0) shift_sum(i, old, domains_[x], false);
    }
    order_narrowed(x);
}

void CpSolver::shift_sum(std::size_t watch, const Domain& from, const Domain& to, bool widened) {
    const std::int64_t c = watch_coeffs_[watch];
    LinearSums& s = sums_[watches_[watch]];
    if (widened) s.spread_known = false;
    if (!s.sums_known) return;
    const Wide lo_from = Wide{c} * (c > 0 ? from.lo : from.hi);
    const Wide hi_from = Wide{c} * (c > 0 ? from.hi : from.lo);
    const Wide lo_to = Wide{c} * (c > 0 ? to.lo : to.hi);
    const Wide hi_to = Wide{c} * (c > 0 ? to.hi : to.lo);
    // Each term is below 2^127 in magnitude, so the differences fit.
    if (__builtin_add_overflow(s.min, lo_to - lo_from, &s.min) ||
        __builtin_add_overflow(s.max, hi_to - hi_from, &s.max))
        s.sums_known = false;
}

void CpSolver::undo_to(std::size_t mark) {
    while (trail_.size() > mark) {
        const TrailEntry e = trail_.back();
        trail_.pop_back();
        const Domain from = domains_[e.var];
        domains_[e.var] = e.old;
        if (in_kept_sum_[e.var] != 0) {
            for (std::size_t i = watch_begin_[e.var]; i < watch_begin_[e.var + 1]; ++i) {
                if (watch_coeffs_[i] != 0) shift_sum(i, from, e.old, true);
            }
        }
        order_update(e.var);
    }
}

bool CpSolver::raise_lo(VarIndex x, Wide v) {
    Domain& d = domains_[x];
    if (v <= d.lo) return d.lo <= d.hi;
    if (v > d.hi) return false;
    record(x);
    const Domain old = d;
    d.lo = static_cast<std::int64_t>(v);
    touched(x, old);
    return true;
}

bool CpSolver::lower_hi(VarIndex x, Wide v) {
    Domain& d = domains_[x];
    if (v >= d.hi) return d.lo <= d.hi;
    if (v < d.lo) return false;
    record(x);
    const Domain old = d;
    d.hi = static_cast<std::int64_t>(v);
    touched(x, old);
    return true;
}

// Removes v from x when it is one of x's bounds; a value inside stays.
bool CpSolver::remove_end(VarIndex x, std::int64_t v) {
    const Domain d = domains_[x];
    if (v < d.lo || v > d.hi) return true;
    if (v == d.lo) return raise_lo(x, Wide{v} + 1);
    if (v == d.hi) return lower_hi(x, Wide{v} - 1);
    return true;
}

bool CpSolver::order_less(VarIndex a, VarIndex b) const {
    // hi - lo is the size minus one; as an unsigned number it is exact even
    // for the domain of all 2^64 values.
    const auto span = [this](VarIndex x) {
        return static_cast<std::uint64_t>(domains_[x].hi) -
               static_cast<std::uint64_t>(domains_[x].lo);
    };
    const std::uint64_t sa = span(a);
    const std::uint64_t sb = span(b);
    return sa < sb || (sa == sb && a < b);
}

void CpSolver::order_sift_up(std::size_t i) {
    const VarIndex x = order_[i];
    while (i > 0) {
        const std::size_t parent = (i - 1) / 2;
        if (!order_less(x, order_[parent])) break;
        order_[i] = order_[parent];
        order_pos_[order_[i]] = i;
        i = parent;
    }
    order_[i] = x;
    order_pos_[x] = i;
}

void CpSolver::order_sift_down(std::size_t i) {
    const VarIndex x = order_[i];
    const std::size_t n = order_.size();
    for (;;) {
        std::size_t child = 2 * i + 1;
        if (child >= n) break;
        if (child + 1 < n && order_less(order_[child + 1], order_[child])) ++child;
        if (!order_less(order_[child], x)) break;
        order_[i] = order_[child];
        order_pos_[order_[i]] = i;
        i = child;
    }
    order_[i] = x;
    order_pos_[x] = i;
}

void CpSolver::order_remove(VarIndex x) {
    const std::size_t i = order_pos_[x];
    order_pos_[x] = kAbsent;
    const VarIndex last = order_.back();
    order_.pop_back();
    if (last == x) return;
    order_[i] = last;
    order_pos_[last] = i;
    order_sift_up(i);
    order_sift_down(order_pos_[last]);
}

void CpSolver::order_update(VarIndex x) {
    const bool open = domains_[x].lo < domains_[x].hi;
    const std::size_t pos = order_pos_[x];
    if (pos == kAbsent) {
        if (!open) return;
        order_pos_[x] = order_.size();
        order_.push_back(x);
        order_sift_up(order_pos_[x]);
    } else if (!open) {
        order_remove(x);
    } else {
        order_sift_up(pos);
        order_sift_down(order_pos_[x]);
    }
}

// A domain only shrank: its entry can only move up, or leave when fixed.
void CpSolver::order_narrowed(VarIndex x) {
    const std::size_t pos = order_pos_[x];
    if (pos == kAbsent) return;
    if (domains_[x].lo < domains_[x].hi) {
        order_sift_up(pos);
    } else {
        order_remove(x);
    }
}

SolverResult solve_cp(const CpProblem& problem, Interrupt interrupt, CpStats* stats) {
    CpSolver solver(problem, interrupt);
    std::optional<Assignment> found;
    try {
        if (solver.propagate_all()) {
            found = solver.all_fixed() ? std::optional<Assignment>(solver.fixed_assignment())
                                       : solver.search();
        }
    } catch (const Interrupted&) {
        // What an interrupted search did is still worth reporting.
        if (stats != nullptr) *stats = solver.stats();
        throw;
    }
    if (stats != nullptr) *stats = solver.stats();
    return found ? SolverResult::sat(std::move(*found)) : SolverResult::unsat();
}

}  // namespace nemox::cp
