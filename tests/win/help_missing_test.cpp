// Help on a machine without a usable HTML Help control: the help commands do
// nothing visible, and once the control failed to load the program does not
// try again. A process of its own, because that failure is final for a run.
#include <windows.h>

#include <string>

#include "resources/resource.h"
#include "ui_harness.h"

using namespace ui_test;

namespace
{

// Where the HTML Help control is registered; the program looks there first.
const char ServerKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";

// Points the control's registration elsewhere for the guard's lifetime and
// puts the original back afterwards (the Wine prefix is shared by the tests).
class RegistrationPointingAt
{
  public:
    explicit RegistrationPointingAt(const char *path)
    {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CLASSES_ROOT, ServerKey, 0, KEY_READ | KEY_SET_VALUE, &key) !=
            ERROR_SUCCESS)
            return;
        DWORD size = sizeof saved_ - 1;
        saved_[0] = 0;
        if (RegQueryValueExA(key, NULL, NULL, &type_, (BYTE *)saved_, &size) == ERROR_SUCCESS) {
            saved_[size] = 0;
            replaced_ = RegSetValueExA(key, NULL, 0, REG_SZ, (const BYTE *)path,
                                       lstrlenA(path) + 1) == ERROR_SUCCESS;
        }
        RegCloseKey(key);
    }
    ~RegistrationPointingAt()
    {
        HKEY key;
        if (replaced_ &&
            RegOpenKeyExA(HKEY_CLASSES_ROOT, ServerKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
            RegSetValueExA(key, NULL, 0, type_, (const BYTE *)saved_, lstrlenA(saved_) + 1);
            RegCloseKey(key);
        }
    }
    bool Replaced() const { return replaced_; }

  private:
    char saved_[MAX_PATH + 1] = "";
    DWORD type_ = REG_SZ;
    bool replaced_ = false;
};

// Makes a system DLL unloadable for the guard's lifetime through Wine's
// per-user DLL overrides (an empty value disables the DLL), which the loader
// consults at every load.
class DisabledDll
{
  public:
    explicit DisabledDll(const char *name) : name_(name)
    {
        disabled_ = RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\DllOverrides", 0, NULL, 0,
                                    KEY_SET_VALUE, NULL, &key_, NULL) == ERROR_SUCCESS &&
                    RegSetValueExA(key_, name, 0, REG_SZ, (const BYTE *)"", 1) == ERROR_SUCCESS;
    }
    ~DisabledDll()
    {
        if (disabled_)
            RegDeleteValueA(key_, name_.c_str());
        RegCloseKey(key_);
    }
    bool Disabled() const { return disabled_; }

  private:
    std::string name_;
    HKEY key_ = NULL;
    bool disabled_ = false;
};

using HelpMissingTest = MainWindowTest;

TEST_F(HelpMissingTest, HelpCommandsDoNothingAndTheControlIsNotTriedAgain)
{
    {
        // The registered path leads nowhere and the control cannot be loaded by name.
        RegistrationPointingAt nowhere("C:\\varendo-no-such-folder\\hhctrl.ocx");
        ASSERT_TRUE(nowhere.Replaced());
        DisabledDll noControl("hhctrl.ocx");
        ASSERT_TRUE(noControl.Disabled());

        ChooseMenu(window, IDM_HELP_CONTENTS);
        EXPECT_FALSE(FindHelpWindow(false) != NULL);
        EXPECT_TRUE(GetModuleHandleA("hhctrl.ocx") == NULL);
    }

    // The control is back where it is registered, and loadable: a program
    // that tried again would now load it and open the help window.
    for (UINT command : {IDM_HELP_CONTENTS, IDM_HELP_KEYWORD, IDM_HELP_CONTENTS}) {
        SCOPED_TRACE(command);
        ChooseMenu(window, command);
        EXPECT_FALSE(FindHelpWindow(false) != NULL);
        EXPECT_TRUE(GetModuleHandleA("hhctrl.ocx") == NULL);
    }
    // Nothing is reported to the user either.
    EXPECT_TRUE(boxes.Take().empty());
}

} // namespace
