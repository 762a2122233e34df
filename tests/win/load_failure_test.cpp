// The program built without its game data: it must say so and show no window.
#include "ui/shell.h"
#include "ui_harness.h"

using namespace ui_test;

namespace
{

TEST(LoadFailureTest, ShowsTheErrorBoxAndNoWindowAndFails)
{
    ASSERT_EQ(932u, GetACP()) << "Japanese code page needed (LANG=ja_JP.UTF-8)";
    MessageBoxCatcher boxes;
    const int code = RunVarendo(GetModuleHandleA(NULL), SW_SHOWNORMAL);
    EXPECT_EQ(-1, code);

    const std::vector<CaughtBox> shown = boxes.Take();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ("ポケモンデータを読み込めませんでした。", shown[0].text);
    EXPECT_EQ("Varendo", shown[0].caption);
    EXPECT_EQ(BoxIcon::Error, shown[0].icon);
    EXPECT_EQ("Varendo", shown[0].ownerClass); // owned by the main window...
    EXPECT_FALSE(shown[0].ownerVisible);       // ...which was never shown

    EXPECT_FALSE(IsWindow(shown[0].owner));
    EXPECT_EQ(NULL, FindWindowA("Varendo", NULL));
    EXPECT_FALSE(IsWindowVisible(MainWindow));
    // The destroyed window still posted its quit message; nothing else is left.
    PumpMessages();
}

} // namespace
