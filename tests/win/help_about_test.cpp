// The Help menu: the help file through the platform's HTML Help control, and
// the version box read from the program's own version resource.
#include <windows.h>

#include <commctrl.h>

#include <string.h>
#include <string>

#include "resources/resource.h"
#include "ui/main_window.h"
#include "ui_harness.h"

using namespace ui_test;

namespace
{

std::string Caption(HWND window)
{
    char text[128] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The first child of `help` of a window class.
HWND FindChild(HWND help, const char *className)
{
    struct Search {
        const char *className;
        HWND found;
    } search = {className, NULL};
    EnumChildWindows(
        help,
        [](HWND window, LPARAM data) -> BOOL {
            Search *s = (Search *)data;
            char name[32] = "";
            GetClassNameA(window, name, sizeof name);
            if (lstrcmpiA(name, s->className) == 0) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        (LPARAM)&search);
    return search.found;
}

using HelpAboutTest = MainWindowTest;

TEST_F(HelpAboutTest, AboutShowsNameVersionAndNoticeOfTheVersionResource)
{
    ChooseMenu(window, IDM_ABOUT);
    const std::vector<CaughtBox> caught = boxes.Take();
    ASSERT_EQ(1u, caught.size());
    // Product version 1.0.0.0 and the LegalCopyright of the Japanese/Unicode
    // string block, as resources/Varendo.rc declares them.
    EXPECT_EQ("Varendo\n\nVersion: 1.0.0 Build: 0\n\nCopyright (C) 2026 The Varendo developers",
              caught[0].text);
    EXPECT_EQ("バージョン情報", caught[0].caption);
    EXPECT_EQ(BoxIcon::Information, caught[0].icon);
    EXPECT_EQ(window, caught[0].owner);
}

TEST_F(HelpAboutTest, AboutShowsNothingWhenTheProgramFileHasNoVersionInformation)
{
    // As if the program's file were one without a version resource: the help
    // file next to it is such a file.
    char saved[sizeof ModulePath];
    lstrcpyA(saved, ModulePath);
    char *slash = strrchr(ModulePath, '\\');
    ASSERT_TRUE(slash != NULL);
    lstrcpyA(slash + 1, "Varendo.chm");
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(ModulePath));

    ChooseMenu(window, IDM_ABOUT);
    lstrcpyA(ModulePath, saved);
    EXPECT_TRUE(boxes.Take().empty());
}

TEST_F(HelpAboutTest, EachHelpCommandOpensTheHelpFileOnItsOwnTab)
{
    const struct {
        UINT command;
        int tab;               // contents 0, index 1
        const char *paneClass; // what the navigation pane shows on that tab
    } Cases[] = {{IDM_HELP_CONTENTS, 0, WC_TREEVIEWA}, {IDM_HELP_KEYWORD, 1, WC_LISTVIEWA}};
    for (const auto &c : Cases) {
        SCOPED_TRACE(c.paneClass);
        ASSERT_TRUE(FindHelpWindow() == NULL);
        ChooseMenu(window, c.command);
        HWND help = FindHelpWindow();
        ASSERT_TRUE(help != NULL) << "no help window: is Varendo.chm next to the test program?";
        // The title comes from the compiled help file itself.
        EXPECT_EQ("Varendo ヘルプ", Caption(help));
        HWND tabs = FindChild(help, WC_TABCONTROLA);
        ASSERT_TRUE(tabs != NULL);
        EXPECT_EQ(c.tab, TabCtrl_GetCurSel(tabs));
        EXPECT_TRUE(IsWindowVisible(FindChild(help, c.paneClass)));

        SendMessageA(help, WM_CLOSE, 0, 0);
        PumpMessages();
    }
    EXPECT_TRUE(FindHelpWindow() == NULL);
}

TEST_F(HelpAboutTest, ContentsThenKeywordStayInTheOneHelpWindow)
{
    ChooseMenu(window, IDM_HELP_CONTENTS);
    HWND help = FindHelpWindow();
    ASSERT_TRUE(help != NULL);
    ChooseMenu(window, IDM_HELP_KEYWORD);
    EXPECT_EQ(help, FindHelpWindow());
    int helpWindows = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM count) -> BOOL {
            char className[32] = "";
            GetClassNameA(window, className, sizeof className);
            if (lstrcmpA(className, "HH Parent") == 0)
                ++*(int *)count;
            return TRUE;
        },
        (LPARAM)&helpWindows);
    EXPECT_EQ(1, helpWindows);
    SendMessageA(help, WM_CLOSE, 0, 0);
    PumpMessages();
}

} // namespace
