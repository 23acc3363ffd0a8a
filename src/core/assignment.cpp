#include "core/assignment.hpp"

#include <charconv>
#include <cmath>
#include <string_view>

namespace nemox {

std::string format_double(double v) {
    if (std::isnan(v)) return "NaN";
    if (std::isinf(v)) return v < 0 ? "-inf" : "inf";
    if (v == 0.0) return std::signbit(v) ? "-0" : "0";

    // Shortest round-trip digits in scientific form, then laid out positionally.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
    const std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
    const std::size_t e_pos = sci.find('e');
    std::string_view mantissa = sci.substr(0, e_pos);
    int exponent = 0;
    const char* exp_begin = sci.data() + e_pos + 1;
    if (*exp_begin == '+') ++exp_begin;
    std::from_chars(exp_begin, sci.data() + sci.size(), exponent);

    std::string out;
    if (mantissa.front() == '-') {
        out.push_back('-');
        mantissa.remove_prefix(1);
    }
    std::string digits;
    for (char c : mantissa) {
        if (c != '.') digits.push_back(c);
    }
    const int n = static_cast<int>(digits.size());
    if (exponent >= n - 1) {
        out += digits;
        out.append(static_cast<std::size_t>(exponent - (n - 1)), '0');
    } else if (exponent >= 0) {
        out.append(digits, 0, static_cast<std::size_t>(exponent + 1));
        out.push_back('.');
        out.append(digits, static_cast<std::size_t>(exponent + 1));
    } else {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    }
    return out;
}

std::string value_text(const Value& v) {
    struct Visitor {
        std::string operator()(bool b) const { return b ? "true" : "false"; }
        std::string operator()(std::int64_t i) const { return std::to_string(i); }
        std::string operator()(double d) const { return format_double(d); }
        std::string operator()(const BigInteger& i) const { return decimal_text(i); }
    };
    return std::visit(Visitor{}, v);
}

void Assignment::set(std::uint64_t index, Value value) {
    for (auto& pair : pairs_) {
        if (pair.first == index) {
            pair.second = value;
            return;
        }
    }
    pairs_.emplace_back(index, value);
}

std::string Assignment::text() const {
    std::string out = "[";
    bool first = true;
    for (const auto& [index, value] : pairs_) {
        if (!first) out += ", ";
        first = false;
        out += 'x';
        out += std::to_string(index);
        out += " -> ";
        out += value_text(value);
    }
    out += ']';
    return out;
}

}  // namespace nemox
