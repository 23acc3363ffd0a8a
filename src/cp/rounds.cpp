#include <algorithm>
#include <limits>

#include "cp/solver.hpp"

namespace nemox::cp {

bool CpSolver::take_rounds(std::size_t count) {
    round_list_.assign(recent_.begin(), recent_.begin() + static_cast<std::ptrdiff_t>(count));
    std::sort(round_list_.begin(), round_list_.end());
    round_list_.erase(std::unique(round_list_.begin(), round_list_.end()), round_list_.end());

    // Rounds of rounding coefficients may repeat only every few rounds.
    for (const int rounds : {1, 2, 4}) {
        const auto apply = [&](Trace& t) {
            for (int i = 0; i < rounds; ++i) {
                const Probe::Outcome o = probe_.apply(round_list_, t);
                if (o != Probe::Outcome::Fixpoint) return o;
            }
            return Probe::Outcome::Fixpoint;
        };
        // A first block settles the bounds that move only once; the two
        // after it must write the same bounds in the same way.
        interrupt_.poll();
        probe_.restart();
        other_.clear();
        Probe::Outcome o = apply(other_);
        if (o == Probe::Outcome::Failed) return false;
        if (o == Probe::Outcome::Unsupported || other_.values.empty()) return true;
        settled_.clear();
        for (const VarIndex x : probe_.touched()) settled_.emplace_back(x, probe_.get(x));
        first_.clear();
        second_.clear();
        o = apply(first_);
        if (o == Probe::Outcome::Failed) return false;
        if (o == Probe::Outcome::Unsupported) return true;
        if (first_.values.empty()) break;  // a fixpoint: the settled bounds are all there is
        after_one_.clear();
        for (const VarIndex x : probe_.touched()) after_one_.emplace_back(x, probe_.get(x));
        o = apply(second_);
        if (o == Probe::Outcome::Failed) return false;
        if (o == Probe::Outcome::Unsupported || first_.shape != second_.shape) continue;

        // One step per variable moved: D1 - D0 must equal D2 - D1.
        moves_.clear();
        bool constant = true;
        Wide most = std::numeric_limits<Wide>::max();  // members with a nonempty start
        const auto at = [](const std::vector<std::pair<VarIndex, Domain>>& list, VarIndex x,
                           Domain otherwise) {
            const auto it =
                std::find_if(list.begin(), list.end(), [x](const auto& e) { return e.first == x; });
            return it == list.end() ? otherwise : it->second;
        };
        for (const VarIndex x : probe_.touched()) {
            const Domain d0 = at(settled_, x, domains_[x]);
            const Domain d1 = at(after_one_, x, d0);
            const Domain d2 = probe_.get(x);
            const Wide up = Wide{d1.lo} - d0.lo;
            const Wide down = Wide{d0.hi} - d1.hi;
            if (Wide{d2.lo} - d1.lo != up || Wide{d1.hi} - d2.hi != down) {
                constant = false;
                break;
            }
            moves_.push_back(Move{x, d0, up, down});
            if (up + down == 0) continue;
            if (up + down > 0) most = std::min(most, (Wide{d0.hi} - d0.lo) / (up + down) + 1);
        }
        if (!constant) continue;

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
        Wide good = 1;
        Wide bad = most;
        while (good + 1 < bad) {
            const Wide k = good * 2 < bad ? good * 2 : bad - 1;
            if (!on(k)) {
                bad = k;
                break;
            }
            good = k;
        }
        while (bad - good > 1) {
            const Wide k = good + (bad - good) / 2;
            (on(k) ? good : bad) = k;
        }
        // Members 0..good all run as traced: good + 1 rounds from D0.
        const Wide rounds_taken = good + 1;
        for (const auto& [x, d] : settled_) {
            if (!raise_lo(x, d.lo) || !lower_hi(x, d.hi)) return false;
        }
        for (const Move& m : moves_) {
            if (!raise_lo(m.x, m.from.lo + rounds_taken * m.up) ||
                !lower_hi(m.x, m.from.hi - rounds_taken * m.down))
                return false;
        }
        return true;
    }
    return true;
}

}  // namespace nemox::cp
