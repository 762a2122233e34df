// In-process driver of the real main window for the UI tests under Wine:
// opens it through the program's shell, pumps messages through the program's
// own loop step, acts as a user would and reads back what the window shows.
#ifndef VARENDO_TESTS_WIN_UI_HARNESS_H
#define VARENDO_TESTS_WIN_UI_HARNESS_H

#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace ui_test
{

// The standard icon that a message box showed.
enum class BoxIcon { None, Error, Warning, Information, Question, Other };

// One message box, as caught by the CBT hook just before it became active.
struct CaughtBox {
    std::string text;
    std::string caption;
    BoxIcon icon;
    HWND owner;
    std::string ownerClass;
    bool ownerVisible;
};

// Catches every message box of this thread while it exists: records it and
// dismisses it with OK, so that a test never blocks on a modal box.
class MessageBoxCatcher
{
  public:
    MessageBoxCatcher();
    ~MessageBoxCatcher();
    // The boxes caught since the last call, oldest first.
    std::vector<CaughtBox> Take();

  private:
    HHOOK hook_;
};

// Delivers every queued message through the program's loop step until the
// queue is empty. Returns true when the quit message was among them.
bool PumpMessages();

// Opens the main window exactly as the program does, registering the class
// first if this process has not. NULL when the program would not show one.
HWND OpenProgramWindow(int showCommand = SW_SHOWNORMAL);

// Closes it as the close box does and consumes the quit message it posts,
// so that no later modal loop ends early.
void CloseProgramWindow(HWND main);

// The stat and effort entry fields of the main window, in stat order (HP,
// Attack, Defense, Sp. Atk, Sp. Def, Speed, Special).
extern const int StatFields[7];
extern const int EffortFields[7];

// ---- acting on controls -------------------------------------------------

HWND Control(HWND main, int id);

// WM_SETTEXT, as a program or a paste would; edits notify, combo boxes do not.
void SetText(HWND main, int id, const char *text);

// Types Shift-JIS text into a combo box's edit field character by character.
void TypeInto(HWND main, int comboId, const char *text);

// Types text into an edit as keystrokes would arrive: one WM_CHAR per
// character, posted and delivered through the program's loop step, so that
// length limits and dialog keyboard handling apply.
void TypeKeys(HWND edit, const char *text);

// Presses a key in the window that has the focus (or in `target`).
void PressKey(UINT key, HWND target = NULL);
void PressShiftTab();

// Clicks a button with the mouse (BM_CLICK).
void Click(HWND main, int id);

// Menu command or accelerator-free menu choice.
void ChooseMenu(HWND main, UINT command);

// Left click at a point of the list's client area; `control` adds Ctrl.
void ClickListAt(HWND main, POINT point, bool control = false);
void ClickListRow(HWND main, int row, bool control = false);
void DoubleClickListRow(HWND main, int row);

// ---- reading back -------------------------------------------------------

// The HTML Help control's window, which it creates on the caller's thread;
// with `visibleOnly` false, also one that was created but never shown.
HWND FindHelpWindow(bool visibleOnly = true);

std::string Text(HWND main, int id);
std::string ListCell(HWND main, int row, int column);
int ListRowCount(HWND main);
std::vector<int> SelectedRows(HWND main);
int FocusedRow(HWND main);
std::string StatusPart(HWND main, int part);
bool IsEnabled(HWND main, int id);
UINT MenuState(HWND main, UINT command);
int ComboCount(HWND main, int id);
std::string ComboItem(HWND main, int id, int index);

// The nine result fields in window order (HP to Special, type, power).
std::vector<std::string> Results(HWND main);

// Base fixture: a fresh main window per test and a message-box catcher that
// must have been emptied (by the test) when the test ends.
class MainWindowTest : public testing::Test
{
  protected:
    void SetUp() override;
    void TearDown() override;

    MessageBoxCatcher boxes;
    HWND window = NULL;
};

} // namespace ui_test

#endif
