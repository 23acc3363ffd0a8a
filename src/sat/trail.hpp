#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "sat/literal.hpp"

namespace nemox::sat {

// A stack whose room is made once: the trail holds each variable at most
// once and opens at most one level per variable, so no push checks for room.
template <class T>
class FixedStack {
  public:
    // Makes room for `capacity` entries in all, keeping those held.
    void reserve(std::size_t capacity) {
        std::unique_ptr<T[]> data(new T[capacity]);
        std::copy_n(data_.get(), size_, data.get());
        data_ = std::move(data);
    }
    std::size_t size() const { return size_; }
    const T& operator[](std::size_t i) const { return data_[i]; }
    T& operator[](std::size_t i) { return data_[i]; }
    void push_back(T value) { data_[size_++] = value; }
    // Keeps the first `n` entries.
    void truncate(std::size_t n) { size_ = n; }
    T* data() { return data_.get(); }
    const T* begin() const { return data_.get(); }
    const T* end() const { return data_.get() + size_; }
    std::span<const T> view() const { return {data_.get(), size_}; }

  private:
    std::unique_ptr<T[]> data_;
    std::size_t size_ = 0;
};

// Assignments in the order made, delimited into decision levels. The level
// and reason of each assigned variable live in the solver's per-variable
// table; the trail keeps the true literal of each entry.
struct Trail {
    FixedStack<Lit> lits;
    FixedStack<std::uint32_t> lim;  // start of each decision level above 0
    std::size_t qhead = 0;          // next entry of the loading's to propagate

    // Room for `vars` variables in all.
    void reserve(std::size_t vars) {
        lits.reserve(vars);
        lim.reserve(vars);
    }
    std::uint32_t level() const { return static_cast<std::uint32_t>(lim.size()); }
    // Where level `level` (at least 1) begins.
    std::size_t start(std::uint32_t level) const { return lim[level - 1]; }
    void new_level() { lim.push_back(static_cast<std::uint32_t>(lits.size())); }
    void close_above(std::uint32_t level) { lim.truncate(level); }
};

}  // namespace nemox::sat
