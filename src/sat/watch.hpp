#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
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

// Watch lists by literal code, all kept in one pool so that small solves do
// not pay an allocation per list. During propagation every visited clause
// either moves to another list or is the conflict, so a walk without conflict
// empties the list; `restore_after_conflict` rebuilds the order that removing
// the first k entries one by one (first occurrence, last element swapped into
// its place) leaves behind, in time linear in the list.
class Watches {
  public:
    void resize(std::size_t lit_count) {
        begins_.resize(lit_count, nullptr);
        ends_.resize(lit_count, nullptr);
        caps_.resize(lit_count, nullptr);
    }
    // Before `layout`: one more entry to come in the list of `l`.
    void count(Lit l) {
        if (counts_.size() < begins_.size()) counts_.resize(begins_.size(), 0);
        ++counts_[l.code];
    }
    // Lays the lists out in the pool with room for the entries counted and
    // as much again, so that small searches never grow a list.
    void layout();

    std::size_t size(Lit l) const {
        return static_cast<std::size_t>(ends_[l.code] - begins_[l.code]);
    }
    std::span<const Watch> list(Lit l) const { return {begins_[l.code], size(l)}; }

    void push(Lit l, const Watch& w) {
        if (ends_[l.code] == caps_[l.code]) grow(l);
        *ends_[l.code]++ = w;
    }
    void clear(Lit l) { ends_[l.code] = begins_[l.code]; }

    // Walks the list of the literal `f` that has just become false: each
    // watch `w` moves to the list of the literal that `find(w, to)` puts in
    // `to`, until `find` returns false for a conflict. Returns the conflict
    // clause, with the list restored as the one-by-one removals leave it, or
    // kNoClause with the list emptied. `find` never names `f`, which is false.
    template <class Find>
    ClauseRef walk(Lit f, Find&& find) {
        // Locals, so that the stores into the pool do not make the compiler
        // reload the tables at every entry.
        Watch** const ends = ends_.data();
        Watch* const* const caps = caps_.data();
        const Watch* begin = begins_[f.code];
        const Watch* p = begin;
        const Watch* end = ends[f.code];
        for (; p != end; ++p) {
            Lit to;
            if (!find(*p, to)) [[unlikely]] {
                // The rebuild rewrites the list: the clause is taken first.
                const ClauseRef conflict = p->clause;
                restore_after_conflict(f, static_cast<std::size_t>(p - begin));
                return conflict;
            }
            Watch** const tail = ends + to.code;
            if (*tail == caps[to.code]) [[unlikely]] {
                // Growing may move every list, this one included. The list
                // is named by its slot, so that the literal need not be kept.
                const std::ptrdiff_t at = p - begin, n = end - begin;
                grow(Lit{static_cast<std::uint32_t>(tail - ends_.data())});
                begin = begins_[f.code];
                p = begin + at;
                end = begin + n;
            }
            *(*tail)++ = *p;
        }
        ends[f.code] = begins_[f.code];
        return kNoClause;
    }

    void restore_after_conflict(Lit l, std::size_t removed);

  private:
    static constexpr std::uint32_t kNone = UINT32_MAX;
    // Up to this many removals, or this many entries in the list when more
    // than half go, a rebuild searches directly, without a table.
    static constexpr std::uint32_t kShortRestore = 16;
    static constexpr std::uint32_t kShortList = 32;

    // A position in the list being rebuilt by clause, for the entries of one
    // rebuild: an open-addressing table sized to those entries, so that a
    // large clause database costs no random access into a table by clause.
    class PositionTable {
        struct Cell {
            std::uint32_t key;
            std::uint32_t position;
        };

      public:
        // The table as sized by the last `reset`, held by value in the
        // rebuild's loop: its stores into the scratch arrays would otherwise
        // make the compiler reload the table's fields at every entry.
        class Probe {
          public:
            // The position kept for `c`, kNone when it is new to the table.
            std::uint32_t& at(ClauseRef c) {
                std::uint32_t i = home(c);
                while (cells_[i].key != c.offset && cells_[i].key != kNone) i = (i + 1) & mask_;
                if (cells_[i].key == kNone) {
                    cells_[i].key = c.offset;
                    *used_end_++ = i;
                }
                return cells_[i].position;
            }
            // The position kept for `c`, or kNone.
            std::uint32_t find(ClauseRef c) const {
                for (std::uint32_t i = home(c);; i = (i + 1) & mask_) {
                    if (cells_[i].key == c.offset) return cells_[i].position;
                    if (cells_[i].key == kNone) return kNone;
                }
            }

          private:
            friend class PositionTable;
            Probe(Cell* cells, std::uint32_t* used, std::uint32_t bits)
                : cells_(cells), used_end_(used), mask_((1u << bits) - 1), shift_(32 - bits) {}
            std::uint32_t home(ClauseRef c) const { return (c.offset * 2654435761u) >> shift_; }
            Cell* cells_;
            std::uint32_t* used_end_;  // after the cells given a key
            std::uint32_t mask_;
            std::uint32_t shift_;
        };

        // The table sized for `entries` keys. The cells are empty between
        // rebuilds: `clear` empties just those that `probe` gave a key, which
        // costs less than filling the whole table at every rebuild.
        Probe reset(std::size_t entries);
        void clear(const Probe& probe);

      private:
        std::vector<Cell> cells_;
        std::vector<std::uint32_t> used_;
    };

    void grow(Lit l);
    void restore_separated(Watch* list, std::uint32_t n, std::uint32_t k);
    std::uint32_t restore_general(Watch* list, std::uint32_t n, std::uint32_t k);

    // Each list by its first entry, the place of its next entry and the end
    // of its room; a walk reads only the last two.
    std::vector<Watch*> begins_;
    std::vector<Watch*> ends_;
    std::vector<Watch*> caps_;
    std::vector<std::uint32_t> counts_;  // entries announced before `layout`
    // Chunks of the lists, uninitialised beyond what the lists hold.
    std::unique_ptr<Watch[]> pool_;
    std::size_t pool_used_ = 0;
    std::size_t pool_capacity_ = 0;
    std::size_t live_ = 0;  // sum of the capacities in use; the rest is garbage
    // Scratch for restore.
    PositionTable positions_;
    std::vector<std::uint32_t> holes_;
    std::vector<std::uint32_t> twin_;
    std::vector<std::uint32_t> pos_;
    std::vector<std::uint32_t> at_;
};

}  // namespace nemox::sat
