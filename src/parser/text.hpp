#pragma once

// Line splitting, trimming, tokenising and line-numbered messages shared by
// the three readers.
// White space is the Unicode White_Space set, matched on UTF-8 bytes.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace nemox::parser {

// Length in bytes of the white-space character that starts at `p`, or 0.
inline std::size_t white_space_length(const char* p, const char* end) {
    const auto b0 = static_cast<unsigned char>(*p);
    if (b0 < 0x80) return (b0 == ' ' || (b0 >= 0x09 && b0 <= 0x0D)) ? 1 : 0;
    const auto avail = end - p;
    if (b0 == 0xC2) {
        if (avail < 2) return 0;
        const auto b1 = static_cast<unsigned char>(p[1]);
        return (b1 == 0x85 || b1 == 0xA0) ? 2 : 0;
    }
    if (b0 < 0xE1 || b0 > 0xE3 || avail < 3) return 0;
    const auto b1 = static_cast<unsigned char>(p[1]);
    const auto b2 = static_cast<unsigned char>(p[2]);
    switch (b0) {
        case 0xE1:  // U+1680
            return (b1 == 0x9A && b2 == 0x80) ? 3 : 0;
        case 0xE2:
            if (b1 == 0x80) {  // U+2000..U+200A, U+2028, U+2029, U+202F
                return (b2 <= 0x8A || b2 == 0xA8 || b2 == 0xA9 || b2 == 0xAF) ? 3 : 0;
            }
            return (b1 == 0x81 && b2 == 0x9F) ? 3 : 0;  // U+205F
        default:                                        // 0xE3: U+3000
            return (b1 == 0x80 && b2 == 0x80) ? 3 : 0;
    }
}

// Length of the white-space character that ends just before `end`, or 0.
inline std::size_t white_space_length_before(const char* begin, const char* end) {
    const auto last = static_cast<unsigned char>(end[-1]);
    if (last < 0x80) return (last == ' ' || (last >= 0x09 && last <= 0x0D)) ? 1 : 0;
    for (std::ptrdiff_t n = 2; n <= 3 && end - begin >= n; ++n) {
        if (white_space_length(end - n, end) == static_cast<std::size_t>(n))
            return static_cast<std::size_t>(n);
    }
    return 0;
}

inline std::string_view trim(std::string_view s) {
    const char* b = s.data();
    const char* e = b + s.size();
    while (b < e) {
        const std::size_t n = white_space_length(b, e);
        if (n == 0) break;
        b += n;
    }
    while (e > b) {
        const std::size_t n = white_space_length_before(b, e);
        if (n == 0) break;
        e -= n;
    }
    return std::string_view(b, static_cast<std::size_t>(e - b));
}

// Lines cut at each line feed; a carriage return just before it goes with it,
// and a final line feed does not start another line. Lines count from 1.
class LineReader {
  public:
    explicit LineReader(std::string_view text) : p_(text.data()), end_(text.data() + text.size()) {}

    bool next(std::string_view& line) {
        if (p_ >= end_) return false;
        const void* nl = std::memchr(p_, '\n', static_cast<std::size_t>(end_ - p_));
        const char* stop = nl != nullptr ? static_cast<const char*>(nl) : end_;
        const char* line_end = stop;
        if (nl != nullptr && line_end > p_ && line_end[-1] == '\r') --line_end;
        line = std::string_view(p_, static_cast<std::size_t>(line_end - p_));
        p_ = nl != nullptr ? stop + 1 : end_;
        ++number_;
        return true;
    }

    std::uint64_t number() const { return number_; }

  private:
    const char* p_;
    const char* end_;
    std::uint64_t number_ = 0;
};

// Non-empty tokens separated by runs of white space.
class Tokenizer {
  public:
    explicit Tokenizer(std::string_view s) : p_(s.data()), end_(s.data() + s.size()) {}

    bool next(std::string_view& token) {
        while (p_ < end_) {
            const std::size_t n = white_space_length(p_, end_);
            if (n == 0) break;
            p_ += n;
        }
        if (p_ >= end_) return false;
        const char* start = p_;
        while (p_ < end_ && white_space_length(p_, end_) == 0) ++p_;
        token = std::string_view(start, static_cast<std::size_t>(p_ - start));
        return true;
    }

  private:
    const char* p_;
    const char* end_;
};

// "line N: " + what, as messages about one line read.
inline std::string line_message(std::uint64_t line, std::string_view what) {
    std::string m = "line ";
    m += std::to_string(line);
    m += ": ";
    m += what;
    return m;
}

// The same followed by a token in single quotes, byte for byte (NUL included).
inline std::string line_message_quoting(std::uint64_t line, std::string_view what,
                                        std::string_view token) {
    std::string m = line_message(line, what);
    m += '\'';
    m += token;
    m += '\'';
    return m;
}

}  // namespace nemox::parser
