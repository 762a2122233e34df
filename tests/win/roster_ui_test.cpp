// The species selector under the sort commands of the menu.
#include <windows.h>

#include <windowsx.h>

#include "resources/resource.h"
#include "ui_harness.h"

using namespace ui_test;

namespace
{

class RosterTest : public MainWindowTest
{
};

struct OrderCase {
    UINT command;
    const char *statusName;
    int listed; // Diamond/Pearl lists ids 1-492 and 496-500; regional orders only their Pokédex
    const char *first;
};

const OrderCase Orders[] = {
    {IDM_SORT_KANA, "五十音順", 497, "アーボ"},
    {IDM_SORT_NATIONAL, "全国図鑑順", 497, "フシギダネ"},
    {IDM_SORT_JOHTO, "金銀新型図鑑順", 251, "チコリータ"},
    {IDM_SORT_HOENN, "ホウエン図鑑順", 202, "キモリ"},
    {IDM_SORT_SINNOH, "シンオウ図鑑順", 153, "ナエトル"},
};

TEST_F(RosterTest, EachOrderListsItsCountMarksItselfAndNamesItself)
{
    // From the last order back, so every command really changes the order.
    for (int i = 4; i >= 0; i--) {
        const OrderCase &order = Orders[i];
        ChooseMenu(window, order.command);
        EXPECT_EQ(order.listed, ComboCount(window, IDC_SPECIES)) << order.statusName;
        EXPECT_EQ(order.first, ComboItem(window, IDC_SPECIES, 0)) << order.statusName;
        EXPECT_EQ(order.statusName, StatusPart(window, 2));
        EXPECT_EQ("ダイヤモンド・パール", StatusPart(window, 1));
        for (const OrderCase &other : Orders)
            EXPECT_EQ(other.command == order.command,
                      (MenuState(window, other.command) & MF_CHECKED) != 0)
                << order.statusName;
        // Arceus and the two unnamed placeholders are in no roster.
        EXPECT_EQ(CB_ERR, ComboBox_FindStringExact(Control(window, IDC_SPECIES), -1, "アルセウス"));
        EXPECT_EQ(CB_ERR, ComboBox_FindStringExact(Control(window, IDC_SPECIES), -1, ""));
    }
}

TEST_F(RosterTest, DeoxysFormsFollowDeoxysInTheNationalOrder)
{
    ChooseMenu(window, IDM_SORT_NATIONAL);
    const int deoxys = ComboBox_FindStringExact(Control(window, IDC_SPECIES), -1, "デオキシス");
    ASSERT_NE(CB_ERR, deoxys);
    EXPECT_EQ("デオキシス　アタック", ComboItem(window, IDC_SPECIES, deoxys + 1));
    EXPECT_EQ("デオキシス　ディフェンス", ComboItem(window, IDC_SPECIES, deoxys + 2));
    EXPECT_EQ("デオキシス　スピード", ComboItem(window, IDC_SPECIES, deoxys + 3));
}

TEST_F(RosterTest, TypedTextSurvivesEveryReSortUnselected)
{
    // A full name, one missing from the regional orders, and a partial name.
    for (const char *typed : {"ルカリオ", "ミュウツー", "ピカ"}) {
        SetText(window, IDC_SPECIES, "");
        TypeInto(window, IDC_SPECIES, typed);
        for (const OrderCase &order : Orders) {
            ChooseMenu(window, order.command);
            EXPECT_EQ(typed, Text(window, IDC_SPECIES)) << order.statusName;
            EXPECT_EQ(CB_ERR, ComboBox_GetCurSel(Control(window, IDC_SPECIES)));
        }
    }
}

TEST_F(RosterTest, ChoosingTheCurrentOrderAgainRefillsTheSame)
{
    ChooseMenu(window, IDM_SORT_HOENN);
    std::vector<std::string> before;
    for (int i = 0; i < ComboCount(window, IDC_SPECIES); i++)
        before.push_back(ComboItem(window, IDC_SPECIES, i));
    ChooseMenu(window, IDM_SORT_HOENN);
    ASSERT_EQ((int)before.size(), ComboCount(window, IDC_SPECIES));
    for (int i = 0; i < (int)before.size(); i++)
        EXPECT_EQ(before[i], ComboItem(window, IDC_SPECIES, i)) << i;
    EXPECT_EQ("デオキシス", before.back());
}

} // namespace
