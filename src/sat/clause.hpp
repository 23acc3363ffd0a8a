#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "core/failure.hpp"
#include "sat/literal.hpp"

namespace nemox::sat {

// A clause by the position of its header in the arena. Clauses are only
// appended, so references never change.
struct ClauseRef {
    std::uint32_t offset;

    friend bool operator==(ClauseRef, ClauseRef) = default;
};
inline constexpr ClauseRef kNoClause{UINT32_MAX};

// All clauses in one arena, each a header cell holding its length followed
// by its literals: the literals of a clause are one read away from its
// reference, with no table of starts in between.
class ClauseDB {
  public:
    ClauseRef add(std::span<const Lit> lits) {
        const ClauseRef ref = open(lits.size());
        arena_.insert(arena_.end(), lits.begin(), lits.end());
        ++count_;
        return ref;
    }
    // Appends the DIMACS clause `dimacs`, converted literal by literal.
    ClauseRef add_dimacs(std::span<const std::int32_t> dimacs) {
        const ClauseRef ref = open(dimacs.size());
        for (const std::int32_t d : dimacs) arena_.push_back(lit_from_dimacs(d));
        ++count_;
        return ref;
    }

    std::span<const Lit> lits(ClauseRef c) const {
        const Lit* header = arena_.data() + c.offset;
        return {header + 1, header->code};
    }
    // Number of clauses stored.
    std::size_t size() const { return count_; }
    // The clauses in the order stored.
    std::vector<ClauseRef> refs() const {
        std::vector<ClauseRef> out;
        for (std::size_t at = 0; at < arena_.size(); at += 1 + arena_[at].code)
            out.push_back(ClauseRef{static_cast<std::uint32_t>(at)});
        return out;
    }
    void reserve(std::size_t clauses, std::size_t literals) { arena_.reserve(clauses + literals); }

  private:
    ClauseRef open(std::size_t length) {
        // References and lengths are 32-bit; kNoClause stays unused.
        if (arena_.size() + length + 1 >= UINT32_MAX) throw MemoryLimit("too many clauses");
        const ClauseRef ref{static_cast<std::uint32_t>(arena_.size())};
        arena_.push_back(Lit{static_cast<std::uint32_t>(length)});
        return ref;
    }

    // Header cells hold a length in `code`; the cells after it are literals.
    std::vector<Lit> arena_;
    std::size_t count_ = 0;
};

}  // namespace nemox::sat
