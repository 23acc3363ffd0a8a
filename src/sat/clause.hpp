#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "sat/literal.hpp"

namespace nemox::sat {

using ClauseRef = std::uint32_t;
inline constexpr ClauseRef kNoClause = UINT32_MAX;

// Clauses identified by their index, literals kept in one arena. Clauses are
// only appended, so indices never change.
class ClauseDB {
  public:
    ClauseRef add(std::span<const Lit> lits) {
        if (starts_.size() >= kNoClause - 1) throw MemoryLimit("too many clauses");
        const auto ref = static_cast<ClauseRef>(starts_.size());
        starts_.push_back(arena_.size());
        arena_.insert(arena_.end(), lits.begin(), lits.end());
        return ref;
    }

    std::span<const Lit> lits(ClauseRef c) const {
        const std::size_t begin = starts_[c];
        const std::size_t end = c + 1 < starts_.size() ? starts_[c + 1] : arena_.size();
        return {arena_.data() + begin, end - begin};
    }
    std::size_t size() const { return starts_.size(); }
    void reserve(std::size_t clauses, std::size_t literals) {
        starts_.reserve(clauses);
        arena_.reserve(literals);
    }

  private:
    std::vector<Lit> arena_;
    std::vector<std::size_t> starts_;
};

}  // namespace nemox::sat
