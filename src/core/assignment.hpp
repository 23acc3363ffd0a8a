#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "core/big_integer.hpp"

namespace nemox {

// The value of one variable: Bool, Int or Float, in this order, and the
// exact integer beyond 64 bits that exact LP answers can reach.
using Value = std::variant<bool, std::int64_t, double, BigInteger>;

// Shortest decimal text that reads back as the same double, always positional
// (1e21 is written with all its digits), "NaN", "inf", "-inf", "-0".
std::string format_double(double v);

std::string value_text(const Value& v);

// Pairs (variable index, value) in the order in which indices were first set.
class Assignment {
  public:
    using Pair = std::pair<std::uint64_t, Value>;

    // Replaces the value of an existing index in place, or appends the pair.
    void set(std::uint64_t index, Value value);
    // Appends without searching; the caller knows that `index` is new.
    void append_new(std::uint64_t index, Value value) { pairs_.emplace_back(index, value); }
    void reserve(std::size_t n) { pairs_.reserve(n); }

    std::size_t size() const { return pairs_.size(); }
    bool empty() const { return pairs_.empty(); }
    const Pair& operator[](std::size_t i) const { return pairs_[i]; }
    auto begin() const { return pairs_.begin(); }
    auto end() const { return pairs_.end(); }

    bool operator==(const Assignment&) const = default;

    std::string text() const;

  private:
    std::vector<Pair> pairs_;
};

}  // namespace nemox
