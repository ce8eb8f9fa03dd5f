// The Configuration page in the real sheet, against the real library and an
// isolated store. What a user who is not an administrator sees runs in a
// child process with a restricted token.
#include <windows.h>
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

const std::string kTitle = "Vyr 11a/b/g Wireless LAN Mini PCI Adapter Configuration";
const std::string kNoSelection = "box: Could not find a selected profile on which to perform the operation. | ";
const std::string kNotDefault = "box: You cannot delete or rename the \"Default\" profile. | ";
const std::string kLastProfile = "box: You cannot delete the selected profile.  There must be at least one profile. | ";
const std::string kConfirm = "box: Are you sure you want to delete the selected profile? [yes/no/cancel] | ";
const std::string kInUse = "box: A profile already exists with this name.  Please enter a unique profile name. | ";
const std::string kTemporarily = "box: This Profile is temporarily activated to the driver. The settings will not be "
                                 "saved for further use!  | ";
const std::string kNewDialog = "dialog: Please enter a name for the new profile and press OK. Profile Name: ";
const std::string kSent = "disabled, sent | ";
const char kCancel[] = "(Cancel)";
const int kList = IDC_CONFIG_PROFILE_LIST;

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
    std::printf("own=%s | provisioned=%s | selected=%s | in effect=%s[%s] | admin=%s",
                Join(adapter->GetConfigurations()).c_str(), Join(adapter->GetSecondConfigurations()).c_str(),
                NameOf(adapter->GetCurrentConfiguration()).c_str(), applied.settings.name.c_str(),
                applied.settings.networkName1.c_str(), adminProfile.c_str());
    return 0;
});

std::string StoredState()
{
    ChildResult result = RunChild("describe_store");
    return result.exitCode ? "describe_store ended with " + std::to_string(result.exitCode) : result.output;
}

std::string SetMembers(const std::string& set)
{
    std::string members = set + ":";
    std::string key = std::string(kCardKey) + "\\" + kMultipleConfigsKey + "\\" + set;
    for (const std::string& member : OpenStore().OpenChild(key).ReadStrings(kMembersValue))
        members += " " + member;
    return members;
}

// The selected row and the current profile, the buttons (and the sheet's
// Apply) that are disabled, and whether the list has the focus.
std::string State(HWND page)
{
    std::string off;
    const std::pair<int, const char*> buttons[] = {
        {IDC_CONFIG_NEW, " new"},             {IDC_CONFIG_RENAME, " rename"},     {IDC_CONFIG_DELETE, " delete"},
        {IDC_CONFIG_CONFIGURE, " configure"}, {IDC_CONFIG_ACTIVATE, " activate"},
    };
    for (const auto& [id, name] : buttons)
        off += user::IsEnabled(page, id) ? "" : name;
    off += user::IsEnabled(GetParent(page), CPropertySheet::kApplyButtonId) ? "" : " apply";
    std::string current = GetCurrentProfile() ? NameOf(GetCurrentProfile()) : "(none)";
    return "row=" + std::to_string(user::SelectedRow(page, kList)) + " " + current + " | off:" +
           (off.empty() ? " none" : off) + (user::HasFocus(page, kList) ? " | focus=list" : "");
}

std::string Opened(HWND page)
{
    return user::Text(page, IDC_CONFIG_PROFILES_LABEL) + ": " + user::Rows(page, kList) + " | " + State(page);
}

// A user's step: chooses a row by name ("-": empty space), then clicks a
// button. A disabled button's command is sent straight to the page: the
// page's own checks stand behind the buttons' states.
struct Step {
    const char* name;
    std::string choose;
    int button;
    std::vector<std::string> names;  // typed in turn into the name dialog
    int answer;                      // to the boxes
    std::string shown;               // dialog, boxes, the rows when they changed, State
    std::string stored;              // when given, read back from a new process
};

std::string Play(HWND page, const Step& step)
{
    std::string before = user::Rows(page, kList), shown;
    if (step.choose == "-")
        user::ClearRows(page, kList);
    else if (!step.choose.empty())
        user::ChooseRow(page, kList, user::RowOf(page, kList, step.choose));
    if (step.button) {
        // Something to apply and the focus away from the list, so that the
        // view shows what the action does to them.
        EnableWindow(GetDlgItem(GetParent(page), CPropertySheet::kApplyButtonId), TRUE);
        SetFocus(GetDlgItem(page, IDC_CONFIG_NEW));
        MessageBoxLog boxes(std::vector<int>(3, step.answer));
        ModalWindows dialogs;
        if (!step.names.empty()) {
            dialogs.Then([&](HWND dialog) {
                shown += "dialog: " + user::Text(dialog, IDC_PROFILE_NAME_PROMPT) + " " +
                         user::Text(dialog, IDC_PROFILE_NAME_LABEL) + " '" +
                         user::Text(dialog, IDC_PROFILE_NAME_EDIT) + "' | ";
                for (const std::string& name : step.names) {
                    if (name != kCancel)
                        user::Retype(dialog, IDC_PROFILE_NAME_EDIT, name);
                    user::Click(dialog, name == kCancel ? IDCANCEL : IDOK);
                }
            });
        }
        if (user::IsEnabled(page, step.button)) {
            user::Click(page, step.button);
        } else {
            shown += kSent;
            SendMessageA(page, WM_COMMAND, MAKEWPARAM(step.button, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(page, step.button)));
        }
        shown += boxes.Text(kTitle);
    }
    if (user::Rows(page, kList) != before)
        shown += "rows: " + user::Rows(page, kList) + " | ";
    return shown + State(page);
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

// Opens the page, which must show `opened`, plays the steps and cancels.
void PlayAll(const std::string& opened, const std::vector<Step>& steps)
{
    RunPage([&](CWiFiPropSheet&, HWND window, HWND page) {
        EXPECT_EQ(Opened(page), opened);
        for (const Step& step : steps) {
            EXPECT_EQ(Play(page, step), step.shown) << step.name;
            if (!step.stored.empty())
                EXPECT_EQ(StoredState(), step.stored) << step.name;
        }
        user::PressCancel(window);
    });
}

// Another user may activate an administrator profile but neither change it
// nor make it the selection: the page marks it again for that user only,
// until the user activates a profile of their own.
const std::string kOpened = "Profiles: *Default Office admin_net admin_corp | row=0 Default | off: rename delete "
                            "activate apply | focus=list >> ";
const std::string kCorpActive = kTemporarily + "rows: Default Office admin_net *admin_corp | row=3 admin_corp"
                                               " | off: rename delete activate | focus=list";
const std::string kReopened = "Profiles: Default Office admin_net *admin_corp | row=3 admin_corp | off: rename "
                              "delete activate apply | focus=list >> ";
const std::string kOfficeActive = "Profiles: Default *Office admin_net admin_corp | row=1 Office | off: delete "
                                  "activate apply | focus=list >> ";
const std::vector<Step> kAsUser = {
    {"admin_net", "admin_net", 0, {}, 0, kOpened + "row=2 admin_net | off: rename delete apply | focus=list"},
    {"activate admin_corp", "admin_corp", IDC_CONFIG_ACTIVATE, {}, IDOK,
     kOpened + "row=3 admin_corp | off: rename delete apply | focus=list >> " + kCorpActive,
     "own=Default Office admin_net | provisioned=admin_corp | selected=Default | in effect=admin_corp[] | admin=admin_corp"},
    {"reopened", "", 0, {}, 0, kReopened + "row=3 admin_corp | off: rename delete activate apply | focus=list"},
    {"activate Office", "Office", IDC_CONFIG_ACTIVATE, {}, IDOK,
     kReopened + "row=1 Office | off: apply | focus=list >> rows: Default *Office admin_net admin_corp | row=1 Office"
                 " | off: delete activate apply | focus=list",
     "own=Default Office admin_net | provisioned=admin_corp | selected=Office | in effect=Office[] | admin="},
    {"reopened", "", 0, {}, 0, kOfficeActive + "row=1 Office | off: delete activate apply | focus=list"},
    {"activate admin_corp again", "admin_corp", IDC_CONFIG_ACTIVATE, {}, IDOK,
     kOfficeActive + "row=3 admin_corp | off: rename delete apply | focus=list >> " + kCorpActive,
     "own=Default Office admin_net | provisioned=admin_corp | selected=Office | in effect=admin_corp[] | admin=admin_corp"},
};

const std::vector<Step> kOnWindows98 = {
    {"activate admin_net", "admin_net", IDC_CONFIG_ACTIVATE, {}, IDOK,
     "Profiles: *Default admin_net | row=0 Default | off: rename delete activate apply | focus=list >> row=1 admin_net"
     " | off: apply | focus=list >> rows: Default *admin_net | row=1 admin_net | off: delete activate apply | focus=list",
     "own=Default admin_net | provisioned= | selected=admin_net | in effect=admin_net[] | admin="},
};

// Plays a table, each step on the page opened anew: a line of what the page
// showed when opened, after the choice and after the click, and one of the
// store when the step names what it must hold.
ChildScenario playAsUser("play_as_user", [](const std::string& table) {
    for (const Step& step : table == "win98" ? kOnWindows98 : kAsUser) {
        RunPage([&](CWiFiPropSheet&, HWND window, HWND page) {
            std::string shown = Opened(page);
            shown += " >> " + Play(page, {step.name, step.choose, 0});
            if (step.button)
                shown += " >> " + Play(page, {step.name, "", step.button, step.names, step.answer});
            std::printf("%s\n", shown.c_str());
            user::PressCancel(window);
        });
        if (!step.stored.empty())
            std::printf("stored: %s\n", StoredState().c_str());
    }
    return 0;
});

// Runs the table in one child as a user who is not an administrator.
void ExpectAsUser(const std::string& windowsVersion, const std::vector<Step>& steps)
{
    ChildOptions options;
    options.asNonAdministrator = true;
    options.windowsVersion = windowsVersion;
    options.argument = windowsVersion;
    std::string expected;
    for (const Step& step : steps)
        expected += step.shown + "\n" + (step.stored.empty() ? "" : "stored: " + step.stored + "\n");
    ChildResult result = RunChild("play_as_user", options);
    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(result.output, expected);
}

class ConfigPage : public testing::Test {
protected:
    IsolatedStore store_;
};

TEST_F(ConfigPage, ListsBothArraysMarksTheActiveProfileAndFitsTheButtonsToTheSelection)
{
    store_.SetMultipleConfigNames({"Lab", "Campus"});
    store_.StoreProfiles({"Office", "Default", "MyDefault", "lowdefault", "Campus_west", "admin_net"}, {"Guest"});
    PlayAll("Profiles: Office *Default MyDefault lowdefault Campus_west admin_net Guest | row=1 Default"
            " | off: rename delete activate apply | focus=list",
            {
                {"Office", "Office", 0, {}, 0, "row=0 Office | off: apply | focus=list"},
                {"Default", "Default", 0, {}, 0, "row=1 Default | off: rename delete activate apply | focus=list"},
                {"MyDefault", "MyDefault", 0, {}, 0, "row=2 MyDefault | off: rename delete apply | focus=list"},
                {"lowdefault", "lowdefault", 0, {}, 0, "row=3 lowdefault | off: apply | focus=list"},
                {"Campus_west", "Campus_west", 0, {}, 0, "row=4 Campus_west | off: rename activate apply | focus=list"},
                {"admin_net", "admin_net", 0, {}, 0, "row=5 admin_net | off: apply | focus=list"},
                {"Guest", "Guest", 0, {}, 0, "row=6 Guest | off: apply | focus=list"},
                // Empty space: no row, the same current profile and buttons.
                {"empty space", "-", 0, {}, 0, "row=-1 Guest | off: apply | focus=list"},
            });
}

TEST_F(ConfigPage, NewAndRenameTakeAFreeNameAndNeverRenameDefault)
{
    store_.StoreProfiles({"Default", "Office"}, {"Guest"});
    const std::string unchanged = "own=Default Office | provisioned=Guest | selected=Default | in effect=Default[] | admin=";
    PlayAll("Profiles: *Default Office Guest | row=0 Default | off: rename delete activate apply | focus=list",
            {
                {"new, cancelled", "", IDC_CONFIG_NEW, {kCancel}, IDOK,
                 kNewDialog + "'NewProfile' | row=0 Default | off: rename delete activate", unchanged},
                {"new, a name in use first", "", IDC_CONFIG_NEW, {"GUEST", "Home"}, IDOK,
                 kNewDialog + "'NewProfile' | " + kInUse +
                     "rows: *Default Office Home Guest | row=2 Home | off: none | focus=list"},
                // A name the library refuses leaves everything as it was, silently.
                {"new, refused by the library", "Office", IDC_CONFIG_NEW, {"Lab\\2"}, IDOK,
                 kNewDialog + "'NewProfile' | row=1 Office | off: none"},
                {"rename Default", "Default", IDC_CONFIG_RENAME, {}, IDOK,
                 kSent + kNotDefault + "row=0 Default | off: rename delete activate"},
                {"rename, a name in use first", "Office", IDC_CONFIG_RENAME, {"office", "Work"}, IDOK,
                 "dialog: Please enter a new name for the profile and press OK. Profile Name: 'Office' | " + kInUse +
                     "rows: *Default Work Home Guest | row=1 Work | off: none | focus=list",
                 "own=Default Work Home | provisioned=Guest | selected=Default | in effect=Default[] | admin="},
            });
}

TEST_F(ConfigPage, DeleteAsksThenSelectsTheRowThatTakesItsPlaceButNeverDeletesTheActiveRow)
{
    store_.StoreProfiles({"Alpha", "Mid", "Zed", "Default", "Last"}, {"P1", "P2"});
    const std::string defaultRow = "row=1 Default | off: rename delete activate | focus=list";
    PlayAll("Profiles: Alpha Mid Zed *Default Last P1 P2 | row=3 Default | off: rename delete activate apply"
            " | focus=list",
            {
                {"no", "Alpha", IDC_CONFIG_DELETE, {}, IDNO, kConfirm + "row=0 Alpha | off: none"},
                {"cancel", "Alpha", IDC_CONFIG_DELETE, {}, IDCANCEL, kConfirm + "row=0 Alpha | off: none"},
                {"the first", "Alpha", IDC_CONFIG_DELETE, {}, IDYES,
                 kConfirm + "rows: Mid Zed *Default Last P1 P2 | row=0 Mid | off: none | focus=list"},
                {"before the active row", "Zed", IDC_CONFIG_DELETE, {}, IDYES,
                 kConfirm + "rows: Mid *Default Last P1 P2 | " + defaultRow},
                {"the last own", "Last", IDC_CONFIG_DELETE, {}, IDYES, kConfirm + "rows: Mid *Default P1 P2 | " + defaultRow},
                {"the last provisioned", "P2", IDC_CONFIG_DELETE, {}, IDYES,
                 kConfirm + "rows: Mid *Default P1 | row=2 P1 | off: none | focus=list"},
                {"the only provisioned", "P1", IDC_CONFIG_DELETE, {}, IDYES, kConfirm + "rows: Mid *Default | " + defaultRow},
                {"Default", "-", IDC_CONFIG_DELETE, {}, IDYES, kSent + kNotDefault + "row=-1 Default | off: rename delete activate"},
                {"activate Mid", "Mid", IDC_CONFIG_ACTIVATE, {}, IDYES,
                 "rows: *Mid Default | row=0 Mid | off: delete activate apply | focus=list"},
                {"the active row, confirmed", "", IDC_CONFIG_DELETE, {}, IDYES,
                 kSent + kConfirm + "row=0 Mid | off: delete activate | focus=list",
                 "own=Mid Default | provisioned= | selected=Mid | in effect=Mid[] | admin="},
            });
}

TEST_F(ConfigPage, TheLastProfileAndAMissingAdapterAreRefused)
{
    store_.StoreProfiles({"Solo"});
    PlayAll("Profiles: *Solo | row=0 Solo | off: delete activate apply | focus=list",
            {{"the last profile", "", IDC_CONFIG_DELETE, {}, IDOK, kSent + kLastProfile + "row=0 Solo | off: delete activate",
              "own=Solo | provisioned= | selected=Solo | in effect=Solo[] | admin="}});

    RegistryKey store = OpenStore();
    SimulatedCard card = ReadSimulatedCard(store);
    card.present = false;
    WriteSimulatedCard(store, card);
    SetCurrentProfile(nullptr);
    const std::string none = "row=-1 (none) | off: rename delete";
    PlayAll("Profiles:  | " + none + " apply | focus=list",
            {
                {"rename", "", IDC_CONFIG_RENAME, {}, IDOK, kSent + kNoSelection + none},
                {"delete", "", IDC_CONFIG_DELETE, {}, IDOK, kSent + kNoSelection + none},
                {"new", "", IDC_CONFIG_NEW, {"Lab"}, IDOK, kNewDialog + "'NewProfile' | " + none},
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
        EXPECT_EQ(Play(page, {"", "Campus_a", IDC_CONFIG_DELETE, {}, IDYES}),
                  kConfirm + "rows: *Default Campus_b Campus_c | row=1 Campus_b | off: rename activate | focus=list");
        user::PressCancel(window);
    });
    EXPECT_EQ(StoredState() + " | " + SetMembers("Campus"),
              "own=Default Campus_b[West] Campus_c | provisioned= | selected=Default | in effect=Default[] | admin= | "
              "Campus: Campus_b Campus_c");
}

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
    HHOOK hook = SetWindowsHookExA(WH_CBT, RefuseConfigureProfile, nullptr, GetCurrentThreadId());
    PlayAll("Profiles: *Default | row=0 Default | off: rename delete activate apply | focus=list",
            {{"configure", "", IDC_CONFIG_CONFIGURE, {}, IDOK, "box: Failed!! | row=0 Default | off: rename delete activate"}});
    UnhookWindowsHookEx(hook);
}

TEST_F(ConfigPage, AnAdministratorActivatesAnyProfileAsTheSelectionInEffect)
{
    store_.StoreProfiles({"Default", "Office", "admin_net"});
    PlayAll("Profiles: *Default Office admin_net | row=0 Default | off: rename delete activate apply | focus=list",
            {{"admin_net", "admin_net", IDC_CONFIG_ACTIVATE, {}, IDOK,
              "rows: Default Office *admin_net | row=2 admin_net | off: delete activate apply | focus=list",
              "own=Default Office admin_net | provisioned= | selected=admin_net | in effect=admin_net[] | admin="}});
}

TEST_F(ConfigPage, AUserActivatesAnAdministratorProfileOnlyForNow)
{
    store_.StoreProfiles({"Default", "Office", "admin_net"}, {"admin_corp"});
    ExpectAsUser("", kAsUser);
    // An administrator sees the stored selection.
    PlayAll("Profiles: Default *Office admin_net admin_corp | row=1 Office | off: delete activate apply | focus=list", {});
}

TEST_F(ConfigPage, OnWindows98EveryUserActivatesAsTheSelection)
{
    store_.StoreProfiles({"Default", "admin_net"});
    ExpectAsUser("win98", kOnWindows98);
}

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

        // The network name the current profile gets before each Apply.
        const std::pair<const char*, std::string> rows[] = {
            {"First", "own=Default[First] | provisioned= | selected=Default | in effect=Default[First] | admin="},
            {"Second", "own=Default[Second] | provisioned= | selected=Default | in effect=Default[First] | admin="},
        };
        for (const auto& [ssid, stored] : rows) {
            GetCurrentProfile()->SetNetworkName(ssid);
            sheet.EnableApply(TRUE);
            user::PressApply(window);
            EXPECT_EQ(StoredState(), stored) << ssid;
        }
        sheet.GetConfigPage().ClearCommitGuard();
        user::PressOk(window);
    });
    EXPECT_EQ(StoredState(), "own=Default[Second] | provisioned= | selected=Default | in effect=Default[Second] | admin=");
}

TEST_F(ConfigPage, LeavingThePageStoresAndOkNeverAppliesAProfileNotInEffect)
{
    store_.StoreProfiles({"Default", "Office"});
    RunPage([](CWiFiPropSheet&, HWND window, HWND page) {
        user::ChooseRow(page, kList, 1);
        GetCurrentProfile()->SetNetworkName("Lab");
        user::SwitchPage(window, 0);
        EXPECT_EQ(StoredState(), "own=Default Office[Lab] | provisioned= | selected=Default | in effect=Default[] | admin=");
        GetCurrentProfile()->SetNetworkName("Lab2");
        user::PressOk(window);
    });
    EXPECT_EQ(StoredState(), "own=Default Office[Lab2] | provisioned= | selected=Default | in effect=Default[] | admin=");
}

TEST_F(ConfigPage, OkCommitsAMultipleConfigurationProfileAsAMemberOfItsSet)
{
    store_.SetMultipleConfigNames({"Campus"});
    store_.StoreProfiles({"Default", "Campus_a"});
    RunPage([](CWiFiPropSheet&, HWND window, HWND page) {
        user::ChooseRow(page, kList, 1);
        user::PressOk(window);
    });
    EXPECT_EQ(SetMembers("Campus"), "Campus: Campus_a");
}

}  // namespace
