// The seven game modes chosen from the menu: what each offers and marks, what
// survives a switch, the Deoxys forms, the rosters, and the first two
// generations computed through the window.
#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

#include <string>
#include <utility>
#include <vector>

#include "resources/resource.h"
#include "tests/roster_counts.h"
#include "ui/shell.h"
#include "ui_harness.h"

using namespace ui_test;

namespace
{

const UINT Modes[7] = {IDM_MODE_RGBY,    IDM_MODE_GSC,       IDM_MODE_RS, IDM_MODE_EMERALD,
                       IDM_MODE_FIRERED, IDM_MODE_LEAFGREEN, IDM_MODE_DP};

typedef std::vector<std::pair<int, const char *>> Fields;

class ModeTest : public MainWindowTest
{
  protected:
    // Empties the level, stat and effort fields, then fills the given ones.
    void Enter(const Fields &fields)
    {
        SetText(window, IDC_LEVEL, "");
        for (int s = 0; s < 7; s++) {
            SetText(window, StatFields[s], "");
            SetText(window, EffortFields[s], "");
        }
        for (const auto &field : fields)
            SetText(window, field.first, field.second);
    }

    void AddRow(const Fields &fields)
    {
        Enter(fields);
        Click(window, IDC_ADD);
    }

    std::vector<std::string> Efforts()
    {
        std::vector<std::string> texts;
        for (int id : EffortFields)
            texts.push_back(Text(window, id));
        return texts;
    }

    std::pair<int, int> Range(int spin)
    {
        int low = -1, high = -1;
        SendMessageA(Control(window, spin), UDM_GETRANGE32, (WPARAM)&low, (LPARAM)&high);
        return std::make_pair(low, high);
    }

    // Chooses a nature from the drop-down list, which recalculates.
    void PickNature(const char *name)
    {
        HWND nature = Control(window, IDC_NATURE);
        ComboBox_SetCurSel(nature, ComboBox_FindStringExact(nature, -1, name));
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_NATURE, CBN_SELCHANGE), (LPARAM)nature);
    }
};

// ---- what each mode offers --------------------------------------------------

struct ModeCase {
    UINT mode;
    const char *name;
    int lowestLevel;
    const char *effortHeader;
    int effortMax;
    std::vector<int> enabled, disabled;
    bool effortTool, hiddenPowerTool;
};

const std::vector<int> SpecialRow = {IDC_STAT_SPC_LABEL, IDC_STAT_SPC, IDC_STAT_SPC_SPIN,
                                     IDC_EFFORT_SPC, IDC_EFFORT_SPC_SPIN};
const std::vector<int> SpAtkRow = {IDC_STAT_SPA_LABEL, IDC_STAT_SPA, IDC_STAT_SPA_SPIN,
                                   IDC_EFFORT_SPA, IDC_EFFORT_SPA_SPIN};
const std::vector<int> SpDefStat = {IDC_STAT_SPD_LABEL, IDC_STAT_SPD, IDC_STAT_SPD_SPIN};
const std::vector<int> SpDefEffort = {IDC_EFFORT_SPD, IDC_EFFORT_SPD_SPIN};
const std::vector<int> Natures = {IDC_NATURE_LABEL, IDC_NATURE};

std::vector<int> Join(std::initializer_list<std::vector<int>> groups)
{
    std::vector<int> all;
    for (const std::vector<int> &group : groups)
        all.insert(all.end(), group.begin(), group.end());
    return all;
}

std::vector<ModeCase> ModeCases()
{
    const std::vector<int> later = Join({Natures, SpAtkRow, SpDefStat, SpDefEffort});
    const std::vector<int> laterOff = Join({SpecialRow, {IDC_SHINY}});
    std::vector<ModeCase> cases = {
        {IDM_MODE_RGBY, "赤・緑・青・ピカチュウ", 2, "努力Lv", 63, Join({SpecialRow, {IDC_SHINY}}),
         Join({Natures, SpAtkRow, SpDefStat, SpDefEffort}), true, false},
        {IDM_MODE_GSC, "金・銀・クリスタル", 2, "努力Lv", 63,
         Join({SpAtkRow, SpDefStat, {IDC_SHINY}}), Join({Natures, SpecialRow, SpDefEffort}), true,
         true},
        {IDM_MODE_RS, "ルビー・サファイア", 2, "努力値", 255, later, laterOff, false, true},
        {IDM_MODE_EMERALD, "エメラルド", 2, "努力値", 255, later, laterOff, false, true},
        {IDM_MODE_FIRERED, "ファイアレッド", 2, "努力値", 255, later, laterOff, false, true},
        {IDM_MODE_LEAFGREEN, "リーフグリーン", 2, "努力値", 255, later, laterOff, false, true},
        {IDM_MODE_DP, "ダイヤモンド・パール", 1, "努力値", 255, later, laterOff, false, true},
    };
    return cases;
}

TEST_F(ModeTest, EachModeOffersItsInputsRangesAndTools)
{
    // Every mode from every other family, and back.
    for (const ModeCase &c : ModeCases()) {
        for (const ModeCase &from : {ModeCases()[0], ModeCases()[1], ModeCases()[6]}) {
            ChooseMenu(window, from.mode);
            ChooseMenu(window, c.mode);
            const std::string why = std::string(c.name) + " from " + from.name;
            EXPECT_EQ(c.name, StatusPart(window, 1)) << why;
            for (UINT mode : Modes)
                EXPECT_EQ(mode == c.mode, (MenuState(window, mode) & MF_CHECKED) != 0) << why;
            for (int id : c.enabled)
                EXPECT_TRUE(IsEnabled(window, id)) << why << ": " << id;
            for (int id : c.disabled)
                EXPECT_FALSE(IsEnabled(window, id)) << why << ": " << id;
            EXPECT_EQ(c.effortHeader, Text(window, IDC_EFFORT_HEADER)) << why;
            EXPECT_EQ(std::make_pair(c.lowestLevel, 100), Range(IDC_LEVEL_SPIN)) << why;
            // The effort field a family leaves disabled keeps its range.
            for (int spin : {IDC_EFFORT_HP_SPIN, IDC_EFFORT_ATK_SPIN, IDC_EFFORT_DEF_SPIN,
                             IDC_EFFORT_SPA_SPIN, IDC_EFFORT_SPE_SPIN})
                EXPECT_EQ(std::make_pair(0, c.effortMax), Range(spin)) << why << ": " << spin;
            EXPECT_EQ(std::make_pair(0, 63), Range(IDC_EFFORT_SPC_SPIN)) << why;
            EXPECT_EQ(std::make_pair(0, 255), Range(IDC_EFFORT_SPD_SPIN)) << why;
            EXPECT_EQ(std::make_pair(0, 999), Range(IDC_STAT_SPC_SPIN)) << why;
            EXPECT_EQ(c.effortTool, (MenuState(window, IDM_TOOL_EFFORT) & MF_GRAYED) == 0) << why;
            EXPECT_EQ(c.hiddenPowerTool, (MenuState(window, IDM_TOOL_HIDDENPOWER) & MF_GRAYED) == 0)
                << why;
        }
    }
}

TEST_F(ModeTest, EachModeListsItsRosterInTheOrderInForce)
{
    const UINT orders[5] = {IDM_SORT_KANA, IDM_SORT_NATIONAL, IDM_SORT_JOHTO, IDM_SORT_HOENN,
                            IDM_SORT_SINNOH};
    const char *orderNames[5] = {"五十音順", "全国図鑑順", "金銀新型図鑑順", "ホウエン図鑑順",
                                 "シンオウ図鑑順"};
    // The order chosen first, then every mode: the mode command refills in
    // the order in force and leaves it marked.
    for (int o = 0; o < 5; o++) {
        ChooseMenu(window, orders[o]);
        for (const RosterCount &roster : RosterCounts) {
            ChooseMenu(window, roster.mode);
            EXPECT_EQ(roster.listed[o], ComboCount(window, IDC_SPECIES))
                << StatusPart(window, 1) << ", " << orderNames[o];
            EXPECT_EQ(orderNames[o], StatusPart(window, 2));
            EXPECT_TRUE(MenuState(window, orders[o]) & MF_CHECKED);
        }
    }
    // The names come from the table in its new order, not from the control.
    ChooseMenu(window, IDM_SORT_KANA);
    ChooseMenu(window, IDM_MODE_RGBY);
    EXPECT_EQ("アーボ", ComboItem(window, IDC_SPECIES, 0));
    EXPECT_EQ("ワンリキー", ComboItem(window, IDC_SPECIES, 150));
    ChooseMenu(window, IDM_SORT_JOHTO);
    EXPECT_EQ("ポッポ", ComboItem(window, IDC_SPECIES, 0));
}

// ---- what survives a switch -------------------------------------------------

// Deoxys at level 100 with every value 31 and no effort, neutral nature:
// HP, Attack, Defense, Sp. Atk, Sp. Def, Speed of the form a mode stands for.
struct DeoxysCase {
    UINT mode;
    const char *form;
    Fields stats;
};

Fields DeoxysStats(const char *hp, const char *atk, const char *def, const char *spa,
                   const char *spd, const char *spe)
{
    return {{IDC_LEVEL, "100"},  {IDC_STAT_HP, hp},   {IDC_STAT_ATK, atk}, {IDC_STAT_DEF, def},
            {IDC_STAT_SPA, spa}, {IDC_STAT_SPD, spd}, {IDC_STAT_SPE, spe}};
}

const std::vector<std::string> AllThirtyOne = {"31", "31", "31",   "31", "31",
                                               "31", "",   "あく", "70"};

TEST_F(ModeTest, DiamondPearlToFireRedKeepsRowsAndEffortsAndTakesTheAttackForm)
{
    SetText(window, IDC_SPECIES, "デオキシス");
    SetText(window, IDC_NATURE, "がんばりや");
    // The Attack form's stats: only HP and Speed fit the normal form.
    AddRow(DeoxysStats("241", "396", "76", "396", "76", "336"));
    const std::vector<std::string> normalForm = {"31", "", "", "", "", "31", "", "", ""};
    ASSERT_EQ(normalForm, Results(window));
    const std::vector<std::string> efforts = {"252", "6", "0", "100", "50", "2", ""};
    for (int s = 0; s < 7; s++)
        SetText(window, EffortFields[s], efforts[s].c_str());
    SetText(window, IDC_LEVEL, "1");

    ChooseMenu(window, IDM_MODE_FIRERED);
    EXPECT_EQ("2", Text(window, IDC_LEVEL));
    EXPECT_EQ(efforts, Efforts());
    ASSERT_EQ(1, ListRowCount(window));
    EXPECT_EQ("396", ListCell(window, 0, 3));
    EXPECT_EQ(normalForm, Results(window)); // a switch does not recalculate
    EXPECT_EQ(386, ComboCount(window, IDC_SPECIES));
    EXPECT_NE(CB_ERR, ComboBox_FindStringExact(Control(window, IDC_SPECIES), -1, "デオキシス"));
    EXPECT_EQ(CB_ERR,
              ComboBox_FindStringExact(Control(window, IDC_SPECIES), -1, "デオキシス　アタック"));

    PickNature("がんばりや");
    EXPECT_EQ(AllThirtyOne, Results(window));

    // Back to the normal form in Ruby/Sapphire, the row still there.
    ChooseMenu(window, IDM_MODE_RS);
    PickNature("がんばりや");
    EXPECT_EQ(normalForm, Results(window));
    EXPECT_EQ(1, ListRowCount(window));
}

TEST_F(ModeTest, DeoxysTakesTheFormOfEachLaterMode)
{
    const DeoxysCase cases[] = {
        {IDM_MODE_FIRERED, "Attack", DeoxysStats("241", "396", "76", "396", "76", "336")},
        {IDM_MODE_LEAFGREEN, "Defense", DeoxysStats("241", "176", "356", "176", "356", "216")},
        {IDM_MODE_EMERALD, "Speed", DeoxysStats("241", "226", "216", "226", "216", "396")},
        {IDM_MODE_RS, "normal", DeoxysStats("241", "336", "136", "336", "136", "336")},
        {IDM_MODE_DP, "normal", DeoxysStats("241", "336", "136", "336", "136", "336")},
        {IDM_MODE_LEAFGREEN, "Defense", DeoxysStats("241", "176", "356", "176", "356", "216")},
    };
    SetText(window, IDC_SPECIES, "デオキシス");
    SetText(window, IDC_NATURE, "まじめ");
    for (const DeoxysCase &c : cases) {
        ChooseMenu(window, c.mode);
        AddRow(c.stats);
        EXPECT_EQ(AllThirtyOne, Results(window)) << c.form;
        Click(window, IDC_DELETE);
    }
}

TEST_F(ModeTest, FireRedToRedGreenBlueClearsEffortsAndRowsAndClosesHiddenPower)
{
    ChooseMenu(window, IDM_MODE_FIRERED);
    SetText(window, IDC_SPECIES, "フシギダネ");
    SetText(window, IDC_NATURE, "いじっぱり");
    AddRow({{IDC_LEVEL, "50"}, {IDC_STAT_HP, "120"}, {IDC_EFFORT_HP, "200"}});
    for (int id : EffortFields)
        SetText(window, id, "30");
    ChooseMenu(window, IDM_TOOL_HIDDENPOWER);
    HWND tool = HiddenPowerToolWindow;
    ASSERT_TRUE(tool != NULL && IsWindow(tool));

    ChooseMenu(window, IDM_MODE_RGBY);
    EXPECT_EQ(std::vector<std::string>(7, "0"), Efforts());
    EXPECT_EQ(0, ListRowCount(window));
    EXPECT_EQ("フシギダネ", Text(window, IDC_SPECIES));
    EXPECT_TRUE(HiddenPowerToolWindow == NULL);
    EXPECT_FALSE(IsWindow(tool));
}

TEST_F(ModeTest, GoldSilverToEmeraldClosesTheEffortTool)
{
    ChooseMenu(window, IDM_MODE_GSC);
    AddRow({{IDC_LEVEL, "50"}, {IDC_EFFORT_ATK, "63"}, {IDC_EFFORT_SPA, "40"}});
    ChooseMenu(window, IDM_TOOL_EFFORT);
    HWND tool = EffortToolWindow;
    ASSERT_TRUE(tool != NULL && IsWindow(tool));

    ChooseMenu(window, IDM_MODE_EMERALD);
    EXPECT_EQ(std::vector<std::string>(7, "0"), Efforts());
    EXPECT_EQ(0, ListRowCount(window));
    EXPECT_TRUE(EffortToolWindow == NULL);
    EXPECT_FALSE(IsWindow(tool));
    EXPECT_TRUE(MenuState(window, IDM_TOOL_EFFORT) & MF_GRAYED);
}

struct CarryCase {
    const char *typed; // into the Special effort, the focus still in it
    const char *carried;
};

TEST_F(ModeTest, TheSpecialEffortMovesBetweenTheFirstTwoGenerations)
{
    const CarryCase cases[] = {
        {"40", "40"},
        {"", "0"},
        {"007", "7"},
        // Above the effort level range: what leaving the field would make of it.
        {"99", "63"},
        {"63", "63"},
    };
    for (const CarryCase &c : cases) {
        ChooseMenu(window, IDM_MODE_RGBY);
        AddRow({{IDC_LEVEL, "50"}, {IDC_EFFORT_HP, "10"}});
        SetFocus(Control(window, IDC_EFFORT_SPC));
        SetText(window, IDC_EFFORT_SPC, c.typed);

        ChooseMenu(window, IDM_MODE_GSC);
        EXPECT_EQ(c.carried, Text(window, IDC_EFFORT_SPA)) << c.typed;
        EXPECT_EQ("0", Text(window, IDC_EFFORT_SPC)) << c.typed;
        EXPECT_EQ("10", Text(window, IDC_EFFORT_HP)) << c.typed;
        EXPECT_EQ(0, ListRowCount(window)) << c.typed;
        EXPECT_TRUE(IsEnabled(window, IDC_STAT_SPD));
        EXPECT_FALSE(IsEnabled(window, IDC_EFFORT_SPD));

        // And back, through a list that is emptied again.
        SetText(window, IDC_EFFORT_HP, "10");
        Click(window, IDC_ADD);
        ASSERT_EQ(1, ListRowCount(window));
        ChooseMenu(window, IDM_MODE_RGBY);
        EXPECT_EQ(c.carried, Text(window, IDC_EFFORT_SPC)) << c.typed;
        EXPECT_EQ("0", Text(window, IDC_EFFORT_SPA)) << c.typed;
        EXPECT_EQ("10", Text(window, IDC_EFFORT_HP)) << c.typed;
        EXPECT_EQ(0, ListRowCount(window)) << c.typed;
    }
}

TEST_F(ModeTest, TheModeInForceAgainKeepsEverythingButClampsAndClosesHiddenPower)
{
    for (UINT mode : {IDM_MODE_DP, IDM_MODE_FIRERED, IDM_MODE_GSC}) {
        ChooseMenu(window, mode);
        SetText(window, IDC_SPECIES, "フシギダネ");
        SetText(window, IDC_NATURE, "いじっぱり");
        AddRow({{IDC_LEVEL, "50"}, {IDC_STAT_HP, "120"}});
        const std::vector<std::string> results = Results(window);
        ASSERT_NE("", results[0]);
        for (int id : EffortFields)
            SetText(window, id, "20");
        SetText(window, IDC_LEVEL, "");
        ChooseMenu(window, IDM_TOOL_HIDDENPOWER);
        ASSERT_TRUE(HiddenPowerToolWindow != NULL);

        ChooseMenu(window, mode);
        EXPECT_EQ(std::vector<std::string>(7, "20"), Efforts()) << mode;
        EXPECT_EQ(1, ListRowCount(window)) << mode;
        EXPECT_EQ(results, Results(window)) << mode;
        EXPECT_EQ(mode == IDM_MODE_DP ? "1" : "2", Text(window, IDC_LEVEL)) << mode;
        EXPECT_TRUE(HiddenPowerToolWindow == NULL) << mode;
        Click(window, IDC_DELETE);
    }
}

// ---- the first two generations through the window ---------------------------

struct WorkedCase {
    UINT mode;
    const char *species;
    Fields row;
    std::vector<std::string> results;
    const char *why;
};

TEST_F(ModeTest, FirstAndSecondGenerationsComputeThroughTheWindow)
{
    const WorkedCase cases[] = {
        {IDM_MODE_RGBY,
         "フシギダネ",
         {{IDC_LEVEL, "50"},
          {IDC_STAT_HP, "120"},
          {IDC_STAT_ATK, "69"},
          {IDC_STAT_DEF, "69"},
          {IDC_STAT_SPE, "65"},
          {IDC_STAT_SPC, "85"}},
         {"15", "15", "15", "", "", "15", "15", "あく", "70"},
         "level 50: every value pinned"},
        {IDM_MODE_RGBY,
         "フシギダネ",
         {{IDC_LEVEL, "10"},
          {IDC_STAT_HP, "32"},
          {IDC_STAT_ATK, "17"},
          {IDC_STAT_DEF, "17"},
          {IDC_STAT_SPE, "17"},
          {IDC_STAT_SPC, "21"}},
         {"15", "11～15", "11～15", "", "", "15", "15", "", ""},
         "level 10: ranges, no hidden power"},
        {IDM_MODE_RGBY,
         "フシギダネ",
         {{IDC_LEVEL, "100"}, {IDC_STAT_ATK, "196"}, {IDC_EFFORT_ATK, "63"}},
         {"", "15", "", "", "", "", "", "", ""},
         "effort level 63 added before the division"},
        {IDM_MODE_GSC,
         "リザードン",
         {{IDC_LEVEL, "20"}, {IDC_STAT_SPA, "54"}, {IDC_STAT_SPD, "45"}},
         {"", "", "", "", "", "", "15", "", ""},
         "Special from Sp. Atk and Sp. Def"},
        {IDM_MODE_GSC,
         "リザードン",
         {{IDC_LEVEL, "100"},
          {IDC_STAT_HP, "296"},
          {IDC_STAT_ATK, "203"},
          {IDC_STAT_DEF, "191"},
          {IDC_STAT_SPA, "253"},
          {IDC_STAT_SPD, "205"},
          {IDC_STAT_SPE, "235"}},
         {"15", "15", "15", "", "", "15", "15", "あく", "70"},
         "level 100: every value pinned"},
        {IDM_MODE_GSC,
         "リザードン",
         {{IDC_LEVEL, "100"}, {IDC_STAT_SPA, "316"}, {IDC_STAT_SPD, "268"}, {IDC_EFFORT_SPA, "63"}},
         {"", "", "", "", "", "", "15", "", ""},
         "the Sp. Atk effort field carries the one Special effort"},
    };
    for (const WorkedCase &c : cases) {
        ChooseMenu(window, c.mode);
        SetText(window, IDC_SPECIES, "");
        TypeInto(window, IDC_SPECIES, c.species);
        AddRow(c.row);
        EXPECT_EQ(c.results, Results(window)) << c.why;
        Click(window, IDC_DELETE);
    }
}

} // namespace
