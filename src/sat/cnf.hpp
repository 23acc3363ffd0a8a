#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <span>
#include <utility>
#include <vector>

namespace nemox::sat {

// Leaves the elements that `resize` adds uninitialised: the reader sizes its
// buffers from a bound on the text, writes only what it keeps and cuts the
// rest, so filling them first with zeros would be wasted.
template <class T>
struct UninitAllocator : std::allocator<T> {
    template <class U>
    struct rebind {
        using other = UninitAllocator<U>;
    };
    UninitAllocator() = default;
    template <class U>
    explicit UninitAllocator(const UninitAllocator<U>&) noexcept {}

    template <class U>
    void construct(U* p) noexcept {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

// Clauses in input order, literals as written. Stored flat: one clause per
// range of `literals`, closed by the matching entry of `clause_ends`.
struct Cnf {
    std::vector<std::int32_t, UninitAllocator<std::int32_t>> literals;
    std::vector<std::size_t, UninitAllocator<std::size_t>> clause_ends;
    std::uint64_t num_vars = 0;
    std::uint64_t num_clauses = 0;

    std::size_t clause_count() const { return clause_ends.size(); }
    std::span<const std::int32_t> clause(std::size_t i) const {
        const std::size_t begin = i == 0 ? 0 : clause_ends[i - 1];
        return {literals.data() + begin, clause_ends[i] - begin};
    }
};

}  // namespace nemox::sat
