#include "parser/cp_format.hpp"

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "parser/name_table.hpp"

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

// Names resolve to the declaration in force: thousands of them (the table
// grows many times), names one character apart, prefixes of each other,
// and a name declared again binding its latest index.
TEST(CpFormat, NamesResolveToTheLatestDeclaration) {
    std::string text;
    const int n = 3000;
    for (int i = 0; i < n; ++i)
        text.append("var v")
            .append(std::to_string(i))
            .append(" 0 ")
            .append(std::to_string(i))
            .append("\n");
    text += "var v1 5 5\nvar v 7 7\nvar v10 0 0\n";
    for (int i = n - 1; i >= 0; --i) {
        text.append("eq v").append(std::to_string(i)).append(" v\n");
    }
    const auto parsed = parse_cp(text);
    ASSERT_TRUE(parsed.ok()) << parsed.error();
    const cp::CpProblem& p = parsed.value();
    ASSERT_EQ(p.vars.size(), static_cast<std::size_t>(n + 3));
    ASSERT_EQ(p.constraints.size(), static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) {
        const int i = n - 1 - k;
        const auto& eq = std::get<cp::EqCon>(p.constraints[static_cast<std::size_t>(k)]);
        const std::size_t expected = i == 1 ? n : i == 10 ? n + 2 : static_cast<std::size_t>(i);
        ASSERT_EQ(eq.a, expected) << "v" << i;
        ASSERT_EQ(eq.b, static_cast<std::size_t>(n + 1));
    }
}

TEST(CpFormat, NameTableFindsOnlyWhatWasBound) {
    NameTable t;
    EXPECT_EQ(t.find("x"), nullptr);
    const std::string names[] = {"x", "xx", "x ", "X", "\xC3\xA9", "a_b_c"};
    for (std::size_t i = 0; i < std::size(names); ++i) t.insert_or_assign(names[i], i);
    for (std::size_t i = 0; i < std::size(names); ++i) {
        ASSERT_NE(t.find(names[i]), nullptr) << names[i];
        EXPECT_EQ(*t.find(names[i]), i);
    }
    EXPECT_EQ(t.find("xxx"), nullptr);
    EXPECT_EQ(t.find(""), nullptr);
    t.insert_or_assign("xx", 99);
    EXPECT_EQ(*t.find("xx"), 99u);
    t.clear();
    EXPECT_EQ(t.find("x"), nullptr);
}

}  // namespace
}  // namespace nemox::parser
