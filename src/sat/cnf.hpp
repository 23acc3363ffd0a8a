#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace nemox::sat {

// Clauses in input order, literals as written. Stored flat: one clause per
// range of `literals`, closed by the matching entry of `clause_ends`.
struct Cnf {
    std::vector<std::int32_t> literals;
    std::vector<std::size_t> clause_ends;
    std::uint64_t num_vars = 0;
    std::uint64_t num_clauses = 0;

    std::size_t clause_count() const { return clause_ends.size(); }
    std::span<const std::int32_t> clause(std::size_t i) const {
        const std::size_t begin = i == 0 ? 0 : clause_ends[i - 1];
        return {literals.data() + begin, clause_ends[i] - begin};
    }
};

}  // namespace nemox::sat
