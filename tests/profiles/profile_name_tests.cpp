// The profile-name dialog on its own, as New and Rename run it.
#include <windows.h>
#include <gtest/gtest.h>

#include "profiles/dlg_profile_name.h"
#include "res/resource.h"
#include "support/expectations.h"
#include "support/user.h"

namespace {

const char kBlank[] = "The profile name cannot be blank.  Please enter a name.";
const char kNotAllowed[] = "This Profile Name is not allowed. ";
const char kInUse[] = "A profile already exists with this name.  Please enter a unique profile name.";
const int kEdit = IDC_PROFILE_NAME_EDIT;

struct Outcome {
    INT_PTR result;
    std::string name;
};

// Runs the dialog with "Office" and "Home" in use; `step` acts on it.
Outcome RunDialog(std::function<void(HWND dialog)> step, const std::string& initial = "NewProfile")
{
    std::vector<std::string> inUse = {"Office", "Home"};
    CDlgProfileName dialog;
    dialog.SetPrompt("Prompt text");
    dialog.SetLabel("Label text");
    dialog.SetName(initial);
    dialog.SetNamesInUse(&inUse);
    ModalWindows modal;
    modal.Then(step);
    INT_PTR result = dialog.DoModal();
    return {result, dialog.GetName()};
}

DWORD EditSelection(HWND dialog)
{
    return static_cast<DWORD>(SendDlgItemMessageA(dialog, kEdit, EM_GETSEL, 0, 0));
}

TEST(ProfileNameDialog, ShowsItsTextsWithTheNameSelectedForTyping)
{
    Outcome outcome = RunDialog([](HWND dialog) {
        EXPECT_EQ(user::Text(dialog, IDC_PROFILE_NAME_PROMPT), "Prompt text");
        EXPECT_EQ(user::Text(dialog, IDC_PROFILE_NAME_LABEL), "Label text");
        EXPECT_EQ(user::WindowText(dialog), "Vyr 11a/b/g Wireless LAN Mini PCI Adapter Configuration");
        EXPECT_TRUE(user::HasFocus(dialog, kEdit));
        EXPECT_EQ(EditSelection(dialog), MAKELONG(0, 10));
        user::Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(outcome.result, IDCANCEL);
}

TEST(ProfileNameDialog, KeepsNamesToThirtyTwoCharactersWhateverTheEditWasSetTo)
{
    Outcome outcome = RunDialog([](HWND dialog) {
        SendDlgItemMessageA(dialog, kEdit, EM_LIMITTEXT, 100, 0);
        user::Retype(dialog, kEdit, std::string(40, 'n'));
        EXPECT_EQ(user::Text(dialog, kEdit), std::string(32, 'n'));
        user::Click(dialog, IDOK);
    });
    EXPECT_EQ(outcome.result, IDOK);
    EXPECT_EQ(outcome.name, std::string(32, 'n'));
}

TEST(ProfileNameDialog, AcceptsATrimmedNameThatBreaksNoRule)
{
    for (const char* typed : {"  Lab 2  ", "DEFAULT", "Tcpip2", "Homes"}) {
        Outcome outcome = RunDialog([typed](HWND dialog) {
            user::Retype(dialog, kEdit, typed);
            user::Click(dialog, IDOK);
        });
        EXPECT_EQ(outcome.result, IDOK) << typed;
        EXPECT_EQ(outcome.name, std::string(typed) == "  Lab 2  " ? "Lab 2" : typed);
    }
}

TEST(ProfileNameDialog, RefusesBrokenNamesInOrderAndKeepsTheUserTyping)
{
    const struct {
        const char* typed;
        const char* message;
        const char* shownWhileRefused;
    } cases[] = {
        {"   ", kBlank, ""},
        {"  my_net ", kNotAllowed, "my_net"},
        {"MyDefaultNet", kNotAllowed, "MyDefaultNet"},
        {"default2", kNotAllowed, "default2"},
        {"tcpip", kNotAllowed, "tcpip"},
        {"NDI", kNotAllowed, "NDI"},
        {"customparams", kNotAllowed, "customparams"},
        {"LINKAGE", kNotAllowed, "LINKAGE"},
        {"Office_", kNotAllowed, "Office_"},
        {" OFFICE", kInUse, "OFFICE"},
        {"home", kInUse, "home"},
    };
    for (const auto& refused : cases) {
        Outcome outcome = RunDialog([&refused](HWND dialog) {
            MessageBoxes boxes;
            boxes.Expect(refused.message, IDOK, [&] {
                EXPECT_EQ(user::Text(dialog, kEdit), refused.shownWhileRefused);
            });
            user::Retype(dialog, kEdit, refused.typed);
            SetFocus(GetDlgItem(dialog, IDOK));
            user::Click(dialog, IDOK);
            ASSERT_EQ(boxes.Shown().size(), 1u) << refused.typed;
            EXPECT_EQ(boxes.Shown()[0].caption, "Vyr 11a/b/g Wireless LAN Mini PCI Adapter Configuration");
            EXPECT_EQ(boxes.Shown()[0].type, static_cast<UINT>(MB_OK));
            EXPECT_TRUE(user::HasFocus(dialog, kEdit)) << refused.typed;
            if (refused.message == kInUse) {
                int length = static_cast<int>(std::string(refused.shownWhileRefused).size());
                EXPECT_EQ(EditSelection(dialog), static_cast<DWORD>(MAKELONG(0, length)));
            }
            user::Retype(dialog, kEdit, "Fixed");
            user::Click(dialog, IDOK);
        });
        EXPECT_EQ(outcome.result, IDOK) << refused.typed;
        EXPECT_EQ(outcome.name, "Fixed");
    }
}

}  // namespace
