// The result fields: recalculated from the list and the two names as the user types.
#include "resources/resource.h"
#include "ui_harness.h"

using namespace ui_test;

namespace
{

class ResultsTest : public MainWindowTest
{
  protected:
    void AddRow(const char *level, const std::vector<const char *> &stats)
    {
        SetText(window, IDC_LEVEL, level);
        for (int s = 0; s < 7; s++)
            SetText(window, StatFields[s], s < (int)stats.size() ? stats[s] : "");
        Click(window, IDC_ADD);
    }

    // Bulbasaur with an Adamant nature, typed and chosen as a user would:
    // the name typed, the nature picked from its list with the arrow key.
    void ChooseBulbasaurAdamant()
    {
        TypeInto(window, IDC_SPECIES, "フシギダネ");
        PressKey(VK_TAB);
        PressKey(VK_DOWN); // the first nature in the list
        ASSERT_EQ("いじっぱり", Text(window, IDC_NATURE));
    }
};

const std::vector<std::string> Empty(9, "");

TEST_F(ResultsTest, WorkedExampleNarrowsToThirtyOneWithDarkSeventy)
{
    ChooseBulbasaurAdamant();
    EXPECT_EQ(Empty, Results(window)); // no rows yet

    AddRow("50", {"120", "75", "69", "76", "85", "65"});
    EXPECT_EQ((std::vector<std::string>{"30～31", "30～31", "30～31", "30～31", "30～31", "30～31",
                                        "", "", ""}),
              Results(window));

    AddRow("100", {"231", "147", "134", "149", "166", "126"});
    EXPECT_EQ((std::vector<std::string>{"31", "31", "31", "31", "31", "31", "", "あく", "70"}),
              Results(window));
    EXPECT_TRUE(boxes.Take().empty());
}

TEST_F(ResultsTest, PartlyTypedNameEmptiesTheFieldsSilently)
{
    ChooseBulbasaurAdamant();
    AddRow("50", {"120", "75", "69", "76", "85", "65"});
    ASSERT_EQ("30～31", Text(window, IDC_IV_HP));

    HWND edit = FindWindowExA(Control(window, IDC_SPECIES), NULL, "Edit", NULL);
    SetFocus(edit);
    PressKey(VK_END, edit);
    TypeInto(window, IDC_SPECIES, "\b");
    EXPECT_EQ("フシギダ", Text(window, IDC_SPECIES));
    EXPECT_EQ(Empty, Results(window));

    TypeInto(window, IDC_SPECIES, "ネ");
    EXPECT_EQ("30～31", Text(window, IDC_IV_SPE));
    EXPECT_TRUE(boxes.Take().empty());
}

TEST_F(ResultsTest, NamesThatAreNoSpeciesLeaveTheFieldsEmpty)
{
    SetText(window, IDC_NATURE, "いじっぱり");
    // Level 50 stats that the wrongly matched record would fit.
    const std::vector<const char *> placeholder = {"85", "33", "30", "27", "30", "30"};
    const std::vector<const char *> deoxysDefense = {"125", "99", "180", "81", "180", "110"};
    struct NameCase {
        const char *species;
        std::vector<const char *> stats;
        const char *why;
    };
    const NameCase cases[] = {
        // The table's two unnamed placeholders must not answer to an empty box.
        {"", placeholder, "empty"},
        {"デオキシス　ディフェ", deoxysDefense, "partial"},
        // 26 bytes whose first 24 are "デオキシス　ディフェンス".
        {"デオキシス　ディフェンスス", deoxysDefense, "longer than any name"},
    };
    for (const NameCase &c : cases) {
        SetText(window, IDC_SPECIES, c.species);
        AddRow("50", c.stats);
        EXPECT_EQ(Empty, Results(window)) << c.why;
        Click(window, IDC_DELETE);
    }
    // The 24-byte name itself is found.
    SetText(window, IDC_SPECIES, "デオキシス　ディフェンス");
    AddRow("50", deoxysDefense);
    EXPECT_EQ("30～31", Text(window, IDC_IV_DEF));
    EXPECT_TRUE(boxes.Take().empty());
}

TEST_F(ResultsTest, NumbersArePaddedToTwoPlacesAndUnfitStatsStayEmpty)
{
    SetText(window, IDC_SPECIES, "フシギダネ");
    SetText(window, IDC_NATURE, "いじっぱり");
    struct FormatCase {
        const char *level;
        std::vector<const char *> stats;
        std::vector<std::string> results;
    };
    const FormatCase cases[] = {
        // HP 51 at level 21 fits 6 to 9; stats of 0 fit no value.
        {"21", {"51"}, {" 6～ 9", "", "", "", "", "", "", "", ""}},
        // HP 207 at level 100 fits 7 alone.
        {"100", {"207"}, {" 7", "", "", "", "", "", "", "", ""}},
        // Defense 70 at level 50 is above what 31 gives.
        {"50",
         {"120", "75", "70", "76", "85", "65"},
         {"30～31", "30～31", "", "30～31", "30～31", "30～31", "", "", ""}},
    };
    for (const FormatCase &c : cases) {
        AddRow(c.level, c.stats);
        EXPECT_EQ(c.results, Results(window)) << "level " << c.level;
        Click(window, IDC_DELETE); // the new row is the selected one
        EXPECT_EQ(Empty, Results(window));
    }
}

} // namespace
