#include <algorithm>
#include <cstdint>
#include <limits>
#include <unordered_set>
#include <vector>

#include "cp/solver.hpp"

namespace nemox::cp {

std::optional<Assignment> CpSolver::search() {
    // A declared empty range is never fixed and never branched on, so no
    // branch can end with every domain fixed.
    if (engine_.has_empty()) return std::nullopt;
    if (!propagate_all()) return std::nullopt;
    if (order_.empty()) return fixed_assignment();
    // The refuter pays only on searches that run long, so it is built and
    // joins the path after refute_after_ nodes; small models never wait for
    // it. A pigeonhole AllDiff is closed at the root by a check that needs
    // no store (the store's matching finds every other Hall set when it
    // joins).
    bool refuting = false;
    bool waiting = false;
    const bool witnesses_on = (refuter_.rules() & kWitness) != 0;
    const bool cheap_calls = (refuter_.rules() & kWitnessOnCheap) != 0;
    const bool in_order_calls = (refuter_.rules() & kWitnessInOrder) != 0;
    bool witnessing = false;
    if (refute_after_ == 0) {
        if (!refuter_.start(engine_.domains(), true)) return std::nullopt;
        refuting = refuter_.active();
        witnessing = refuting && witnesses_on;
    } else if (refuter_.rules() != 0) {
        if ((refuter_.rules() & kMatching) != 0 && !all_diffs_fit(engine_.net(), engine_.domains()))
            return std::nullopt;
        waiting = true;
    }

    // One frame per open node: its branching variable, the next value to try
    // and the trail length that restores the node's domains. The value list
    // lo..hi is fixed when the node starts. After two values in a row fail
    // in propagation, the frame looks for a run of failing values to pass
    // over at once, when enough are left to repay the probes; when it finds
    // none, it waits twice as long before it looks again.
    struct Frame {
        VarIndex var;
        std::int64_t next;
        std::int64_t last;
        std::size_t mark;
        std::size_t refuter_mark;
        bool done;
        std::uint32_t failures = 0;  // values in a row that failed in propagation
        Wide retry_at;               // the next value at which to look for a run
        Wide wait = 1;
        std::vector<std::uint64_t> key = {};  // the refuter's key of this node, if settled
        std::int32_t witness = -1;            // a solution inside this node's domains, if known
        bool owns_witness = false;            // found for this node, not inherited
        std::uint64_t work_at_open = 0;       // nodes of both searches so far
        // Runs of values at most this long are tried in one oracle call.
        Wide range_width = std::numeric_limits<Wide>::max();
    };
    std::vector<Frame> stack;
    CpStats& stats = engine_.stats();
    const auto open_node = [&] {
        const VarIndex x = order_.top();
        const Domain d = engine_.domain(x);
        stack.push_back(
            Frame{x, d.lo, d.hi, engine_.trail().size(), refuter_.mark(), false, 0, d.lo});
    };
    // The keys of settled nodes whose subtrees held no solution: a node
    // with the same key holds none either (Refuter::settled).
    struct KeyHash {
        std::size_t operator()(const std::vector<std::uint64_t>& k) const {
            std::uint64_t h = 1469598103934665603ull;
            for (const std::uint64_t w : k) h = (h ^ w) * 1099511628211ull;
            return static_cast<std::size_t>(h ^ (h >> 29));
        }
    };
    std::unordered_set<std::vector<std::uint64_t>, KeyHash> nogoods;
    std::size_t nogood_words = 0;
    std::vector<std::uint64_t> key;
    const auto add_nogood = [&](std::vector<std::uint64_t>& k) {
        if (!k.empty() && nogood_words + k.size() <= kNogoodWords) {
            nogood_words += k.size();
            nogoods.insert(std::move(k));
        }
    };
    // Witnesses of open frames, each owned by the frame that found it: a
    // frame above owns an earlier one, so they pop in stack order.
    std::vector<std::vector<std::int64_t>> witnesses;
    // The last subtree that the search closed at a depth tells what one
    // costs there (subtrees at one depth tend to be alike). A call below a
    // node at that depth gets half of it, to be worth making, and a verdict
    // counts as all of it saved. The oracle's work may not pass the
    // search's own and that saved, plus a fixed allowance: where it never
    // succeeds it costs at most as much as the search.
    std::uint64_t saved = kWitnessAllowance;
    std::vector<std::uint64_t> depth_budget;  // by depth: that cost
    // Work is counted in rule runs, the engine's and the store's.
    std::uint64_t oracle_runs = 0;
    const auto work = [&] { return stats.propagator_runs + refuter_.runs(); };
    const auto close_frame = [&] {
        Frame& g = stack.back();
        add_nogood(g.key);
        if (g.owns_witness) witnesses.pop_back();
        if (depth_budget.size() < stack.size())
            depth_budget.resize(stack.size(), kWitnessFirstBudget);
        depth_budget[stack.size() - 1] =
            std::clamp(work() - g.work_at_open, kWitnessFirstBudget, kWitnessMaxBudget);
        stack.pop_back();
    };
    open_node();
    while (!stack.empty()) {
        Frame& f = stack.back();
        undo_to(f.mark);
        if (waiting && stats.nodes >= refute_after_) {
            waiting = false;
            // The store starts at the root and follows the open frames down.
            std::vector<std::size_t> marks;
            for (const Frame& g : stack) marks.push_back(g.mark);
            std::vector<std::size_t> refuter_marks;
            const std::size_t open = join_path(marks, refuter_marks);
            refuting = refuter_.active();
            witnessing = refuting && witnesses_on;
            for (std::size_t k = 0; k < refuter_marks.size(); ++k)
                stack[k].refuter_mark = refuter_marks[k];
            if (open < stack.size()) {
                // The child being searched below frame open - 1 holds nothing.
                ++stats.refuted;
                stack.resize(open);
                continue;
            }
        }
        if (refuting) refuter_.undo_to(f.refuter_mark);
        if (f.done) {
            close_frame();
            continue;
        }
        const VarIndex x = f.var;
        if (refuting) {
            // Values the refuter removed at this node each close at once.
            const Wide next = refuter_.next_value(x, f.next);
            if (next > f.next) {
                const auto closed =
                    static_cast<std::uint64_t>(std::min<Wide>(next, Wide{f.last} + 1) - f.next);
                stats.nodes += closed;
                stats.failures += closed;
                stats.refuted += closed;
                if (next > f.last) {
                    close_frame();
                    continue;
                }
                f.next = static_cast<std::int64_t>(next);
            }
        }
        if (f.failures >= 2 && f.next >= f.retry_at && Wide{f.last} - f.next >= 16) {
            const Wide passed = engine_.failing_run(x, f.next, f.last);
            if (passed == 0) {
                f.wait *= 2;
                f.retry_at = Wide{f.next} + f.wait;
            } else {
                stats.nodes += static_cast<std::uint64_t>(passed);
                stats.failures += static_cast<std::uint64_t>(passed);
                if (Wide{f.next} + passed > f.last) {
                    close_frame();
                    continue;
                }
                f.next = static_cast<std::int64_t>(f.next + passed);
            }
        }
        if (depth_budget.size() <= stack.size())
            depth_budget.resize(stack.size() + 1, kWitnessFirstBudget);
        // Until a subtree closed at the children's depth has cost more than
        // the least budget, the search itself closes them about as cheaply
        // as a call would (hard Sudokus): no call is made there.
        const bool costly = cheap_calls || depth_budget[stack.size()] > kWitnessFirstBudget;
        if (witnessing && costly && f.next < f.last) {
            // The values before the one of a known solution (or all that are
            // left) may be shown empty by one call over all of them, which
            // costs less than one per value: a solution among them moves the
            // known one down and the call is made again below it.
            Wide end = f.witness >= 0 ? Wide{witnesses[static_cast<std::size_t>(f.witness)][x]}
                                      : Wide{f.last} + 1;
            bool rest_empty = false;
            while (end - f.next >= 2 && end - f.next <= f.range_width &&
                   2 * oracle_runs < work() + saved) {
                // Counted up to 2^30, which keeps the products below in range.
                const auto values =
                    static_cast<std::uint64_t>(std::min<Wide>(end - f.next, Wide{1} << 30));
                const std::uint64_t search_cost = depth_budget[stack.size()];
                const std::uint64_t budget =
                    std::min(values * search_cost / 2, work() + saved - 2 * oracle_runs);
                WitnessSearch::Outcome out{WitnessSearch::Verdict::Empty, 0, 0, end};
                const std::uint64_t runs = refuter_.runs();
                if (refuter_.trial_within(x, f.next, end - 1))
                    out = oracle_.run(refuter_, budget, engine_.interrupt(), stats.nodes, x,
                                      in_order_calls || budget >= kWitnessInOrderBudget);
                out.runs = refuter_.runs() - runs;
                refuter_.end_trials(f.refuter_mark);
                stats.witness_nodes += out.nodes;
                oracle_runs += out.runs;
                // Values below `to` that the call searched through close.
                const auto close_through = [&](Wide to) {
                    if (to <= f.next) return;
                    const auto closed = static_cast<std::uint64_t>(to - f.next);
                    saved += closed * search_cost;
                    stats.nodes += closed;
                    stats.failures += closed;
                    stats.refuted += closed;
                    f.next = static_cast<std::int64_t>(to);
                };
                if (out.verdict == WitnessSearch::Verdict::Unknown) {
                    f.range_width = (end - f.next) / 2;
                    // The values the call searched through before its budget
                    // ran out close all the same.
                    close_through(out.closed_to);
                    break;
                }
                if (out.verdict == WitnessSearch::Verdict::Witness) {
                    saved += search_cost;
                    if (f.owns_witness) {
                        witnesses.back() = oracle_.witness();
                    } else {
                        witnesses.push_back(oracle_.witness());
                        f.witness = static_cast<std::int32_t>(witnesses.size() - 1);
                        f.owns_witness = true;
                    }
                    end = witnesses.back()[x];
                    // So do the values it searched through before the solution.
                    close_through(out.closed_to);
                    continue;
                }
                saved += values * search_cost;
                const auto closed = static_cast<std::uint64_t>(end - f.next);
                stats.nodes += closed;
                stats.failures += closed;
                stats.refuted += closed;
                if (end > f.last) {
                    rest_empty = true;
                    break;
                }
                f.next = static_cast<std::int64_t>(end);
            }
            if (rest_empty) {
                close_frame();
                continue;
            }
        }
        const std::int64_t v = f.next;
        if (v == f.last) {
            f.done = true;
        } else {
            ++f.next;
        }
        ++stats.nodes;
        engine_.open_node();
        refuter_.open_node();
        engine_.interrupt().poll(1, stats.nodes);
        engine_.assign(x, v);
        if (!engine_.propagate()) {
            ++stats.failures;
            ++f.failures;
            continue;
        }
        f.failures = 0;
        if (refuting && !refute_node(f.mark)) {
            ++stats.failures;
            ++stats.refuted;
            continue;
        }
        sync_order();
        if (order_.empty()) return fixed_assignment();
        const bool keyed = refuting && refuter_.settled();
        if (keyed) {
            refuter_.key(key);
            if (nogoods.contains(key)) {
                ++stats.failures;
                ++stats.refuted;
                continue;
            }
        }
        // A witness of this node that agrees with v lies in the child too.
        const bool inherits =
            f.witness >= 0 && witnesses[static_cast<std::size_t>(f.witness)][x] == v;
        const std::int32_t witness = inherits ? f.witness : -1;
        open_node();
        if (keyed) stack.back().key = key;
        stack.back().witness = witness;
        stack.back().work_at_open = work();
    }
    return std::nullopt;
}

bool CpSolver::refute_node(std::size_t mark) {
    for (std::size_t i = mark; i < engine_.trail().size(); ++i) {
        const VarIndex x = engine_.trail()[i].var;
        if (!refuter_.narrow(x, engine_.domain(x))) return false;
    }
    return refuter_.propagate() && refuter_.look_ahead();
}

// The engine's trail holds the changes below each open frame, each entry
// with the domain before it; a variable's domain after an entry is the one
// its next entry saw, or its current one.
std::size_t CpSolver::join_path(const std::vector<std::size_t>& marks,
                                std::vector<std::size_t>& refuter_marks) {
    const auto& trail = engine_.trail();
    const std::size_t first = marks.front();
    std::vector<Domain> after(trail.size() - first);
    std::vector<Domain> later(engine_.domains());
    for (std::size_t j = trail.size(); j-- > first;) {
        after[j - first] = later[trail[j].var];
        later[trail[j].var] = trail[j].old;
    }
    // `later` now holds the root's domains.
    if (!refuter_.start(later, false)) return 0;
    if (!refuter_.active()) return marks.size();
    refuter_marks.assign(1, refuter_.mark());
    for (std::size_t k = 1; k < marks.size(); ++k) {
        refuter_.open_node();
        bool ok = true;
        for (std::size_t j = marks[k - 1]; j < marks[k] && ok; ++j)
            ok = refuter_.narrow(trail[j].var, after[j - first]);
        if (!ok || !refuter_.propagate()) return k;
        refuter_marks.push_back(refuter_.mark());
    }
    return marks.size();
}

}  // namespace nemox::cp
