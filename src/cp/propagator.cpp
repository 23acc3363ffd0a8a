#include "cp/propagator.hpp"

#include <algorithm>
#include <limits>
#include <utility>
#include <variant>

#include "core/failure.hpp"
#include "cp/rules.hpp"

namespace nemox::cp {

namespace {

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

// Terms combined per variable, zero coefficients dropped; combined
// coefficients beyond 64 bits go last, into the wide array.
void add_linear(Network& net, Propagator& p, const LinearCon& c, std::vector<Wide>& combined,
                std::vector<VarIndex>& seen) {
    p.kind = PropKind::Linear;
    p.rel = c.rel;
    p.constant = c.rhs;
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
        net.vars.push_back(x);
        net.coeffs.push_back(static_cast<std::int64_t>(k));
    }
    seen.clear();
    p.big_begin = net.vars.size();
    p.big_at = net.big_coeffs.size();
    for (const auto& [k, x] : big) {
        net.vars.push_back(x);
        net.coeffs.push_back(0);
        net.big_coeffs.push_back(k);
    }
}

// Gives an AllDiff counters when all its declared values lie within 64 and
// no variable is listed twice.
void count_values(Network& net, Propagator& p, const std::vector<VarDecl>& decls) {
    if (p.begin == p.end) return;
    std::int64_t least = decls[net.vars[p.begin]].min;
    std::int64_t most = decls[net.vars[p.begin]].max;
    for (std::size_t i = p.begin; i < p.end; ++i) {
        const VarDecl& d = decls[net.vars[i]];
        if (d.min > d.max) return;
        least = std::min(least, d.min);
        most = std::max(most, d.max);
    }
    if (Wide{most} - least >= 64) return;
    // A variable listed twice fails by its positions, not by its values.
    std::vector<VarIndex> listed(net.vars.begin() + static_cast<std::ptrdiff_t>(p.begin),
                                 net.vars.begin() + static_cast<std::ptrdiff_t>(p.end));
    std::sort(listed.begin(), listed.end());
    if (std::adjacent_find(listed.begin(), listed.end()) != listed.end()) return;
    p.constant = least;
    p.counts_at = net.counters;
    net.counters += 64;
}

// Whether every bound of a unit pair, a * rhs -+ an end of the other
// variable, fits in 64 bits over the declared ranges (domains only shrink
// inside them, and an undo returns to them).
bool unit_bounds_fit(const Network& net, const Propagator& p, const std::vector<VarDecl>& decls) {
    for (std::size_t i = 0; i < 2; ++i) {
        const Wide rhs = net.coeffs[p.begin + i] < 0 ? -Wide{p.constant} : Wide{p.constant};
        const VarDecl& other = decls[net.vars[p.begin + 1 - i]];
        for (const Wide end : {Wide{other.min}, Wide{other.max}}) {
            if (!fits_64(rhs) || !fits_64(rhs - end) || !fits_64(rhs + end)) return false;
        }
    }
    return true;
}

void add_watches(Network& net, std::size_t n) {
    std::vector<std::uint32_t> last(n, std::numeric_limits<std::uint32_t>::max());
    const auto each = [&](auto&& visit) {
        last.assign(n, std::numeric_limits<std::uint32_t>::max());
        for (std::uint32_t k = 0; k < net.propagators.size(); ++k) {
            for (std::size_t i = net.propagators[k].begin; i < net.propagators[k].end; ++i) {
                const VarIndex x = net.vars[i];
                if (last[x] == k) continue;
                last[x] = k;
                visit(x, k, i);
            }
        }
    };
    net.watch_begin.assign(n + 1, 0);
    each([&](VarIndex x, std::uint32_t, std::size_t) { ++net.watch_begin[x + 1]; });
    for (std::size_t x = 0; x < n; ++x) net.watch_begin[x + 1] += net.watch_begin[x];
    net.watches.resize(net.watch_begin[n]);
    net.watch_events.resize(net.watch_begin[n]);
    std::vector<std::size_t> fill(net.watch_begin.begin(), net.watch_begin.end() - 1);
    net.watch_partner.resize(net.watch_begin[n]);
    each([&](VarIndex x, std::uint32_t k, std::size_t i) {
        const Propagator& p = net.propagators[k];
        net.watch_partner[fill[x]] = p.end - p.begin == 2 && net.vars[p.begin] == x
                                         ? net.vars[p.begin + 1]
                                         : net.vars[p.begin];
        net.watch_events[fill[x]] = events_read(net, p, i);
        net.watches[fill[x]++] = k;
    });
}

// A unit pair with = whose variable u occurs in no other sum is a view of
// the other variable x: u = r - x or u = r + x. The engine sets u's bounds
// from x's as x moves, without queueing the pair; u is the view of nothing
// else, so that never chains.
void mark_views(Network& net, std::size_t n) {
    net.watch_view.assign(net.watches.size(), 0);
    std::vector<std::uint32_t> sums(n, 0);
    for (const Propagator& p : net.propagators) {
        if (p.kind != PropKind::Linear) continue;
        for (std::size_t i = p.begin; i < p.end; ++i) ++sums[net.vars[i]];
    }
    for (std::uint32_t k = 0; k < net.propagators.size(); ++k) {
        const Propagator& p = net.propagators[k];
        if (!p.unit_in_64 || p.rel != LinearRel::Eq) continue;
        for (std::size_t t = 0; t < 2; ++t) {
            const VarIndex u = net.vars[p.begin + t];
            const VarIndex x = net.vars[p.begin + 1 - t];
            if (sums[u] != 1) continue;
            const auto first =
                net.watches.begin() + static_cast<std::ptrdiff_t>(net.watch_begin[x]);
            const auto last =
                net.watches.begin() + static_cast<std::ptrdiff_t>(net.watch_begin[x + 1]);
            const auto at =
                static_cast<std::size_t>(std::lower_bound(first, last, k) - net.watches.begin());
            // Every bound stays in 64 bits (unit_in_64).
            const std::int64_t cu = net.coeffs[p.begin + t];
            const std::int64_t cx = net.coeffs[p.begin + 1 - t];
            net.watch_view[at] = cu < 0 ? -p.constant : p.constant;
            net.watch_events[at] |= (cu < 0) == (cx < 0) ? kViewEvent | kViewMinus : kViewEvent;
            break;
        }
    }
}

}  // namespace

Network build_network(const CpProblem& problem) {
    const std::size_t n = problem.vars.size();
    if (problem.constraints.size() >= std::numeric_limits<std::uint32_t>::max())
        throw MemoryLimit("too many CP constraints");
    Network net;
    std::vector<Wide> combined;
    std::vector<VarIndex> seen;
    net.propagators.reserve(problem.constraints.size());
    for (const CpConstraint& con : problem.constraints) {
        Propagator p;
        p.begin = net.vars.size();
        const auto pair = [&](PropKind kind, VarIndex a, VarIndex b) {
            p.kind = kind;
            net.vars.push_back(a);
            net.vars.push_back(b);
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
                           if (combined.empty()) combined.assign(n, 0);
                           add_linear(net, p, c, combined, seen);
                       },
                       [&](const AllDiffCon& c) {
                           p.kind = PropKind::AllDiff;
                           net.vars.insert(net.vars.end(), c.vars.begin(), c.vars.end());
                           p.end = net.vars.size();
                           count_values(net, p, problem.vars);
                       },
                   },
                   con);
        p.end = net.vars.size();
        if (p.kind != PropKind::Linear) p.big_begin = p.end;
        // Eq, Neq, Lt and Le over two different variables need no second
        // run for their own changes; over one variable (lt x x) they do. Nor
        // does a sum of two unit terms: each bound maps exactly onto the
        // other variable, with no rounding left to tighten.
        const bool unit_pair = p.kind == PropKind::Linear && p.big_begin == p.end &&
                               p.end - p.begin == 2 &&
                               (net.coeffs[p.begin] == 1 || net.coeffs[p.begin] == -1) &&
                               (net.coeffs[p.begin + 1] == 1 || net.coeffs[p.begin + 1] == -1);
        p.unit_pair = unit_pair;
        p.unit_in_64 = unit_pair && unit_bounds_fit(net, p, problem.vars);
        p.idempotent =
            unit_pair || (p.kind <= PropKind::Le && net.vars[p.begin] != net.vars[p.begin + 1]);
        net.coeffs.resize(net.vars.size());
        net.propagators.push_back(p);
    }
    add_watches(net, n);
    mark_views(net, n);
    return net;
}

}  // namespace nemox::cp
