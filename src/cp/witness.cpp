#include "cp/witness.hpp"

#include <algorithm>
#include <limits>

namespace nemox::cp {

bool satisfies(const Network& net, const std::vector<std::int64_t>& values) {
    std::vector<std::int64_t> seen;
    for (const Propagator& p : net.propagators) {
        const auto value = [&](std::size_t i) { return values[net.vars[i]]; };
        switch (p.kind) {
            case PropKind::Eq:
                if (value(p.begin) != value(p.begin + 1)) return false;
                break;
            case PropKind::Neq:
                if (value(p.begin) == value(p.begin + 1)) return false;
                break;
            case PropKind::Lt:
                if (value(p.begin) >= value(p.begin + 1)) return false;
                break;
            case PropKind::Le:
                if (Wide{value(p.begin)} > Wide{value(p.begin + 1)} + p.constant) return false;
                break;
            case PropKind::Linear: {
                // Terms past 64 bits times 64-bit values need more than 128.
                Int256 sum;
                for (std::size_t i = p.begin; i < p.end; ++i) {
                    const Wide c = i < p.big_begin ? Wide{net.coeffs[i]}
                                                   : net.big_coeffs[p.big_at + (i - p.big_begin)];
                    sum += Int256::product(c, value(i));
                }
                const Int256 rhs(Wide{p.constant});
                const bool holds = p.rel == LinearRel::Le   ? sum <= rhs
                                   : p.rel == LinearRel::Ge ? rhs <= sum
                                                            : sum == rhs;
                if (!holds) return false;
                break;
            }
            case PropKind::AllDiff:
                seen.clear();
                for (std::size_t i = p.begin; i < p.end; ++i) seen.push_back(value(i));
                std::sort(seen.begin(), seen.end());
                if (std::adjacent_find(seen.begin(), seen.end()) != seen.end()) return false;
                break;
        }
    }
    return true;
}

WitnessSearch::WitnessSearch(const Network& net) : net_(net) {
    const std::size_t n = net.watch_begin.empty() ? 0 : net.watch_begin.size() - 1;
    degree_.resize(n);
    for (VarIndex x = 0; x < n; ++x)
        degree_[x] = static_cast<std::uint32_t>(net.watch_begin[x + 1] - net.watch_begin[x]);
}

// A view that the store skips takes its value from its sum once the rest
// is fixed: a search over it would try values that nothing constrains.
bool WitnessSearch::complete(const Refuter& store) {
    witness_.resize(degree_.size());
    for (VarIndex y = 0; y < degree_.size(); ++y) witness_[y] = store.lo(y);
    for (VarIndex u = 0; u < degree_.size(); ++u) {
        const std::uint32_t k = store.view_sum(u);
        if (k == Refuter::kNoSum || store.is_fixed(u)) continue;
        // c_u * u + c_q * q = rhs, both coefficients 1 or -1.
        const Propagator& p = net_.propagators[k];
        const std::size_t at = net_.vars[p.begin] == u ? p.begin : p.begin + 1;
        const std::size_t other = at == p.begin ? p.begin + 1 : p.begin;
        const Wide rest = Wide{p.constant} - Wide{net_.coeffs[other]} * witness_[net_.vars[other]];
        const Wide v = net_.coeffs[at] == 1 ? rest : -rest;
        if (!store.holds(u, v)) return false;
        witness_[u] = static_cast<std::int64_t>(v);
    }
    return satisfies(net_, witness_);
}

WitnessSearch::Pick WitnessSearch::choose(const Refuter& store) {
    // The values of `first` one by one, so that every one searched through
    // closes, whatever the budget.
    if (in_order_ && first_ != kNone && leading_ == stack_.size() && !store.is_fixed(first_))
        return Pick{first_, store.lo(first_)};
    VarIndex best = kNone;
    Wide best_size = 0;
    for (const VarIndex x : branched_) {
        if (store.is_fixed(x)) continue;
        if (best == kNone) {
            best = x;
            best_size = store.count(x, std::numeric_limits<Wide>::max());
            continue;
        }
        const Wide s = store.count(x, best_size + 1);
        if (s < best_size || (s == best_size && degree_[x] > degree_[best])) {
            best = x;
            best_size = s;
        }
    }
    if (best == kNone) return Pick{kNone, 0};
    Pick pick{best, store.lo(best)};
    // A value of a permutation that fewer positions can take than any
    // variable has values: its first position is tried with it, then not
    // (its other positions come next).
    const std::vector<VarIndex>& vars = store.permutation_vars();
    for (const Refuter::Permutation& p : store.permutations()) {
        const std::size_t m = p.end - p.begin;
        holders_.assign(m, 0);
        bool views = false;
        for (std::size_t i = p.begin; i < p.end && !views; ++i) {
            const VarIndex y = vars[i];
            views = store.view_sum(y) != Refuter::kNoSum;
            for (std::size_t w = 0; 64 * w < m; ++w) {
                std::uint64_t bits = store.values_from(y, Wide{p.lo} + 64 * Wide(w));
                if (64 * (w + 1) > m) bits &= (std::uint64_t{1} << (m - 64 * w)) - 1;
                for (; bits != 0; bits &= bits - 1) {
                    std::uint32_t& h =
                        holders_[64 * w + static_cast<std::size_t>(__builtin_ctzll(bits))];
                    // A fixed position has its value: no other can take it.
                    if (store.is_fixed(y)) {
                        h = kTaken;
                    } else if (h != kTaken) {
                        ++h;
                    }
                }
            }
        }
        if (views) continue;
        std::size_t value = m;
        for (std::size_t u = 0; u < m; ++u) {
            if (holders_[u] >= 1 && holders_[u] != kTaken && Wide{holders_[u]} < best_size &&
                (value == m || holders_[u] < holders_[value]))
                value = u;
        }
        if (value == m) continue;
        best_size = holders_[value];
        const Wide v = Wide{p.lo} + static_cast<Wide>(value);
        for (std::size_t i = p.begin; i < p.end; ++i) {
            if (store.holds(vars[i], v)) {
                pick = Pick{vars[i], static_cast<std::int64_t>(v)};
                break;
            }
        }
    }
    return pick;
}

std::size_t WitnessSearch::KeyHash::operator()(const std::vector<std::uint64_t>& k) const {
    std::uint64_t h = 1469598103934665603ull;
    for (const std::uint64_t w : k) h = (h ^ w) * 1099511628211ull;
    return static_cast<std::size_t>(h ^ (h >> 29));
}

// Each choice on first_ at the bottom that has taken its second branch has
// had the subtree of its value searched through.
Wide WitnessSearch::closed_to(Wide from) const {
    for (std::size_t i = 0; i < leading_ && stack_[i].excluded; ++i) from = Wide{stack_[i].v} + 1;
    return from;
}

WitnessSearch::Outcome WitnessSearch::run(Refuter& store, std::uint64_t budget,
                                          Interrupt& interrupt, std::uint64_t progress,
                                          VarIndex first, bool in_order) {
    const std::size_t start = store.mark();
    first_ = first;
    in_order_ = in_order;
    leading_ = 0;
    const Wide from = first == kNone ? 0 : Wide{store.lo(first)};
    const std::uint64_t runs = store.runs();
    stack_.clear();
    branched_.clear();
    keyed_.clear();
    for (VarIndex x = 0; x < degree_.size(); ++x) {
        if (store.view_sum(x) != Refuter::kNoSum) continue;
        keyed_.push_back(x);
        if (!store.is_fixed(x)) branched_.push_back(x);
    }
    keys_.clear();
    std::vector<std::uint64_t> key;
    std::uint64_t nodes = 0;
    const auto finish = [&](Verdict verdict) {
        const Wide closed = verdict == Verdict::Empty ? from : closed_to(from);
        store.end_trials(start);
        return Outcome{verdict, nodes, store.runs() - runs, closed};
    };
    // A trial costs a run at least: one that wakes no rule still counts.
    const auto spent = [&] { return store.runs() - runs + nodes >= budget; };
    // The store stands at a node that no rule emptied; each pass of the
    // loop either goes down from such a node or backtracks to the next one.
    bool consistent = true;
    for (;;) {
        if (consistent) {
            const Pick pick = choose(store);
            if (pick.x == kNone) {
                if (complete(store)) return finish(Verdict::Witness);
                consistent = false;
                continue;
            }
            const std::size_t key_at = keys_.size();
            for (const VarIndex y : keyed_) store.append_domain(y, keys_);
            key.assign(keys_.begin() + static_cast<std::ptrdiff_t>(key_at), keys_.end());
            if (empty_.contains(key)) {
                keys_.resize(key_at);
                consistent = false;
                continue;
            }
            if (spent()) return finish(Verdict::Unknown);
            ++nodes;
            interrupt.poll(1, progress);
            if (leading_ == stack_.size() && pick.x == first_ && pick.v == store.lo(first_))
                ++leading_;
            stack_.push_back(Choice{pick.x, pick.v, store.mark(), false, key_at, nodes});
            consistent = store.trial(pick.x, pick.v, false);
            continue;
        }
        // Backtrack: the deepest choice still on its first branch takes its
        // second; each one on its second has had its whole subtree searched.
        while (!stack_.empty() && stack_.back().excluded) {
            const Choice& c = stack_.back();
            const std::size_t words = keys_.size() - c.key_at;
            if (nodes - c.nodes >= kKeyedSubtree && empty_words_ + words <= kEmptyKeyWords) {
                key.assign(keys_.begin() + static_cast<std::ptrdiff_t>(c.key_at), keys_.end());
                if (empty_.insert(key).second) empty_words_ += words;
            }
            keys_.resize(c.key_at);
            store.end_trials(c.mark);
            stack_.pop_back();
            leading_ = std::min(leading_, stack_.size());
        }
        if (stack_.empty()) return finish(Verdict::Empty);
        if (spent()) return finish(Verdict::Unknown);
        ++nodes;
        interrupt.poll(1, progress);
        Choice& c = stack_.back();
        store.end_trials(c.mark);
        c.excluded = true;
        consistent = store.trial(c.x, c.v, true);
    }
}

}  // namespace nemox::cp
