// The profile-name dialog on its own, as New and Rename run it.
#include <windows.h>
#include <gtest/gtest.h>

#include "profiles/dlg_profile_name.h"
#include "res/resource.h"
#include "support/expectations.h"
#include "support/user.h"

namespace {

const std::string kTitle = "Vyr 11a/b/g Wireless LAN Mini PCI Adapter Configuration";
const std::string kBlank = "box: The profile name cannot be blank.  Please enter a name. | ";
const std::string kNotAllowed = "box: This Profile Name is not allowed.  | ";
const std::string kInUse = "box: A profile already exists with this name.  Please enter a unique profile name. | ";
const int kEdit = IDC_PROFILE_NAME_EDIT;

// The edit's text and selection, and whether it has the focus.
std::string Edit(HWND dialog)
{
    return "'" + user::Text(dialog, kEdit) + "' " + user::EditSelection(dialog, kEdit) +
           (user::HasFocus(dialog, kEdit) ? " focused" : "");
}

// Runs the dialog with "Office" and "Home" in use; `step` acts on it and
// adds to the answer what it saw. Then come the result and the name.
std::string RunDialog(std::function<void(HWND dialog, std::string& shown)> step)
{
    std::vector<std::string> inUse = {"Office", "Home"};
    CDlgProfileName dialog;
    dialog.SetPrompt("Prompt text");
    dialog.SetLabel("Label text");
    dialog.SetName("NewProfile");
    dialog.SetNamesInUse(&inUse);
    std::string shown;
    ModalWindows modal;
    modal.Then([&](HWND window) { step(window, shown); });
    INT_PTR result = dialog.DoModal();
    return shown + (result == IDOK ? "OK " : result == IDCANCEL ? "Cancel " : "? ") + dialog.GetName();
}

TEST(ProfileNameDialog, ShowsItsTextsWithTheNameSelectedForTyping)
{
    EXPECT_EQ(RunDialog([](HWND dialog, std::string& shown) {
                  shown = user::WindowText(dialog) + " | " + user::Text(dialog, IDC_PROFILE_NAME_PROMPT) + " | " +
                          user::Text(dialog, IDC_PROFILE_NAME_LABEL) + " | " + Edit(dialog) + " | ";
                  user::Click(dialog, IDCANCEL);
              }),
              kTitle + " | Prompt text | Label text | 'NewProfile' 0-10 focused | Cancel NewProfile");
}

// Each name is typed into an edit whose limit was raised, then OK is pressed
// from its button. A refused name shows a box over the trimmed name; then the
// user is back in the edit, where only a name in use is selected, and types
// "Fixed".
TEST(ProfileNameDialog, TakesATrimmedNameOfAtMostThirtyTwoCharactersThatBreaksNoRule)
{
    const std::string n32(32, 'n');
    const std::pair<std::string, std::string> rows[] = {
        {"  Lab 2  ", "OK Lab 2"}, {"DEFAULT", "OK DEFAULT"}, {"Tcpip2", "OK Tcpip2"}, {"Homes", "OK Homes"},
        {std::string(40, 'n'), "shown '" + n32 + "' | OK " + n32},
        {"   ", kBlank + "over '' | then '' 0-0 focused | OK Fixed"},
        {"  my_net ", kNotAllowed + "over 'my_net' | then 'my_net' 0-0 focused | OK Fixed"},
        {"MyDefaultNet", kNotAllowed + "over 'MyDefaultNet' | then 'MyDefaultNet' 0-0 focused | OK Fixed"},
        {"default2", kNotAllowed + "over 'default2' | then 'default2' 0-0 focused | OK Fixed"},
        {"tcpip", kNotAllowed + "over 'tcpip' | then 'tcpip' 0-0 focused | OK Fixed"},
        {"NDI", kNotAllowed + "over 'NDI' | then 'NDI' 0-0 focused | OK Fixed"},
        {"customparams", kNotAllowed + "over 'customparams' | then 'customparams' 0-0 focused | OK Fixed"},
        {"LINKAGE", kNotAllowed + "over 'LINKAGE' | then 'LINKAGE' 0-0 focused | OK Fixed"},
        {"Office_", kNotAllowed + "over 'Office_' | then 'Office_' 0-0 focused | OK Fixed"},
        {" OFFICE", kInUse + "over 'OFFICE' | then 'OFFICE' 0-6 focused | OK Fixed"},
        {"home", kInUse + "over 'home' | then 'home' 0-4 focused | OK Fixed"},
    };
    for (const auto& [typed, outcome] : rows) {
        EXPECT_EQ(RunDialog([&typed = typed](HWND dialog, std::string& shown) {
                      std::string over;
                      MessageBoxLog boxes({}, [&] { over = "over '" + user::Text(dialog, kEdit) + "' | "; });
                      SendDlgItemMessageA(dialog, kEdit, EM_LIMITTEXT, 100, 0);
                      user::Retype(dialog, kEdit, typed);
                      if (user::Text(dialog, kEdit) != typed)
                          shown += "shown '" + user::Text(dialog, kEdit) + "' | ";
                      SetFocus(GetDlgItem(dialog, IDOK));
                      user::Click(dialog, IDOK);
                      if (!boxes.Shown().empty()) {
                          shown += boxes.Text(kTitle) + over + "then " + Edit(dialog) + " | ";
                          user::Retype(dialog, kEdit, "Fixed");
                          user::Click(dialog, IDOK);
                      }
                  }),
                  outcome)
            << typed;
    }
}

}  // namespace
