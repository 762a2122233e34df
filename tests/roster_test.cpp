// Species roster: counts per mode and order, the orders themselves, Deoxys forms.
#include <gtest/gtest.h>
#include <string.h>

#include <string>
#include <vector>

#include "data/roster.h"
#include "data/pokemon.h"
#include "roster_counts.h"
#include "test_tables.h"

namespace
{

class RosterTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(ReloadTestTables());
        DeoxysIndex = -1;
    }
    std::vector<std::string> Names(GameMode mode, SortOrder order)
    {
        int listed[SPECIES_COUNT];
        const int n = BuildRoster(mode, order, listed);
        std::vector<std::string> names;
        for (int i = 0; i < n; i++)
            names.push_back(SpeciesTable[listed[i]].name);
        return names;
    }
    static size_t IndexOf(const std::vector<std::string> &names, const char *name)
    {
        for (size_t i = 0; i < names.size(); i++)
            if (names[i] == name)
                return i;
        return (size_t)-1;
    }
};

TEST_F(RosterTest, CountsByModeAndOrder)
{
    for (const RosterCount &row : RosterCounts) {
        for (int o = 0; o < 5; o++) {
            const std::vector<std::string> names = Names(row.mode, IDM_SORT_KANA + o);
            EXPECT_EQ((size_t)row.listed[o], names.size())
                << GameModeName(row.mode) << " order " << o;
            EXPECT_EQ((size_t)-1, IndexOf(names, "アルセウス"));
            EXPECT_EQ((size_t)-1, IndexOf(names, ""));
            // Choosing the same order again gives the same list.
            EXPECT_EQ(names, Names(row.mode, IDM_SORT_KANA + o));
        }
    }
}

TEST_F(RosterTest, SyllabaryOrderFollowsShiftJisCodes)
{
    for (GameMode mode = IDM_MODE_RGBY; mode <= IDM_MODE_DP; mode++) {
        const std::vector<std::string> names = Names(mode, IDM_SORT_KANA);
        EXPECT_EQ("アーボ", names.front());
        EXPECT_EQ("ワンリキー", names.back());
    }
    const std::vector<std::string> dp = Names(IDM_MODE_DP, IDM_SORT_KANA);
    auto before = [&](const char *a, const char *b) {
        EXPECT_LT(IndexOf(dp, a), IndexOf(dp, b)) << a << " / " << b;
        EXPECT_NE((size_t)-1, IndexOf(dp, b));
    };
    before("ホーホー", "ホウオウ");
    before("ニドラン♂", "ニドラン♀");
    before("デオキシス", "デオキシス　アタック");
    before("デオキシス　アタック", "デオキシス　スピード");
    before("デオキシス　スピード", "デオキシス　ディフェンス");
    before("ミノマダム　くさきのミノ", "ミノマダム　すなちのミノ");
    before("ミノマダム　すなちのミノ", "ミノマダム　ゴミのミノ");
}

TEST_F(RosterTest, RegionalOrders)
{
    std::vector<std::string> national = Names(IDM_MODE_DP, IDM_SORT_NATIONAL);
    size_t deoxys = IndexOf(national, "デオキシス");
    EXPECT_EQ("デオキシス　アタック", national[deoxys + 1]);
    EXPECT_EQ("デオキシス　ディフェンス", national[deoxys + 2]);
    EXPECT_EQ("デオキシス　スピード", national[deoxys + 3]);
    size_t wormadam = IndexOf(national, "ミノマダム　くさきのミノ");
    EXPECT_EQ("ミノマダム　すなちのミノ", national[wormadam + 1]);
    EXPECT_EQ("ミノマダム　ゴミのミノ", national[wormadam + 2]);

    std::vector<std::string> hoenn = Names(IDM_MODE_DP, IDM_SORT_HOENN);
    EXPECT_EQ("デオキシス", hoenn.back());
    EXPECT_EQ((size_t)-1, IndexOf(hoenn, "デオキシス　アタック"));

    std::vector<std::string> sinnoh = Names(IDM_MODE_DP, IDM_SORT_SINNOH);
    EXPECT_EQ((size_t)-1, IndexOf(sinnoh, "デオキシス"));
    wormadam = IndexOf(sinnoh, "ミノマダム　くさきのミノ");
    EXPECT_EQ("ミノマダム　すなちのミノ", sinnoh[wormadam + 1]);
    EXPECT_EQ("ミノマダム　ゴミのミノ", sinnoh[wormadam + 2]);

    EXPECT_EQ("ポッポ", Names(IDM_MODE_RGBY, IDM_SORT_JOHTO).front());
}

TEST_F(RosterTest, DeoxysFormFollowsTheMode)
{
    ApplyDeoxysForm(IDM_MODE_FIRERED); // no roster walk yet: nothing to change
    const int before = FindSpeciesByName("デオキシス");
    EXPECT_EQ(150, SpeciesTable[before].baseStats[STAT_ATK]);

    struct Row {
        GameMode mode;
        int stats[6];
    } rows[] = {
        {IDM_MODE_FIRERED, {50, 180, 20, 180, 20, 150}},
        {IDM_MODE_RS, {50, 150, 50, 150, 50, 150}},
        {IDM_MODE_LEAFGREEN, {50, 70, 160, 70, 160, 90}},
        {IDM_MODE_EMERALD, {50, 95, 90, 95, 90, 180}},
        {IDM_MODE_DP, {50, 150, 50, 150, 50, 150}},
        {IDM_MODE_RGBY, {50, 150, 50, 150, 50, 150}},
    };
    SortOrder order = IDM_SORT_KANA;
    for (const Row &row : rows) {
        Names(CurrentMode, order); // the walk that precedes every mode change
        ApplyDeoxysForm(row.mode);
        order = order == IDM_SORT_SINNOH ? IDM_SORT_KANA : order + 1;
        Names(row.mode, order); // the refill moves the record with its new stats
        const SpeciesRecord &d = SpeciesTable[FindSpeciesByName("デオキシス")];
        ASSERT_EQ(386, d.id);
        EXPECT_EQ(&d, &SpeciesTable[DeoxysIndex]);
        for (int s = 0; s < 6; s++)
            EXPECT_EQ(row.stats[s], d.baseStats[s]) << GameModeName(row.mode) << " slot " << s;
        EXPECT_EQ(0, d.baseStats[STAT_SPC]);
    }
}

TEST(RosterNamesTest, ModeAndOrderNames)
{
    EXPECT_STREQ("ダイヤモンド・パール", GameModeName(IDM_MODE_DP));
    EXPECT_STREQ("赤・緑・青・ピカチュウ", GameModeName(IDM_MODE_RGBY));
    EXPECT_STREQ("五十音順", SortOrderName(IDM_SORT_KANA));
    EXPECT_STREQ("シンオウ図鑑順", SortOrderName(IDM_SORT_SINNOH));
    EXPECT_STREQ("", GameModeName(IDM_EXIT));
    EXPECT_TRUE(IsGen12Mode(IDM_MODE_GSC));
    EXPECT_FALSE(IsGen12Mode(IDM_MODE_RS));
}

} // namespace
