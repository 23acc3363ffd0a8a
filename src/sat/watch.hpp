#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "sat/clause.hpp"

namespace nemox::sat {

// One watch: the clause and copies of its first three literals, which decide
// most visits without touching the clause itself.
struct Watch {
    ClauseRef clause;
    Lit lit0;
    Lit lit1;
    Lit lit2;
};

using WatchList = std::vector<Watch>;

// Watch lists by literal code. During propagation every visited clause either
// moves to another list or is the conflict, so a walk without conflict empties
// the list; `restore_after_conflict` rebuilds the order that removing the first
// k entries one by one (first occurrence, last element swapped into its place)
// leaves behind, in time linear in the list.
class Watches {
public:
    void resize(std::size_t lit_count) { lists_.resize(lit_count); }
    void grow_clauses(std::size_t clause_count) {
        if (slots_.size() < clause_count) slots_.resize(clause_count, Slots{kNone, kNone});
    }

    WatchList& operator[](Lit l) { return lists_[l]; }
    const WatchList& operator[](Lit l) const { return lists_[l]; }

    void restore_after_conflict(WatchList& list, std::size_t removed);

private:
    static constexpr std::uint32_t kNone = UINT32_MAX;

    void restore_separated(WatchList& list, std::uint32_t k);
    void restore_general(WatchList& list, std::uint32_t k);

    std::vector<WatchList> lists_;
    // Scratch for restore: the (at most two) positions of each clause in the
    // list being rebuilt, the first one in `a`; kept all kNone between uses.
    struct Slots {
        std::uint32_t a;
        std::uint32_t b;
    };
    std::vector<Slots> slots_;
    std::vector<ClauseRef> tracked_;
    std::vector<std::uint32_t> holes_;
};

}  // namespace nemox::sat
