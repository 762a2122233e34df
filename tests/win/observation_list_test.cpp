// The observation list: adding with the effort total check, the cells, edit,
// delete and the buttons that follow the selection.
#include <windows.h>

#include <commctrl.h>

#include "resources/resource.h"
#include "ui_harness.h"

using namespace ui_test;

namespace
{

class ListTest : public MainWindowTest
{
  protected:
    // Fills the level and the seven stats and efforts; "" leaves a field empty.
    void Enter(const char *level, const std::vector<const char *> &stats,
               const std::vector<const char *> &efforts)
    {
        SetText(window, IDC_LEVEL, level);
        for (int s = 0; s < 7; s++) {
            SetText(window, StatFields[s], s < (int)stats.size() ? stats[s] : "");
            SetText(window, EffortFields[s], s < (int)efforts.size() ? efforts[s] : "");
        }
    }

    // Adds rows whose level cells read "1", "2", ... to tell them apart.
    void AddNumberedRows(int count)
    {
        for (int i = 1; i <= count; i++) {
            Enter(std::to_string(i).c_str(), {"100"}, {});
            Click(window, IDC_ADD);
        }
    }

    std::vector<std::string> LevelColumn()
    {
        std::vector<std::string> levels;
        for (int row = 0; row < ListRowCount(window); row++)
            levels.push_back(ListCell(window, row, 1));
        return levels;
    }
};

struct EffortCase {
    std::vector<const char *> efforts; // HP to Special
    bool accepted;
    const char *why;
};

TEST_F(ListTest, EffortTotalAboveFiveHundredTenIsRefused)
{
    const EffortCase cases[] = {
        {{"255", "255", "0", "0", "0", "0"}, true, "exactly 510"},
        {{"255", "255", "1", "0", "0", "0"}, false, "511"},
        {{"85", "85", "85", "85", "85", "85"}, true, "510 over all six"},
        {{"85", "85", "85", "85", "85", "86"}, false, "511 over all six"},
        {{"252", "252", "6", "0", "0", "0", "63"}, true, "Special is not counted"},
        // A field not yet brought into its up-down's range counts as it will be stored.
        {{"300", "211", "", "", "", ""}, false, "out-of-range text"},
    };
    for (const EffortCase &c : cases) {
        const int before = ListRowCount(window);
        Enter("50", {"120", "75", "69", "76", "85", "65"}, c.efforts);
        Click(window, IDC_ADD);
        const std::vector<CaughtBox> shown = boxes.Take();
        if (c.accepted) {
            EXPECT_EQ(before + 1, ListRowCount(window)) << c.why;
            EXPECT_TRUE(shown.empty()) << c.why;
            continue;
        }
        EXPECT_EQ(before, ListRowCount(window)) << c.why;
        ASSERT_EQ(1u, shown.size()) << c.why;
        EXPECT_EQ("努力値の合計が510を超えています", shown[0].text);
        EXPECT_EQ("Varendo", shown[0].caption);
        EXPECT_EQ(BoxIcon::Warning, shown[0].icon);
        EXPECT_EQ(window, shown[0].owner);
    }
}

TEST_F(ListTest, CellsTakeAtMostThreeCharactersOfTheModesFields)
{
    Enter("1234", {"231", "", "134", "149", "166", "126", "99"},
          {"4", "252", "", "", "", "252", "7"});
    Click(window, IDC_ADD);
    ASSERT_EQ(1, ListRowCount(window));
    const char *expected[16] = {"", "123", "231", "", "134", "149", "166", "126",
                                // The Special stat and effort are no fourth-generation inputs.
                                "", "4", "252", "", "", "", "252", ""};
    for (int column = 0; column < 16; column++)
        EXPECT_EQ(expected[column], ListCell(window, 0, column)) << "column " << column;
    // Adding leaves the entry fields as they were.
    EXPECT_EQ("1234", Text(window, IDC_LEVEL));
}

TEST_F(ListTest, AddSelectsOnlyTheNewRowShowsItAndKeepsTheFocusRow)
{
    AddNumberedRows(3);
    ClickListRow(window, 0);
    ASSERT_EQ(0, FocusedRow(window));
    AddNumberedRows(12);
    EXPECT_EQ(std::vector<int>{14}, SelectedRows(window));
    EXPECT_EQ(0, FocusedRow(window));

    // The new row is entirely inside the list's client area.
    HWND list = Control(window, IDC_LIST);
    RECT client, row;
    GetClientRect(list, &client);
    ListView_GetItemRect(list, 14, &row, LVIR_BOUNDS);
    EXPECT_GE(row.top, 0);
    EXPECT_LE(row.bottom, client.bottom);
}

TEST_F(ListTest, EditCopiesTheFocusRowBackIntoTheFields)
{
    // Nothing happens without a focus row.
    AddNumberedRows(1);
    SetText(window, IDC_LEVEL, "77");
    ASSERT_EQ(-1, FocusedRow(window));
    Click(window, IDC_EDIT);
    EXPECT_EQ("77", Text(window, IDC_LEVEL));

    Enter("50", {"120", "75", "69", "76", "85", "65", "33"}, {"1", "2", "3", "4", "5", "6", "44"});
    Click(window, IDC_ADD);
    ClickListRow(window, 1);
    Enter("9", {"9", "9", "9", "9", "9", "9", "9"}, {"9", "9", "9", "9", "9", "9", "9"});
    AddNumberedRows(1); // moves the selection, not the focus row

    // The Special fields take no part in this mode: Edit leaves them alone.
    Enter("", {"", "", "", "", "", "", "8"}, {"", "", "", "", "", "", "9"});
    Click(window, IDC_EDIT);
    EXPECT_EQ("50", Text(window, IDC_LEVEL));
    const char *stats[7] = {"120", "75", "69", "76", "85", "65", "8"};
    const char *efforts[7] = {"1", "2", "3", "4", "5", "6", "9"};
    for (int s = 0; s < 7; s++) {
        EXPECT_EQ(stats[s], Text(window, StatFields[s])) << s;
        EXPECT_EQ(efforts[s], Text(window, EffortFields[s])) << s;
    }
    EXPECT_EQ(3, ListRowCount(window));
    EXPECT_EQ("50", ListCell(window, 1, 1));
}

TEST_F(ListTest, DoubleClickActsAsEdit)
{
    AddNumberedRows(3);
    SetText(window, IDC_LEVEL, "");
    DoubleClickListRow(window, 1);
    EXPECT_EQ("2", Text(window, IDC_LEVEL));
    EXPECT_TRUE(boxes.Take().empty());
}

TEST_F(ListTest, DeleteRemovesTheSelectionAndSelectsTheRowAfterIt)
{
    AddNumberedRows(6);
    ClickListRow(window, 2);
    ClickListRow(window, 4, true);
    ASSERT_EQ((std::vector<int>{2, 4}), SelectedRows(window));

    Click(window, IDC_DELETE);
    EXPECT_EQ((std::vector<std::string>{"1", "2", "4", "6"}), LevelColumn());
    EXPECT_EQ(std::vector<int>{3}, SelectedRows(window)); // the row that followed old row 4

    // Deleting the last row selects the new last row.
    Click(window, IDC_DELETE);
    EXPECT_EQ((std::vector<std::string>{"1", "2", "4"}), LevelColumn());
    EXPECT_EQ(std::vector<int>{2}, SelectedRows(window));

    // Deleting everything leaves nothing selected and the results empty.
    for (int row = 0; row < 3; row++)
        ClickListRow(window, row, row > 0);
    Click(window, IDC_DELETE);
    EXPECT_EQ(0, ListRowCount(window));
    EXPECT_TRUE(SelectedRows(window).empty());
    EXPECT_EQ(std::vector<std::string>(9, ""), Results(window));
}

TEST_F(ListTest, DeleteWithNothingSelectedStillRecalculates)
{
    SetText(window, IDC_SPECIES, "フシギダネ");
    SetText(window, IDC_NATURE, "いじっぱり");
    Enter("50", {"120", "75", "69", "76", "85", "65"}, {});
    Click(window, IDC_ADD);
    ASSERT_EQ("30～31", Text(window, IDC_IV_HP));
    ClickListAt(window, POINT{5, 100}); // empty space below the only row
    ASSERT_TRUE(SelectedRows(window).empty());

    // The name changes without notice; only a recalculation can show it.
    SetText(window, IDC_NATURE, "");
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_DELETE, BN_CLICKED),
                 (LPARAM)Control(window, IDC_DELETE));
    PumpMessages();
    EXPECT_EQ(1, ListRowCount(window));
    EXPECT_TRUE(SelectedRows(window).empty());
    EXPECT_EQ(std::vector<std::string>(9, ""), Results(window));
}

TEST_F(ListTest, EditAndDeleteFollowTheSelection)
{
    AddNumberedRows(2);
    EXPECT_TRUE(IsEnabled(window, IDC_EDIT));
    EXPECT_TRUE(IsEnabled(window, IDC_DELETE));

    ClickListAt(window, POINT{5, 100});
    EXPECT_TRUE(SelectedRows(window).empty());
    EXPECT_FALSE(IsEnabled(window, IDC_EDIT));
    EXPECT_FALSE(IsEnabled(window, IDC_DELETE));

    // A disabled button ignores the click.
    Click(window, IDC_DELETE);
    EXPECT_EQ(2, ListRowCount(window));

    ClickListRow(window, 1);
    EXPECT_TRUE(IsEnabled(window, IDC_EDIT));
    EXPECT_TRUE(IsEnabled(window, IDC_DELETE));
}

TEST_F(ListTest, ListOutOfMemoryIsReported)
{
    NMHDR header = {Control(window, IDC_LIST), IDC_LIST, (UINT)NM_OUTOFMEMORY};
    EXPECT_EQ(0, SendMessageA(window, WM_NOTIFY, IDC_LIST, (LPARAM)&header));
    const std::vector<CaughtBox> shown = boxes.Take();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ("メモリが不足しています", shown[0].text);
    EXPECT_EQ("Varendo", shown[0].caption);
    EXPECT_EQ(BoxIcon::Error, shown[0].icon);
}

} // namespace
