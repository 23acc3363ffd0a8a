#include "parser/mps.hpp"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "lp/solver.hpp"
#include "parser/lp_format.hpp"

namespace nemox::parser {
namespace {

using linear::LinearSystem;

MpsModel read(const std::string& text, MpsFormat format = MpsFormat::Free) {
    auto parsed = read_mps(text, format);
    if (!parsed.ok()) throw std::runtime_error(parsed.error());
    return std::move(parsed.value());
}

LinearSystem lp(const std::string& text) {
    auto parsed = parse_lp<linear::Rational>(text);
    if (!parsed.ok()) throw std::runtime_error(parsed.error());
    return std::move(parsed.value());
}

// Each model against the LP text that states the same system: variables,
// constraints in order, bounds as rows, shifted and split columns.
struct SameSystemCase {
    const char* name;
    const char* mps;
    const char* lp;
};

const SameSystemCase kSameSystem[] = {
    {"rows and objective constant",
     "NAME T\nROWS\n N obj\n L r1\n G r2\n E r3\nCOLUMNS\n a obj 1 r1 2\n a r2 1\n"
     " b obj -3 r1 1.5\n b r3 1\nRHS\n rhs obj -7 r1 4\n rhs r2 1 r3 2\nENDATA\n",
     "min x0 - 3*x1 + 7\n2*x0 + 1.5*x1 <= 4\nx0 >= 1\nx1 = 2\n"},
    {"ranges on each row type",
     "NAME\nROWS\n N obj\n L r1\n G r2\n E r3\n E r4\nCOLUMNS\n a obj 1 r1 1\n a r2 1 r3 1\n"
     " a r4 1\nRHS\n rhs r1 4 r2 1\n rhs r3 2 r4 3\nRANGES\n rng r1 3 r2 2\n rng r3 1 r4 -2\n"
     "ENDATA\n",
     "min x0\nx0 >= 1\nx0 <= 4\nx0 >= 1\nx0 <= 3\nx0 >= 2\nx0 <= 3\nx0 >= 1\nx0 <= 3\n"},
    {"bounds: upper, positive lower, fixed, binary",
     "NAME\nROWS\n N obj\n L r1\nCOLUMNS\n a obj 1 r1 1\n b obj 1 r1 1\n c obj 1 r1 1\n"
     " d obj 1 r1 1\nRHS\n rhs r1 10\nBOUNDS\n UP bnd a 4\n LO bnd b 2\n UP bnd b 5\n"
     " FX bnd c 3\n BV bnd d\nENDATA\n",
     "min x0 + x1 + x2 + x3\nint x3\nx0 + x1 + x2 + x3 <= 10\nx0 <= 4\nx1 >= 2\nx1 <= 5\nx2 = 3\n"
     "x3 <= 1\n"},
    {"negative lower bound shifted into the constants",
     "NAME\nROWS\n N obj\n G r1\nCOLUMNS\n a obj 2 r1 3\nRHS\n rhs r1 1\nBOUNDS\n LO bnd a -4\n"
     " UP bnd a 6\nENDATA\n",
     "min 2*x0 - 8\n3*x0 - 12 >= 1\nx0 <= 10\n"},
    {"free and minus-infinity columns split in two",
     "NAME\nROWS\n N obj\n E r1\nCOLUMNS\n a obj 1 r1 1\n b obj 1 r1 -1\nRHS\n rhs r1 1\n"
     "BOUNDS\n FR bnd a\n MI bnd b\n UP bnd b 3\nENDATA\n",
     "min x0 + x1 - x2 - x3\nx0 - x1 - x2 + x3 = 1\nx1 - x3 <= 3\n"},
    {"negative upper bound alone makes the column free below",
     "NAME\nROWS\n N obj\n L r1\nCOLUMNS\n a obj 1 r1 1\nRHS\n rhs r1 5\nBOUNDS\n UP bnd a -1\n"
     "ENDATA\n",
     "min x0 - x1\nx0 - x1 <= 5\nx0 - x1 <= -1\n"},
    {"maximisation, a second objective row ignored, second sets skipped",
     "NAME\nOBJSENSE\n    MAX\nROWS\n N obj\n N other\n L r1\nCOLUMNS\n a obj 1 other 5\n"
     " a r1 1\nRHS\n rhs r1 2\n rhs2 r1 9\nBOUNDS\n UP b1 a 1\n UP b2 a 7\nENDATA\n",
     "max x0\nx0 <= 2\nx0 <= 1\n"},
};

TEST(MpsReader, BuildsTheSystemOfTheLpText) {
    for (const auto& c : kSameSystem) {
        SCOPED_TRACE(c.name);
        const MpsModel model = read(c.mps);
        ASSERT_TRUE(model.system.small.has_value());
        EXPECT_EQ(*model.system.small, lp(c.lp));
    }
}

TEST(MpsReader, FixedFormatReadsNamesWithBlanks) {
    // Fields at columns 2-3, 5-12, 15-22, 25-36, 40-47, 50-61.
    // Fields at columns 2-3, 5-12, 15-22, 25-36, 40-47, 50-61.
    const auto line = [](std::initializer_list<const char*> fields) {
        static constexpr std::size_t start[6] = {1, 4, 14, 24, 39, 49};
        std::string out;
        std::size_t f = 0;
        for (const char* field : fields) {
            out.resize(start[f], ' ');
            out += field;
            ++f;
        }
        return out + "\n";
    };
    const std::string fixed =
        "NAME          FIXED\nROWS\n" + line({"N", "COST"}) + line({"L", "LIM 1"}) + "COLUMNS\n" +
        line({"", "X ONE", "COST", "1", "LIM 1", "2"}) +
        line({"", "X TWO", "COST", "-1", "LIM 1", "1"}) + "RHS\n" + line({"", "", "LIM 1", "4"}) +
        "BOUNDS\n" + line({"UP", "BND", "X TWO", "3"}) + "ENDATA\n";
    const MpsModel model = read(fixed, MpsFormat::Fixed);
    EXPECT_EQ(model.name, "FIXED");
    ASSERT_EQ(model.columns.size(), 2u);
    EXPECT_EQ(model.columns[0].name, "X ONE");
    EXPECT_EQ(model.columns[1].name, "X TWO");
    EXPECT_EQ(*model.system.small, lp("min x0 - x1\n2*x0 + x1 <= 4\nx1 <= 3\n"));
    // Read as free MPS the blanks split the names: the line has too many fields.
    EXPECT_FALSE(read_mps(fixed, MpsFormat::Free).ok());
}

TEST(MpsReader, IntegerMarkersAndBounds) {
    const MpsModel model = read(
        "NAME\nROWS\n N obj\n L r1\nCOLUMNS\n MARKER 'MARKER' 'INTORG'\n a obj 1 r1 1\n"
        " MARKER 'MARKER' 'INTEND'\n b obj 1 r1 1\n c obj 1 r1 1\nRHS\n rhs r1 3\nBOUNDS\n"
        " UI bnd c 2\nENDATA\n");
    const auto& info = model.system.small->var_info;
    EXPECT_TRUE(info.at(0).is_integer);
    EXPECT_FALSE(info.at(1).is_integer);
    EXPECT_TRUE(info.at(2).is_integer);
    EXPECT_TRUE(model.columns[0].is_integer);
    EXPECT_FALSE(model.columns[1].is_integer);
}

TEST(MpsReader, ErrorsNameTheLine) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"NAME\nROWS\n X r1\nENDATA\n", "line 3: bad row type X"},
        {"NAME\nROWS\n N obj\n L r1\n L r1\nENDATA\n", "line 5: duplicate row r1"},
        {"NAME\nROWS\n N obj\nCOLUMNS\n a nope 1\nENDATA\n", "line 5: unknown row nope"},
        {"NAME\nROWS\n N obj\nCOLUMNS\n a obj 1x\nENDATA\n", "line 5: bad number 1x"},
        {"NAME\nROWS\n N obj\nCOLUMNS\n a obj\nENDATA\n", "line 5: wrong number of fields"},
        {"NAME\nROWS\n L r\nCOLUMNS\n a r 1 r 2\nENDATA\n",
         "line 5: second entry of column a in row r"},
        {"NAME\nROWS\n N obj\nCOLUMNS\n a obj 1\nBOUNDS\n UP bnd b 1\nENDATA\n",
         "line 7: unknown column b"},
        {"NAME\nROWS\n N obj\nCOLUMNS\n a obj 1\nBOUNDS\n XX bnd a 1\nENDATA\n",
         "line 7: bad bound type XX"},
        {"NAME\nROWS\n N obj\nCOLUMNS\n a obj 1\nBOUNDS\n UP a\nENDATA\n",
         "line 7: missing bound value"},
        {"NAME\n\n* comment\nSECTION\n", "line 4: unknown section SECTION"},
        {" L r1\n", "line 1: data outside a section"},
        {"NAME\nROWS\n N obj\n", "missing ENDATA"},
        {"NAME\nOBJSENSE\n SIDEWAYS\nENDATA\n", "line 3: bad objective sense SIDEWAYS"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto r = read_mps(c.text);
        ASSERT_FALSE(r.ok());
        EXPECT_EQ(r.error(), c.message);
    }
}

TEST(MpsReader, CarriageReturnsAndComments) {
    const MpsModel model = read(
        "NAME T\r\n* note\r\nROWS\r\n N obj\r\n L r\r\nCOLUMNS\r\n a obj 1 r 1\r\n"
        "RHS\r\n rhs r 2\r\nENDATA\r\n");
    EXPECT_EQ(*model.system.small, lp("min x0\nx0 <= 2\n"));
    EXPECT_EQ(model.rows, 1u);
    EXPECT_EQ(model.nonzeros, 1u);
}

TEST(MpsReader, BigValuesAreReadExactly) {
    const MpsModel model =
        read("NAME\nROWS\n N obj\n L r\nCOLUMNS\n a obj 1 r 1e19\nRHS\n rhs r 3e19\nENDATA\n");
    ASSERT_TRUE(model.system.big.has_value());
    lp::LpSolver solver;
    solver.load(model.system);
    EXPECT_EQ(solver.solve().text(), "OPTIMAL (obj=0)\nModel: [x0 -> 0]");
}

TEST(MpsReader, ColumnValuesUndoTheShiftsAndSplits) {
    // min a + b with a in [-4, 6] free of rows, b free with b >= -2.5 by a row.
    const MpsModel model = read(
        "NAME\nROWS\n N obj\n G r\nCOLUMNS\n a obj 1\n b obj 1 r 1\nRHS\n rhs r -2.5\n"
        "BOUNDS\n LO bnd a -4\n UP bnd a 6\n FR bnd b\nENDATA\n");
    lp::LpSolver solver;
    solver.load(model.system);
    const LpResult r = solver.solve();
    ASSERT_EQ(r.kind, LpResult::Kind::Optimal);
    EXPECT_EQ(r.objective, -6.5);
    const Assignment values = column_values(model, r.assignment);
    EXPECT_EQ(values.text(), "[x0 -> -4, x1 -> -2.5]");
}

}  // namespace
}  // namespace nemox::parser
