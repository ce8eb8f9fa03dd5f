// The Configuration page in the real sheet, against the real library and an
// isolated store. What a user who is not an administrator sees runs in
// child processes with a restricted token.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "driver/80211api.h"
#include "driver/card_state.h"
#include "driver/store.h"
#include "profiles/current_profile.h"
#include "res/resource.h"
#include "shell/wifi_prop_sheet.h"
#include "support/adapter_profiles.h"
#include "support/child.h"
#include "support/expectations.h"
#include "support/isolated_store.h"
#include "support/user.h"

namespace {

const char kTitle[] = "Vyr 11a/b/g Wireless LAN Mini PCI Adapter Configuration";
const char kNoSelection[] = "Could not find a selected profile on which to perform the operation.";
const char kNotDefault[] = "You cannot delete or rename the \"Default\" profile.";
const char kLastProfile[] = "You cannot delete the selected profile.  There must be at least one profile.";
const char kConfirmDelete[] = "Are you sure you want to delete the selected profile?";
const char kTemporarily[] =
    "This Profile is temporarily activated to the driver. The settings will not be saved for further use! ";
const int kList = IDC_CONFIG_PROFILE_LIST;

// --- The store ---------------------------------------------------------------

std::string Join(CAdapterConfigArray* profiles)
{
    std::string names;
    for (int i = 0; profiles && i < profiles->GetCount(); ++i) {
        std::string ssid;
        names += (i ? " " : "") + NameOf(profiles->GetAt(i));
        if (!profiles->GetAt(i)->GetNetworkName(ssid).empty())
            names += "[" + ssid + "]";
    }
    return names;
}

// What a new process finds in the store: both lists (with network names),
// the stored selection, what is in effect and the admin profile name.
ChildScenario describeStore("describe_store", [](const std::string&) {
    CDriverAdapter* adapter = TheAdapter();
    std::string adminProfile;
    AppliedProfile applied;
    ReadAppliedProfile(OpenStore(), applied);
    PAvailableAdapters().GetAdminProfileName(adminProfile);
    std::printf("own: %s\nprovisioned: %s\nselection: %s\nin effect: %s[%s]\nadmin profile: %s\n",
                Join(adapter->GetConfigurations()).c_str(), Join(adapter->GetSecondConfigurations()).c_str(),
                NameOf(adapter->GetCurrentConfiguration()).c_str(), applied.settings.name.c_str(),
                applied.settings.networkName1.c_str(), adminProfile.c_str());
    return 0;
});

std::string StoredState()
{
    ChildResult result = RunChild("describe_store");
    EXPECT_EQ(result.exitCode, 0u);
    return result.output;
}

std::string StoredLine(const std::string& field)
{
    std::string state = StoredState();
    std::string::size_type start = state.find(field + ": ");
    if (start == std::string::npos)
        return "missing " + field;
    start += field.size() + 2;
    return state.substr(start, state.find('\n', start) - start);
}

std::vector<std::string> SetMembers(const std::string& set)
{
    return OpenStore().OpenChild(std::string(kCardKey) + "\\" + kMultipleConfigsKey + "\\" + set).ReadStrings(
        kMembersValue);
}

// --- The page ----------------------------------------------------------------

bool HasIcon(HWND page, int row)
{
    LVITEMA item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    SendDlgItemMessageA(page, kList, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return item.iImage >= 0;
}

// The rows as the user sees them, the icon shown as "*".
std::string Rows(HWND page)
{
    std::string rows;
    for (int row = 0; row < user::RowCount(page, kList); ++row)
        rows += std::string(row ? " " : "") + (HasIcon(page, row) ? "*" : "") + user::RowText(page, kList, row);
    return rows;
}

std::string Buttons(HWND page)
{
    return std::string("rename=") + (user::IsEnabled(page, IDC_CONFIG_RENAME) ? "1" : "0") +
           " delete=" + (user::IsEnabled(page, IDC_CONFIG_DELETE) ? "1" : "0") +
           " activate=" + (user::IsEnabled(page, IDC_CONFIG_ACTIVATE) ? "1" : "0");
}

int RowOf(HWND page, const std::string& name)
{
    for (int row = 0; row < user::RowCount(page, kList); ++row) {
        if (user::RowText(page, kList, row) == name)
            return row;
    }
    ADD_FAILURE() << "no row " << name;
    return -1;
}

std::string CurrentName()
{
    return GetCurrentProfile() ? NameOf(GetCurrentProfile()) : "(none)";
}

// The command of a disabled button, sent straight to the page: the page's
// own checks stand behind the buttons' states.
void Command(HWND page, int id)
{
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
}

// Opens the sheet on the Configuration page; `step` must close it.
void RunPage(std::function<void(CWiFiPropSheet& sheet, HWND window, HWND page)> step)
{
    CWiFiPropSheet* sheet = new CWiFiPropSheet;
    sheet->SetStartPage(1);
    ModalWindows modal;
    modal.Then([&](HWND window) { step(*sheet, window, user::CurrentPage(window)); });
    sheet->DoModal();
}

// Answers the profile-name dialog: replaces the offered name and presses OK.
std::function<void(HWND)> NameDialogAnswer(const std::string& name)
{
    return [name](HWND dialog) {
        user::Retype(dialog, IDC_PROFILE_NAME_EDIT, name);
        user::Click(dialog, IDOK);
    };
}

class ConfigPage : public testing::Test {
protected:
    IsolatedStore store_;
};

// --- The list and its buttons ------------------------------------------------

TEST_F(ConfigPage, ListsBothArraysAndMarksTheActiveProfile)
{
    store_.StoreProfiles({"Office", "Default", "Home"}, {"Corp"});
    RunPage([](CWiFiPropSheet&, HWND window, HWND page) {
        EXPECT_EQ(Rows(page), "Office *Default Home Corp");
        EXPECT_EQ(user::SelectedRow(page, kList), 1);
        EXPECT_EQ(CurrentName(), "Default");
        EXPECT_EQ(user::Text(page, IDC_CONFIG_PROFILES_LABEL), "Profiles");
        user::PressCancel(window);
    });
}

TEST_F(ConfigPage, ButtonsFollowTheNameAndRowOfTheSelection)
{
    store_.SetMultipleConfigNames({"Lab", "Campus"});
    store_.StoreProfiles({"Default", "Office", "MyDefault", "lowdefault", "Campus_west", "admin_net"}, {"Guest"});
    RunPage([](CWiFiPropSheet&, HWND window, HWND page) {
        const std::pair<const char*, const char*> expected[] = {
            {"Default", "rename=0 delete=0 activate=0"},   {"Office", "rename=1 delete=1 activate=1"},
            {"MyDefault", "rename=0 delete=0 activate=1"}, {"lowdefault", "rename=1 delete=1 activate=1"},
            {"Campus_west", "rename=0 delete=1 activate=0"}, {"admin_net", "rename=1 delete=1 activate=1"},
            {"Guest", "rename=1 delete=1 activate=1"},
        };
        for (const auto& [name, buttons] : expected) {
            user::ChooseRow(page, kList, RowOf(page, name));
            EXPECT_EQ(CurrentName(), name);
            EXPECT_EQ(Buttons(page), buttons) << name;
            EXPECT_TRUE(user::IsEnabled(page, IDC_CONFIG_NEW));
            EXPECT_TRUE(user::IsEnabled(page, IDC_CONFIG_CONFIGURE));
        }
        // Empty space: no row, the same current profile and buttons.
        user::ClearRows(page, kList);
        EXPECT_EQ(user::SelectedRow(page, kList), -1);
        EXPECT_EQ(CurrentName(), "Guest");
        EXPECT_EQ(Buttons(page), "rename=1 delete=1 activate=1");
        user::PressCancel(window);
    });
}

// A user who is not an administrator: what the page shows, after choosing
// the named row and, with "activate" after a blank, activating it.
ChildScenario showPageAsUser("show_page_as_user", [](const std::string& argument) {
    PrintMessageBoxesInChild();
    std::string rowName = argument.substr(0, argument.find(' '));
    bool activate = argument.find(" activate") != std::string::npos;
    SetModalHook([&](HWND window) {
        HWND page = user::CurrentPage(window);
        std::printf("rows: %s\n", Rows(page).c_str());
        if (!rowName.empty()) {
            user::ChooseRow(page, kList, RowOf(page, rowName));
            std::printf("%s: %s\n", rowName.c_str(), Buttons(page).c_str());
        }
        if (activate) {
            EnableWindow(GetDlgItem(window, CPropertySheet::kApplyButtonId), TRUE);
            SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_CONFIG_ACTIVATE, BN_CLICKED), 0);
            std::printf("after: %s apply=%d\n", Rows(page).c_str(),
                        IsWindowEnabled(GetDlgItem(window, CPropertySheet::kApplyButtonId)) ? 1 : 0);
        }
        user::PressCancel(window);
    });
    CWiFiPropSheet* sheet = new CWiFiPropSheet;
    sheet->SetStartPage(1);
    sheet->DoModal();
    return 0;
});

std::string ShowPageAsUser(const std::string& argument, const std::string& windowsVersion = "")
{
    ChildOptions options;
    options.asNonAdministrator = true;
    options.windowsVersion = windowsVersion;
    options.argument = argument;
    ChildResult result = RunChild("show_page_as_user", options);
    EXPECT_EQ(result.exitCode, 0u);
    return result.output;
}

TEST_F(ConfigPage, AdministratorProfilesAreClosedToOtherUsers)
{
    store_.StoreProfiles({"Default", "admin_net"});
    EXPECT_EQ(ShowPageAsUser("admin_net"), "rows: *Default admin_net\nadmin_net: rename=0 delete=0 activate=1\n");
}

// --- New, Rename, Delete -----------------------------------------------------

TEST_F(ConfigPage, NewAddsTheNamedProfileSelectedAndStored)
{
    store_.StoreProfiles({"Default", "Office"}, {"Guest"});
    RunPage([](CWiFiPropSheet&, HWND window, HWND page) {
        ModalWindows dialogs;
        dialogs.Then([](HWND dialog) {
            EXPECT_EQ(user::Text(dialog, IDC_PROFILE_NAME_PROMPT), "Please enter a name for the new profile and press OK.");
            EXPECT_EQ(user::Text(dialog, IDC_PROFILE_NAME_LABEL), "Profile Name:");
            EXPECT_EQ(user::Text(dialog, IDC_PROFILE_NAME_EDIT), "NewProfile");
            user::Click(dialog, IDCANCEL);
        });
        dialogs.Then([](HWND dialog) {
            MessageBoxes boxes;
            boxes.Expect("A profile already exists with this name.  Please enter a unique profile name.");
            NameDialogAnswer("GUEST")(dialog);
            NameDialogAnswer("Home")(dialog);
        });
        user::Click(page, IDC_CONFIG_NEW);
        EXPECT_EQ(Rows(page), "*Default Office Guest");
        user::Click(page, IDC_CONFIG_NEW);
        EXPECT_EQ(Rows(page), "*Default Office Home Guest");
        EXPECT_EQ(user::SelectedRow(page, kList), 2);
        EXPECT_EQ(CurrentName(), "Home");
        EXPECT_TRUE(user::HasFocus(page, kList));

        // A name the library refuses leaves everything as it was, silently.
        user::ChooseRow(page, kList, 1);
        dialogs.Then(NameDialogAnswer("Lab\\2"));
        user::Click(page, IDC_CONFIG_NEW);
        EXPECT_EQ(Rows(page), "*Default Office Home Guest");
        EXPECT_EQ(CurrentName(), "Office");
        user::PressCancel(window);
    });
    EXPECT_EQ(StoredLine("own"), "Default Office Home");
}

TEST_F(ConfigPage, RenameRenamesTheSelectedProfileButNeverDefault)
{
    store_.StoreProfiles({"Default", "Office"});
    RunPage([](CWiFiPropSheet&, HWND window, HWND page) {
        MessageBoxes boxes;
        boxes.Expect(kNotDefault);
        Command(page, IDC_CONFIG_RENAME);
        EXPECT_EQ(boxes.Shown().at(0).caption, kTitle);
        EXPECT_EQ(boxes.Shown().at(0).type, static_cast<UINT>(MB_OK));

        user::ChooseRow(page, kList, 1);
        ModalWindows dialogs;
        dialogs.Then([](HWND dialog) {
            EXPECT_EQ(user::Text(dialog, IDC_PROFILE_NAME_PROMPT), "Please enter a new name for the profile and press OK.");
            EXPECT_EQ(user::Text(dialog, IDC_PROFILE_NAME_EDIT), "Office");
            MessageBoxes inUse;
            inUse.Expect("A profile already exists with this name.  Please enter a unique profile name.");
            NameDialogAnswer("office")(dialog);
            NameDialogAnswer("Work")(dialog);
        });
        user::Click(page, IDC_CONFIG_RENAME);
        EXPECT_EQ(Rows(page), "*Default Work");
        EXPECT_EQ(CurrentName(), "Work");
        EXPECT_EQ(user::SelectedRow(page, kList), 1);
        user::PressCancel(window);
    });
    EXPECT_EQ(StoredLine("own"), "Default Work");
}

TEST_F(ConfigPage, DeleteAsksThenSelectsTheRowThatTakesItsPlace)
{
    store_.StoreProfiles({"Alpha", "Mid", "Zed", "Default", "Last"}, {"P1", "P2"});
    RunPage([](CWiFiPropSheet&, HWND window, HWND page) {
        MessageBoxes boxes;
        // Row, answer, rows after, selected row after.
        const struct {
            const char* name;
            int answer;
            const char* rows;
            int selected;
        } steps[] = {
            {"Alpha", IDNO, "Alpha Mid Zed *Default Last P1 P2", 0},
            {"Alpha", IDCANCEL, "Alpha Mid Zed *Default Last P1 P2", 0},
            {"Alpha", IDYES, "Mid Zed *Default Last P1 P2", 0},
            {"Zed", IDYES, "Mid *Default Last P1 P2", 1},
            {"Last", IDYES, "Mid *Default P1 P2", 1},
            {"P2", IDYES, "Mid *Default P1", 2},
            {"P1", IDYES, "Mid *Default", 1},
        };
        for (const auto& step : steps) {
            user::ChooseRow(page, kList, RowOf(page, step.name));
            boxes.Expect(kConfirmDelete, step.answer);
            user::Click(page, IDC_CONFIG_DELETE);
            EXPECT_EQ(Rows(page), step.rows) << step.name;
            EXPECT_EQ(user::SelectedRow(page, kList), step.selected) << step.name;
        }
        EXPECT_EQ(boxes.Shown().at(0).type, static_cast<UINT>(MB_YESNOCANCEL));
        EXPECT_EQ(CurrentName(), "Default");

        // The active row is never deleted, even when confirmed.
        user::ClearRows(page, kList);
        boxes.Expect(kNotDefault);
        Command(page, IDC_CONFIG_DELETE);
        user::ChooseRow(page, kList, 0);
        user::Click(page, IDC_CONFIG_ACTIVATE);
        SetFocus(GetDlgItem(page, IDC_CONFIG_NEW));
        boxes.Expect(kConfirmDelete, IDYES);
        Command(page, IDC_CONFIG_DELETE);
        EXPECT_EQ(Rows(page), "*Mid Default");
        EXPECT_TRUE(user::HasFocus(page, kList));
        user::PressCancel(window);
    });
    EXPECT_EQ(StoredLine("own"), "Mid Default");
    EXPECT_EQ(StoredLine("provisioned"), "");
}

TEST_F(ConfigPage, TheLastProfileAndAMissingAdapterAreRefused)
{
    store_.StoreProfiles({"Solo"});
    RunPage([](CWiFiPropSheet&, HWND window, HWND page) {
        MessageBoxes boxes;
        boxes.Expect(kLastProfile);
        Command(page, IDC_CONFIG_DELETE);
        user::PressCancel(window);
    });
    EXPECT_EQ(StoredLine("own"), "Solo");

    RegistryKey store = OpenStore();
    SimulatedCard card = ReadSimulatedCard(store);
    card.present = false;
    WriteSimulatedCard(store, card);
    SetCurrentProfile(nullptr);
    RunPage([](CWiFiPropSheet&, HWND window, HWND page) {
        EXPECT_EQ(user::RowCount(page, kList), 0);
        MessageBoxes boxes;
        boxes.Expect(kNoSelection).Expect(kNoSelection);
        Command(page, IDC_CONFIG_RENAME);
        Command(page, IDC_CONFIG_DELETE);
        ModalWindows dialogs;
        dialogs.Then(NameDialogAnswer("Lab"));
        user::Click(page, IDC_CONFIG_NEW);
        EXPECT_EQ(user::RowCount(page, kList), 0);
        user::PressCancel(window);
    });
}

TEST_F(ConfigPage, DeletingAMultipleConfigurationProfileRewritesItsSet)
{
    store_.SetMultipleConfigNames({"Campus"});
    store_.StoreProfiles({"Default", "Campus_a", "Campus_b", "Campus_c"});
    RunPage([](CWiFiPropSheet&, HWND window, HWND page) {
        // A change the set's next profile holds is stored with the set.
        user::ChooseRow(page, kList, 2);
        GetCurrentProfile()->SetNetworkName("West");
        MessageBoxes boxes;
        boxes.Expect(kConfirmDelete, IDYES);
        user::ChooseRow(page, kList, 1);
        user::Click(page, IDC_CONFIG_DELETE);
        EXPECT_EQ(Rows(page), "*Default Campus_b Campus_c");
        EXPECT_EQ(CurrentName(), "Campus_b");
        user::PressCancel(window);
    });
    EXPECT_EQ(SetMembers("Campus"), (std::vector<std::string>{"Campus_b", "Campus_c"}));
    EXPECT_EQ(StoredLine("own"), "Default Campus_b[West] Campus_c");
}

// --- Configure ---------------------------------------------------------------

// Refuses to create the Configure Profile dialog, as when the system is out
// of window resources.
LRESULT CALLBACK RefuseConfigureProfile(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        if (HIWORD(create->lpszName) && std::string(create->lpszName) == "Configure Profile")
            return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(ConfigPage, ConfigureSaysFailedWhenTheDialogCannotBeCreated)
{
    RunPage([](CWiFiPropSheet&, HWND window, HWND page) {
        HHOOK hook = SetWindowsHookExA(WH_CBT, RefuseConfigureProfile, nullptr, GetCurrentThreadId());
        MessageBoxes boxes;
        boxes.Expect("Failed!!");
        user::Click(page, IDC_CONFIG_CONFIGURE);
        UnhookWindowsHookEx(hook);
        EXPECT_EQ(boxes.Shown().at(0).caption, kTitle);
        user::PressCancel(window);
    });
}

// --- Activate ----------------------------------------------------------------

TEST_F(ConfigPage, ActivateMakesTheProfileTheSelectionInEffect)
{
    store_.StoreProfiles({"Default", "Office", "admin_net"});
    RunPage([](CWiFiPropSheet& sheet, HWND window, HWND page) {
        sheet.EnableApply(TRUE);
        user::ChooseRow(page, kList, 2);
        user::Click(page, IDC_CONFIG_ACTIVATE);
        EXPECT_EQ(Rows(page), "Default Office *admin_net");
        EXPECT_EQ(Buttons(page), "rename=1 delete=0 activate=0");
        EXPECT_FALSE(user::IsEnabled(window, CPropertySheet::kApplyButtonId));
        EXPECT_EQ(StoredLine("selection"), "admin_net");
        EXPECT_EQ(StoredLine("in effect"), "admin_net[]");
        user::PressCancel(window);
    });
}

TEST_F(ConfigPage, AUserActivatesAnAdministratorProfileOnlyForNow)
{
    store_.StoreProfiles({"Default", "Office"}, {"admin_corp"});
    EXPECT_EQ(ShowPageAsUser("admin_corp activate"),
              "rows: *Default Office admin_corp\n"
              "admin_corp: rename=0 delete=0 activate=1\n"
              "message box: " + std::string(kTitle) + ": " + kTemporarily + "\n"
              "after: Default Office *admin_corp apply=1\n");
    EXPECT_EQ(StoredLine("selection"), "Default");
    EXPECT_EQ(StoredLine("in effect"), "admin_corp[]");
    EXPECT_EQ(StoredLine("admin profile"), "admin_corp");

    // Reopened by such a user, the page marks it again; an administrator
    // sees the stored selection.
    EXPECT_EQ(ShowPageAsUser(""), "rows: Default Office *admin_corp\n");
    RunPage([](CWiFiPropSheet&, HWND window, HWND page) {
        EXPECT_EQ(Rows(page), "*Default Office admin_corp");
        user::PressCancel(window);
    });

    // Activating one of the user's own profiles forgets it.
    EXPECT_EQ(ShowPageAsUser("Office activate"),
              "rows: Default Office *admin_corp\nOffice: rename=1 delete=1 activate=1\n"
              "after: Default *Office admin_corp apply=0\n");
    EXPECT_EQ(StoredLine("admin profile"), "");
    EXPECT_EQ(ShowPageAsUser(""), "rows: Default *Office admin_corp\n");
}

TEST_F(ConfigPage, OnWindows98EveryUserActivatesAsTheSelection)
{
    store_.StoreProfiles({"Default", "admin_net"});
    EXPECT_EQ(ShowPageAsUser("admin_net activate", "win98"),
              "rows: *Default admin_net\nadmin_net: rename=1 delete=1 activate=1\n"
              "after: Default *admin_net apply=0\n");
    EXPECT_EQ(StoredLine("selection"), "admin_net");
    EXPECT_EQ(StoredLine("admin profile"), "");
}

// --- Storing and committing --------------------------------------------------

TEST_F(ConfigPage, ApplyCommitsOnceUntilAPageRecordsAChange)
{
    RunPage([](CWiFiPropSheet& sheet, HWND window, HWND) {
        // Nothing to write: the card does not associate again.
        AppliedProfile before, after;
        ReadAppliedProfile(OpenStore(), before);
        sheet.EnableApply(TRUE);
        user::PressApply(window);
        ReadAppliedProfile(OpenStore(), after);
        EXPECT_EQ(after.generation, before.generation);
        sheet.GetConfigPage().ClearCommitGuard();

        CAdapterConfig* current = GetCurrentProfile();
        current->SetNetworkName("First");
        sheet.EnableApply(TRUE);
        user::PressApply(window);
        EXPECT_EQ(StoredLine("in effect"), "Default[First]");

        current->SetNetworkName("Second");
        sheet.EnableApply(TRUE);
        user::PressApply(window);
        EXPECT_EQ(StoredLine("own"), "Default[Second]");
        EXPECT_EQ(StoredLine("in effect"), "Default[First]");

        sheet.GetConfigPage().ClearCommitGuard();
        user::PressOk(window);
    });
    EXPECT_EQ(StoredLine("in effect"), "Default[Second]");
}

TEST_F(ConfigPage, LeavingThePageStoresAndOkNeverAppliesAProfileNotInEffect)
{
    store_.StoreProfiles({"Default", "Office"});
    RunPage([](CWiFiPropSheet&, HWND window, HWND page) {
        user::ChooseRow(page, kList, 1);
        GetCurrentProfile()->SetNetworkName("Lab");
        user::SwitchPage(window, 0);
        EXPECT_EQ(StoredLine("own"), "Default Office[Lab]");
        GetCurrentProfile()->SetNetworkName("Lab2");
        user::PressOk(window);
    });
    EXPECT_EQ(StoredLine("own"), "Default Office[Lab2]");
    EXPECT_EQ(StoredLine("in effect"), "Default[]");
}

TEST_F(ConfigPage, OkCommitsAMultipleConfigurationProfileAsAMemberOfItsSet)
{
    store_.SetMultipleConfigNames({"Campus"});
    store_.StoreProfiles({"Default", "Campus_a"});
    RunPage([](CWiFiPropSheet&, HWND window, HWND page) {
        user::ChooseRow(page, kList, 1);
        user::PressOk(window);
    });
    EXPECT_EQ(SetMembers("Campus"), std::vector<std::string>{"Campus_a"});
}

}  // namespace
