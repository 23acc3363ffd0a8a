#pragma once

// Names of a text to their indices, for the readers' lookups: open
// addressing over views into the text, so that a name costs no allocation
// of its own (a Sudoku's 81 names cost the node map as much as the rest of
// the reading).

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace nemox::parser {

class NameTable {
  public:
    // The index bound to `name`, or nullptr.
    const std::size_t* find(std::string_view name) const {
        if (slots_.empty()) return nullptr;
        for (std::size_t i = hash(name) & mask();; i = (i + 1) & mask()) {
            const Slot& s = slots_[i];
            if (!s.used) return nullptr;
            if (s.name == name) return &s.index;
        }
    }

    // Binds `name` to `index`, replacing an earlier binding. The text that
    // `name` views must outlive the table.
    void insert_or_assign(std::string_view name, std::size_t index) {
        if (2 * (count_ + 1) > slots_.size()) grow();
        Slot& s = place(name);
        if (!s.used) {
            s = Slot{name, index, true};
            ++count_;
        } else {
            s.index = index;
        }
    }

    void clear() {
        slots_.clear();
        count_ = 0;
    }

  private:
    struct Slot {
        std::string_view name;
        std::size_t index = 0;
        bool used = false;
    };

    // FNV-1a, then a multiply that spreads the low bits the mask keeps.
    static std::size_t hash(std::string_view name) {
        std::uint64_t h = 1469598103934665603ull;
        for (const char c : name) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        return static_cast<std::size_t>((h ^ (h >> 32)) * 0x9E3779B97F4A7C15ull >> 16);
    }
    std::size_t mask() const { return slots_.size() - 1; }

    Slot& place(std::string_view name) {
        for (std::size_t i = hash(name) & mask();; i = (i + 1) & mask()) {
            Slot& s = slots_[i];
            if (!s.used || s.name == name) return s;
        }
    }

    void grow() {
        std::vector<Slot> old(slots_.empty() ? 64 : 2 * slots_.size());
        old.swap(slots_);
        for (const Slot& s : old) {
            if (s.used) place(s.name) = s;
        }
    }

    std::vector<Slot> slots_;
    std::size_t count_ = 0;
};

}  // namespace nemox::parser
