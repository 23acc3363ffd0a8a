#include <algorithm>
#include <limits>

#include "cp/engine.hpp"
#include "cp/rules.hpp"

namespace nemox::cp {

bool Engine::take_rounds(std::size_t count) {
    round_list_.assign(recent_.begin(), recent_.begin() + static_cast<std::ptrdiff_t>(count));
    std::sort(round_list_.begin(), round_list_.end());
    round_list_.erase(std::unique(round_list_.begin(), round_list_.end()), round_list_.end());
    // Forwards, then backwards: a bound travelling along a chain of the list
    // either way crosses the whole chain in one round.
    const std::size_t distinct = round_list_.size();
    for (std::size_t i = distinct; i-- > 0;) round_list_.push_back(round_list_[i]);

    // Rounds of rounding coefficients may repeat only every few rounds.
    for (const int rounds : {1, 2, 4}) {
        const auto apply = [&](Trace& t) {
            for (int i = 0; i < rounds; ++i) {
                const Probe::Outcome o = probe_.apply(round_list_, t);
                if (o != Probe::Outcome::Fixpoint) return o;
            }
            return Probe::Outcome::Fixpoint;
        };
        // Blocks of rounds until two in a row write the same bounds in the
        // same way and move every bound by the same step.
        // snaps_[0..2] hold the bounds after the last three blocks, by
        // position in the probe's list of touched variables.
        probe_.restart();
        for (auto& snap : snaps_) snap.clear();
        const auto at = [&](const std::vector<Domain>& snap, std::size_t i) {
            return i < snap.size() ? snap[i] : domains_[probe_.touched()[i]];
        };
        const auto steady = [&] {
            if (first_.shape != second_.shape) return false;
            for (std::size_t i = 0; i < probe_.touched().size(); ++i) {
                const Domain d0 = at(snaps_[0], i);
                const Domain d1 = at(snaps_[1], i);
                const Domain d2 = at(snaps_[2], i);
                if (Wide{d1.lo} - d0.lo != Wide{d2.lo} - d1.lo ||
                    Wide{d1.hi} - d0.hi != Wide{d2.hi} - d1.hi)
                    return false;
            }
            return true;
        };
        bool found = false;
        for (std::size_t block = 0; block < distinct + 4 && !found; ++block) {
            interrupt_.poll();
            other_.clear();
            const Probe::Outcome o = apply(other_);
            if (o == Probe::Outcome::Failed) return false;
            // Unsupported rules, or the list's own fixpoint: nothing to take.
            if (o == Probe::Outcome::Unsupported || other_.values.empty()) return true;
            std::swap(first_, second_);
            std::swap(second_, other_);
            std::swap(snaps_[0], snaps_[1]);
            std::swap(snaps_[1], snaps_[2]);
            snaps_[2].clear();
            for (const VarIndex x : probe_.touched()) snaps_[2].push_back(probe_.get(x));
            found = block >= 2 && steady();
        }
        if (!found) continue;

        // D0 is the state before the first of the two blocks; one step per
        // variable that moves.
        settled_.clear();
        moves_.clear();
        Wide most = std::numeric_limits<Wide>::max();  // members with a nonempty start
        for (std::size_t i = 0; i < probe_.touched().size(); ++i) {
            const VarIndex x = probe_.touched()[i];
            const Domain d0 = at(snaps_[0], i);
            const Domain d1 = at(snaps_[1], i);
            settled_.emplace_back(x, d0);
            const Wide up = Wide{d1.lo} - d0.lo;
            const Wide down = Wide{d0.hi} - d1.hi;
            if (up + down == 0) continue;
            moves_.push_back(Move{x, d0, up, down});
            most = std::min(most, (Wide{d0.hi} - d0.lo) / (up + down) + 1);
        }

        // Member m starts from D0 + m steps. Those on the line form a
        // prefix: grow, then halve. Member 1 is the second round itself.
        const auto on = [&](Wide k) {
            probe_.restart();
            for (const auto& [x, d] : settled_) probe_.set(x, d);
            for (const Move& m : moves_)
                probe_.set(m.x, Domain{static_cast<std::int64_t>(m.from.lo + k * m.up),
                                       static_cast<std::int64_t>(m.from.hi - k * m.down)});
            other_.clear();
            interrupt_.poll();
            return apply(other_) == Probe::Outcome::Fixpoint && on_line(first_, second_, other_, k);
        };
        const Wide good = last_on_line(most, on);
        // Members 0..good all run as traced: good + 1 rounds from D0.
        const Wide rounds_taken = good + 1;
        for (const auto& [x, d] : settled_) {
            if (!raise_lo(*this, x, d.lo) || !lower_hi(*this, x, d.hi)) return false;
        }
        for (const Move& m : moves_) {
            if (!raise_lo(*this, m.x, m.from.lo + rounds_taken * m.up) ||
                !lower_hi(*this, m.x, m.from.hi - rounds_taken * m.down))
                return false;
        }
        return true;
    }
    return true;
}

Wide Engine::failing_run(VarIndex x, std::int64_t from, std::int64_t last) {
    const auto member = [&](Wide k, Trace& t) {
        t.clear();
        probe_.restart();
        const auto v = static_cast<std::int64_t>(from + k);
        probe_.set(x, Domain{v, v});
        interrupt_.poll();
        return probe_.propagate_after(x, probe_budget(), t) == Probe::Outcome::Failed;
    };
    if (!member(0, first_) || !member(1, second_) || first_.shape != second_.shape) return 0;
    const auto on = [&](Wide k) {
        return member(k, other_) && on_line(first_, second_, other_, k);
    };
    // The members on the line form a prefix 0..good.
    return last_on_line(Wide{last} - from + 1, on) + 1;
}

}  // namespace nemox::cp
