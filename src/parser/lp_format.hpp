#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/expected.hpp"
#include "linear/system.hpp"

namespace nemox::parser {

// The number syntax of LP text ([+-], digits with at most one point, an
// optional exponent, or inf / infinity / nan), read as the nearest double.
std::optional<double> parse_lp_number(std::string_view text);

// The index that a canonical name "x<index>" spells, if `name` is one.
std::optional<std::uint64_t> canonical_index(std::string_view name);

// True when `text` holds a character with the Unicode Alphabetic property.
bool contains_alphabetic(std::string_view text);

// Reads LP text into a system. With N = Rational the expression arithmetic
// throws linear::Overflow when a value leaves the 64-bit range; the caller
// then reads the text again with N = BigRational.
template <class N>
Expected<linear::LinearSystemT<N>> parse_lp(std::string_view text);

extern template Expected<linear::LinearSystemT<linear::Rational>> parse_lp(std::string_view);
extern template Expected<linear::LinearSystemT<linear::BigRational>> parse_lp(std::string_view);

// The variable a name refers to: the existing one whose canonical name it is
// ("x" and the index), otherwise a new one.
template <class N>
std::uint64_t get_var(std::string_view name, linear::LinearSystemT<N>& system);

// Reads in 64-bit fractions, and again in big ones when a value leaves
// that range.
Expected<linear::ExactSystem> read_lp_text(std::string_view text);

template <class N>
Expected<linear::LinearExprT<N>> parse_expr(std::string_view text,
                                            linear::LinearSystemT<N>& system);

}  // namespace nemox::parser
