// The Configuration page across its modal calls: inside a dialog or message
// box the sheet may drop the page, the window in front may be another
// program's, and the store may change under it.
#include <windows.h>
#include <gtest/gtest.h>

#include "profiles/current_profile.h"
#include "res/resource.h"
#include "shell/wifi_prop_sheet.h"
#include "run_page.h"
#include "support/adapter_profiles.h"
#include "support/child.h"
#include "support/expectations.h"
#include "support/isolated_store.h"
#include "support/user.h"

namespace {

const int kList = IDC_CONFIG_PROFILE_LIST;

// The store as a new process sees it (the page suite's own scenario).
std::string Stored()
{
    return RunChild("describe_store").output;
}

// A user who is not an administrator (for the temporary activation) runs a
// command on the row, and while its dialog or box is up the sheet drops to
// the three pages of Wireless Zero Configuration, as the Status page's tick
// does; then the user says OK or Yes. Prints the tabs left and the store.
ChildScenario dropPageInModal("drop_page_in_modal", [](const std::string& rows) {
    return PrintEachRow(rows, [](const std::string& row) {
        std::string command = row.substr(0, row.find(' ')), profile = row.substr(row.find(' ') + 1), tabs;
        const std::pair<const char*, int> buttons[] = {{"new", IDC_CONFIG_NEW}, {"rename", IDC_CONFIG_RENAME},
            {"delete", IDC_CONFIG_DELETE}, {"configure", IDC_CONFIG_CONFIGURE}, {"activate", IDC_CONFIG_ACTIVATE}};
        RunPage([&](CWiFiPropSheet& sheet, HWND window, HWND page) {
            user::ChooseRow(page, kList, user::RowOf(page, kList, profile));
            SetMessageBoxHook([&](HWND, const std::string&, const std::string&, UINT) {
                sheet.SetWirelessZeroConfigMode(TRUE);
                return IDYES;
            });
            ModalWindows dialogs;
            if (command == "new" || command == "rename" || command == "configure")
              dialogs.Then([&](HWND dialog) {
                sheet.SetWirelessZeroConfigMode(TRUE);
                if (GetDlgItem(dialog, IDC_PROFILE_NAME_EDIT))
                    user::Retype(dialog, IDC_PROFILE_NAME_EDIT, "Lab");
                else
                    user::Retype(dialog, IDC_CONFIGURE_NAME1, "Lab");
                user::Click(dialog, IDOK);
            });
            for (const auto& [name, id] : buttons) {
                if (command == name)
                    user::Click(page, id);
            }
            tabs = user::Tabs(window);
            user::PressCancel(window);
        });
        return command + ": " + tabs + " | " + Stored();
    });
});

// Another process stores a network name for the profile: "<profile> <name>".
ChildScenario storeNetworkName("store_network_name", [](const std::string& argument) {
    CAdapterConfig* profile = FindProfile(argument.substr(0, argument.find(' ')));
    return profile && profile->SetNetworkName(argument.substr(argument.find(' ') + 1)) && profile->Save() ? 0 : 1;
});

class PageLifetime : public testing::Test {
protected:
    IsolatedStore store_;
};

// The command stops where its modal call returns: nothing of it reaches the
// store, and nothing touches the page that is gone.
TEST_F(PageLifetime, ACommandWhosePageGoesWhileItsModalIsUpStops)
{
    store_.StoreProfiles({"Default", "Office"}, {"admin_corp"});
    const std::string unchanged = " | own=Default Office | prov=admin_corp | sel=Default | applied=Default[] | admin=";
    ChildOptions asUser;
    asUser.asNonAdministrator = true;
    EXPECT_EQ(RunChildForRows("drop_page_in_modal",
                              {"new Office", "rename Office", "delete Office", "configure Office", "activate admin_corp"},
                              asUser).output,
              "new: Status Power About" + unchanged + "\nrename: Status Power About" + unchanged +
                  "\ndelete: Status Power About" + unchanged + "\nconfigure: Status Power About" + unchanged +
                  "\nactivate: Status Power About" + unchanged + "admin_corp\n");
}

// With another program's window in front, the Configure Profile dialog is
// still the sheet's: the sheet is disabled behind it and its OK commits.
TEST_F(PageLifetime, DialogsBelongToTheSheetWhateverWindowIsInFront)
{
    HWND other = CreateWindowExA(0, "STATIC", "Another program", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                 nullptr, nullptr, nullptr);
    std::string seen;
    RunPage([&](CWiFiPropSheet&, HWND window, HWND page) {
        ModalWindows dialogs;
        dialogs.Then([&](HWND dialog) {
            seen = std::string(GetWindow(dialog, GW_OWNER) == window ? "owned" : "not owned") +
                   (IsWindowEnabled(window) ? " enabled" : " disabled");
            user::Retype(dialog, IDC_CONFIGURE_NAME1, "Lab");
            user::Click(dialog, IDOK);
        });
        SetActiveWindow(other);
        user::Click(page, IDC_CONFIG_CONFIGURE);
        user::PressCancel(window);
    });
    DestroyWindow(other);
    EXPECT_EQ(seen + " | " + Stored(), "owned disabled | own=Default[Lab] | prov= | sel=Default | applied=Default[Lab] | admin=");
}

// Leaving the page stores the current profile even unchanged, so the page's
// copy wins over what another process stored meanwhile; once the Configure
// Profile dialog has loaded the network names, the stored ones win.
TEST_F(PageLifetime, LeavingStoresThePagesCopyUnlessConfigureLoadedTheStoredNames)
{
    std::string seen;
    RunPage([&](CWiFiPropSheet&, HWND window, HWND) {
        RunChild("store_network_name", {"", "Default Elsewhere"});
        user::SwitchPage(window, 0);
        seen = Stored();
        RunChild("store_network_name", {"", "Default Elsewhere"});
        user::SwitchPage(window, 1);
        ModalWindows dialogs;
        dialogs.Then([](HWND dialog) { user::Click(dialog, IDCANCEL); });
        user::Click(user::CurrentPage(window), IDC_CONFIG_CONFIGURE);
        user::SwitchPage(window, 0);
        seen += " || " + Stored();
        user::PressCancel(window);
    });
    EXPECT_EQ(seen, "own=Default | prov= | sel=Default | applied=Default[] | admin= || "
                    "own=Default[Elsewhere] | prov= | sel=Default | applied=Default[] | admin=");
}

}  // namespace
