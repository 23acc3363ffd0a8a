// Any text through the CP reader alone: never a crash. Valid UTF-8, the only
// text the module passes on, must give what the plain reader of the tests
// gives: the same problem or the same message.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "cp/oracle.hpp"
#include "parser/cp_format.hpp"

namespace {

bool valid_utf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        const std::size_t len = b < 0x80                ? 1
                                : b >= 0xC2 && b < 0xE0 ? 2
                                : b >= 0xE0 && b < 0xF0 ? 3
                                : b >= 0xF0 && b < 0xF5 ? 4
                                                        : 0;
        if (len == 0 || i + len > s.size()) return false;
        char32_t c = len == 1 ? b : b & (0x7F >> len);
        for (std::size_t k = 1; k < len; ++k) {
            const auto cont = static_cast<unsigned char>(s[i + k]);
            if ((cont & 0xC0) != 0x80) return false;
            c = (c << 6) | (cont & 0x3F);
        }
        const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < least[len] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) return false;
        i += len;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto product = nemox::parser::parse_cp(text);
    if (!valid_utf8(text)) return 0;
    const auto plain = nemox::cp::oracle::parse(text);
    if (product.ok() != plain.problem.has_value()) std::abort();
    if (!product.ok()) {
        if (product.error().empty() || product.error() != plain.error) std::abort();
        return 0;
    }
    const auto& a = product.value();
    const auto& b = *plain.problem;
    if (!(a.vars == b.vars) || !(a.constraints == b.constraints)) std::abort();
    return 0;
}
