#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
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
        Lit* cell = open(lits.size());
        for (const Lit l : lits) *cell++ = l;
        return ClauseRef{static_cast<std::uint32_t>(size_ - lits.size() - 1)};
    }
    // Room after the last clause for a clause of up to `length` literals,
    // which the caller writes in place and stores with `close_room`: a
    // learnt clause is built where it is kept, without a copy. The cells
    // after the last clause may move only here, not at `close_room`.
    Lit* open_room(std::size_t length) {
        if (size_ + length + 1 > capacity_) move_to(2 * size_ + length + 1);
        return arena_.get() + size_ + 1;
    }
    // Stores the clause of `length` literals written at `open_room`.
    ClauseRef close_room(std::size_t length) {
        // References and lengths are 32-bit; kNoClause stays unused.
        if (size_ + length + 1 >= UINT32_MAX) throw MemoryLimit("too many clauses");
        const ClauseRef c{static_cast<std::uint32_t>(size_)};
        arena_[size_].code = static_cast<std::uint32_t>(length);
        size_ += length + 1;
        ++count_;
        return c;
    }
    // Appends the DIMACS clause `dimacs`, converted literal by literal.
    ClauseRef add_dimacs(std::span<const std::int32_t> dimacs) {
        Lit* cell = open(dimacs.size());
        for (const std::int32_t d : dimacs) *cell++ = lit_from_dimacs(d);
        return ClauseRef{static_cast<std::uint32_t>(size_ - dimacs.size() - 1)};
    }

    std::span<const Lit> lits(ClauseRef c) const {
        const Lit* header = arena_.get() + c.offset;
        return {header + 1, header->code};
    }
    // Number of clauses stored.
    std::size_t size() const { return count_; }
    // Cells in use: the reference the next clause will get.
    std::size_t cells() const { return size_; }
    // The clauses in the order stored.
    std::vector<ClauseRef> refs() const {
        std::vector<ClauseRef> out;
        for (std::size_t at = 0; at < size_; at += 1 + arena_[at].code)
            out.push_back(ClauseRef{static_cast<std::uint32_t>(at)});
        return out;
    }
    // Room for `clauses` more clauses of `literals` literals in all, and as
    // much again for the clauses learnt later; checked once, so that
    // `add_reserved_run` need not.
    void reserve(std::size_t clauses, std::size_t literals) {
        const std::size_t cells = size_ + clauses + literals;
        if (cells + 1 >= UINT32_MAX) throw MemoryLimit("too many clauses");
        if (cells > capacity_) move_to(2 * cells + 80);
        reserved_ = cells;
    }
    // Appends, into the room of the last `reserve`, the DIMACS clauses that
    // end at `ends` (each clause from the end of the one before, the first
    // from `begin`) over `dimacs`, up to the first of fewer than two
    // literals. Returns how many it appended; `top` rises to the largest
    // literal code met, UINT32_MAX for a literal 0.
    std::size_t add_reserved_run(const std::int32_t* dimacs, std::span<const std::size_t> ends,
                                 std::size_t begin, std::uint32_t& top) {
        Lit* cell = arena_.get() + size_;
        std::size_t room = reserved_ - size_;  // cells left
        std::uint32_t largest = top;
        std::size_t i = 0;
        for (; i < ends.size(); ++i) {
            const std::size_t end = ends[i];
            const std::size_t length = end - begin;
            if (length < 2) break;
            if (length >= room) throw InternalFailure("clause beyond the room reserved");
            room -= length + 1;
            cell->code = static_cast<std::uint32_t>(length);
            // The first three apart: most clauses are short, and a loop
            // over them alone costs more than their conversion.
            const std::int32_t* d = dimacs + begin;
            const Lit a = lit_from_nonzero_dimacs(d[0]);
            const Lit b = lit_from_nonzero_dimacs(d[1]);
            cell[1] = a;
            cell[2] = b;
            largest = std::max(largest, std::max(a.code, b.code));
            cell += 3;
            if (length > 2) {
                const Lit c = lit_from_nonzero_dimacs(d[2]);
                *cell++ = c;
                largest = std::max(largest, c.code);
                for (d += 3; d != dimacs + end; ++d) {
                    const Lit l = lit_from_nonzero_dimacs(*d);
                    largest = std::max(largest, l.code);
                    *cell++ = l;
                }
            }
            begin = end;
        }
        top = largest;
        size_ = static_cast<std::size_t>(cell - arena_.get());
        count_ += i;
        return i;
    }

  private:
    // Room for a clause of `length` literals: its header written, the cells
    // of the literals returned for the caller to fill.
    Lit* open(std::size_t length) {
        // References and lengths are 32-bit; kNoClause stays unused.
        if (size_ + length + 1 >= UINT32_MAX) throw MemoryLimit("too many clauses");
        if (size_ + length + 1 > capacity_) move_to(2 * (size_ + length + 1));
        Lit* header = arena_.get() + size_;
        header->code = static_cast<std::uint32_t>(length);
        size_ += length + 1;
        ++count_;
        return header + 1;
    }
    void move_to(std::size_t capacity) {
        std::unique_ptr<Lit[]> arena(new Lit[capacity]);
        std::copy_n(arena_.get(), size_, arena.get());
        arena_ = std::move(arena);
        capacity_ = capacity;
    }

    // Header cells hold a length in `code`; the cells after it are literals.
    // Cells beyond `size_` are uninitialised.
    std::unique_ptr<Lit[]> arena_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
    std::size_t reserved_ = 0;  // the end of the room of the last `reserve`
    std::size_t count_ = 0;
};

}  // namespace nemox::sat
