#include "cp/engine.hpp"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace nemox::cp {

Engine::Engine(const CpProblem& problem, Interrupt interrupt)
    : net_(build_network(problem)), interrupt_(interrupt) {
    const std::size_t n = problem.vars.size();
    domains_.reserve(n);
    for (const VarDecl& d : problem.vars) {
        domains_.push_back(Domain{d.min, d.max});
        if (d.min > d.max) has_empty_ = true;
    }

    queued_.assign(net_.propagators.size(), 0);
    special_.assign(n, 0);
    for (VarIndex x = 0; x < n; ++x) {
        for (std::size_t i = net_.watch_begin[x]; i < net_.watch_begin[x + 1]; ++i) {
            if ((net_.watch_events[i] & kViewEvent) != 0) special_[x] |= kViewSource;
        }
    }
    prepare_sums();
    prepare_counts();

    stamp_.assign(n, 0);
}

// Where propagator k stands in x's watch list, which is in increasing order.
std::size_t Engine::watch_of(VarIndex x, std::uint32_t k) const {
    const auto first = net_.watches.begin() + static_cast<std::ptrdiff_t>(net_.watch_begin[x]);
    const auto last = net_.watches.begin() + static_cast<std::ptrdiff_t>(net_.watch_begin[x + 1]);
    return static_cast<std::size_t>(std::lower_bound(first, last, k) - net_.watches.begin());
}

// Wide sums kept between runs: their watch entries carry the coefficients,
// and each gets a spread bound from the declared ranges.
void Engine::prepare_sums() {
    watch_coeffs_.assign(net_.watches.size(), 0);
    for (std::uint32_t k = 0; k < net_.propagators.size(); ++k) {
        const Propagator& p = net_.propagators[k];
        if (!p.keeps_sums()) continue;
        for (std::size_t i = p.begin; i < p.end; ++i) {
            const VarIndex x = net_.vars[i];
            watch_coeffs_[watch_of(x, k)] = net_.coeffs[i];
            special_[x] |= kInKeptSum;
        }
    }

    sums_.assign(net_.propagators.size(), LinearSums{});
    for (std::size_t k = 0; k < net_.propagators.size(); ++k) {
        const Propagator& p = net_.propagators[k];
        if (!p.keeps_sums()) continue;
        Wide widest = 0;
        for (std::size_t i = p.begin; i < p.end && widest >= 0; ++i) {
            const Domain d = domains_[net_.vars[i]];
            const Wide c = net_.coeffs[i];
            // A declared empty range or a product past 128 bits: no bound.
            Wide spread;
            if (d.lo > d.hi || __builtin_mul_overflow(c < 0 ? -c : c, Wide{d.hi} - d.lo, &spread)) {
                widest = -1;
            } else {
                widest = std::max(widest, spread);
            }
        }
        if (widest >= 0) sums_[k].widest_declared = widest;
    }
}

// Counted AllDiffs start with the values fixed by the declarations.
void Engine::prepare_counts() {
    counts_.assign(net_.counters, 0);
    taken_.assign(net_.counters / 64, 0);
    repeated_.assign(net_.counters / 64, 0);
    open_.assign(net_.vars.size(), 0);
    open_count_.assign(net_.counters / 64, 0);
    slot_.assign(net_.watches.size(), 0);
    slot_watch_.assign(net_.vars.size(), 0);
    for (std::uint32_t k = 0; k < net_.propagators.size(); ++k) {
        const Propagator& p = net_.propagators[k];
        if (p.counts_at == Propagator::kNotCounted) continue;
        open_count_[p.counts_at / 64] = p.end - p.begin;
        for (std::size_t i = p.begin; i < p.end; ++i) {
            const VarIndex x = net_.vars[i];
            const std::size_t watch = watch_of(x, k);
            open_[i] = x;
            slot_[watch] = i;
            slot_watch_[i] = watch;
            special_[x] |= kInCounted;
        }
        // Taken from a copy: closing a slot reorders the list.
        const std::vector<std::size_t> watches(
            slot_watch_.begin() + static_cast<std::ptrdiff_t>(p.begin),
            slot_watch_.begin() + static_cast<std::ptrdiff_t>(p.end));
        for (const std::size_t watch : watches) {
            const Domain d = domains_[open_[slot_[watch]]];
            if (!d.fixed()) continue;
            count(p, d.lo, 1);
            close_slot(watch, p);
        }
    }
}

namespace {

std::uint8_t events_of(const Domain& old, const Domain& now) {
    return (now.lo != old.lo ? kLoEvent : 0) | (now.hi != old.hi ? kHiEvent : 0) |
           (now.lo == now.hi ? kFixEvent : 0);
}

}  // namespace

// The common case, without kept sums or counters to move. The arrays are
// read through locals: the queue's byte stores could otherwise alias them,
// and every step would reload them. With kViews, x is the source of views,
// which follow it at once.
template <bool kViews>
inline void Engine::wake(VarIndex x, const Domain& now, std::uint8_t events) {
    const std::uint8_t* reads = net_.watch_events.data();
    const std::uint32_t* watches = net_.watches.data();
    const VarIndex* partner = net_.watch_partner.data();
    const Domain* domains = domains_.data();
    for (std::size_t i = net_.watch_begin[x]; i < net_.watch_begin[x + 1]; ++i) {
        if constexpr (kViews) {
            if ((reads[i] & kViewEvent) != 0) {
                follow_view(i, now);
                continue;
            }
        }
        bool wake = (reads[i] & events) != 0;
        if (!wake && (reads[i] & kGuardEvent) != 0) {
            // A Neq whose other variable is fixed to one of x's new ends.
            const Domain other = domains[partner[i]];
            wake = other.lo == other.hi && (other.lo == now.lo || other.lo == now.hi);
        }
        if (wake) enqueue(watches[i]);
    }
}

void Engine::wake_views(VarIndex x, const Domain& now, std::uint8_t events) {
    wake<true>(x, now, events);
}

void Engine::touched(VarIndex x, const Domain& old) {
    const Domain now = domains_[x];
    const std::uint8_t events = events_of(old, now);
    const std::uint8_t special = special_[x];
    if (special == 0) {
        wake<false>(x, now, events);
        return;
    }
    if (special == kViewSource) {
        wake_views(x, now, events);
        return;
    }
    const std::size_t first = net_.watch_begin[x];
    const std::size_t last = net_.watch_begin[x + 1];
    const bool kept = (special & kInKeptSum) != 0;
    for (std::size_t i = first; i < last; ++i) {
        const std::uint8_t reads = net_.watch_events[i];
        const bool meets = (reads & kCountEvent) != 0
                               ? count_and_check(i, now, events)
                               : (reads & kGuardEvent) != 0 && meets_partner(i, now);
        if ((reads & events) != 0 || meets) enqueue(net_.watches[i]);
        if (kept && watch_coeffs_[i] != 0) shift_sum(i, old, now, false);
    }
}

// The pair, idempotent and not queued, was at its fixpoint before x moved;
// setting u to r - x or r + x brings it back there, so it need not run (its
// own wake by u is held off). It counts as a run, and joins the latest runs
// that a cycle is taken from.
void Engine::follow_view(std::size_t watch, const Domain& now) {
    const std::uint32_t k = net_.watches[watch];
    if (queued_[k]) return;
    const VarIndex u = net_.watch_partner[watch];
    const std::int64_t r = net_.watch_view[watch];
    const bool minus = (net_.watch_events[watch] & kViewMinus) != 0;
    const Domain d = domains_[u];
    const std::int64_t lo = std::max(d.lo, minus ? r - now.hi : r + now.lo);
    const std::int64_t hi = std::min(d.hi, minus ? r - now.lo : r + now.hi);
    if (lo > hi) {
        enqueue(k);
        return;
    }
    if (lo == d.lo && hi == d.hi) return;
    ++stats_.propagator_runs;
    recent_[recent_at_++ % recent_.size()] = k;
    // Both bounds at once: one wake of what reads u.
    record(u);
    const Domain now_u{lo, hi};
    domains_[u] = now_u;
    queued_[k] = 1;
    // u is the source of no view.
    if (special_[u] == 0) {
        wake<false>(u, now_u, events_of(d, now_u));
    } else {
        touched(u, d);
    }
    queued_[k] = 0;
}

// A Neq whose other variable is fixed to one of x's new ends.
bool Engine::meets_partner(std::size_t watch, const Domain& now) const {
    const Domain other = domains_[net_.watch_partner[watch]];
    return other.lo == other.hi && (other.lo == now.lo || other.lo == now.hi);
}

// A counted AllDiff: counts a value fixed at one more position, or tells
// whether x's moved end meets a fixed value.
bool Engine::count_and_check(std::size_t watch, const Domain& now, std::uint8_t events) {
    const Propagator& p = net_.propagators[net_.watches[watch]];
    if ((events & kFixEvent) != 0) {
        count(p, now.lo, 1);
        close_slot(watch, p);
        return false;
    }
    const std::uint64_t taken = taken_[p.counts_at / 64];
    return ((taken >> (now.lo - p.constant)) & 1) != 0 ||
           ((taken >> (now.hi - p.constant)) & 1) != 0;
}

void Engine::count(const Propagator& p, std::int64_t value, int change) {
    const auto at = static_cast<std::size_t>(value - p.constant);
    std::uint32_t& c = counts_[p.counts_at + at];
    const std::uint32_t before = c;
    c = change > 0 ? c + 1 : c - 1;
    const std::size_t k = p.counts_at / 64;
    if (before == 0 || c == 0) taken_[k] ^= std::uint64_t{1} << at;
    if (before == 1 && c == 2) ++repeated_[k];
    if (before == 2 && c == 1) --repeated_[k];
}

void Engine::close_slot(std::size_t watch, const Propagator& p) {
    const std::size_t last = p.begin + --open_count_[p.counts_at / 64];
    swap_slots(slot_[watch], last);
}

void Engine::open_slot(std::size_t watch, const Propagator& p) {
    const std::size_t next = p.begin + open_count_[p.counts_at / 64]++;
    swap_slots(slot_[watch], next);
}

void Engine::swap_slots(std::size_t i, std::size_t j) {
    std::swap(open_[i], open_[j]);
    std::swap(slot_watch_[i], slot_watch_[j]);
    slot_[slot_watch_[i]] = i;
    slot_[slot_watch_[j]] = j;
}

void Engine::shift_sum(std::size_t watch, const Domain& from, const Domain& to, bool widened) {
    const std::int64_t c = watch_coeffs_[watch];
    LinearSums& s = sums_[net_.watches[watch]];
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

void Engine::restore(const TrailEntry& e) {
    const Domain from = domains_[e.var];
    domains_[e.var] = e.old;
    if ((special_[e.var] & kInKeptSum) != 0) {
        for (std::size_t i = net_.watch_begin[e.var]; i < net_.watch_begin[e.var + 1]; ++i) {
            if (watch_coeffs_[i] != 0) shift_sum(i, from, e.old, true);
        }
    }
    if (from.fixed() && !e.old.fixed() && (special_[e.var] & kInCounted) != 0) {
        for (std::size_t i = net_.watch_begin[e.var]; i < net_.watch_begin[e.var + 1]; ++i) {
            if ((net_.watch_events[i] & kCountEvent) == 0) continue;
            const Propagator& p = net_.propagators[net_.watches[i]];
            count(p, from.lo, -1);
            open_slot(i, p);
        }
    }
}

void Engine::assign(VarIndex x, std::int64_t v) {
    record(x);
    const Domain old = domains_[x];
    domains_[x] = Domain{v, v};
    touched(x, old);
}

}  // namespace nemox::cp
