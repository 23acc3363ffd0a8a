#include "parser/mps.hpp"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <variant>
#include <vector>

#include "core/interrupt.hpp"
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
    {"infinite and huge bounds mean none",
     "NAME\nROWS\n N obj\nCOLUMNS\n a obj 1\n b obj 1\n c obj 1\n d obj 1\nBOUNDS\n UP bnd a inf\n"
     " UP bnd b 1e400\n LO bnd c -Infinity\n UP bnd c 1e30\n LO bnd d -1e30\n UP bnd d 2\nENDATA\n",
     "min x0 + x1 + x2 + x3 - x4 - x5\nx3 - x5 <= 2\n"},
    {"integer columns shift by whole numbers, the fraction as a row",
     "NAME\nROWS\n N obj\nCOLUMNS\n MARKER 'MARKER' 'INTORG'\n a obj 1\n b obj 1\n"
     " MARKER 'MARKER' 'INTEND'\n c obj 1\n d obj 1\nBOUNDS\n LO bnd a -0.5\n UP bnd a 3\n"
     " FX bnd b -2.5\n LI bnd c -1.5\n LI bnd d -2\nENDATA\n",
     "min x0 + x1 + x2 + x3 - 1 - 3 - 2 - 2\nint x0\nint x1\nint x2\nint x3\n"
     "x0 >= 0.5\nx0 <= 4\nx1 = 0.5\nx2 >= 0.5\n"},
    {"integer columns bounded above only count down from the bound",
     "NAME\nROWS\n N obj\n L r\nCOLUMNS\n MARKER 'MARKER' 'INTORG'\n a obj 1 r 1\n b obj 1\n"
     " MARKER 'MARKER' 'INTEND'\nRHS\n rhs r 4\nBOUNDS\n MI bnd a\n UP bnd a 2\n"
     " UP bnd b -1.5\nENDATA\n",
     "min -x0 - x1 + 2 - 1\nint x0\nint x1\n-x0 + 2 <= 4\nx1 >= 0.5\n"},
    {"maximisation, a second objective row ignored, second sets skipped",
     "NAME\nOBJSENSE\n    MAX\nROWS\n N obj\n N other\n L r1\nCOLUMNS\n a obj 1 other 5\n"
     " a r1 1\nRHS\n rhs r1 2\n rhs2 r1 9\nBOUNDS\n UP b1 a 1\n UP b2 a 7\nENDATA\n",
     "max x0\nx0 <= 2\nx0 <= 1\n"},
};

TEST(MpsReader, BuildsTheSystemOfTheLpText) {
    for (const auto& c : kSameSystem) {
        SCOPED_TRACE(c.name);
        const MpsModel model = read(c.mps);
        ASSERT_TRUE(std::holds_alternative<linear::LinearSystem>(model.system));
        EXPECT_EQ(std::get<linear::LinearSystem>(model.system), lp(c.lp));
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
    EXPECT_EQ(std::get<linear::LinearSystem>(model.system),
              lp("min x0 - x1\n2*x0 + x1 <= 4\nx1 <= 3\n"));
    // As free MPS the blanks split the names and the lines have too many
    // fields; such a text is then read as fixed.
    const MpsModel fallback = read(fixed, MpsFormat::Free);
    EXPECT_EQ(fallback.columns[0].name, "X ONE");
    EXPECT_EQ(std::get<linear::LinearSystem>(fallback.system),
              std::get<linear::LinearSystem>(model.system));
    // Failing both ways, the free reading's message is the one given.
    const auto both = read_mps(fixed.substr(0, fixed.size() - 7));
    ASSERT_FALSE(both.ok());
    EXPECT_EQ(both.error(), "line 4: a row needs a type and a name");
}

TEST(MpsReader, IntegerMarkersAndBounds) {
    const MpsModel model = read(
        "NAME\nROWS\n N obj\n L r1\nCOLUMNS\n MARKER 'MARKER' 'INTORG'\n a obj 1 r1 1\n"
        " MARKER 'MARKER' 'INTEND'\n b obj 1 r1 1\n c obj 1 r1 1\nRHS\n rhs r1 3\nBOUNDS\n"
        " UI bnd c 2\nENDATA\n");
    const auto& info = std::get<linear::LinearSystem>(model.system).var_info;
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
        {"NAME\nROWS\n N obj\n L r\nCOLUMNS\n a obj 1 r inf\nENDATA\n", "line 6: bad number inf"},
        {"NAME\nROWS\n N obj\nCOLUMNS\n a obj -INFINITY\nENDATA\n", "line 5: bad number -INFINITY"},
        {"NAME\nROWS\n N obj\n L r\nCOLUMNS\n a r 1\nRHS\n rhs r 1e400\nENDATA\n",
         "line 8: bad number 1e400"},
        {"NAME\nROWS\n N obj\nCOLUMNS\n a obj 1\nRHS\n rhs obj -inf\nENDATA\n",
         "line 7: bad number -inf"},
        {"NAME\nROWS\n N obj\n L r\nCOLUMNS\n a r 1\nRANGES\n rng r Inf\nENDATA\n",
         "line 8: bad number Inf"},
        {"NAME\nROWS\n N obj\nCOLUMNS\n a obj 1\nBOUNDS\n UP bnd a nan\nENDATA\n",
         "line 7: bad number nan"},
        {"NAME\nROWS\n N obj\nCOLUMNS\n a obj 1\nBOUNDS\n LO bnd a inf\nENDATA\n",
         "line 7: lower bound of +infinity"},
        {"NAME\nROWS\n N obj\nCOLUMNS\n a obj 1\n a obj 2\nENDATA\n",
         "line 6: second entry of column a in row obj"},
        {"NAME\nROWS\n L r\nCOLUMNS\n a r 0\n a r 2\nENDATA\n",
         "line 6: second entry of column a in row r"},
        // A column met again after another one.
        {"NAME\nROWS\n L r\n L s\nCOLUMNS\n a r 1\n b r 1 s 1\n a s 1\n a r 2\nENDATA\n",
         "line 9: second entry of column a in row r"},
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
    EXPECT_EQ(std::get<linear::LinearSystem>(model.system), lp("min x0\nx0 <= 2\n"));
    EXPECT_EQ(model.rows, 1u);
    EXPECT_EQ(model.nonzeros, 1u);
}

TEST(MpsReader, BigValuesAreReadExactly) {
    const MpsModel model =
        read("NAME\nROWS\n N obj\n L r\nCOLUMNS\n a obj 1 r 1e19\nRHS\n rhs r 3e19\nENDATA\n");
    ASSERT_TRUE(std::holds_alternative<linear::BigLinearSystem>(model.system));
    lp::LpSolver solver;
    solver.load(model.system);
    EXPECT_EQ(solver.solve().text(), "OPTIMAL (obj=0)\nModel: [x0 -> 0]");
}

TEST(MpsReader, ColumnValuesUndoTheShiftsAndSplits) {
    // min a + b + c with a in [-4, 6] free of rows, b free with b >= -2.5
    // by a row, c >= -1/3 as its double reads (to nine places).
    const MpsModel model = read(
        "NAME\nROWS\n N obj\n G r\nCOLUMNS\n a obj 1\n b obj 1 r 1\n c obj 1\n"
        "RHS\n rhs r -2.5\nBOUNDS\n LO bnd a -4\n UP bnd a 6\n FR bnd b\n"
        " LO bnd c -0.3333333333\nENDATA\n");
    lp::LpSolver solver;
    solver.keep_exact_values(true);
    solver.load(model.system);
    const LpResult r = solver.solve();
    ASSERT_EQ(r.kind, LpResult::Kind::Optimal);
    const auto values = column_values(model, r.assignment, solver.exact_values());
    using linear::BigInt;
    using linear::BigRational;
    EXPECT_EQ(values, (std::vector<BigRational>{
                          BigRational(BigInt(-4), BigInt(1)), BigRational(BigInt(-5), BigInt(2)),
                          BigRational(BigInt(-333333333), BigInt(1000000000))}));
}

TEST(MpsReader, ReadingPollsTheInterrupt) {
    // One column over many rows, the shape that once took time quadratic
    // in the column's length.
    std::string text = "NAME\nROWS\n N obj\n";
    const int n = 20000;
    for (int i = 0; i < n; ++i) text += " L r" + std::to_string(i) + "\n";
    text += "COLUMNS\n";
    for (int i = 0; i < n; ++i) text += " x r" + std::to_string(i) + " 1\n";
    text += "ENDATA\n";
    const MpsModel model = read(text);
    EXPECT_EQ(model.nonzeros, static_cast<std::size_t>(n));

    static int polls;
    polls = 0;
    const Interrupt stop_at_third([](std::uint64_t) { return ++polls == 3; }, 1000);
    EXPECT_THROW(read_mps(text, MpsFormat::Free, stop_at_third), Interrupted);
    EXPECT_EQ(polls, 3);
}

}  // namespace
}  // namespace nemox::parser
