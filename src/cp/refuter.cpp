#include "cp/refuter.hpp"

#include <algorithm>
#include <limits>
#include <map>

namespace nemox::cp {

namespace {

// Domains up to this many values keep their holes, a bit each.
constexpr Wide kMaxBits = 2048;
// An AllDiff is checked by its values when they span at most this many.
constexpr Wide kAllDiffBits = 256;
constexpr std::size_t kAllDiffPositions = 256;
// A group of distinct sums checks every subset of its lines: 2^10 at most.
constexpr std::size_t kGroupLines = 10;
// Stands for a missing bound of a sum; a group's sums of them stay in range.
constexpr Wide kNoNeed = Wide{1} << 100;
// The look-ahead tries the values of domains of at most this many: on
// queens and magic squares, larger ones cost more than the nodes they save.
constexpr Wide kProbeSize = 3;
// No value kept for a position's matching.
constexpr std::int64_t kNoValue = std::numeric_limits<std::int64_t>::min();
// floor_div by -1 would overflow here.
constexpr Wide kLeast = -(((Wide{1} << 126) - 1) * 2) - 2;

// Bits lo..hi of a word, 0 <= lo <= hi <= 63.
std::uint64_t bit_range(int lo, int hi) {
    const std::uint64_t upto = hi == 63 ? ~std::uint64_t{0} : (std::uint64_t{1} << (hi + 1)) - 1;
    return upto & (~std::uint64_t{0} << lo);
}

// Without a popcount instruction in the target the builtin is a call.
int popcount(std::uint64_t w) {
    w -= (w >> 1) & 0x5555555555555555ull;
    w = (w & 0x3333333333333333ull) + ((w >> 2) & 0x3333333333333333ull);
    w = (w + (w >> 4)) & 0x0f0f0f0f0f0f0f0full;
    return static_cast<int>((w * 0x0101010101010101ull) >> 56);
}

// Edge finding over operations of one machine, n of them, whose starts lie
// in est..lct - p: raises bound[i] (from est[i]) to the earliest time that
// operation i can start. A set T with est(T u {i}) + p(T) + p(i) > lct(T)
// cannot finish with i inside or before it, so i follows all of T and starts
// no sooner than any subset of T can end. T runs over the sets of those with
// lct <= L and est >= E; `by_est` orders the operations by est, greatest
// first. `scratch` takes 2n.
void edge_bounds(const Wide* est, const Wide* lct, const Wide* p, const std::uint32_t* by_est,
                 std::size_t n, Wide* bound, Wide* scratch) {
    Wide* load = scratch;      // load[q]: p of those in by_est[0..q] with lct <= L
    Wide* ends = scratch + n;  // ends[q]: the latest that one of those sets can end by
    for (std::size_t j = 0; j < n; ++j) {
        const Wide limit = lct[j];
        // One pass per distinct L.
        bool seen = false;
        for (std::size_t k = 0; k < j && !seen; ++k) seen = lct[k] == limit;
        if (seen) continue;
        Wide sum = 0;
        Wide best = std::numeric_limits<std::int64_t>::min();
        std::size_t last = n;  // the deepest q whose set is not empty
        for (std::size_t q = 0; q < n; ++q) {
            const std::uint32_t k = by_est[q];
            if (lct[k] <= limit) {
                sum += p[k];
                best = std::max(best, est[k] + sum);
                last = q;
            }
            load[q] = sum;
            ends[q] = best;
        }
        if (last == n) continue;
        for (std::size_t i = 0; i < n; ++i) {
            // No set ends later than ends[last], and the test below needs i after that.
            if (lct[i] <= limit || ends[last] + p[i] <= limit) continue;
            // The largest set that i must follow gives the latest end.
            for (std::size_t q = last + 1; q-- > 0;) {
                const Wide from = std::min(est[by_est[q]], est[i]);
                if (from + load[q] + p[i] > limit) {
                    bound[i] = std::max(bound[i], ends[q]);
                    break;
                }
            }
        }
    }
}

}  // namespace

bool all_diffs_fit(const Network& net, const std::vector<Domain>& domains) {
    const Domain* dom = domains.data();
    const VarIndex* vars = net.vars.data();
    for (const Propagator& p : net.propagators) {
        if (p.kind != PropKind::AllDiff || p.end - p.begin < 2) continue;
        // The span is widened until it holds enough values, most often early;
        // no domain is empty here, so hi - lo is exact in 64 unsigned bits.
        const std::uint64_t need = p.end - p.begin - 1;
        std::int64_t lo = dom[vars[p.begin]].lo;
        std::int64_t hi = dom[vars[p.begin]].hi;
        const auto width = [&] {
            return static_cast<std::uint64_t>(hi) - static_cast<std::uint64_t>(lo);
        };
        bool fits = width() >= need;
        for (std::size_t i = p.begin + 1; i < p.end && !fits; ++i) {
            const Domain& d = dom[vars[i]];
            lo = d.lo < lo ? d.lo : lo;
            hi = d.hi > hi ? d.hi : hi;
            fits = width() >= need;
        }
        if (!fits) return false;
    }
    return true;
}

namespace {

// The oracle's search pays where the store decides a child by its AllDiffs,
// Neqs and views; over other sums each verdict costs more than the subtree
// it spares (golomb rulers, magic squares, job-shop: 1.3-3x slower with it),
// so there it runs only when kWitnessOnSums asks for it.
unsigned rules_for(const Network& net, unsigned rules) {
    if ((rules & kWitnessOnSums) != 0) return rules;
    for (const Propagator& p : net.propagators) {
        if (p.kind == PropKind::Linear && !(p.unit_pair && p.rel == LinearRel::Eq))
            return rules & ~kWitness;
    }
    return rules;
}

}  // namespace

Refuter::Refuter(const Network& net, unsigned rules) : net_(net), rules_(rules_for(net, rules)) {}

// The rules that apply, found from the domains after the root propagation
// (the store stays within them), so that a problem that the root decides
// never pays for them.
void Refuter::prepare(const std::vector<Domain>& root) {
    queued_.assign(net_.propagators.size(), 0);
    skip_.assign(net_.propagators.size(), 0);
    if (rules_ == 0) return;
    if ((rules_ & kKnapsack) != 0) find_knapsacks(root);
    // Holes come only from Neq, AllDiff and the knapsack bound; without them
    // the store would repeat the search's own bounds.
    for (const Propagator& p : net_.propagators) {
        if (p.kind == PropKind::Neq && (rules_ & kForwardCheck) != 0) active_ = true;
        if (p.kind == PropKind::AllDiff && (rules_ & (kForwardCheck | kMatching)) != 0)
            active_ = true;
    }
    if (!knapsacks_.empty()) active_ = true;
    if ((rules_ & (kOverload | kEdgeFinding)) != 0) find_machines(root);
    if (!machine_starts_.empty()) active_ = true;
    if (active_ && (rules_ & kMatching) != 0) find_cliques(root);
    if (active_ && (rules_ & kDistinctSum) != 0) find_distinct_sums();
    if (active_ && (rules_ & kLineGroups) != 0 && !distinct_sum_.empty()) find_line_groups();
    if (active_) find_wakes();
    if (active_) find_permutations(root);
    if (active_) find_near(root);
    keyed_ = active_ && (rules_ & kForwardCheck) != 0 && (rules_ & kNogoods) != 0;
    for (const Propagator& p : net_.propagators) {
        keyed_ = keyed_ && (p.kind == PropKind::Neq ||
                            (p.kind == PropKind::AllDiff && p.end - p.begin <= kAllDiffPositions));
    }
    if (active_ && (rules_ & kLookahead) != 0) {
        std::vector<char> in(root.size(), 0);
        for (const Propagator& p : net_.propagators) {
            if (p.kind != PropKind::AllDiff) continue;
            for (std::size_t i = p.begin; i < p.end; ++i) in[net_.vars[i]] = 1;
        }
        for (const VarIndex x : clique_vars_) in[x] = 1;
        for (VarIndex x = 0; x < root.size(); ++x) {
            if (in[x] != 0) probe_vars_.push_back(x);
        }
    }
}

// A change of x wakes the rules that read it and that the store runs, in
// the order of the propagators, then its cliques: one list, built once,
// since most of x's Neqs may be inside cliques and skipped.
void Refuter::find_wakes() {
    const std::size_t n = net_.watch_begin.empty() ? 0 : net_.watch_begin.size() - 1;
    const auto first = static_cast<std::uint32_t>(net_.propagators.size());
    std::vector<std::vector<std::uint32_t>> cliques_of(n);
    for (std::size_t c = 0; c + 1 < clique_begin_.size(); ++c) {
        for (std::size_t i = clique_begin_[c]; i < clique_begin_[c + 1]; ++i)
            cliques_of[clique_vars_[i]].push_back(first + static_cast<std::uint32_t>(c));
    }
    std::vector<std::vector<std::uint32_t>> groups_of(n);
    for (std::size_t g = 0; g + 1 < group_begin_.size(); ++g) {
        for (std::size_t i = group_begin_[g]; i < group_begin_[g + 1]; ++i) {
            const Propagator& p = net_.propagators[group_lines_[i]];
            for (std::size_t j = p.begin; j < p.end; ++j)
                groups_of[net_.vars[j]].push_back(first_group_ + static_cast<std::uint32_t>(g));
        }
    }
    wake_begin_.assign(1, 0);
    wakes_.clear();
    for (VarIndex x = 0; x < n; ++x) {
        for (std::size_t i = net_.watch_begin[x]; i < net_.watch_begin[x + 1]; ++i) {
            if (skip_[net_.watches[i]] == 0) wakes_.push_back(net_.watches[i]);
        }
        wakes_.insert(wakes_.end(), cliques_of[x].begin(), cliques_of[x].end());
        wakes_.insert(wakes_.end(), groups_of[x].begin(), groups_of[x].end());
        wake_begin_.push_back(wakes_.size());
    }
}

void Refuter::find_near(const std::vector<Domain>& root) {
    near_.assign(queued_.size(), 0);
    std::size_t widest = 0;
    for (std::uint32_t k = 0; k < net_.propagators.size(); ++k) {
        const Propagator& p = net_.propagators[k];
        if (p.kind != PropKind::AllDiff || p.begin == p.end) continue;
        widest = std::max<std::size_t>(widest, p.end - p.begin);
        near_[k] = narrow_values(root, net_.vars.data() + p.begin, nullptr, p.end - p.begin);
    }
    near_zero_.assign(widest, 0);
    clique_near_.assign(clique_vars_.size(), 0);
    for (std::size_t c = 0; c + 1 < clique_begin_.size(); ++c) {
        const std::size_t b = clique_begin_[c];
        const std::size_t m = clique_begin_[c + 1] - b;
        const std::size_t k = net_.propagators.size() + c;
        near_[k] = narrow_values(root, clique_vars_.data() + b, clique_offsets_.data() + b, m);
        if (near_[k] == 0) continue;
        for (std::size_t i = b; i < b + m; ++i)
            clique_near_[i] = static_cast<std::int64_t>(clique_offsets_[i]);
    }
    // A kept matching for each of them.
    kept_at_.assign(near_.size(), 0);
    std::size_t at = 0;
    for (std::size_t k = 0; k < near_.size(); ++k) {
        if (near_[k] == 0) continue;
        kept_at_[k] = at;
        at += k < net_.propagators.size() ? net_.propagators[k].end - net_.propagators[k].begin
                                          : clique_begin_[k - net_.propagators.size() + 1] -
                                                clique_begin_[k - net_.propagators.size()];
    }
    kept_.assign(at, kNoValue);
}

void Refuter::find_permutations(const std::vector<Domain>& root) {
    const auto consider = [&](const VarIndex* vars, std::size_t m) {
        if (m < 2 || m > kAllDiffPositions) return;
        Wide lo = root[vars[0]].lo;
        Wide hi = root[vars[0]].hi;
        for (std::size_t i = 1; i < m; ++i) {
            lo = std::min<Wide>(lo, root[vars[i]].lo);
            hi = std::max<Wide>(hi, root[vars[i]].hi);
        }
        if (hi - lo + 1 != static_cast<Wide>(m)) return;
        const std::size_t begin = permutation_vars_.size();
        permutation_vars_.insert(permutation_vars_.end(), vars, vars + m);
        permutations_.push_back(
            Permutation{begin, permutation_vars_.size(), static_cast<std::int64_t>(lo)});
    };
    for (const Propagator& p : net_.propagators) {
        if (p.kind == PropKind::AllDiff) consider(net_.vars.data() + p.begin, p.end - p.begin);
    }
    for (std::size_t c = 0; c + 1 < clique_begin_.size(); ++c) {
        bool plain = true;
        for (std::size_t i = clique_begin_[c]; i < clique_begin_[c + 1] && plain; ++i)
            plain = clique_offsets_[i] == 0;
        if (plain)
            consider(clique_vars_.data() + clique_begin_[c],
                     clique_begin_[c + 1] - clique_begin_[c]);
    }
}

// Values that are pairwise unequal by Neq alone are all different too;
// checked as one, they get the matching that pairs of them never see. A Neq
// may meet a variable defined as another plus a constant (u = q + k, a unit
// sum), so it is read as one between views: x + a != y + b. A clique of
// views is grown from each pair that no earlier clique covers, taking of
// each later variable the view that keeps the most candidates open.
void Refuter::find_cliques(const std::vector<Domain>& root) {
    const std::size_t n = root.size();
    const auto small = [&](VarIndex x) { return Wide{root[x].hi} - root[x].lo < kAllDiffBits; };
    // u = base + offset, from the first unit sum that defines u by an
    // earlier variable.
    std::vector<VarIndex> base(n);
    std::vector<Wide> shift(n, 0);
    constexpr auto kNone = ~std::uint32_t{0};
    std::vector<std::uint32_t> defined_by(n, kNone);
    for (VarIndex x = 0; x < n; ++x) base[x] = x;
    for (const Propagator& p : net_.propagators) {
        if (p.kind != PropKind::Linear || !p.unit_pair || p.rel != LinearRel::Eq) continue;
        const std::int64_t c0 = net_.coeffs[p.begin];
        if (c0 == net_.coeffs[p.begin + 1]) continue;
        VarIndex u = net_.vars[p.begin];
        VarIndex q = net_.vars[p.begin + 1];
        Wide k = Wide{p.constant} * c0;  // u - q = k
        if (u < q) {
            std::swap(u, q);
            k = -k;
        }
        if (base[u] == u && base[q] == q && small(q)) {
            base[u] = q;
            shift[u] = k;
            defined_by[u] = static_cast<std::uint32_t>(&p - net_.propagators.data());
        }
    }
    struct Edge {
        VarIndex x, y;  // x < y: x != y + d
        Wide d;
        bool operator<(const Edge& o) const {
            return x != o.x ? x < o.x : (y != o.y ? y < o.y : d < o.d);
        }
        bool operator==(const Edge& o) const { return x == o.x && y == o.y && d == o.d; }
    };
    std::vector<Edge> edges;
    std::vector<std::pair<Edge, std::uint32_t>> neqs;  // and its propagator
    for (const Propagator& p : net_.propagators) {
        if (p.kind != PropKind::Neq) continue;
        const VarIndex a = net_.vars[p.begin];
        const VarIndex b = net_.vars[p.begin + 1];
        VarIndex x = base[a];
        VarIndex y = base[b];
        if (x == y || !small(x) || !small(y)) continue;
        // x + sa != y + sb
        Wide d = shift[b] - shift[a];
        if (x > y) {
            std::swap(x, y);
            d = -d;
        }
        edges.push_back(Edge{x, y, d});
        neqs.emplace_back(Edge{x, y, d}, static_cast<std::uint32_t>(&p - net_.propagators.data()));
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    const auto find = [&](VarIndex x, Wide ox, VarIndex y, Wide oy) -> std::ptrdiff_t {
        // x + ox != y + oy
        Edge e = x < y ? Edge{x, y, oy - ox} : Edge{y, x, ox - oy};
        const auto it = std::lower_bound(edges.begin(), edges.end(), e);
        return it != edges.end() && *it == e ? it - edges.begin() : -1;
    };
    std::vector<char> covered(edges.size(), 0);
    std::vector<std::pair<VarIndex, Wide>> members;
    std::vector<std::pair<VarIndex, Wide>> open;
    clique_begin_.push_back(0);
    for (std::size_t s = 0; s < edges.size() && clique_begin_.size() <= n; ++s) {
        if (covered[s] != 0) continue;
        const VarIndex x = edges[s].x;
        members.assign({{x, 0}, {edges[s].y, edges[s].d}});
        // The views of later variables that x's pairs offer.
        open.clear();
        for (std::size_t e = s + 1; e < edges.size() && edges[e].x == x; ++e) {
            if (edges[e].y != edges[s].y) open.emplace_back(edges[e].y, edges[e].d);
        }
        const auto fits = [&](const std::pair<VarIndex, Wide>& v) {
            for (std::size_t i = 1; i < members.size(); ++i) {
                if (members[i].first == v.first ||
                    find(members[i].first, members[i].second, v.first, v.second) < 0)
                    return false;
            }
            return true;
        };
        std::erase_if(open, [&](const auto& v) { return !fits(v); });
        while (!open.empty() && members.size() < kAllDiffPositions) {
            // Among the views of the lowest open variable, the one that
            // leaves the most views open.
            const VarIndex z = open.front().first;
            std::size_t best = 0;
            std::ptrdiff_t best_left = -1;
            for (std::size_t i = 0; i < open.size() && open[i].first == z; ++i) {
                std::ptrdiff_t left = 0;
                for (const auto& v : open) {
                    if (v.first != z && find(z, open[i].second, v.first, v.second) >= 0) ++left;
                }
                if (left > best_left) {
                    best_left = left;
                    best = i;
                }
            }
            const std::pair<VarIndex, Wide> chosen = open[best];
            members.push_back(chosen);
            std::erase_if(open, [&](const auto& v) {
                return v.first == z || find(z, chosen.second, v.first, v.second) < 0;
            });
        }
        if (members.size() < 3) continue;
        for (std::size_t i = 0; i < members.size(); ++i) {
            for (std::size_t j = i + 1; j < members.size(); ++j) {
                const std::ptrdiff_t e =
                    find(members[i].first, members[i].second, members[j].first, members[j].second);
                if (e >= 0) covered[static_cast<std::size_t>(e)] = 1;
            }
            clique_vars_.push_back(members[i].first);
            clique_offsets_.push_back(members[i].second);
        }
        clique_begin_.push_back(clique_vars_.size());
    }
    const std::size_t count = clique_begin_.size() - 1;
    if (count == 0) return;
    // A Neq inside a clique adds nothing to it, and neither does the unit
    // sum of a view that only such Neqs read: the store skips them.
    for (const auto& [e, k] : neqs) {
        if (covered[static_cast<std::size_t>(find(e.x, 0, e.y, e.d))] != 0) skip_[k] = 1;
    }
    for (VarIndex u = 0; u < n; ++u) {
        if (defined_by[u] == kNone) continue;
        bool read = false;
        for (std::size_t i = net_.watch_begin[u]; i < net_.watch_begin[u + 1] && !read; ++i) {
            const std::uint32_t k = net_.watches[i];
            read = k != defined_by[u] && skip_[k] == 0;
        }
        if (!read) {
            skip_[defined_by[u]] = 1;
            if (view_sum_.empty()) view_sum_.assign(n, kNoSum);
            view_sum_[u] = defined_by[u];
        }
    }
    queued_.resize(net_.propagators.size() + count, 0);
    skip_.resize(queued_.size(), 0);
}

// a - b + c o <= r over a 0/1 order o: for one value t of o it reads
// a + (c t - r) <= b, a before b by at least c t - r. Two such sums over the
// same a, b and o, one for each value of o and each order, keep a and b
// apart. Machines are grown from such pairs: each start joins the first
// machine all of whose starts it is kept apart from.
void Refuter::find_machines(const std::vector<Domain>& root) {
    struct Before {
        VarIndex a, b, o;
        std::int64_t t;  // the value of o that puts a first
        Wide gap;
    };
    std::vector<Before> found;
    std::vector<std::uint32_t> source;
    for (std::uint32_t k = 0; k < net_.propagators.size(); ++k) {
        const Propagator& p = net_.propagators[k];
        if (p.kind != PropKind::Linear || p.rel != LinearRel::Le || p.end - p.begin != 3 ||
            p.big_begin != p.end)
            continue;
        VarIndex a = 0, b = 0, o = 0;
        Wide c = 0;
        int roles = 0;
        for (std::size_t i = p.begin; i < p.end; ++i) {
            const VarIndex x = net_.vars[i];
            const std::int64_t ci = net_.coeffs[i];
            if (root[x].lo == 0 && root[x].hi == 1 && (roles & 4) == 0 && ci != 1 && ci != -1) {
                o = x;
                c = ci;
                roles |= 4;
            } else if (ci == 1 && (roles & 1) == 0) {
                a = x;
                roles |= 1;
            } else if (ci == -1 && (roles & 2) == 0) {
                b = x;
                roles |= 2;
            }
        }
        if (roles != 7 || a == b) continue;
        // For o = t: a - b <= r - c t.
        for (const std::int64_t t : {0, 1}) {
            const Wide gap = c * t - p.constant;
            if (gap > 0 && gap <= (Wide{1} << 62)) {
                found.push_back(Before{a, b, o, t, gap});
                source.push_back(k);
            }
        }
    }
    std::map<std::pair<VarIndex, VarIndex>, Wide> apart;  // a < b: both orders seen
    std::vector<std::uint32_t> pair_props;
    for (std::size_t i = 0; i < found.size(); ++i) {
        for (std::size_t j = i + 1; j < found.size(); ++j) {
            const Before& x = found[i];
            const Before& y = found[j];
            if (x.o != y.o || x.t == y.t || x.a != y.b || x.b != y.a) continue;
            const auto key = std::minmax(x.a, x.b);
            apart.emplace(key, 0);
            pair_props.push_back(source[i]);
            pair_props.push_back(source[j]);
        }
    }
    if (apart.empty()) return;
    // The least length of each start over its pairs.
    std::map<VarIndex, Wide> length;
    for (const Before& x : found) {
        if (apart.count(std::minmax(x.a, x.b)) == 0) continue;
        const auto it = length.find(x.a);
        if (it == length.end() || x.gap < it->second) length[x.a] = x.gap;
    }
    std::vector<std::vector<VarIndex>> machines;
    for (const auto& [x, len] : length) {
        bool placed = false;
        for (auto& m : machines) {
            const bool fits = std::all_of(m.begin(), m.end(), [&](VarIndex y) {
                return apart.count(std::minmax(x, y)) != 0;
            });
            if (fits) {
                m.push_back(x);
                placed = true;
                break;
            }
        }
        if (!placed) machines.push_back({x});
    }
    machine_of_.assign(net_.propagators.size(), -1);
    machine_begin_.push_back(0);
    std::vector<std::int32_t> at(root.size(), -1);
    for (const auto& m : machines) {
        if (m.size() < 3) continue;
        for (const VarIndex x : m) {
            at[x] = static_cast<std::int32_t>(machine_begin_.size() - 1);
            machine_starts_.push_back(x);
            machine_lengths_.push_back(length[x]);
        }
        machine_begin_.push_back(machine_starts_.size());
    }
    machine_dirty_.assign(machine_begin_.size() - 1, 0);
    for (std::size_t i = 0; i < pair_props.size(); ++i) {
        const Propagator& p = net_.propagators[pair_props[i]];
        for (std::size_t j = p.begin; j < p.end; ++j) {
            if (at[net_.vars[j]] >= 0) machine_of_[pair_props[i]] = at[net_.vars[j]];
        }
    }
}

// Operations that run one at a time: those that lie within a window
// [est, lct) need no more time than it has.
bool Refuter::run_machine(std::size_t m) {
    const std::size_t begin = machine_begin_[m];
    const std::size_t n = machine_begin_[m + 1] - begin;
    order_.resize(n);
    for (std::size_t i = 0; i < n; ++i) order_[i] = static_cast<std::uint32_t>(i);
    const auto est = [&](std::size_t i) { return Wide{doms_[machine_starts_[begin + i]].lo}; };
    const auto lct = [&](std::size_t i) {
        return Wide{doms_[machine_starts_[begin + i]].hi} + machine_lengths_[begin + i];
    };
    std::sort(order_.begin(), order_.end(),
              [&](std::uint32_t x, std::uint32_t y) { return lct(x) < lct(y); });
    for (std::size_t i = 0; i < n; ++i) {
        const Wide from = est(i);
        Wide busy = 0;
        for (const std::uint32_t j : order_) {
            if (est(j) < from) continue;
            busy += machine_lengths_[begin + j];
            if (busy > lct(j) - from) return false;
        }
    }
    return true;
}

// Both directions on one snapshot of the machine's bounds: each new bound
// holds for every solution below the node whatever the other moves.
bool Refuter::run_edge_finding(std::size_t m) {
    const std::size_t begin = machine_begin_[m];
    const std::size_t n = machine_begin_[m + 1] - begin;
    edge_scratch_.resize(7 * n);
    Wide* est = edge_scratch_.data();
    Wide* lct = est + n;
    Wide* bound = lct + n;
    Wide* scratch = bound + n;       // 2n
    Wide* mirror = scratch + 2 * n;  // 2n: -lct, -est
    const Wide* p = machine_lengths_.data() + begin;
    for (std::size_t i = 0; i < n; ++i) {
        const Dom& d = doms_[machine_starts_[begin + i]];
        est[i] = d.lo;
        lct[i] = Wide{d.hi} + p[i];
        mirror[i] = -lct[i];
        mirror[n + i] = -est[i];
    }
    order_.resize(n);
    for (std::size_t i = 0; i < n; ++i) order_[i] = static_cast<std::uint32_t>(i);
    std::sort(order_.begin(), order_.end(),
              [&](std::uint32_t x, std::uint32_t y) { return est[x] > est[y]; });
    std::copy(est, est + n, bound);
    edge_bounds(est, lct, p, order_.data(), n, bound, scratch);
    for (std::size_t i = 0; i < n; ++i) {
        if (bound[i] > est[i] && !raise(machine_starts_[begin + i], bound[i])) return false;
    }
    // The mirror: time runs backwards, so the latest ends become the earliest
    // starts.
    std::sort(order_.begin(), order_.end(),
              [&](std::uint32_t x, std::uint32_t y) { return mirror[x] > mirror[y]; });
    std::copy(mirror, mirror + n, bound);
    edge_bounds(mirror, mirror + n, p, order_.data(), n, bound, scratch);
    for (std::size_t i = 0; i < n; ++i) {
        if (bound[i] > mirror[i] && !lower(machine_starts_[begin + i], -bound[i] - p[i]))
            return false;
    }
    return true;
}

void Refuter::find_distinct_sums() {
    std::vector<std::vector<VarIndex>> sets;
    for (const Propagator& p : net_.propagators) {
        if (p.kind != PropKind::AllDiff || p.end - p.begin < 2) continue;
        sets.emplace_back(net_.vars.begin() + static_cast<std::ptrdiff_t>(p.begin),
                          net_.vars.begin() + static_cast<std::ptrdiff_t>(p.end));
        std::sort(sets.back().begin(), sets.back().end());
    }
    if (sets.empty()) return;
    distinct_sum_.assign(net_.propagators.size(), 0);
    for (std::size_t k = 0; k < net_.propagators.size(); ++k) {
        const Propagator& p = net_.propagators[k];
        if (p.kind != PropKind::Linear || p.big_begin != p.end || p.end - p.begin < 2) continue;
        bool same = true;
        for (std::size_t i = p.begin + 1; i < p.end && same; ++i)
            same = net_.coeffs[i] == net_.coeffs[p.begin];
        if (!same) continue;
        for (const auto& set : sets) {
            bool inside = true;
            for (std::size_t i = p.begin; i < p.end && inside; ++i)
                inside = std::binary_search(set.begin(), set.end(), net_.vars[i]);
            if (inside) {
                distinct_sum_[k] = 1;
                break;
            }
        }
    }
}

// Distinct sums over disjoint sets of one AllDiff's variables (the rows of a
// square, or its columns) are grown greedily, each from the first line that
// no group holds yet.
void Refuter::find_line_groups() {
    if (std::count(distinct_sum_.begin(), distinct_sum_.end(), 1) < 2) return;
    const std::size_t n = net_.watch_begin.size() - 1;
    std::vector<char> grouped(net_.propagators.size(), 0);
    std::vector<char> used(n, 0);
    std::vector<VarIndex> set;
    std::vector<std::uint32_t> lines;
    first_group_ = static_cast<std::uint32_t>(queued_.size());
    group_begin_.assign(1, 0);
    for (const Propagator& a : net_.propagators) {
        if (a.kind != PropKind::AllDiff || a.end - a.begin < 2) continue;
        set.assign(net_.vars.begin() + static_cast<std::ptrdiff_t>(a.begin),
                   net_.vars.begin() + static_cast<std::ptrdiff_t>(a.end));
        std::sort(set.begin(), set.end());
        const auto fits = [&](const Propagator& p) {
            for (std::size_t i = p.begin; i < p.end; ++i) {
                if (used[net_.vars[i]] != 0 ||
                    !std::binary_search(set.begin(), set.end(), net_.vars[i]))
                    return false;
            }
            return true;
        };
        const auto take = [&](std::uint32_t k, char mark) {
            const Propagator& p = net_.propagators[k];
            for (std::size_t i = p.begin; i < p.end; ++i) used[net_.vars[i]] = mark;
        };
        for (std::uint32_t k = 0; k < net_.propagators.size(); ++k) {
            if (distinct_sum_[k] == 0 || grouped[k] != 0 || !fits(net_.propagators[k])) continue;
            lines.assign(1, k);
            take(k, 1);
            for (std::uint32_t j = k + 1; j < net_.propagators.size() && lines.size() < kGroupLines;
                 ++j) {
                if (distinct_sum_[j] == 0 || grouped[j] != 0 || !fits(net_.propagators[j]))
                    continue;
                lines.push_back(j);
                take(j, 1);
            }
            for (const std::uint32_t j : lines) take(j, 0);
            if (lines.size() < 2) continue;
            for (const std::uint32_t j : lines) grouped[j] = 1;
            group_lines_.insert(group_lines_.end(), lines.begin(), lines.end());
            group_begin_.push_back(group_lines_.size());
        }
    }
    queued_.resize(first_group_ + group_begin_.size() - 1, 0);
    skip_.resize(queued_.size(), 0);
}

// Pairs of sums over the same 0/1 variables, one bounding nonnegative
// weights from above and one nonnegative values from below.
void Refuter::find_knapsacks(const std::vector<Domain>& root) {
    struct Form {
        std::uint32_t k;
        bool negate;
    };
    std::map<std::vector<VarIndex>, std::pair<std::vector<Form>, std::vector<Form>>> by_vars;
    for (std::uint32_t k = 0; k < net_.propagators.size(); ++k) {
        const Propagator& p = net_.propagators[k];
        if (p.kind != PropKind::Linear || p.big_begin != p.end || p.end - p.begin < 2) continue;
        bool binary = true;
        bool pos = true;
        bool neg = true;
        for (std::size_t i = p.begin; i < p.end; ++i) {
            const Domain d = root[net_.vars[i]];
            binary = binary && d.lo >= 0 && d.hi <= 1;
            pos = pos && net_.coeffs[i] > 0;
            neg = neg && net_.coeffs[i] < 0;
        }
        if (!binary || (!pos && !neg)) continue;
        std::vector<VarIndex> vars(net_.vars.begin() + static_cast<std::ptrdiff_t>(p.begin),
                                   net_.vars.begin() + static_cast<std::ptrdiff_t>(p.end));
        std::sort(vars.begin(), vars.end());
        auto& [caps, needs] = by_vars[vars];
        // sum c x <= rhs with c > 0 bounds weights; sum c x >= rhs bounds values.
        const bool le = p.rel != LinearRel::Ge;
        const bool ge = p.rel != LinearRel::Le;
        if ((le && pos) || (ge && neg)) caps.push_back(Form{k, neg});
        if ((ge && pos) || (le && neg)) needs.push_back(Form{k, neg});
    }
    knapsacks_of_.assign(net_.propagators.size(), {});
    for (const auto& [vars, forms] : by_vars) {
        for (const Form& cap : forms.first) {
            for (const Form& need : forms.second) {
                if (cap.k == need.k) continue;
                const Propagator& pc = net_.propagators[cap.k];
                const Propagator& pv = net_.propagators[need.k];
                Knapsack s{cap.k,
                           need.k,
                           cap.negate ? -Wide{pc.constant} : Wide{pc.constant},
                           need.negate ? -Wide{pv.constant} : Wide{pv.constant},
                           {},
                           {},
                           {}};
                std::map<VarIndex, std::int64_t> value;
                for (std::size_t i = pv.begin; i < pv.end; ++i)
                    value[net_.vars[i]] = need.negate ? -net_.coeffs[i] : net_.coeffs[i];
                std::vector<std::pair<std::int64_t, VarIndex>> items;
                for (std::size_t i = pc.begin; i < pc.end; ++i)
                    items.emplace_back(cap.negate ? -net_.coeffs[i] : net_.coeffs[i], net_.vars[i]);
                // Best value per weight first.
                std::sort(items.begin(), items.end(), [&](const auto& a, const auto& b) {
                    return Wide{value[a.second]} * b.first > Wide{value[b.second]} * a.first;
                });
                for (const auto& [w, x] : items) {
                    s.items.push_back(x);
                    s.weight.push_back(w);
                    s.value.push_back(value[x]);
                }
                const auto at = static_cast<std::uint32_t>(knapsacks_.size());
                knapsacks_of_[cap.k].push_back(at);
                knapsacks_of_[need.k].push_back(at);
                knapsacks_.push_back(std::move(s));
            }
        }
    }
}

bool Refuter::start(const std::vector<Domain>& domains, bool full) {
    prepare(domains);
    if (!active_) return true;
    doms_.assign(domains.size(), Dom{});
    bits_.clear();
    for (VarIndex x = 0; x < domains.size(); ++x) {
        Dom& d = doms_[x];
        d.lo = domains[x].lo;
        d.hi = domains[x].hi;
        const Wide width = Wide{d.hi} - d.lo + 1;
        if (width <= 1 || width > kMaxBits) continue;
        d.base = d.lo;
        d.at = static_cast<std::uint32_t>(bits_.size());
        d.words = static_cast<std::uint32_t>((width + 63) / 64);
        bits_.resize(bits_.size() + d.words, ~std::uint64_t{0});
    }
    stamp_.assign(domains.size(), 0);
    trail_.clear();
    saved_bits_.clear();
    for (std::uint32_t k = 0; k < queued_.size(); ++k) {
        if (skip_[k] != 0) continue;
        queued_[k] = 1;
        queue_.push_back(k);
    }
    return full ? propagate() : propagate(queued_.size());
}

void Refuter::undo_to(std::size_t mark) {
    while (trail_.size() > mark) {
        const Saved& s = trail_.back();
        Dom& d = doms_[s.x];
        d.lo = s.lo;
        d.hi = s.hi;
        std::copy(saved_bits_.begin() + static_cast<std::ptrdiff_t>(s.bits_at),
                  saved_bits_.begin() + static_cast<std::ptrdiff_t>(s.bits_at + d.words),
                  bits_.begin() + d.at);
        saved_bits_.resize(s.bits_at);
        trail_.pop_back();
    }
}

bool Refuter::narrow(VarIndex x, const Domain& d) {
    return raise(x, d.lo) && lower(x, d.hi);
}

// Stopping after `budget` runs only leaves values in, which proves nothing
// either way.
bool Refuter::propagate(std::uint64_t budget) {
    budget += runs_;
    bool ok = drain(budget);
    // The overload check only reads the domains, and narrower ones fail it
    // sooner: once per machine, on the domains the queue left, is enough.
    // Edge finding narrows starts, whose sums then run again.
    while (ok && !dirty_machines_.empty()) {
        machines_.swap(dirty_machines_);
        for (const std::size_t m : machines_) {
            machine_dirty_[m] = 0;
            if (ok && (rules_ & kOverload) != 0 && !run_machine(m)) ok = false;
            if (ok && (rules_ & kEdgeFinding) != 0) {
                if (runs_ >= budget) {
                    settled_ = false;
                } else {
                    ++runs_;
                    if (!run_edge_finding(m)) ok = false;
                }
            }
        }
        machines_.clear();
        if (!ok || queue_.empty()) break;
        ok = drain(budget);
    }
    for (const std::size_t m : dirty_machines_) machine_dirty_[m] = 0;
    dirty_machines_.clear();
    drop_queue();
    return ok;
}

// Runs the queue until it empties, a rule fails or `budget` runs are spent
// (the rest is dropped).
bool Refuter::drain(std::uint64_t budget) {
    bool ok = true;
    while (queue_head_ < queue_.size()) {
        const std::uint32_t k = queue_[queue_head_++];
        queued_[k] = 0;
        if (runs_ >= budget) {
            settled_ = false;
            continue;
        }
        ++runs_;
        if (!run(k)) {
            ok = false;
            break;
        }
    }
    for (std::size_t i = queue_head_; i < queue_.size(); ++i) queued_[queue_[i]] = 0;
    queue_.clear();
    queue_head_ = 0;
    return ok;
}

void Refuter::drop_queue() {
    for (std::size_t i = queue_head_; i < queue_.size(); ++i) queued_[queue_[i]] = 0;
    queue_.clear();
    queue_head_ = 0;
}

// A trial runs the AllDiffs without their value filtering, which seldom
// fails a trial that the matching alone lets through and costs most of it.
bool Refuter::look_ahead() {
    if (probe_vars_.empty()) return true;
    for (const VarIndex x : probe_vars_) {
        const Dom& d = doms_[x];
        if (d.lo == d.hi || size(x, kProbeSize + 1) > kProbeSize) continue;
        for (Wide v = d.lo; v <= doms_[x].hi; v = next_value(x, v + 1)) {
            const std::size_t mark = trail_.size();
            ++node_;
            probing_ = true;
            const bool settled = settled_;
            const bool ok = raise(x, v) && lower(x, v) && propagate();
            settled_ = settled;
            probing_ = false;
            if (!ok) drop_queue();
            undo_to(mark);
            ++node_;
            if (ok) continue;
            if (!remove(x, v) || !propagate()) {
                drop_queue();
                return false;
            }
        }
    }
    return true;
}

// A trial keeps the node's own settled state: its key is taken before.
template <class Narrow>
bool Refuter::trial_step(Narrow narrow) {
    ++node_;
    const bool settled = settled_;
    probing_ = true;
    const bool ok = narrow() && propagate();
    probing_ = false;
    settled_ = settled;
    if (!ok) drop_queue();
    return ok;
}

bool Refuter::trial(VarIndex x, Wide v, bool exclude) {
    return exclude ? trial_step([&] { return remove(x, v); }) : trial_within(x, v, v);
}

bool Refuter::trial_within(VarIndex x, Wide lo, Wide hi) {
    return trial_step([&] { return raise(x, lo) && lower(x, hi); });
}

// ---- the store ----------------------------------------------------------

void Refuter::key(std::vector<std::uint64_t>& out) const {
    out.clear();
    for (VarIndex x = 0; x < doms_.size(); ++x) {
        const Dom& d = doms_[x];
        if (d.lo == d.hi) continue;
        out.push_back(x);
        append_domain(x, out);
    }
}

void Refuter::append_domain(VarIndex x, std::vector<std::uint64_t>& out) const {
    const Dom& d = doms_[x];
    out.push_back(static_cast<std::uint64_t>(d.lo));
    out.push_back(static_cast<std::uint64_t>(d.hi));
    if (d.words == 0 || d.lo == d.hi) return;
    for (Wide v0 = d.lo; v0 <= d.hi; v0 += 64) out.push_back(window(x, v0));
}

// By the words of the bits: the ends of the domain need not be word-aligned.
Wide Refuter::size(VarIndex x, Wide cap) const {
    const Dom& d = doms_[x];
    if (d.words == 0) return std::min<Wide>(Wide{d.hi} - d.lo + 1, cap);
    const auto first = static_cast<std::size_t>(d.lo - d.base);
    const auto last = static_cast<std::size_t>(d.hi - d.base);
    const std::uint64_t* w = bits_.data() + d.at;
    std::size_t q = first / 64;
    const std::size_t end = last / 64;
    if (q == end)
        return std::min<Wide>(
            popcount(w[q] & bit_range(static_cast<int>(first % 64), static_cast<int>(last % 64))),
            cap);
    Wide n = popcount(w[q] & (~std::uint64_t{0} << (first % 64)));
    for (++q; q < end && n < cap; ++q) n += popcount(w[q]);
    if (q == end) n += popcount(w[end] & bit_range(0, static_cast<int>(last % 64)));
    return std::min(n, cap);
}

std::uint64_t Refuter::word(const Dom& d, std::int64_t q) const {
    return q < 0 || q >= d.words ? 0 : bits_[d.at + static_cast<std::size_t>(q)];
}

std::uint64_t Refuter::window(VarIndex x, Wide v0) const {
    const Dom& d = doms_[x];
    const Wide lo = std::max<Wide>(d.lo, v0);
    const Wide hi = std::min<Wide>(d.hi, v0 + 63);
    if (lo > hi) return 0;
    const std::uint64_t range = bit_range(static_cast<int>(lo - v0), static_cast<int>(hi - v0));
    if (d.words == 0) return range;
    // Here v0 lies within 63 of the domain, whose bits span at most kMaxBits.
    const auto o = static_cast<std::int64_t>(v0 - d.base);
    const std::int64_t q = o >> 6;
    const int r = static_cast<int>(o & 63);
    std::uint64_t w = word(d, q) >> r;
    if (r != 0) w |= word(d, q + 1) << (64 - r);
    return w & range;
}

bool Refuter::contains(VarIndex x, Wide v) const {
    const Dom& d = doms_[x];
    if (v < d.lo || v > d.hi) return false;
    if (d.words == 0) return true;
    const auto o = static_cast<std::size_t>(v - d.base);
    return ((bits_[d.at + o / 64] >> (o % 64)) & 1) != 0;
}

Wide Refuter::next_value(VarIndex x, Wide v) const {
    const Dom& d = doms_[x];
    if (v < d.lo) v = d.lo;
    if (v > d.hi) return Wide{d.hi} + 1;
    if (d.words == 0) return v;
    // hi is held, so the scan ends by it.
    auto o = static_cast<std::size_t>(v - d.base);
    std::size_t q = o / 64;
    std::uint64_t w = bits_[d.at + q] & (~std::uint64_t{0} << (o % 64));
    while (w == 0) w = bits_[d.at + ++q];
    return d.base + static_cast<Wide>(q * 64 + static_cast<std::size_t>(__builtin_ctzll(w)));
}

Wide Refuter::prev_value(VarIndex x, Wide v) const {
    const Dom& d = doms_[x];
    if (v > d.hi) v = d.hi;
    if (v < d.lo) return Wide{d.lo} - 1;
    if (d.words == 0) return v;
    auto o = static_cast<std::size_t>(v - d.base);
    std::size_t q = o / 64;
    const unsigned r = static_cast<unsigned>(o % 64);
    std::uint64_t w = bits_[d.at + q] & (r == 63 ? ~std::uint64_t{0} : (std::uint64_t{2} << r) - 1);
    while (w == 0) w = bits_[d.at + --q];
    return d.base + static_cast<Wide>(q * 64 + 63 - static_cast<std::size_t>(__builtin_clzll(w)));
}

void Refuter::record(VarIndex x) {
    if (stamp_[x] == node_) return;
    stamp_[x] = node_;
    const Dom& d = doms_[x];
    trail_.push_back(Saved{x, d.lo, d.hi, saved_bits_.size()});
    saved_bits_.insert(saved_bits_.end(), bits_.begin() + d.at, bits_.begin() + d.at + d.words);
}

void Refuter::changed(VarIndex x) {
    for (std::size_t i = wake_begin_[x]; i < wake_begin_[x + 1]; ++i) {
        const std::uint32_t k = wakes_[i];
        if (queued_[k]) continue;
        queued_[k] = 1;
        queue_.push_back(k);
    }
}

bool Refuter::raise(VarIndex x, Wide v) {
    Dom& d = doms_[x];
    if (v <= d.lo) return true;
    if (v > d.hi) return false;
    record(x);
    d.lo = static_cast<std::int64_t>(next_value(x, v));
    changed(x);
    return true;
}

bool Refuter::lower(VarIndex x, Wide v) {
    Dom& d = doms_[x];
    if (v >= d.hi) return true;
    if (v < d.lo) return false;
    record(x);
    d.hi = static_cast<std::int64_t>(prev_value(x, v));
    changed(x);
    return true;
}

bool Refuter::remove(VarIndex x, Wide v) {
    Dom& d = doms_[x];
    if (!contains(x, v)) return true;
    if (d.lo == d.hi) return false;
    if (d.words == 0) {
        if (v == d.lo) return raise(x, v + 1);
        if (v == d.hi) return lower(x, v - 1);
        return true;
    }
    record(x);
    const auto o = static_cast<std::size_t>(v - d.base);
    bits_[d.at + o / 64] &= ~(std::uint64_t{1} << (o % 64));
    if (v == d.lo) d.lo = static_cast<std::int64_t>(next_value(x, v + 1));
    if (v == d.hi) d.hi = static_cast<std::int64_t>(prev_value(x, v - 1));
    changed(x);
    return true;
}

bool Refuter::keep(VarIndex x, Wide v0, std::uint64_t keep) {
    const std::uint64_t gone = window(x, v0) & ~keep;
    if (gone == 0) return true;
    Dom& d = doms_[x];
    if (d.words == 0) {
        // Only runs at the ends can go.
        Wide lo = d.lo;
        while (lo <= d.hi && lo - v0 < 64 && lo >= v0 && ((gone >> (lo - v0)) & 1) != 0) ++lo;
        Wide hi = d.hi;
        while (hi >= lo && hi >= v0 && hi - v0 < 64 && ((gone >> (hi - v0)) & 1) != 0) --hi;
        return raise(x, lo) && lower(x, hi);
    }
    record(x);
    const Wide o = v0 - d.base;
    const Wide q = floor_div(o, 64);
    const int r = static_cast<int>(o - 64 * q);
    if (q >= 0) bits_[d.at + static_cast<std::size_t>(q)] &= ~(gone << r);
    if (r != 0 && q + 1 < d.words)
        bits_[d.at + static_cast<std::size_t>(q + 1)] &= ~(gone >> (64 - r));
    changed(x);
    return refit(x);
}

// After bits were cleared: lo and hi on held values again, or empty.
bool Refuter::refit(VarIndex x) {
    Dom& d = doms_[x];
    const auto held = [&](Wide v) {
        const auto o = static_cast<std::size_t>(v - d.base);
        return ((bits_[d.at + o / 64] >> (o % 64)) & 1) != 0;
    };
    if (!held(d.lo)) {
        // Scan by words: the upper end may be gone too.
        auto o = static_cast<std::size_t>(d.lo - d.base);
        const auto last = static_cast<std::size_t>(d.hi - d.base);
        std::size_t q = o / 64;
        std::uint64_t w = bits_[d.at + q] & (~std::uint64_t{0} << (o % 64));
        while (w == 0 && q < last / 64) w = bits_[d.at + ++q];
        if (w == 0) return false;
        o = q * 64 + static_cast<std::size_t>(__builtin_ctzll(w));
        if (o > last) return false;
        d.lo = static_cast<std::int64_t>(d.base + static_cast<Wide>(o));
    }
    if (!held(d.hi)) d.hi = static_cast<std::int64_t>(prev_value(x, d.hi));
    return true;
}

bool Refuter::follow(VarIndex x, VarIndex y, Wide off, bool flip) {
    const Dom& d = doms_[x];
    if (!flip) {
        if (d.words == 0) {
            const Wide lo = next_value(y, Wide{d.lo} - off);
            const Wide hi = prev_value(y, Wide{d.hi} - off);
            return raise(x, lo + off) && lower(x, hi + off);
        }
        const std::int64_t base = d.base;
        const Wide first = floor_div(Wide{d.lo} - base, 64);
        const Wide last = floor_div(Wide{d.hi} - base, 64);
        for (Wide q = first; q <= last; ++q) {
            const Wide v0 = base + 64 * q;
            if (!keep(x, v0, window(y, v0 - off))) return false;
        }
        return true;
    }
    if (d.words == 0) {
        const Wide w_hi = prev_value(y, off - d.lo);
        const Wide w_lo = next_value(y, off - d.hi);
        if (w_hi < doms_[y].lo || w_lo > doms_[y].hi) return false;
        return raise(x, off - w_hi) && lower(x, off - w_lo);
    }
    for (Wide v = d.lo; v <= doms_[x].hi; v = next_value(x, v + 1)) {
        if (!contains(y, off - v) && !remove(x, v)) return false;
    }
    return true;
}

// ---- the rules ----------------------------------------------------------

bool Refuter::run(std::uint32_t k) {
    if (k >= net_.propagators.size()) {
        if (!group_lines_.empty() && k >= first_group_) return run_line_group(k - first_group_);
        const std::size_t c = k - net_.propagators.size();
        return run_all_diff(clique_vars_.data() + clique_begin_[c],
                            clique_offsets_.data() + clique_begin_[c],
                            near_[k] != 0 ? clique_near_.data() + clique_begin_[c] : nullptr,
                            near_[k] != 0 ? kept_.data() + kept_at_[k] : nullptr,
                            clique_begin_[c + 1] - clique_begin_[c]);
    }
    const Propagator& p = net_.propagators[k];
    if (p.begin == p.end) return true;
    const VarIndex a = net_.vars[p.begin];
    const VarIndex b = p.end - p.begin >= 2 ? net_.vars[p.begin + 1] : a;
    const bool sums = (rules_ & kSumHoles) != 0;
    switch (p.kind) {
        case PropKind::Eq:
            return !sums || a == b || (follow(a, b, 0, false) && follow(b, a, 0, false));
        case PropKind::Neq:
            return (rules_ & kForwardCheck) == 0 || a == b || run_neq(a, b);
        case PropKind::Lt:
            return !sums || a == b ||
                   (lower(a, Wide{doms_[b].hi} - 1) && raise(b, Wide{doms_[a].lo} + 1));
        case PropKind::Le:
            return !sums || a == b ||
                   (lower(a, Wide{doms_[b].hi} + p.constant) &&
                    raise(b, Wide{doms_[a].lo} - p.constant));
        case PropKind::Linear:
            if (p.big_begin != p.end) return true;
            if (sums && !run_linear(p)) return false;
            if (!distinct_sum_.empty() && distinct_sum_[k] != 0 && !run_distinct_sum(p))
                return false;
            if (!distinct_sum_.empty() && distinct_sum_[k] != 0 && p.rel == LinearRel::Eq &&
                (rules_ & kLineGroups) != 0 && !run_completion(p))
                return false;
            if (!machine_of_.empty() && machine_of_[k] >= 0) {
                const auto m = static_cast<std::size_t>(machine_of_[k]);
                if (machine_dirty_[m] == 0) {
                    machine_dirty_[m] = 1;
                    dirty_machines_.push_back(m);
                }
            }
            if (!knapsacks_of_.empty()) {
                for (const std::uint32_t s : knapsacks_of_[k]) {
                    if (!run_knapsack(knapsacks_[s])) return false;
                }
            }
            return true;
        case PropKind::AllDiff:
            return run_all_diff(
                net_.vars.data() + p.begin, nullptr, near_[k] != 0 ? near_zero_.data() : nullptr,
                near_[k] != 0 ? kept_.data() + kept_at_[k] : nullptr, p.end - p.begin);
    }
    return true;
}

bool Refuter::run_neq(VarIndex a, VarIndex b) {
    if (doms_[a].lo == doms_[a].hi && !remove(b, doms_[a].lo)) return false;
    if (doms_[b].lo == doms_[b].hi && !remove(a, doms_[b].lo)) return false;
    return true;
}

bool Refuter::run_linear(const Propagator& p) {
    const std::int64_t* c = net_.coeffs.data();
    const VarIndex* v = net_.vars.data();
    if (p.unit_pair && p.rel == LinearRel::Eq) {
        // c0 x + c1 y = r with unit coefficients: y is a shift or a mirror of x.
        const VarIndex x = v[p.begin];
        const VarIndex y = v[p.begin + 1];
        const Wide r = Wide{p.constant} * c[p.begin];
        if (c[p.begin] != c[p.begin + 1]) return follow(x, y, r, false) && follow(y, x, -r, false);
        return follow(x, y, r, true) && follow(y, x, r, true);
    }
    Wide least = 0;
    Wide most = 0;
    for (std::size_t i = p.begin; i < p.end; ++i) {
        const Dom& d = doms_[v[i]];
        const Wide lo = Wide{c[i]} * (c[i] > 0 ? d.lo : d.hi);
        const Wide hi = Wide{c[i]} * (c[i] > 0 ? d.hi : d.lo);
        if (__builtin_add_overflow(least, lo, &least) || __builtin_add_overflow(most, hi, &most))
            return true;
    }
    const Wide rhs = p.constant;
    for (std::size_t i = p.begin; i < p.end; ++i) {
        const Dom& d = doms_[v[i]];
        const Wide ci = c[i];
        const Wide lo = ci * (ci > 0 ? d.lo : d.hi);
        const Wide hi = ci * (ci > 0 ? d.hi : d.lo);
        // What the other terms leave for this one; a bound past 128 bits
        // is left out.
        Wide others;
        Wide room;
        if (p.rel != LinearRel::Ge && !__builtin_sub_overflow(least, lo, &others) &&
            !__builtin_sub_overflow(rhs, others, &room) && room != kLeast) {
            // ci x <= room
            if (ci > 0 ? !lower(v[i], floor_div(room, ci)) : !raise(v[i], ceil_div(room, ci)))
                return false;
        }
        if (p.rel != LinearRel::Le && !__builtin_sub_overflow(most, hi, &others) &&
            !__builtin_sub_overflow(rhs, others, &room) && room != kLeast) {
            // ci x >= room
            if (ci > 0 ? !raise(v[i], ceil_div(room, ci)) : !lower(v[i], floor_div(room, ci)))
                return false;
        }
    }
    return true;
}

// c (x1 + ... + xk) rel r with the x pairwise different: the unfixed ones
// take as many different values of their joint domain, so their sum lies
// between the sum of its least and of its greatest values; and each one is
// bounded by what the least and the greatest values leave for the others.
bool Refuter::run_distinct_sum(const Propagator& p) {
    const VarIndex* v = net_.vars.data();
    Wide fixed = 0;
    Wide base = 0;
    Wide top = 0;
    std::size_t open = 0;
    for (std::size_t i = p.begin; i < p.end; ++i) {
        const Dom& d = doms_[v[i]];
        if (d.lo == d.hi) {
            fixed += d.lo;
            continue;
        }
        base = open == 0 ? Wide{d.lo} : std::min<Wide>(base, d.lo);
        top = open == 0 ? Wide{d.hi} : std::max<Wide>(top, d.hi);
        ++open;
    }
    if (open == 0 || top - base + 1 > kAllDiffBits) return true;
    // lo <= x1 + ... + xk <= hi
    const Wide c = net_.coeffs[p.begin];
    const Wide r = p.constant;
    const bool le = p.rel != LinearRel::Ge;
    const bool ge = p.rel != LinearRel::Le;
    const bool has_hi = c > 0 ? le : ge;
    const bool has_lo = c > 0 ? ge : le;
    const Wide hi = has_hi ? floor_div(r, c) - fixed : 0;
    const Wide lo = has_lo ? ceil_div(r, c) - fixed : 0;
    std::uint64_t joint[kAllDiffBits / 64] = {};
    const auto words = static_cast<std::size_t>((top - base + 64) / 64);
    for (std::size_t i = p.begin; i < p.end; ++i) {
        if (doms_[v[i]].lo == doms_[v[i]].hi) continue;
        for (std::size_t w = 0; w < words; ++w) joint[w] |= window(v[i], base + 64 * Wide(w));
    }
    // The sums of the `open` least and greatest values, and of one fewer.
    Wide least = 0;
    Wide least_but_one = 0;
    std::size_t n = 0;
    for (std::size_t w = 0; w < words && n < open; ++w) {
        for (std::uint64_t bits = joint[w]; bits != 0 && n < open; bits &= bits - 1, ++n) {
            least_but_one = least;
            least += base + 64 * Wide(w) + __builtin_ctzll(bits);
        }
    }
    if (n < open) return false;
    Wide most = 0;
    Wide most_but_one = 0;
    n = 0;
    for (std::size_t w = words; w-- > 0 && n < open;) {
        for (std::uint64_t bits = joint[w]; bits != 0 && n < open; ++n) {
            const int b = 63 - __builtin_clzll(bits);
            bits &= ~(std::uint64_t{1} << b);
            most_but_one = most;
            most += base + 64 * Wide(w) + b;
        }
    }
    if ((has_hi && least > hi) || (has_lo && most < lo)) return false;
    for (std::size_t i = p.begin; i < p.end; ++i) {
        if (doms_[v[i]].lo == doms_[v[i]].hi) continue;
        if (has_hi && !lower(v[i], hi - least_but_one)) return false;
        if (has_lo && !raise(v[i], lo - most_but_one)) return false;
    }
    return true;
}

// c (x1 + ... + xk) = r with the x pairwise different and two or three of
// them unfixed: a value of one stays only if the others can complete the
// sum with values of theirs, all different. Bounds miss the holes that
// the values taken elsewhere leave.
bool Refuter::run_completion(const Propagator& p) {
    const VarIndex* v = net_.vars.data();
    VarIndex open[3];
    std::size_t k = 0;
    Wide fixed = 0;
    for (std::size_t i = p.begin; i < p.end; ++i) {
        const Dom& d = doms_[v[i]];
        if (d.lo == d.hi) {
            fixed += d.lo;
            continue;
        }
        if (k == 3) return true;
        open[k++] = v[i];
    }
    if (k < 2) return true;
    const Wide c = net_.coeffs[p.begin];
    const Wide r = p.constant;
    if (floor_div(r, c) != ceil_div(r, c)) return false;
    const Wide need = floor_div(r, c) - fixed;
    if (k == 2) {
        const VarIndex x = open[0];
        const VarIndex y = open[1];
        if (!follow(x, y, need, true) || !follow(y, x, need, true)) return false;
        return floor_div(need, 2) != ceil_div(need, 2) ||
               (remove(x, floor_div(need, 2)) && remove(y, floor_div(need, 2)));
    }
    for (std::size_t t = 0; t < 3; ++t) {
        const VarIndex x = open[t];
        const VarIndex y = open[(t + 1) % 3];
        const VarIndex z = open[(t + 2) % 3];
        for (Wide a = doms_[x].lo; a <= doms_[x].hi; a = next_value(x, a + 1)) {
            // b + c = need - a, b != c, neither a.
            const Wide rest = need - a;
            bool held = false;
            const Wide last = std::min<Wide>(doms_[y].hi, rest - doms_[z].lo);
            for (Wide b = next_value(y, rest - doms_[z].hi); b <= last && !held;
                 b = next_value(y, b + 1))
                held = b != a && rest - b != a && rest - b != b && contains(z, rest - b);
            if (!held && !remove(x, a)) return false;
        }
    }
    return true;
}

// Lines of a group that share no variable, each with the sum its unfixed
// variables still need: any set R of them takes as many distinct values as
// it has unfixed variables, all from the values that the group's unfixed
// variables can take, so R's need lies between the sums of that many least
// and greatest of those values; and one variable of R is bounded by R's need
// less the least or greatest values of the others. Lines that need much (or
// little) together fail where each alone still fits.
bool Refuter::run_line_group(std::size_t g) {
    const VarIndex* v = net_.vars.data();
    const std::size_t first = group_begin_[g];
    const std::size_t count = group_begin_[g + 1] - first;
    // By line: its need's bounds and its unfixed variables; then the sums
    // of the least and of the greatest values, by how many.
    Wide need_lo[kGroupLines];
    Wide need_hi[kGroupLines];
    std::size_t open[kGroupLines];
    std::size_t lines[kGroupLines];  // those with unfixed variables
    std::size_t live = 0;
    std::size_t total = 0;
    Wide base = 0;
    Wide top = -1;
    for (std::size_t l = 0; l < count; ++l) {
        const Propagator& p = net_.propagators[group_lines_[first + l]];
        Wide fixed = 0;
        open[l] = 0;
        for (std::size_t i = p.begin; i < p.end; ++i) {
            const Dom& d = doms_[v[i]];
            if (d.lo == d.hi) {
                fixed += d.lo;
                continue;
            }
            base = total == 0 ? Wide{d.lo} : std::min<Wide>(base, d.lo);
            top = total == 0 ? Wide{d.hi} : std::max<Wide>(top, d.hi);
            ++open[l];
            ++total;
        }
        const Wide c = net_.coeffs[p.begin];
        const Wide r = p.constant;
        const bool le = p.rel != LinearRel::Ge;
        const bool ge = p.rel != LinearRel::Le;
        need_hi[l] = (c > 0 ? le : ge) ? floor_div(r, c) - fixed : kNoNeed;
        need_lo[l] = (c > 0 ? ge : le) ? ceil_div(r, c) - fixed : -kNoNeed;
        if (open[l] == 0) {
            if (need_lo[l] > 0 || need_hi[l] < 0) return false;
            continue;
        }
        lines[live++] = l;
    }
    if (live < 2 || top - base + 1 > kAllDiffBits) return true;
    std::uint64_t joint[kAllDiffBits / 64] = {};
    const auto words = static_cast<std::size_t>((top - base + 64) / 64);
    for (std::size_t k = 0; k < live; ++k) {
        const Propagator& p = net_.propagators[group_lines_[first + lines[k]]];
        for (std::size_t i = p.begin; i < p.end; ++i) {
            if (doms_[v[i]].lo == doms_[v[i]].hi) continue;
            for (std::size_t w = 0; w < words; ++w) joint[w] |= window(v[i], base + 64 * Wide(w));
        }
    }
    std::vector<Wide>& least = group_scratch_;
    least.assign(1, 0);
    for (std::size_t w = 0; w < words; ++w) {
        for (std::uint64_t bits = joint[w]; bits != 0; bits &= bits - 1)
            least.push_back(least.back() + base + 64 * Wide(w) + __builtin_ctzll(bits));
    }
    const std::size_t values = least.size() - 1;
    if (values < total) return false;
    // The m greatest values sum to all less the values - m least.
    const auto most = [&](std::size_t m) { return least[values] - least[values - m]; };
    Wide cell_lo[kGroupLines];
    Wide cell_hi[kGroupLines];
    std::fill(cell_lo, cell_lo + live, -kNoNeed);
    std::fill(cell_hi, cell_hi + live, kNoNeed);
    struct Sum {
        Wide lo, hi;
        std::size_t m;
    };
    Sum sums[std::size_t{1} << kGroupLines];
    sums[0] = Sum{0, 0, 0};
    for (std::size_t s = 1; s < (std::size_t{1} << live); ++s) {
        const auto j = static_cast<std::size_t>(__builtin_ctzll(s));
        const Sum& rest = sums[s & (s - 1)];
        Sum& u = sums[s];
        u = Sum{rest.lo + need_lo[lines[j]], rest.hi + need_hi[lines[j]], rest.m + open[lines[j]]};
        if (least[u.m] > u.hi || most(u.m) < u.lo) return false;
        const Wide hi = u.hi - least[u.m - 1];
        const Wide lo = u.lo - most(u.m - 1);
        for (std::size_t b = s; b != 0; b &= b - 1) {
            const auto i = static_cast<std::size_t>(__builtin_ctzll(b));
            cell_hi[i] = std::min(cell_hi[i], hi);
            cell_lo[i] = std::max(cell_lo[i], lo);
        }
    }
    for (std::size_t k = 0; k < live; ++k) {
        const Propagator& p = net_.propagators[group_lines_[first + lines[k]]];
        for (std::size_t i = p.begin; i < p.end; ++i) {
            if (doms_[v[i]].lo == doms_[v[i]].hi) continue;
            if (!raise(v[i], cell_lo[k]) || !lower(v[i], cell_hi[k])) return false;
        }
    }
    return true;
}

// The fractional relaxation: the best value packed within the capacity
// left, items taken whole by value per weight and the last one in part.
bool Refuter::run_knapsack(const Knapsack& s) {
    Wide room = s.capacity;
    Wide need = s.need;
    for (std::size_t i = 0; i < s.items.size(); ++i) {
        const Dom& d = doms_[s.items[i]];
        if (d.lo == 1) {
            room -= s.weight[i];
            need -= s.value[i];
        }
    }
    if (room < 0) return false;
    for (std::size_t i = 0; i < s.items.size() && need > 0; ++i) {
        const Dom& d = doms_[s.items[i]];
        if (d.lo != 0 || d.hi != 1) continue;
        if (s.weight[i] <= room) {
            room -= s.weight[i];
            need -= s.value[i];
        } else {
            need -= floor_div(Wide{s.value[i]} * room, s.weight[i]);
            break;
        }
    }
    return need <= 0;
}

// Whether every value of x + off, for x in `vars` with the domains of
// `root`, and the offsets, lie within 2^60: then sums of a value and an
// offset and their differences fit in 64 bits.
bool Refuter::narrow_values(const std::vector<Domain>& root, const VarIndex* vars,
                            const Wide* offsets, std::size_t m) {
    constexpr Wide kNear = Wide{1} << 60;
    for (std::size_t i = 0; i < m; ++i) {
        const Wide o = offsets == nullptr ? Wide{0} : offsets[i];
        const Domain& d = root[vars[i]];
        if (o > kNear || o < -kNear || Wide{d.lo} < -kNear || Wide{d.hi} > kNear) return false;
    }
    return true;
}

// 64 bits of d's words from bit o on (o >= -63); bits past its words are 0.
std::uint64_t Refuter::bits_from(const Dom& d, std::int64_t o) const {
    const std::int64_t q = o >> 6;
    const int r = static_cast<int>(o & 63);
    const std::uint64_t* w = bits_.data() + d.at;
    const auto at = [&](std::int64_t k) {
        return k < 0 || k >= d.words ? std::uint64_t{0} : w[static_cast<std::size_t>(k)];
    };
    std::uint64_t v = at(q) >> r;
    if (r != 0) v |= at(q + 1) << (64 - r);
    return v;
}

bool Refuter::run_all_diff(const VarIndex* vars, const Wide* offsets, const std::int64_t* near,
                           std::int64_t* kept, std::size_t m) {
    const auto off = [&](std::size_t i) { return offsets == nullptr ? Wide{0} : offsets[i]; };
    Wide base = 0;
    Wide top = 0;
    if (near != nullptr) {
        // All in 64 bits (narrow_values); offsets == nullptr: near is all 0.
        std::int64_t b = doms_[vars[0]].lo + near[0];
        std::int64_t t = doms_[vars[0]].hi + near[0];
        for (std::size_t i = 1; i < m; ++i) {
            b = std::min<std::int64_t>(b, doms_[vars[i]].lo + near[i]);
            t = std::max<std::int64_t>(t, doms_[vars[i]].hi + near[i]);
        }
        base = b;
        top = t;
    } else {
        base = doms_[vars[0]].lo + off(0);
        top = doms_[vars[0]].hi + off(0);
        for (std::size_t i = 1; i < m; ++i) {
            base = std::min<Wide>(base, doms_[vars[i]].lo + off(i));
            top = std::max<Wide>(top, doms_[vars[i]].hi + off(i));
        }
    }
    if (top - base + 1 > kAllDiffBits || m > kAllDiffPositions) {
        // Too wide for value sets: fixed values go from the others.
        if ((rules_ & kForwardCheck) == 0 || m > kAllDiffPositions) return true;
        for (std::size_t i = 0; i < m; ++i) {
            const Dom& d = doms_[vars[i]];
            if (d.lo != d.hi) continue;
            const Wide value = d.lo + off(i);
            for (std::size_t j = 0; j < m; ++j) {
                if (j != i && !remove(vars[j], value - off(j))) return false;
            }
        }
        return true;
    }
    switch (static_cast<int>((top - base + 64) / 64)) {
        case 1:
            return filter_all_diff<1>(vars, offsets, near, kept, m, base);
        case 2:
            return filter_all_diff<2>(vars, offsets, near, kept, m, base);
        case 3:
            return filter_all_diff<3>(vars, offsets, near, kept, m, base);
        default:
            return filter_all_diff<4>(vars, offsets, near, kept, m, base);
    }
}

// Values as bit sets of `words` words from base on, one per position.
template <std::size_t words>
bool Refuter::filter_all_diff(const VarIndex* vars, const Wide* offsets, const std::int64_t* near,
                              std::int64_t* kept, std::size_t m, Wide base) {
    static_assert(words * 64 <= kAllDiffBits);
    const auto off = [&](std::size_t i) { return offsets == nullptr ? Wide{0} : offsets[i]; };
    if (masks_.size() < 2 * m * words) masks_.resize(2 * m * words);
    std::uint64_t* mask = masks_.data();
    std::uint64_t* before = masks_.data() + m * words;
    if (near != nullptr) {
        // Bit t of position i: value base + t, x_i holding base + t - off_i.
        const auto b = static_cast<std::int64_t>(base);
        for (std::size_t i = 0; i < m; ++i) {
            const Dom& d = doms_[vars[i]];
            std::uint64_t* s = mask + i * words;
            for (std::size_t w = 0; w < words; ++w) s[w] = 0;
            const std::int64_t t0 = d.lo + near[i] - b;
            const std::int64_t t1 = d.hi + near[i] - b;
            if (d.words == 1) {
                // One word of values: shifted into place whole.
                const std::uint64_t src = bits_[d.at] & bit_range(static_cast<int>(d.lo - d.base),
                                                                  static_cast<int>(d.hi - d.base));
                const std::int64_t at = d.base + near[i] - b;  // bit of the word's bit 0
                if (at < 0) {
                    s[0] = src >> -at;
                } else {
                    const auto q = static_cast<std::size_t>(at >> 6);
                    const int r = static_cast<int>(at & 63);
                    s[q] = src << r;
                    if (r != 0 && q + 1 < words) s[q + 1] = src >> (64 - r);
                }
            } else {
                // Bit t of the mask is bit t + shift of x_i's words.
                const std::int64_t shift = b - near[i] - d.base;
                for (std::int64_t w = t0 >> 6; w <= t1 >> 6; ++w) {
                    const std::int64_t from = std::max<std::int64_t>(t0 - 64 * w, 0);
                    const std::int64_t to = std::min<std::int64_t>(t1 - 64 * w, 63);
                    const std::uint64_t range =
                        bit_range(static_cast<int>(from), static_cast<int>(to));
                    s[w] = d.words == 0 ? range : bits_from(d, 64 * w + shift) & range;
                }
            }
            for (std::size_t w = 0; w < words; ++w) before[i * words + w] = s[w];
        }
    } else {
        for (std::size_t i = 0; i < m; ++i) {
            for (std::size_t w = 0; w < words; ++w)
                mask[i * words + w] = before[i * words + w] =
                    window(vars[i], base + 64 * Wide(w) - off(i));
        }
    }
    // Positions whose values may have changed.
    dirty_.assign(m, 0);
    const auto count = [&](const std::uint64_t* s) {
        int n = 0;
        for (std::size_t w = 0; w < words; ++w) n += popcount(s[w]);
        return n;
    };
    const auto single = [&](const std::uint64_t* s) {
        bool one = false;
        for (std::size_t w = 0; w < words; ++w) {
            if (s[w] == 0) continue;
            if (one || (s[w] & (s[w] - 1)) != 0) return false;
            one = true;
        }
        return one;
    };
    const auto none = [&](const std::uint64_t* s) {
        for (std::size_t w = 0; w < words; ++w) {
            if (s[w] != 0) return false;
        }
        return true;
    };

    if ((rules_ & kForwardCheck) != 0) {
        // Fixed positions take their values from all others, until no new
        // position gets fixed: each round removes only the values of those
        // fixed in the round before.
        std::uint64_t taken[words] = {};
        open_.resize(m);
        std::size_t open = 0;
        for (std::size_t i = 0; i < m; ++i) {
            const std::uint64_t* s = mask + i * words;
            if (!single(s)) {
                open_[open++] = static_cast<std::uint32_t>(i);
                continue;
            }
            for (std::size_t w = 0; w < words; ++w) {
                if ((taken[w] & s[w]) != 0) return false;
                taken[w] |= s[w];
            }
        }
        for (bool fresh = !none(taken); fresh && open != 0;) {
            std::uint64_t next[words] = {};
            std::size_t kept_open = 0;
            for (std::size_t k = 0; k < open; ++k) {
                const std::uint32_t i = open_[k];
                std::uint64_t* s = mask + i * words;
                std::uint64_t hit = 0;
                for (std::size_t w = 0; w < words; ++w) {
                    hit |= s[w] & taken[w];
                    s[w] &= ~taken[w];
                }
                if (hit == 0) {
                    open_[kept_open++] = i;
                    continue;
                }
                dirty_[i] = 1;
                if (none(s)) return false;
                if (!single(s)) {
                    open_[kept_open++] = i;
                    continue;
                }
                for (std::size_t w = 0; w < words; ++w) {
                    if ((next[w] & s[w]) != 0) return false;
                    next[w] |= s[w];
                }
            }
            open = kept_open;
            fresh = !none(next);
            std::copy(next, next + words, taken);
        }
    }

    if ((rules_ & kMatching) != 0) {
        // A value for every position (a matching), else no solution: this
        // closes pigeonholes and every Hall set at once.
        const std::size_t values = words * 64;
        owner_.assign(values + m, -1);  // by value; then by position: its value
        std::int32_t* by_value = owner_.data();
        std::int32_t* of_pos = owner_.data() + values;
        std::uint64_t visited[kAllDiffBits / 64] = {};
        const auto augment = [&](auto&& self, std::size_t i) -> bool {
            const std::uint64_t* s = mask + i * words;
            for (std::size_t w = 0; w < words; ++w) {
                std::uint64_t open = s[w] & ~visited[w];
                while (open != 0) {
                    const int bit = __builtin_ctzll(open);
                    open &= open - 1;
                    visited[w] |= std::uint64_t{1} << bit;
                    const std::size_t value = w * 64 + static_cast<std::size_t>(bit);
                    const std::int32_t holder = by_value[value];
                    if (holder < 0 || self(self, static_cast<std::size_t>(holder))) {
                        by_value[value] = static_cast<std::int32_t>(i);
                        of_pos[i] = static_cast<std::int32_t>(value);
                        return true;
                    }
                }
            }
            return false;
        };
        // The matching of the last run, where its values are still there,
        // is the start: the store changes little between runs. Any matching
        // of every position does, as neither the verdict nor the values
        // removed depend on which one.
        const auto b = static_cast<std::int64_t>(base);
        if (kept != nullptr) {
            for (std::size_t i = 0; i < m; ++i) {
                if (kept[i] == kNoValue) continue;
                const std::int64_t t = kept[i] - b;
                if (t < 0 || t >= static_cast<std::int64_t>(values)) continue;
                const auto v = static_cast<std::size_t>(t);
                if (((mask[i * words + v / 64] >> (v % 64)) & 1) == 0) continue;
                by_value[v] = static_cast<std::int32_t>(i);
                of_pos[i] = static_cast<std::int32_t>(v);
            }
        }
        for (std::size_t i = 0; i < m; ++i) {
            if (of_pos[i] >= 0) continue;
            // A free value first: most positions match without a search.
            const std::uint64_t* s = mask + i * words;
            bool done = false;
            for (std::size_t w = 0; w < words && !done; ++w) {
                std::uint64_t open = s[w];
                while (open != 0) {
                    const int bit = __builtin_ctzll(open);
                    open &= open - 1;
                    const std::size_t value = w * 64 + static_cast<std::size_t>(bit);
                    if (by_value[value] < 0) {
                        by_value[value] = static_cast<std::int32_t>(i);
                        of_pos[i] = static_cast<std::int32_t>(value);
                        done = true;
                        break;
                    }
                }
            }
            if (done) continue;
            std::fill(visited, visited + words, 0);
            if (!augment(augment, i)) return false;
        }
        if (kept != nullptr) {
            for (std::size_t i = 0; i < m; ++i) kept[i] = b + of_pos[i];
        }
        if (m <= 64 && !probing_) {
            // A value of another position's is kept only if that position
            // can then move on: along positions that can take each other's
            // values to one that can take a free value, or round back.
            std::uint64_t free_values[kAllDiffBits / 64] = {};
            for (std::size_t i = 0; i < m; ++i) {
                for (std::size_t w = 0; w < words; ++w) free_values[w] |= mask[i * words + w];
            }
            for (std::size_t i = 0; i < m; ++i) {
                const auto v = static_cast<std::size_t>(of_pos[i]);
                free_values[v / 64] &= ~(std::uint64_t{1} << (v % 64));
            }
            std::uint64_t next[64];  // i -> j: i can take j's value
            std::uint64_t escapes = 0;
            for (std::size_t i = 0; i < m; ++i) {
                next[i] = 0;
                for (std::size_t j = 0; j < m; ++j) {
                    const auto v = static_cast<std::size_t>(of_pos[j]);
                    if (j != i && ((mask[i * words + v / 64] >> (v % 64)) & 1) != 0)
                        next[i] |= std::uint64_t{1} << j;
                }
                for (std::size_t w = 0; w < words; ++w) {
                    if ((mask[i * words + w] & free_values[w]) != 0)
                        escapes |= std::uint64_t{1} << i;
                }
            }
            // Positions from which a free value is reached.
            for (bool grew = true; grew;) {
                grew = false;
                for (std::size_t i = 0; i < m; ++i) {
                    if ((escapes >> i & 1) == 0 && (next[i] & escapes) != 0) {
                        escapes |= std::uint64_t{1} << i;
                        grew = true;
                    }
                }
            }
            std::uint64_t reach[64];
            for (std::size_t i = 0; i < m; ++i) {
                std::uint64_t seen = next[i];
                for (std::uint64_t todo = seen; todo != 0;) {
                    const int j = __builtin_ctzll(todo);
                    todo &= todo - 1;
                    const std::uint64_t fresh = next[j] & ~seen;
                    seen |= fresh;
                    todo |= fresh;
                }
                reach[i] = seen;
            }
            for (std::size_t i = 0; i < m; ++i) {
                for (std::uint64_t out = next[i] & ~escapes; out != 0; out &= out - 1) {
                    const int j = __builtin_ctzll(out);
                    if ((reach[j] >> i & 1) != 0) continue;
                    const auto v = static_cast<std::size_t>(of_pos[j]);
                    mask[i * words + v / 64] &= ~(std::uint64_t{1} << (v % 64));
                    dirty_[i] = 1;
                }
            }
        }
        // When the positions use up every value, a value that only one
        // position can take is that position's.
        std::uint64_t once[kAllDiffBits / 64] = {};
        std::uint64_t twice[kAllDiffBits / 64] = {};
        for (std::size_t i = 0; i < m; ++i) {
            for (std::size_t w = 0; w < words; ++w) {
                twice[w] |= once[w] & mask[i * words + w];
                once[w] |= mask[i * words + w];
            }
        }
        if (static_cast<std::size_t>(count(once)) == m) {
            for (std::size_t i = 0; i < m; ++i) {
                std::uint64_t* s = mask + i * words;
                std::uint64_t only[kAllDiffBits / 64] = {};
                for (std::size_t w = 0; w < words; ++w) only[w] = s[w] & once[w] & ~twice[w];
                const int n = count(only);
                if (n > 1) return false;
                if (n != 1) continue;
                for (std::size_t w = 0; w < words; ++w) {
                    dirty_[i] |= static_cast<char>(s[w] != only[w]);
                    s[w] = only[w];
                }
            }
        }
    }

    for (std::size_t i = 0; i < m; ++i) {
        if (dirty_[i] == 0) continue;
        const Dom& d = doms_[vars[i]];
        if (near != nullptr && d.words == 1) {
            // The values gone, back in the domain's one word (bit t of the
            // mask is bit t - at of the word), cleared at once.
            const std::int64_t at = d.base + near[i] - static_cast<std::int64_t>(base);
            std::uint64_t gone = 0;
            for (std::size_t w = 0; w < words; ++w) {
                const std::uint64_t g = before[i * words + w] & ~mask[i * words + w];
                const std::int64_t sh = 64 * static_cast<std::int64_t>(w) - at;
                if (g == 0 || sh >= 64 || sh <= -64) continue;
                gone |= sh >= 0 ? g << sh : g >> -sh;
            }
            if (gone == 0) continue;
            record(vars[i]);
            bits_[d.at] &= ~gone;
            changed(vars[i]);
            if (!refit(vars[i])) return false;
            continue;
        }
        for (std::size_t w = 0; w < words; ++w) {
            const std::uint64_t now = mask[i * words + w];
            if (now != before[i * words + w] && !keep(vars[i], base + 64 * Wide(w) - off(i), now))
                return false;
        }
    }
    return true;
}

}  // namespace nemox::cp
