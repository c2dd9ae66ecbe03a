// The forms runtime. Numbers live as decimal text in the controls: written with at most 15
// significant digits and no trailing zeros, read with a period whatever the user's locale, made whole
// with exact halves going to the even neighbour. Controls raise their handlers as a real window's
// do: a change from code only when the value really changes (the roll-back of a storage change ends
// because of it), a user's pick in a list every time, a click on the selected option button never.

#include <clocale>
#include <cstdlib>
#include <locale>

#include "runtime/jsonnumber.h"
#include "testsession.h"

#if defined(__SANITIZE_ADDRESS__)
// The C library does not free the search path it builds when a locale is loaded from LOCPATH, as the
// German locale below may be; that is its leak, not ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:__argz_add_sep\n";
}
#endif

namespace spindex {
namespace {

using test::Strings;

TEST(Numbers, WritingRoundingAndReading) {
    for (const auto& [value, text] : {std::pair{9.1 * 3, "27.3"},
                                      {(48.0 - 3) * 72.8, "3276"},
                                      {0.1 + 0.2, "0.3"},
                                      {-0.0, "0"},
                                      {1.0 / 3, "0.333333333333333"},
                                      {0.0001, "0.0001"},
                                      {-0.05, "-0.05"},
                                      {0.00001234, "1.234e-05"},
                                      {123456789012345.0, "123456789012345"},
                                      {1234567890123456.0, "1.23456789012346e+15"},
                                      {90174058036063.8125, "90174058036063.8"},
                                      {2.0 / 3 * 1e20, "6.66666666666667e+19"}})
        EXPECT_EQ(formatNumber(value), text) << text;
    for (const auto& [value, rounded] : {std::pair{36.5, 36}, {37.5, 38}, {2.5, 2}, {0.5, 0}, {72.8, 73}, {-2.5, -2}})
        EXPECT_EQ(roundHalfEven(value), rounded) << value;
    EXPECT_EQ(parseNumber(" 7.5 "), 7.5);
    EXPECT_EQ(parseNumber("-3"), -3.0);
    EXPECT_EQ(parseNumber("+0012"), 12.0);
    EXPECT_EQ(parseNumber("1234567890123456789"), 1234567890123456789.0);
    for (const char* text : {"", " ", "abc", "12abc", "1,5", "-", ".", "inf", "nan", "1.2.3"})
        EXPECT_FALSE(parseNumber(text).has_value()) << '"' << text << '"';
}

// A German user's locale writes 27,3; the program's figures keep the period.
TEST(Numbers, GermanLocaleKeepsThePeriod) {
    const std::string oldNumeric = std::setlocale(LC_NUMERIC, nullptr);
    const std::locale oldGlobal;
    const bool ownLocPath = std::getenv("LOCPATH") == nullptr;
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && ownLocPath) {
        // The build compiles a German locale of its own when the machine has none.
        setenv("LOCPATH", SPINDEX_TEST_LOCPATH, 1);
        std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    }
    const bool german = std::string(std::localeconv()->decimal_point) == ",";
    if (german) {
        std::locale::global(std::locale(std::locale::classic(), "de_DE.UTF-8", std::locale::numeric));
        EXPECT_EQ(formatNumber(9.1 * 3), "27.3");
        EXPECT_FALSE(parseNumber("36,4").has_value());
        test::Session s(6);
        s.run("add 5 12 - 36.4");
        EXPECT_EQ(s.totals(), (Strings{"12", "400.4", "4", "12"}));
    }
    std::setlocale(LC_NUMERIC, oldNumeric.c_str());
    std::locale::global(oldGlobal);
    if (ownLocPath)
        unsetenv("LOCPATH");
    if (!german)
        GTEST_SKIP() << "no German locale on this machine and none could be built";
}

TEST(Events, CodeChangesRaiseOnlyForANewValueUserPicksEveryTime) {
    int runs = 0;
    const Handler count = [&runs] { ++runs; };
    ListBox list("list");
    CheckBox box("box");
    TextBox text("text", "0");
    OptionButton yes("yes"), no("no");
    OptionGroup group;
    group.add(yes);
    group.add(no);
    list.onClick = box.onClick = yes.onClick = no.onClick = text.onChange = count;
    list.addItem("a");
    list.addItem("b");
    for (int index : {0, 0, 1, 7}) // 7: no such entry
        list.setListIndex(index);
    EXPECT_EQ(runs, 2);
    list.userPick(1);
    list.userPick(1);
    list.clear();
    EXPECT_EQ(runs, 4);
    EXPECT_EQ(list.text(), "");
    for (int value : {0, 1, 1, 0})
        box.setValue(value);
    for (const char* t : {"0", "1", "1"})
        text.setText(t);
    EXPECT_EQ(runs, 7);
    no.setValue(true);
    no.setValue(true);
    yes.setValue(true); // the button that goes off raises nothing
    yes.userClick();
    EXPECT_EQ(runs, 9);
    EXPECT_FALSE(no.value());
    box.userClick();
    EXPECT_EQ(runs, 10);
    EXPECT_EQ(box.value(), 1);
}

// The user's own actions obey the window's rules in the model itself, whichever front end plays
// them: a tab that is disabled or missing does not open, though the program itself may stand on a
// disabled one.
TEST(UserActions, DisabledTabsRefuse) {
    TabControl tabs("SSTab1");
    tabs.tabEnabled[5] = false;
    std::string why;
    EXPECT_FALSE(tabs.userSelectTab(5, &why));
    EXPECT_EQ(why, "tab 5 is disabled");
    EXPECT_FALSE(tabs.userSelectTab(8, &why));
    EXPECT_EQ(why, "there is no tab 8");
    EXPECT_EQ(tabs.tab(), 0);
    tabs.setTab(5);
    EXPECT_EQ(tabs.tab(), 5);
}

// JSON numbers are written as the program writes numbers: whole values without a fraction, sums
// without the binary noise of their parts, at most 15 significant digits.
TEST(JsonNumbers, WrittenAsTheProgramWritesNumbers) {
    for (const auto& [value, text] : {std::pair{728.0, "728"},
                                      {436.8 + 728 + 291.2, "1456"},
                                      {400.4, "400.4"},
                                      {0.1 + 0.2, "0.3"},
                                      {-0.0, "0"},
                                      {7.5, "7.5"},
                                      {123456789.123456789, "123456789.123457"}})
        EXPECT_EQ(jsonNumber(value).dump(), text) << text;
}

} // namespace
} // namespace spindex
