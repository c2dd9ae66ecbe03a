// Numbers live as decimal text in the controls: written with at most 15 significant digits and no
// trailing zeros, read with a period as the decimal separator whatever the user's locale, and turned
// into whole numbers with exact halves going to the even neighbour.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <locale>
#include <string>

#include "numbers.h"
#include "testsession.h"

#if defined(__SANITIZE_ADDRESS__)
// The C library does not free the search path it builds when a locale is loaded from LOCPATH, as the
// German locale below may be; that is its leak, not ours.
extern "C" const char *__lsan_default_suppressions() {
    return "leak:__argz_add_sep\n";
}
#endif

namespace spindex {
namespace {

struct WriteRow {
    const char *name;
    double value;
    const char *text;
};

void PrintTo(const WriteRow &row, std::ostream *os) {
    *os << row.name;
}

class NumberWriting : public ::testing::TestWithParam<WriteRow> {};

TEST_P(NumberWriting, WritesShortestTextOfFifteenDigits) {
    EXPECT_EQ(formatNumber(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberWriting,
    ::testing::Values(WriteRow{"ProductOfNinePointOneAndThree", 9.1 * 3, "27.3"},
                      WriteRow{"HalfHeightUnits", 1.5 * 9, "13.5"}, WriteRow{"WholeValue", 12.0, "12"},
                      WriteRow{"SumOfCapacities", 109.2 + 36.4, "145.6"},
                      WriteRow{"RaidFiftyThreeSpans", (24.0 - 3) * 36.4, "764.4"},
                      WriteRow{"LargestRaidFifty", (48.0 - 3) * 72.8, "3276"},
                      WriteRow{"TenthsThatDoNotAddUp", 0.1 + 0.2, "0.3"}, WriteRow{"Zero", 0.0, "0"},
                      WriteRow{"NegativeZero", -0.0, "0"}, WriteRow{"NegativeFraction", -4.5, "-4.5"},
                      WriteRow{"OneThirdCutAtFifteenDigits", 1.0 / 3, "0.333333333333333"},
                      WriteRow{"RaidFiveOfTwelve", 11 * 36.4, "400.4"}),
    [](const ::testing::TestParamInfo<WriteRow> &info) { return std::string(info.param.name); });

struct RoundRow {
    const char *name;
    double value;
    double rounded;
};

void PrintTo(const RoundRow &row, std::ostream *os) {
    *os << row.name;
}

class WholeNumbers : public ::testing::TestWithParam<RoundRow> {};

TEST_P(WholeNumbers, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(GetParam().value), GetParam().rounded);
    EXPECT_EQ(toInt16(GetParam().value), static_cast<std::int16_t>(GetParam().rounded));
}

INSTANTIATE_TEST_SUITE_P(
    Values, WholeNumbers,
    ::testing::Values(RoundRow{"ThirtySixAndAHalfDown", 36.5, 36},
                      RoundRow{"ThirtySevenAndAHalfUp", 37.5, 38}, RoundRow{"OneAndAHalfUp", 1.5, 2},
                      RoundRow{"TwoAndAHalfDown", 2.5, 2}, RoundRow{"HalfDownToZero", 0.5, 0},
                      RoundRow{"NearestBelowHalf", 72.8, 73}, RoundRow{"NearestAboveHalf", 9.1, 9},
                      RoundRow{"NegativeHalf", -2.5, -2}),
    [](const ::testing::TestParamInfo<RoundRow> &info) { return std::string(info.param.name); });

TEST(NumberReading, ReadsDecimalTextWithAPeriod) {
    EXPECT_EQ(parseNumber("36.4"), 36.4);
    EXPECT_EQ(parseNumber("12"), 12.0);
    EXPECT_EQ(parseNumber(" 7.5 "), 7.5);
    EXPECT_EQ(parseNumber("-3"), -3.0);
}

TEST(NumberReading, TextThatIsNoNumberGivesNothing) {
    for (const char *text : {"", " ", "abc", "12abc", "1,5", "-", ".", "inf", "nan", "1.2.3"})
        EXPECT_FALSE(parseNumber(text).has_value()) << '"' << text << '"';
}

// Restores the locale even when an expectation fails.
class GermanNumbers : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char *old = std::getenv("LOCPATH")) m_oldLocPath = old;
        m_oldNumeric = std::setlocale(LC_NUMERIC, nullptr);
        m_oldGlobal = std::locale();
        for (const char *name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"})
            if (std::setlocale(LC_NUMERIC, name)) {
                m_name = name;
                break;
            }
        if (m_name.empty()) {
            // The build compiles a German locale of its own when the machine has none.
            setenv("LOCPATH", SPINDEX_TEST_LOCPATH, 1);
            if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) m_name = "de_DE.UTF-8";
        }
        if (m_name.empty()) GTEST_SKIP() << "no German locale on this machine and none could be built";
        std::locale::global(std::locale(std::locale::classic(), m_name.c_str(), std::locale::numeric));
        ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
    }
    void TearDown() override {
        std::setlocale(LC_NUMERIC, m_oldNumeric.c_str());
        std::locale::global(m_oldGlobal);
        if (m_oldLocPath)
            setenv("LOCPATH", m_oldLocPath->c_str(), 1);
        else
            unsetenv("LOCPATH");
    }

private:
    std::string m_name;
    std::string m_oldNumeric;
    std::locale m_oldGlobal;
    std::optional<std::string> m_oldLocPath;
};

TEST_F(GermanNumbers, WritingAndReadingKeepThePeriod) {
    EXPECT_EQ(formatNumber(9.1 * 3), "27.3");
    EXPECT_EQ(formatNumber(13.5), "13.5");
    EXPECT_EQ(parseNumber("36.4"), 36.4);
    EXPECT_FALSE(parseNumber("36,4").has_value());
}

TEST_F(GermanNumbers, TypicalRequestGivesTheSameFigures) {
    test::Session s(6);
    s.calculator("5", "12", "", "36.4");
    EXPECT_EQ(s.main().TxtLogicalCap.text(), "400.4");
    ASSERT_TRUE(s.add("5", "12", "", "36.4"));
    EXPECT_EQ(s.totals(), (std::vector<std::string>{"12", "400.4", "1", "12"}));
}

} // namespace
} // namespace spindex
