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

// The edit's text, its selection and whether it has the focus.
std::string Edit(HWND dialog)
{
    DWORD selection = static_cast<DWORD>(SendDlgItemMessageA(dialog, kEdit, EM_GETSEL, 0, 0));
    return "'" + user::Text(dialog, kEdit) + "' " + std::to_string(LOWORD(selection)) + "-" +
           std::to_string(HIWORD(selection)) + (user::HasFocus(dialog, kEdit) ? " focused" : "");
}

class ProfileNameDialog : public testing::Test {
protected:
    // Runs the dialog with "Office" and "Home" in use; `step` acts on it.
    // Answers "<result> <name>".
    std::string Run(std::function<void(HWND dialog)> step)
    {
        std::vector<std::string> inUse = {"Office", "Home"};
        CDlgProfileName dialog;
        dialog.SetPrompt("Prompt text");
        dialog.SetLabel("Label text");
        dialog.SetName("NewProfile");
        dialog.SetNamesInUse(&inUse);
        ModalWindows modal;
        modal.Then(step);
        INT_PTR result = dialog.DoModal();
        return (result == IDOK ? "OK " : result == IDCANCEL ? "Cancel " : "? ") + dialog.GetName();
    }
};

TEST_F(ProfileNameDialog, ShowsItsTextsWithTheNameSelectedForTyping)
{
    std::string shown;
    EXPECT_EQ(Run([&](HWND dialog) {
                  shown = user::WindowText(dialog) + " | " + user::Text(dialog, IDC_PROFILE_NAME_PROMPT) + " | " +
                          user::Text(dialog, IDC_PROFILE_NAME_LABEL) + " | " + Edit(dialog);
                  user::Click(dialog, IDCANCEL);
              }),
              "Cancel NewProfile");
    EXPECT_EQ(shown, kTitle + " | Prompt text | Label text | 'NewProfile' 0-10 focused");
}

// Each name is typed into an edit whose limit was raised, then OK is pressed
// from its button. A refused name shows a box over the trimmed name, after
// which the user is back in the edit and types "Fixed".
TEST_F(ProfileNameDialog, TakesATrimmedNameOfAtMostThirtyTwoCharactersThatBreaksNoRule)
{
    const std::string n32(32, 'n');
    const struct {
        std::string typed, outcome;
    } rows[] = {
        {"  Lab 2  ", "OK Lab 2"},
        {"DEFAULT", "OK DEFAULT"},
        {"Tcpip2", "OK Tcpip2"},
        {"Homes", "OK Homes"},
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
        // A name in use is selected, to be typed over.
        {" OFFICE", kInUse + "over 'OFFICE' | then 'OFFICE' 0-6 focused | OK Fixed"},
        {"home", kInUse + "over 'home' | then 'home' 0-4 focused | OK Fixed"},
    };
    for (const auto& row : rows) {
        std::string outcome;
        std::string result = Run([&](HWND dialog) {
            std::string over;
            MessageBoxLog boxes({}, [&] { over = "over '" + user::Text(dialog, kEdit) + "' | "; });
            SendDlgItemMessageA(dialog, kEdit, EM_LIMITTEXT, 100, 0);
            user::Retype(dialog, kEdit, row.typed);
            if (user::Text(dialog, kEdit) != row.typed)
                outcome += "shown '" + user::Text(dialog, kEdit) + "' | ";
            SetFocus(GetDlgItem(dialog, IDOK));
            user::Click(dialog, IDOK);
            if (!boxes.Shown().empty()) {
                outcome += boxes.Text(kTitle) + over + "then " + Edit(dialog) + " | ";
                user::Retype(dialog, kEdit, "Fixed");
                user::Click(dialog, IDOK);
            }
        });
        EXPECT_EQ(outcome + result, row.outcome) << row.typed;
    }
}

}  // namespace
