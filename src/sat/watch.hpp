#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "sat/clause.hpp"

namespace nemox::sat {

// Watch lists by literal code. During propagation every visited clause either
// moves to another list or is the conflict, so a walk without conflict empties
// the list; `restore_after_conflict` rebuilds the order that removing the first
// k entries one by one (first occurrence, last element swapped into its place)
// leaves behind, in time linear in the list.
class Watches {
public:
    void resize(std::size_t lit_count) { lists_.resize(lit_count); }
    void grow_clauses(std::size_t clause_count) {
        if (first_.size() < clause_count) {
            first_.resize(clause_count, kNone);
            second_.resize(clause_count, kNone);
        }
    }

    std::vector<ClauseRef>& operator[](Lit l) { return lists_[l]; }
    const std::vector<ClauseRef>& operator[](Lit l) const { return lists_[l]; }

    void restore_after_conflict(std::vector<ClauseRef>& list, std::size_t removed);

private:
    static constexpr std::uint32_t kNone = UINT32_MAX;

    std::vector<std::vector<ClauseRef>> lists_;
    // Scratch for restore: the (at most two) positions of each clause in the
    // list being rebuilt; kept all kNone between uses.
    std::vector<std::uint32_t> first_;
    std::vector<std::uint32_t> second_;
    std::vector<ClauseRef> removed_;
};

}  // namespace nemox::sat
