#include "parser/cp_format.hpp"

#include <gtest/gtest.h>

#include <string>

namespace nemox::parser {
namespace {

// Every failing statement carries its line as data, whether or not its
// message names it.
TEST(CpFormat, FailuresCarryTheirLine) {
    struct Case {
        const char* text;
        const char* message;
        std::uint64_t line;
    };
    const Case cases[] = {
        {"var x 0 3\n\n# c\neq x\n", "eq needs 2 vars", 4},
        {"var x 0 3\nlinear two x 10 le\n", "bad coeff", 2},
        {"var x 0 3\r\nvar y 0 3\r\nle x y 1.5\r\n", "bad c", 3},
        {"var x 0 3\nlinear 2 x 10 lt\n", "linear: expected le/eq/ge", 2},
        {"var x 0 3\nallDiff x\n", "allDiff needs \u2265 2 vars", 2},
        {"\nvar x 0\n", "line 2: var needs name, min, max", 2},
        {"var x 0 3\n// c\neq x z\n", "line 3: unknown variable 'z'", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto parsed = parse_cp(c.text);
        ASSERT_FALSE(parsed.ok());
        EXPECT_EQ(parsed.error(), c.message);
        EXPECT_EQ(parsed.error_line(), c.line);
    }
}

}  // namespace
}  // namespace nemox::parser
