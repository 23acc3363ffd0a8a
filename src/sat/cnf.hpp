#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <utility>

namespace nemox::sat {

// Clauses in input order, literals as written. Stored flat: one clause per
// range of `literals()`, closed by the matching entry of `clause_ends()`.
// Both live in one allocation, the ends first, with room left uninitialised
// for more: the reader sizes it once from the text and writes only what it
// keeps.
class Cnf {
  public:
    std::uint64_t num_vars = 0;
    std::uint64_t num_clauses = 0;

    Cnf() = default;
    Cnf(Cnf&& other) noexcept { swap(other); }
    Cnf& operator=(Cnf&& other) noexcept {
        Cnf taken(std::move(other));
        swap(taken);
        return *this;
    }

    std::span<const std::int32_t> literals() const { return {literals_, literal_count_}; }
    std::span<const std::size_t> clause_ends() const { return {ends_, end_count_}; }
    std::size_t clause_count() const { return end_count_; }
    std::span<const std::int32_t> clause(std::size_t i) const {
        const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
        return {literals_ + begin, ends_[i] - begin};
    }

    // Appends a clause, its literals as written.
    void add_clause(std::span<const std::int32_t> lits) {
        if (end_count_ == end_room_ || literal_room_ - literal_count_ < lits.size())
            reserve(2 * end_room_ + 4, std::max(2 * literal_room_, literal_count_ + lits.size()));
        std::copy(lits.begin(), lits.end(), literals_ + literal_count_);
        literal_count_ += lits.size();
        ends_[end_count_++] = literal_count_;
    }

    // Room for `ends` clause ends and `literals` literals in all, what is
    // kept so far moved along; then the raw writes of a reader, which sets
    // the counts of what it wrote with `set_counts`.
    void reserve(std::size_t ends, std::size_t literals) {
        ends = std::max(ends, end_count_);
        literals = std::max(literals, literal_count_);
        std::unique_ptr<std::byte[]> block(
            new std::byte[ends * sizeof(std::size_t) + literals * sizeof(std::int32_t)]);
        auto* const new_ends = reinterpret_cast<std::size_t*>(block.get());
        auto* const new_literals =
            reinterpret_cast<std::int32_t*>(block.get() + ends * sizeof(std::size_t));
        std::copy_n(ends_, end_count_, new_ends);
        std::copy_n(literals_, literal_count_, new_literals);
        block_ = std::move(block);
        ends_ = new_ends;
        literals_ = new_literals;
        end_room_ = ends;
        literal_room_ = literals;
    }
    std::size_t* ends_data() { return ends_; }
    std::int32_t* literals_data() { return literals_; }
    std::size_t end_room() const { return end_room_; }
    std::size_t literal_room() const { return literal_room_; }
    void set_counts(std::size_t ends, std::size_t literals) {
        end_count_ = ends;
        literal_count_ = literals;
    }

  private:
    void swap(Cnf& other) noexcept {
        std::swap(num_vars, other.num_vars);
        std::swap(num_clauses, other.num_clauses);
        std::swap(block_, other.block_);
        std::swap(ends_, other.ends_);
        std::swap(literals_, other.literals_);
        std::swap(end_count_, other.end_count_);
        std::swap(literal_count_, other.literal_count_);
        std::swap(end_room_, other.end_room_);
        std::swap(literal_room_, other.literal_room_);
    }

    std::unique_ptr<std::byte[]> block_;
    std::size_t* ends_ = nullptr;
    std::int32_t* literals_ = nullptr;
    std::size_t end_count_ = 0;
    std::size_t literal_count_ = 0;
    std::size_t end_room_ = 0;
    std::size_t literal_room_ = 0;
};

}  // namespace nemox::sat
