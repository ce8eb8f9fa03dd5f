// The Configuration page in the real sheet, the name dialog its New and Rename run and the Configure Profile dialog,
// against the real library and an isolated store. Run on its own the Configure Profile dialog only changes the
// profile object; inside the sheet its OK puts the change into effect.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <sstream>

#include "driver/card_state.h"
#include "driver/profile_list.h"
#include "driver/store.h"
#include "profiles/current_profile.h"
#include "profiles/dlg_configure_profile.h"
#include "profiles/dlg_profile_name.h"
#include "res/resource.h"
#include "support/adapter_profiles.h"
#include "support/child.h"
#include "support/isolated_store.h"
#include "support/main_sheet.h"

namespace {

const std::string kNoSelection = "box: Could not find a selected profile on which to perform the operation. | ";
const std::string kNotDefault = "box: You cannot delete or rename the \"Default\" profile. | ";
const std::string kLastProfile = "box: You cannot delete the selected profile.  There must be at least one profile. | ";
const std::string kConfirm = "box: Are you sure you want to delete the selected profile? [yes/no/cancel] | ";
const std::string kInUse = "box: A profile already exists with this name.  Please enter a unique profile name. | ";
const std::string kBlank = "box: The profile name cannot be blank.  Please enter a name. | ";
const std::string kNotAllowed = "box: This Profile Name is not allowed.  | ";
const std::string kNewDialog = "dialog: Please enter a name for the new profile and press OK. Profile Name: ";
const std::string kSent = "disabled, sent | ";
const int kList = IDC_CONFIG_PROFILE_LIST, kEdit = IDC_PROFILE_NAME_EDIT;
// In the order of State.
const std::pair<const char*, int> kButtons[] = {{"new", IDC_CONFIG_NEW}, {"rename", IDC_CONFIG_RENAME},
    {"delete", IDC_CONFIG_DELETE}, {"configure", IDC_CONFIG_CONFIGURE}, {"activate", IDC_CONFIG_ACTIVATE}};

const int kType = IDC_CONFIGURE_NETWORK_TYPE, kMode = IDC_CONFIGURE_WIRELESS_MODE, kBand = IDC_CONFIGURE_START_BAND;
const int kName1 = IDC_CONFIGURE_NAME1, kName2 = IDC_CONFIGURE_NAME2, kName3 = IDC_CONFIGURE_NAME3;
const std::map<std::string, int> kControls = {{"type", kType},   {"mode", kMode},   {"band", kBand},
                                              {"name1", kName1}, {"name2", kName2}, {"name3", kName3}};
const std::map<int, int> kLabels = {{kMode, IDC_CONFIGURE_WIRELESS_MODE_LABEL}, {kBand, IDC_CONFIGURE_START_BAND_LABEL},
                                    {kName2, IDC_CONFIGURE_NAME2_LABEL}, {kName3, IDC_CONFIGURE_NAME3_LABEL}};
// The cards by name: radio capabilities (with and without 802.11g), how many
// network names the card takes and its country.
const std::map<std::string, std::tuple<DWORD, DWORD, std::string>> kCards = {{"US", {0x0D, 3, "US"}},
    {"no11g", {0x05, 3, "US"}}, {"1name", {0x0D, 1, "US"}}, {"WW", {0x0D, 3, "WW"}}, {"NA", {0x0D, 3, "NA"}}};

// What a new process finds in the store: both lists (network names in brackets), the selection, what is in effect, the
// admin profile name and the members of each multiple-configuration set.
ChildScenario describeStore("describe_store", [](const std::string&) {
    auto join = [](CAdapterConfigArray* profiles) {
        std::string names, ssid;
        for (int i = 0; profiles && i < profiles->GetCount(); ++i) {
            names += (i ? " " : "") + NameOf(profiles->GetAt(i));
            if (!profiles->GetAt(i)->GetNetworkName(ssid).empty())
                names += "[" + ssid + "]";
        }
        return names;
    };
    CDriverAdapter* adapter = TheAdapter();
    std::string adminProfile;
    AppliedProfile applied;
    ReadAppliedProfile(OpenStore(), applied);
    PAvailableAdapters().GetAdminProfileName(adminProfile);
    std::printf("own=%s | prov=%s | sel=%s | applied=%s[%s] | admin=%s", join(adapter->GetConfigurations()).c_str(),
                join(adapter->GetSecondConfigurations()).c_str(), NameOf(adapter->GetCurrentConfiguration()).c_str(),
                applied.settings.name.c_str(), applied.settings.networkName1.c_str(), adminProfile.c_str());
    for (const std::string& set : ReadCardState(OpenStore()).multipleConfigNames) {
        std::printf(" | %s:", set.c_str());
        std::string key = std::string(kCardKey) + "\\" + kMultipleConfigsKey + "\\" + set;
        for (const std::string& member : OpenStore().OpenChild(key).ReadStrings(kMembersValue))
            std::printf(" %s", member.c_str());
    }
    return 0;
});

std::string StoredState()
{
    ChildResult result = RunChild("describe_store");
    return result.exitCode ? "describe_store ended with " + std::to_string(result.exitCode) : result.output;
}

// `step` gets the sheet, its window and the page, and must close the sheet.
void RunPage(std::function<void(CWiFiPropSheet& sheet, HWND window, HWND page)> step)
{
    RunMainSheet(1, [&](CWiFiPropSheet& sheet, HWND window) { step(sheet, window, user::CurrentPage(window)); });
}

// The selected row and the current profile, the buttons (and the sheet's
// Apply) that are disabled, and whether the list has the focus.
std::string State(HWND page)
{
    std::string off;
    for (const auto& [name, id] : kButtons)
        off += user::IsEnabled(page, id) ? "" : std::string(" ") + name;
    off += user::IsEnabled(GetParent(page), CPropertySheet::kApplyButtonId) ? "" : " apply";
    std::string current = GetCurrentProfile() ? NameOf(GetCurrentProfile()) : "(none)";
    return "row=" + std::to_string(user::SelectedRow(page, kList)) + " " + current + " | off:" +
           (off.empty() ? " none" : off) + (user::HasFocus(page, kList) ? " | focus=list" : "");
}

// "<row>: <button> <words>": chooses the row ("-": empty space), clicks the button, or sends a disabled one's
// command, as the page's own checks stand behind the buttons' states. "yes", "no", "cancel" answer the boxes, other
// words go in turn to the name dialog ("(Cancel)" cancels). Answers the dialog, the boxes, the rows when they changed
// and the State.
std::string Play(HWND page, const std::string& script)
{
    const std::map<std::string, int> answers = {{"yes", IDYES}, {"no", IDNO}, {"cancel", IDCANCEL}};
    std::string before = user::Rows(page, kList), shown, choose = script.substr(0, script.find(':')), button, word;
    std::istringstream words(script.substr(script.find(':') + 1));
    std::vector<int> replies;
    std::vector<std::string> names;
    for (words >> button; words >> word;)
        answers.count(word) ? replies.push_back(answers.at(word)) : names.push_back(word);
    if (choose == "-")
        user::ClearRows(page, kList);
    else if (!choose.empty())
        user::ChooseRow(page, kList, user::RowOf(page, kList, choose));
    int id = 0;
    for (const auto& [name, buttonId] : kButtons)
        id = button == name ? buttonId : id;
    EXPECT_TRUE(id || button.empty()) << "no button " << button;
    if (id) {
        // Something to apply and the focus away from the list, so that the view shows what the action does to them.
        EnableWindow(GetDlgItem(GetParent(page), CPropertySheet::kApplyButtonId), TRUE);
        SetFocus(GetDlgItem(page, IDC_CONFIG_NEW));
        MessageBoxLog boxes(replies);
        ModalWindows dialogs;
        if (!names.empty()) {
            dialogs.Then([&](HWND dialog) {
                shown += "dialog: " + user::Text(dialog, IDC_PROFILE_NAME_PROMPT) + " " +
                         user::Text(dialog, IDC_PROFILE_NAME_LABEL) + " '" + user::Text(dialog, kEdit) + "' | ";
                for (const std::string& typed : names) {
                    if (typed != "(Cancel)")
                        user::Retype(dialog, kEdit, typed);
                    user::Click(dialog, typed == "(Cancel)" ? IDCANCEL : IDOK);
                }
            });
        }
        if (user::IsEnabled(page, id)) {
            user::Click(page, id);
        } else {
            shown += kSent;
            SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
        }
        shown += boxes.Text(kAppTitle);
    }
    if (user::Rows(page, kList) != before)
        shown += "rows: " + user::Rows(page, kList) + " | ";
    return shown + State(page);
}

struct Step {
    std::string script, shown;
    std::string stored;  // when given, read back from a new process
};

// Opens the page, plays the steps and cancels. A step "?" answers what the page shows: its label, the rows and the
// State; "scroll" whether the list scrolls and its top row.
void PlayAll(const std::vector<Step>& steps)
{
    RunPage([&](CWiFiPropSheet&, HWND window, HWND page) {
        for (const Step& step : steps) {
            HWND list = GetDlgItem(page, kList);
            std::string shown = step.script == "scroll"
                                    ? std::string(GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL ? "scrolls" : "fits") +
                                          ", top row " + std::to_string(SendMessageA(list, LVM_GETTOPINDEX, 0, 0))
                                : step.script != "?" ? Play(page, step.script)
                                                     : user::Text(page, IDC_CONFIG_PROFILES_LABEL) + ": " +
                                                           user::Rows(page, kList) + " | " + State(page);
            EXPECT_EQ(shown, step.shown) << step.script;
            if (!step.stored.empty())
                EXPECT_EQ(StoredState(), step.stored) << step.script;
        }
        user::PressCancel(window);
    });
}

// Each step on the page opened anew: the rows shown at first when they are not those the step before left, the page
// after the choice and after the click; then the store, after a click.
ChildScenario playAsUser("play_as_user", [](const std::string& scripts) {
    static std::string left;
    return PrintEachRow(scripts, [](const std::string& script) {
        size_t colon = script.find(':');
        std::string shown;
        RunPage([&](CWiFiPropSheet&, HWND window, HWND page) {
            shown = user::Rows(page, kList) == left ? "" : user::Rows(page, kList) + " >> ";
            shown += Play(page, script.substr(0, colon + 1));
            if (colon + 1 < script.size()) {
                shown += " >> " + Play(page, script.substr(colon));
                shown += "\nstored: " + StoredState();
            }
            left = user::Rows(page, kList);
            user::PressCancel(window);
        });
        return shown;
    });
});

// Runs the steps in one child as a user who is not an administrator.
void ExpectAsUser(const std::string& windowsVersion, const std::vector<Step>& steps)
{
    std::vector<std::string> scripts;
    std::string expected;
    for (const Step& step : steps) {
        scripts.push_back(step.script);
        expected += step.shown + (step.stored.empty() ? "" : "\nstored: " + step.stored) + "\n";
    }
    EXPECT_EQ(RunChildForRows("play_as_user", scripts, {windowsVersion, "", true}).output, expected);
}

// "AP Home|Two|Three 13 0": network type, names, wireless mode, start band,
// then " modified" while the change is not stored.
std::string Describe(CAdapterConfig& profile)
{
    std::string name1, name2, name3;
    std::ostringstream out;
    out << (profile.GetNetworkType() ? "AP " : "Peer ") << profile.GetNetworkName(name1) << "|"
        << profile.GetNetworkName2(name2) << "|" << profile.GetNetworkName3(name3) << " " << profile.GetWirelessMode()
        << " " << profile.GetAdHocStartBand() << (profile.IsModified() ? " modified" : "");
    return out.str();
}

// The choices by position, the names and the disabled controls: "x+" with its label, "x" alone.
std::string View(HWND dialog)
{
    std::ostringstream out;
    out << "type=" << user::Selection(dialog, kType) << " mode=" << user::Selection(dialog, kMode)
        << " band=" << user::Selection(dialog, kBand) << " " << user::Text(dialog, kName1) << "|"
        << user::Text(dialog, kName2) << "|" << user::Text(dialog, kName3) << " off=";
    for (const char* name : {"type", "mode", "band", "name1", "name2", "name3"}) {
        int id = kControls.at(name);
        bool on = user::IsEnabled(dialog, id), labelOff = kLabels.count(id) && !user::IsEnabled(dialog, kLabels.at(id));
        if (!on || labelOff)
            out << name << (on ? "'s label " : labelOff ? "+ " : " ");
    }
    return out.str() + "| ";
}

// Acts out a script, steps separated by ";": "?" adds the view, "lists" the items of the lists and how the transmit
// rate shows, "name1?" whether Network Name 1 has the focus and its selection; "enter type" moves the focus to the
// type as a user's click does; "type N", "mode N", "band N" choose; "nameN=text" types; "name1:=text" sets the text
// as a program does; "ok" and "cancel" click.
void Act(HWND dialog, const std::string& script, std::string& shown)
{
    std::istringstream steps(script);
    for (std::string step; std::getline(steps, step, ';');) {
        size_t split = std::min(step.find(' '), step.find('='));
        std::string what = step.substr(0, split), rest = step.substr(std::min(split + 1, step.size()));
        if (step == "?") {
            shown += View(dialog);
        } else if (step == "lists") {
            for (int id : {kMode, kBand, kType, IDC_CONFIGURE_TX_RATE}) {
                for (const std::string& item : user::Items(dialog, id))
                    shown += item + ",";
                shown += " | ";
            }
            shown += "tx rate visible=" + std::to_string(user::IsVisible(dialog, IDC_CONFIGURE_TX_RATE)) +
                     " enabled=" + std::to_string(user::IsEnabled(dialog, IDC_CONFIGURE_TX_RATE)) + " | ";
        } else if (step == "name1?") {
            shown += std::string(user::HasFocus(dialog, kName1) ? "focused " : "") +
                     user::EditSelection(dialog, kName1) + " | ";
        } else if (step == "ok" || step == "cancel") {
            user::Click(dialog, step == "ok" ? IDOK : IDCANCEL);
        } else if (what == "enter") {
            SetFocus(GetDlgItem(dialog, kControls.at(rest)));
        } else if (step[split] == ' ') {
            user::ChooseItem(dialog, kControls.at(what), std::stoi(rest));
        } else if (what.back() == ':') {
            SetDlgItemTextA(dialog, kControls.at(what.substr(0, what.size() - 1)), rest.c_str());
        } else {
            user::Retype(dialog, kControls.at(what), rest);
        }
    }
}

// Runs the dialog through the script: answers what it showed and how it ended, with what `profile` then holds.
std::string Configure(const std::string& script, CAdapterConfig& profile)
{
    std::string shown;
    MessageBoxLog boxes;
    ModalWindows modal;
    modal.Then([&](HWND dialog) {
        Act(dialog, script, shown);
        if (IsWindowVisible(dialog)) {
            shown += "stayed open | ";
            CloseModal(dialog);
        }
    });
    INT_PTR result = CDlgConfigureProfile().DoModal();
    return shown + boxes.Text(kAppTitle) +
           (result == IDOK ? "OK " : result == IDCANCEL ? "Cancel " : "failed ") + Describe(profile);
}

// The card and the Default profile's settings (as Prepare takes them), the script and what Configure answers.
struct Session {
    std::string stored, script, shown;
};

class ConfigPage : public StoreTest {
protected:
    void TearDown() override { SetCurrentProfile(nullptr); }

    // The card, then the Default profile in effect and current with these
    // settings: "US AP Home|Two|Three 13 0" (as Describe shows them).
    CAdapterConfig& Prepare(const std::string& settings)
    {
        std::istringstream in(settings);
        std::string card, type, names;
        DWORD mode = 0, band = 0;
        in >> card >> type >> names >> mode >> band;
        const auto& [radio, capacity, country] = kCards.at(card);
        store_.SetSimulation("RadioCapabilities", radio);
        store_.SetSimulation("NameCapacity", capacity);
        store_.SetSimulation("CountryCode", (DWORD(country[0]) << 8) | DWORD(country[1]));
        EXPECT_TRUE(CVeltoDriverStatus::GetInstance()->Refresh());
        size_t bar1 = names.find('|'), bar2 = names.find('|', bar1 + 1);
        CAdapterConfig* profile = FindProfile("Default");
        profile->SetNetworkType(type == "AP" ? 1 : 0);
        profile->SetNetworkName(names.substr(0, bar1));
        profile->SetNetworkName2(names.substr(bar1 + 1, bar2 - bar1 - 1));
        profile->SetNetworkName3(names.substr(bar2 + 1));
        profile->SetWirelessMode(mode);
        profile->SetAdHocStartBand(band);
        EXPECT_TRUE(profile->Apply());
        SetCurrentProfile(profile);
        return *profile;
    }

    void ExpectSessions(const std::vector<Session>& sessions)
    {
        for (const Session& s : sessions)
            EXPECT_EQ(Configure(s.script, Prepare(s.stored)), s.shown) << s.stored;
    }
};

TEST_F(ConfigPage, ListsBothArraysMarksTheActiveProfileAndFitsTheButtonsToTheSelection)
{
    store_.SetMultipleConfigNames({"Lab", "Campus"});
    store_.StoreProfiles({"Office", "Default", "MyDefault", "lowdefault", "Campus_west", "admin_net"}, {"Guest"});
    PlayAll({{"?", "Profiles: Office *Default MyDefault lowdefault Campus_west admin_net Guest | row=1 Default"
                   " | off: rename delete activate apply | focus=list"},
             {"Default:", "row=1 Default | off: rename delete activate apply | focus=list"},
             {"MyDefault:", "row=2 MyDefault | off: rename delete apply | focus=list"},
             {"lowdefault:", "row=3 lowdefault | off: apply | focus=list"},
             {"Campus_west:", "row=4 Campus_west | off: rename activate apply | focus=list"},
             // Empty space: no row, the same current profile and buttons.
             {"-:", "row=-1 Campus_west | off: rename activate apply | focus=list"}});
}

// More profiles than the list has room for: the list scrolls, and New brings the new profile's row into view.
TEST_F(ConfigPage, AListLongerThanItsWindowScrollsToTheNewProfile)
{
    std::vector<std::string> names = {"Default"};
    std::string rows = "*Default";
    for (char site = 'A'; site <= 'L'; ++site)
        rows += " " + names.emplace_back(std::string("Site") + site);
    store_.StoreProfiles(names);
    PlayAll({{"scroll", "scrolls, top row 0"},
             {": new Extra", kNewDialog + "'NewProfile' | rows: " + rows + " Extra | row=13 Extra | off: none | "
                                                                                  "focus=list"},
             {"scroll", "scrolls, top row 8"}});
}

TEST_F(ConfigPage, NewAndRenameTakeAFreeNameAndNeverRenameDefault)
{
    store_.StoreProfiles({"Default", "Office"}, {"Guest"});
    PlayAll({
        {": new (Cancel)", kNewDialog + "'NewProfile' | row=0 Default | off: rename delete activate"},
        {": new GUEST Home", kNewDialog + "'NewProfile' | " + kInUse +
                                 "rows: *Default Office Home Guest | row=2 Home | off: none | focus=list"},
        {"Default: rename", kSent + kNotDefault + "row=0 Default | off: rename delete activate"},
        {"Office: rename office Work",
         "dialog: Please enter a new name for the profile and press OK. Profile Name: 'Office' | " + kInUse +
             "rows: *Default Work Home Guest | row=1 Work | off: none | focus=list",
         "own=Default Work Home | prov=Guest | sel=Default | applied=Default[] | admin="},
    });
}

TEST_F(ConfigPage, DeleteAsksThenSelectsTheRowThatTakesItsPlaceButNeverDeletesTheActiveRow)
{
    store_.StoreProfiles({"Alpha", "admin_mid", "Zed", "Default", "Last"}, {"P1", "P2"});
    const std::string defaultRow = "row=1 Default | off: rename delete activate | focus=list";
    const std::string stored = "own=admin_mid Default | prov= | sel=admin_mid | applied=admin_mid[] | admin=";
    PlayAll({
        {"Alpha: delete no", kConfirm + "row=0 Alpha | off: none"},
        {"Alpha: delete yes",
         kConfirm + "rows: admin_mid Zed *Default Last P1 P2 | row=0 admin_mid | off: none | focus=list"},
        {"Zed: delete yes", kConfirm + "rows: admin_mid *Default Last P1 P2 | " + defaultRow},
        {"Last: delete yes", kConfirm + "rows: admin_mid *Default P1 P2 | " + defaultRow},
        {"P2: delete yes", kConfirm + "rows: admin_mid *Default P1 | row=2 P1 | off: none | focus=list"},
        {"P1: delete yes", kConfirm + "rows: admin_mid *Default | " + defaultRow},
        {"-: delete yes", kSent + kNotDefault + "row=-1 Default | off: rename delete activate"},
        // An administrator activates even an administrator profile as the selection.
        {"admin_mid: activate", "rows: *admin_mid Default | row=0 admin_mid | off: delete activate apply | focus=list",
         stored},
        {": delete yes", kSent + kConfirm + "row=0 admin_mid | off: delete activate | focus=list", stored},
    });
}

TEST_F(ConfigPage, CommandsThatCannotBeCarriedOutSaySoAndChangeNothing)
{
    store_.StoreProfiles({"Solo"});
    {
        // As when the system is out of window resources.
        RefusedWindows refused("Configure Profile");
        PlayAll({{": delete", kSent + kLastProfile + "row=0 Solo | off: delete activate",
                      "own=Solo | prov= | sel=Solo | applied=Solo[] | admin="},
                     {": configure", "box: Failed!! | row=0 Solo | off: delete activate"}});
    }
    store_.SetSimulation("Present", 0);
    SetCurrentProfile(nullptr);
    const std::string none = "row=-1 (none) | off: rename delete";
    PlayAll({{"?", "Profiles:  | " + none + " apply | focus=list"}, {": rename", kSent + kNoSelection + none},
             {": delete", kSent + kNoSelection + none}, {": new Lab", kNewDialog + "'NewProfile' | " + none}});
}

// The profile that takes the deleted one's place is committed with the set,
// and put into effect at once when it is the profile in effect.
TEST_F(ConfigPage, DeletingFromASetRewritesItAndCommitsTheProfileThatTakesItsPlace)
{
    struct Row {
        std::vector<std::string> own, provisioned;
        std::string changed, shown, stored;
    } rows[] = {
        {{"Default", "Campus_a", "Campus_b", "Campus_c"}, {}, "Campus_b",
         "rows: *Default Campus_b Campus_c | row=1 Campus_b | off: rename activate | focus=list",
         "own=Default Campus_b[West] Campus_c | prov= | sel=Default | applied=Default[] | admin="},
        {{"Campus_b"}, {"Campus_a", "Campus_c"}, "",
         "rows: *Campus_b Campus_c | row=0 Campus_b | off: rename delete activate | focus=list",
         "own=Campus_b[West] | prov=Campus_c | sel=Campus_b | applied=Campus_b[West] | admin="},
    };
    for (const Row& row : rows) {
        IsolatedStore store(row.own.front());
        store.SetMultipleConfigNames({"Campus"});
        store.StoreProfiles(row.own, row.provisioned);
        RunPage([&](CWiFiPropSheet&, HWND window, HWND page) {
            if (!row.changed.empty())
                user::ChooseRow(page, kList, user::RowOf(page, kList, row.changed));
            GetCurrentProfile()->SetNetworkName("West");
            EXPECT_EQ(Play(page, "Campus_a: delete yes"), kConfirm + row.shown);
            user::PressCancel(window);
        });
        EXPECT_EQ(StoredState(), row.stored + " | Campus: Campus_b Campus_c");
    }
}

// Another user may activate an administrator profile but neither change it nor make it the selection: the page marks
// it again for that user only, until the user activates a profile of their own. An administrator sees the stored
// selection, and on Windows 98 every user is one: an activation there makes the selection and leaves the other users'
// mark alone.
TEST_F(ConfigPage, AUserActivatesAnAdministratorProfileOnlyForNowExceptOnWindows98)
{
    store_.StoreProfiles({"Default", "Office", "admin_net"}, {"admin_corp"});
    const std::string corp = "row=3 admin_corp | off: rename delete apply | focus=list >> box: This Profile is "
                             "temporarily activated to the driver. The settings will not be saved for further use!  | "
                             "rows: Default Office admin_net *admin_corp | row=3 admin_corp | off: rename delete "
                             "activate | focus=list";
    const std::string stored = "own=Default Office admin_net | prov=admin_corp | sel=";
    ExpectAsUser("", {
        {"admin_net:", "*Default Office admin_net admin_corp >> row=2 admin_net | off: rename delete apply | "
                       "focus=list"},
        {"admin_corp: activate", corp, stored + "Default | applied=admin_corp[] | admin=admin_corp"},
        {":", "row=3 admin_corp | off: rename delete activate apply | focus=list"},
        {"Office: activate", "row=1 Office | off: apply | focus=list >> rows: Default *Office admin_net admin_corp | "
                             "row=1 Office | off: delete activate apply | focus=list",
         stored + "Office | applied=Office[] | admin="},
        {":", "row=1 Office | off: delete activate apply | focus=list"},
        {"admin_corp: activate", corp, stored + "Office | applied=admin_corp[] | admin=admin_corp"},
    });
    PlayAll({{"?", "Profiles: Default *Office admin_net admin_corp | row=1 Office | off: delete activate apply"
                   " | focus=list"}});
    ExpectAsUser("win98", {{"admin_net: activate",
                            "Default *Office admin_net admin_corp >> row=2 admin_net | off: apply | focus=list >> "
                            "rows: Default Office *admin_net admin_corp | row=2 admin_net | off: delete activate "
                            "apply | focus=list",
                            stored + "admin_net | applied=admin_net[] | admin=admin_corp"}});
}

// Only the name closes a profile to other users: a provisioned profile without "admin_" is theirs to rename, activate
// and delete, while a refused delete leaves every row showing and standing for its own profile.
TEST_F(ConfigPage, OnlyTheNameClosesAProfileToOtherUsers)
{
    store_.StoreProfiles({"Default", "Office"}, {"Guest", "admin_net", "Zed"});
    const std::string stored = "own=Default Office | prov=", rest = " | admin=";
    const std::string renameDialog = "dialog: Please enter a new name for the profile and press OK. Profile Name: '";
    ExpectAsUser("", {
        {"Guest: rename Visitor",
         "*Default Office Guest admin_net Zed >> row=2 Guest | off: apply | focus=list >> " + renameDialog +
             "Guest' | rows: *Default Office Visitor admin_net Zed | row=2 Visitor | off: none | focus=list",
         stored + "Visitor admin_net Zed | sel=Default | applied=Default[]" + rest},
        {"Visitor: activate", "row=2 Visitor | off: apply | focus=list >> rows: Default Office *Visitor admin_net Zed |"
                              " row=2 Visitor | off: delete activate apply | focus=list",
         stored + "Visitor admin_net Zed | sel=Visitor | applied=Visitor[]" + rest},
        // A second-array selection has no icon, and no row is selected: Configure goes off for good.
        {"Default: activate",
         "Default Office Visitor admin_net Zed >> row=0 Default | off: rename delete configure apply | focus=list >> "
         "rows: *Default Office Visitor admin_net Zed | row=0 Default | off: rename delete configure activate apply"
         " | focus=list",
         stored + "Visitor admin_net Zed | sel=Default | applied=Default[]" + rest},
        {"Visitor: delete yes", "row=2 Visitor | off: apply | focus=list >> " + kConfirm +
                                    "rows: *Default Office admin_net Zed | row=1 Office | off: none | focus=list",
         stored + "admin_net Zed | sel=Default | applied=Default[]" + rest},
        {"admin_net: delete yes", "row=2 admin_net | off: rename delete apply | focus=list >> " + kSent + kConfirm +
                                      "row=2 admin_net | off: rename delete | focus=list",
         stored + "admin_net Zed | sel=Default | applied=Default[]" + rest},
    });
}

// Apply commits once until a page records a change; leaving the page stores the current profile, and OK never applies
// one that is not in effect but commits a profile of a set as a member of it.
TEST_F(ConfigPage, ApplyCommitsOnceAndOkNeverAppliesAProfileNotInEffect)
{
    store_.SetMultipleConfigNames({"Campus"});
    store_.StoreProfiles({"Default", "Office", "Campus_a"});
    RunPage([](CWiFiPropSheet& sheet, HWND window, HWND page) {
        // Nothing to write: the card does not associate again.
        AppliedProfile before, after;
        ReadAppliedProfile(OpenStore(), before);
        sheet.EnableApply(TRUE);
        user::PressApply(window);
        ReadAppliedProfile(OpenStore(), after);
        EXPECT_EQ(after.generation, before.generation);
        // The current profile's network name, whether the guard is cleared
        // first, and then Apply, or leaving the page when the row is chosen.
        const std::tuple<const char*, bool, int, std::string> rows[] = {
            {"First", true, -1, "Default[First] Office Campus_a | prov= | sel=Default | applied=Default[First]"},
            {"Second", false, -1, "Default[Second] Office Campus_a | prov= | sel=Default | applied=Default[First]"},
            {"Second", true, -1, "Default[Second] Office Campus_a | prov= | sel=Default | applied=Default[Second]"},
            {"Lab", true, 1, "Default[Second] Office[Lab] Campus_a | prov= | sel=Default | applied=Default[Second]"},
        };
        for (const auto& [ssid, clearGuard, row, stored] : rows) {
            if (clearGuard)
                sheet.GetConfigPage().ClearCommitGuard();
            if (row >= 0)
                user::ChooseRow(page, kList, row);
            GetCurrentProfile()->SetNetworkName(ssid);
            sheet.EnableApply(TRUE);
            row >= 0 ? user::SwitchPage(window, 0) : user::PressApply(window);
            EXPECT_EQ(StoredState(), "own=" + stored + " | admin= | Campus:") << ssid;
        }
        GetCurrentProfile()->SetNetworkName("Lab2");
        sheet.GetConfigPage().ClearCommitGuard();
        user::PressOk(window);
    });
    RunPage([](CWiFiPropSheet&, HWND window, HWND page) {
        user::ChooseRow(page, kList, 2);
        user::PressOk(window);
    });
    EXPECT_EQ(StoredState(), "own=Default[Second] Office[Lab2] Campus_a | prov= | sel=Default | "
                             "applied=Default[Second] | admin= | Campus: Campus_a");
}

// The dialog opens with the name selected for typing. Each name is typed into an edit whose limit was raised ("=name"
// is pasted), then OK is pressed from its button. A refused name shows a box over the trimmed name; then the user is
// back in the edit, where only a name in use is selected, and types "Fixed".
TEST_F(ConfigPage, TheNameDialogTakesATrimmedNameOfAtMostThirtyTwoCharactersThatBreaksNoRule)
{
    const std::string n32(32, 'n'), opened = kAppTitle + " | 'NewProfile' 0-10 focused | ";
    auto edit = [](HWND dialog) {
        return "'" + user::Text(dialog, kEdit) + "' " + user::EditSelection(dialog, kEdit) +
               (user::HasFocus(dialog, kEdit) ? " focused" : "");
    };
    // A refused name: the box over what the edit held, and the edit's selection when the user is back.
    auto refused = [](const std::string& box, const std::string& over, const char* selection) {
        return box + "over '" + over + "' | then '" + over + "' " + selection + " focused | OK Fixed";
    };
    std::vector<std::pair<std::string, std::string>> rows = {
        {"(Cancel)", "Cancel NewProfile"}, {"  Lab 2  ", "OK Lab 2"}, {"DEFAULT", "OK DEFAULT"},
        {"Tcpip2", "OK Tcpip2"}, {"Homes", "OK Homes"}, {std::string(40, 'n'), "shown '" + n32 + "' | OK " + n32},
        {n32.substr(1), "OK " + n32.substr(1)}, {n32, "OK " + n32}, {n32 + "n", "shown '" + n32 + "' | OK " + n32},
        {"a\x02\x1f\x7f" "b", "shown 'ab' | OK ab"}, {"Caf\xe9 \x80\xff", "OK Caf\xe9 \x80\xff"}, {"a*b", "OK a*b"},
        {"  a  b  ", "OK a  b"}, {"=\tLab\r\n", "OK Lab"},
        {"   ", refused(kBlank, "", "0-0")}, {"  my_net ", refused(kNotAllowed, "my_net", "0-0")},
        {" OFFICE", refused(kInUse, "OFFICE", "0-6")}, {"home", refused(kInUse, "home", "0-4")},
    };
    for (std::string name : {"MyDefaultNet", "default2", "tcpip", "NDI", "customparams", "LINKAGE", "Office_",
                             "Lab\\2", ".", "..", "=a\tb", "=x\x01", "=\x1f", "=y\x7f"})
        rows.push_back({name, refused(kNotAllowed, name.substr(name[0] == '='), "0-0")});
    for (const auto& row : rows) {
        std::vector<std::string> inUse = {"Office", "Home"};
        CDlgProfileName dialog;
        dialog.SetName("NewProfile");
        dialog.SetNamesInUse(&inUse);
        std::string shown;
        ModalWindows modal;
        modal.Then([&](HWND window) {
            shown = user::WindowText(window) + " | " + edit(window) + " | ";
            if (row.first == "(Cancel)")
                return user::Click(window, IDCANCEL);
            std::string over;
            MessageBoxLog boxes({}, [&] { over = "over '" + user::Text(window, kEdit) + "' | "; });
            SendDlgItemMessageA(window, kEdit, EM_LIMITTEXT, 100, 0);
            row.first[0] == '=' ? void(SetDlgItemTextA(window, kEdit, row.first.c_str() + 1))
                                : user::Retype(window, kEdit, row.first);
            if (user::Text(window, kEdit) != row.first && row.first[0] != '=')
                shown += "shown '" + user::Text(window, kEdit) + "' | ";
            SetFocus(GetDlgItem(window, IDOK));
            user::Click(window, IDOK);
            if (!boxes.Shown().empty()) {
                shown += boxes.Text(kAppTitle) + over + "then " + edit(window) + " | ";
                user::Retype(window, kEdit, "Fixed");
                user::Click(window, IDOK);
            }
        });
        INT_PTR result = dialog.DoModal();
        EXPECT_EQ(shown + (result == IDOK ? "OK " : result == IDCANCEL ? "Cancel " : "? ") + dialog.GetName(),
                  opened + row.second)
            << row.first;
    }
}

// A user who is not an administrator (for the temporary activation) runs a command on the row, and while its dialog
// or box is up the sheet drops to the three pages of Wireless Zero Configuration, as the Status page's tick does;
// then the user says OK or Yes. Prints the tabs left and the store.
ChildScenario dropPageInModal("drop_page_in_modal", [](const std::string& rows) {
    return PrintEachRow(rows, [](const std::string& row) {
        std::string command = row.substr(0, row.find(' ')), tabs;
        RunPage([&](CWiFiPropSheet& sheet, HWND window, HWND page) {
            user::ChooseRow(page, kList, user::RowOf(page, kList, row.substr(row.find(' ') + 1)));
            MessageBoxLog boxes({IDYES}, [&] { sheet.SetWirelessZeroConfigMode(TRUE); });
            ModalWindows dialogs;
            if (command == "new" || command == "rename" || command == "configure") {
                dialogs.Then([&](HWND dialog) {
                    sheet.SetWirelessZeroConfigMode(TRUE);
                    user::Retype(dialog, GetDlgItem(dialog, kEdit) ? kEdit : IDC_CONFIGURE_NAME1, "Lab");
                    user::Click(dialog, IDOK);
                });
            }
            for (const auto& [name, id] : kButtons)
                command == name ? user::Click(page, id) : void();
            tabs = user::Tabs(window);
            user::PressCancel(window);
        });
        return command + ": " + tabs + " | " + StoredState();
    });
});

// The command stops where its modal call returns: nothing of it reaches the
// store, and nothing touches the page that is gone.
TEST_F(ConfigPage, ACommandWhosePageGoesWhileItsModalIsUpStops)
{
    store_.StoreProfiles({"Default", "Office"}, {"admin_corp"});
    const std::string unchanged = " | own=Default Office | prov=admin_corp | sel=Default | applied=Default[] | admin=";
    const std::vector<std::string> rows = {"new Office", "rename Office", "delete Office", "configure Office",
                                           "activate admin_corp"};
    EXPECT_EQ(RunChildForRows("drop_page_in_modal", rows, {"", "", true}).output,
              "new: Status Power About" + unchanged + "\nrename: Status Power About" + unchanged +
                  "\ndelete: Status Power About" + unchanged + "\nconfigure: Status Power About" + unchanged +
                  "\nactivate: Status Power About" + unchanged + "admin_corp\n");
}

// Another process stores a network name for the profile: "<profile> <name>".
ChildScenario storeNetworkName("store_network_name", [](const std::string& argument) {
    CAdapterConfig* profile = FindProfile(argument.substr(0, argument.find(' ')));
    return profile && profile->SetNetworkName(argument.substr(argument.find(' ') + 1)) && profile->Save() ? 0 : 1;
});

// Leaving the page stores the current profile even unchanged, so the page's copy wins over what another process
// stored meanwhile; once the Configure Profile dialog has loaded the network names, the stored ones win. With another
// program's window in front the dialog is still the sheet's: the sheet is disabled behind it, and its OK puts the
// change into effect at once, even with the commit guard that Apply leaves set. The sheet's OK commits again.
TEST_F(ConfigPage, TheConfigureDialogIsTheSheetsAndPutsItsChangeIntoEffectAtOnce)
{
    HWND other = CreateWindowExA(0, "STATIC", "Another program", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                 nullptr, nullptr, nullptr);
    auto applied = [] {
        AppliedProfile applied;
        EXPECT_TRUE(ReadAppliedProfile(OpenStore(), applied));
        return " | applied " + applied.settings.networkName1 + " " + std::to_string(applied.settings.wirelessMode);
    };
    std::string seen;
    RunPage([&](CWiFiPropSheet&, HWND window, HWND) {
        RunChild("store_network_name", {"", "Default Elsewhere"});
        user::SwitchPage(window, 0);
        seen = StoredState();
        RunChild("store_network_name", {"", "Default Elsewhere"});
        ModalWindows dialogs;
        dialogs.Then([](HWND dialog) { user::Click(dialog, IDCANCEL); }).Then([&](HWND dialog) {
            seen += std::string(GetWindow(dialog, GW_OWNER) == window ? " || owned" : " || not owned") +
                    (IsWindowEnabled(window) ? " enabled" : " disabled");
            Act(dialog, "name1=Upstairs;mode 1;ok", seen);
        });
        user::SwitchPage(window, 1);
        user::Click(user::CurrentPage(window), IDC_CONFIG_CONFIGURE);
        user::SwitchPage(window, 0);
        seen += " || " + StoredState();
        user::SwitchPage(window, 1);
        user::PressApply(window);
        SetActiveWindow(other);
        user::Click(user::CurrentPage(window), IDC_CONFIG_CONFIGURE);
        CAdapterConfig* profile = GetCurrentProfile();
        seen += " | " + StoredState() + " | " + Describe(*profile) + applied() +
                (profile == FindProfile("Default") ? "" : " (another profile)");
        profile->SetNetworkName("Later");
        user::PressOk(window);
    });
    DestroyWindow(other);
    EXPECT_EQ(seen + applied(), "own=Default | prov= | sel=Default | applied=Default[] | admin= || "
                                "own=Default[Elsewhere] | prov= | sel=Default | applied=Default[] | admin= || "
                                "owned disabled | own=Default[Upstairs] | prov= | sel=Default | "
                                "applied=Default[Upstairs] | admin= | AP Upstairs|| 1 1 | applied Upstairs 1 | "
                                "applied Later 1");
}

// The lists offer 802.11g only on cards that have it, and names take 32 characters; stored modes and bands show as
// list positions and come back normalised.
TEST_F(ConfigPage, ConfigureOffersWhatTheCardHasAndNormalisesStoredModesAndBands)
{
    const std::string lists = "lists;name1=" + std::string(40, 'n') + ";?;cancel";
    const std::string rest = "Peer To Peer,Access Point, |  | tx rate visible=0 enabled=0 | type=1 mode=2 band=0 " +
                             std::string(32, 'n') + "|Two|Three off=band+ | Cancel AP Home|Two|Three 13 0";
    std::vector<Session> sessions = {
        {"US AP Home|Two|Three 13 0", lists, "802.11b,802.11a,Auto,802.11g, | 802.11b,802.11a,802.11g, | " + rest},
        {"no11g AP Home|Two|Three 13 0", lists, "802.11b,802.11a,Auto, | 802.11b,802.11a, | " + rest},
        // Names go as typed: blanks at the ends, asterisks and high bytes stay; the edit takes no control character.
        {"US AP || 13 0", "name1= Caf\xe9*\x80\xff ;name2=" + std::string(33, 'n') + ";name3=a\x02\x1f\x7f" "b;ok",
         "OK AP  Caf\xe9*\x80\xff |" + std::string(32, 'n') + "|ab 13 0 modified"},
        {"US AP || 13 0", "name1=" + std::string(31, 'n') + ";name2=" + std::string(32, 'n') + ";ok",
         "OK AP " + std::string(31, 'n') + "|" + std::string(32, 'n') + "| 13 0 modified"},
    };
    // Card, stored, shown position, written back.
    const std::tuple<std::string, int, int, int> modes[] = {
        {"US", 4, 0, 4},  {"US", 1, 1, 1},  {"US", 5, 2, 13},    {"US", 13, 2, 13},   {"US", 8, 3, 8},
        {"US", 14, -1, 4}, {"US", 2, 0, 4}, {"no11g", 13, 2, 5}, {"no11g", 5, 2, 5}, {"no11g", 8, -1, 4},
    };
    const std::tuple<std::string, int, int, int> bands[] = {
        {"US", 0, 0, 0}, {"US", 4, 0, 0}, {"US", 1, 1, 1}, {"US", 3, 2, 3}, {"US", 2, 0, 0}, {"no11g", 3, -1, 0},
    };
    for (const auto& [card, stored, shown, written] : modes)
        sessions.push_back({card + " AP Home|| " + std::to_string(stored) + " 0", "?;ok",
                            "type=1 mode=" + std::to_string(shown) + " band=0 Home|| off=band+ | OK AP Home|| " +
                                std::to_string(written) + " 0" + (written != stored ? " modified" : "")});
    // In a peer-to-peer network on Auto; the mode comes back as above.
    for (const auto& [card, stored, shown, written] : bands)
        sessions.push_back({card + " Peer Adhoc|| 5 " + std::to_string(stored), "?;ok",
                            "type=0 mode=2 band=" + std::to_string(shown) + " Adhoc|| off=name2+ name3+ | OK Peer " +
                                (card == "US" ? "Adhoc|| 13 " : "Adhoc|| 5 ") + std::to_string(written) + " modified"});
    ExpectSessions(sessions);
}

// Names 2 and 3 serve access points on cards that take three. The start band is chosen only for peer-to-peer in Auto
// mode: a single band leaves only itself to start on, Auto starts on 802.11b. World-wide domains limit peer-to-peer
// to 802.11b: loaded, only the choice is greyed, not its label; a mode no item stands for still shows none.
TEST_F(ConfigPage, ConfigureGreysAndEmptiesWhatTheNetworkTypeTheModeAndTheCardRuleOut)
{
    const std::string noMore = "type=1 mode=2 band=0 Home|Two|Three off=band+ name2+ name3+ | ";
    const std::string one = " A|| off=band+ name2+ name3+ | ", any = "type=0 mode=2 band=0 A|| off=name2+ name3+ | ";
    const std::string toPeer = "?;enter type;type 0;?;name1=Adhoc;ok", ap = "type=1 mode=2 band=2 Home|| off=band+ | ";
    const std::string peer = "type=0 mode=0 band=0 || off=mode+ band+ name2+ name3+ | OK Peer Adhoc|| 4 0 modified";
    const std::string loaded = " band=0 Adhoc|| off=mode band+ name2+ name3+ | OK Peer Adhoc|| 4 0";
    std::vector<Session> sessions = {
        {"US AP Home|Two|Three 13 0", "?;name2=Second;name3=Third;ok",
         "type=1 mode=2 band=0 Home|Two|Three off=band+ | OK AP Home|Second|Third 13 0 modified"},
        {"US Peer Adhoc|Two|Three 4 0", "?;ok",
         "type=0 mode=0 band=0 Adhoc|Two|Three off=band+ name2+ name3+ | OK Peer Adhoc|Two|Three 4 0"},
        {"1name AP Home|Two|Three 13 0", "?;enter type;type 1;?;ok", noMore + noMore + "OK AP Home|| 13 0 modified"},
        {"US Peer A|| 13 0", "?;ok", any + "OK Peer A|| 13 0"},
        {"US Peer A|| 1 0", "?;ok", "type=0 mode=1 band=0" + one + "OK Peer A|| 1 0"},
        {"US Peer A|| 13 3",
         "mode 1;?;mode 2;?;mode 1;mode 3;?;mode 2;?;mode 3;mode 0;?;mode 2;?;mode 0;mode 1;?;mode 2;?;mode 1;ok",
         "type=0 mode=1 band=1" + one + any + "type=0 mode=3 band=2" + one + any + "type=0 mode=0 band=0" + one + any +
             "type=0 mode=1 band=1" + one + any + "OK Peer A|| 1 1 modified"},
        {"US AP Home|Two|Three 13 0", "mode 2;?;ok",
         "type=1 mode=2 band=0 Home|Two|Three off=band+ | OK AP Home|Two|Three 13 0"},
        {"US AP Home|| 13 3", toPeer,
         ap + "type=0 mode=2 band=2 || off=name2+ name3+ | OK Peer Adhoc|| 13 3 modified"},
        {"US Peer Adhoc|| 13 3", "?;ok", "type=0 mode=2 band=2 Adhoc|| off=name2+ name3+ | OK Peer Adhoc|| 13 3"},
        {"US Peer Adhoc|| 14 3", "?;ok",
         "type=0 mode=-1 band=2 Adhoc|| off=band+ name2+ name3+ | OK Peer Adhoc|| 4 3 modified"},
    };
    // The first switch of a visit to the Network Type empties the names; switching back in the same visit does too,
    // but a new visit to the same type does not.
    sessions.push_back({"US AP Home|Two|Three 13 0",
                        "enter type;type 0;?;name1:=Kept;type 1;?;type 0;?;name1=Typed;enter type;type 0;?;ok",
                        "type=0 mode=2 band=0 || off=name2+ name3+ | type=1 mode=2 band=0 Kept|| off=band+ | "
                        "type=0 mode=2 band=0 || off=name2+ name3+ | type=0 mode=2 band=0 Typed|| off=name2+ name3+ | "
                        "OK Peer Typed|| 13 0 modified"});
    for (std::string card : {"WW", "NA"}) {
        sessions.push_back({card + " AP Home|| 13 3", toPeer, ap + peer});
        sessions.push_back({card + " Peer Adhoc|| 4 0", "?;ok", "type=0 mode=0" + loaded});
        sessions.push_back({card + " Peer Adhoc|| 14 0", "?;ok", "type=0 mode=-1" + loaded + " modified"});
    }
    ExpectSessions(sessions);
}

TEST_F(ConfigPage, ConfigurePeerToPeerNeedsANameAndCancelOrAMissingProfileWritesNothing)
{
    ExpectSessions({
        {"US Peer || 13 0", "name1=  ;ok;?;name1?;cancel",
         "type=0 mode=2 band=0   || off=name2+ name3+ | focused 0-2 | box: Peer To Peer networks require a network "
         "name (SSID) to be specified. | Cancel Peer || 13 0"},
        {"US AP || 13 0", "name1=  ;ok", "OK AP   || 13 0 modified"},
        {"US AP Home|Two|Three 13 0", "name1=Changed;mode 1;cancel", "Cancel AP Home|Two|Three 13 0"},
    });
    CAdapterConfig& profile = Prepare("US AP Home|Two|Three 13 0");
    SetCurrentProfile(nullptr);
    EXPECT_EQ(Configure("?;name1=Nowhere;ok", profile), "type=0 mode=-1 band=-1 || off=| OK AP Home|Two|Three 13 0");
}

// Opens the dialog on each named profile, presses OK and prints what it showed and wrote.
ChildScenario configureAs("configure_as", [](const std::string& names) {
    return PrintEachRow(names, [](const std::string& name) {
        SetCurrentProfile(FindProfile(name));
        return GetCurrentProfile() ? Configure("?;ok", *GetCurrentProfile()) : "no profile " + name;
    });
});

TEST_F(ConfigPage, ConfigureAdministratorProfilesAreReadOnlyForOtherUsers)
{
    ProfileSettings campus;
    campus.name = "admin_Campus";
    campus.networkName1 = "Campus";
    campus.networkName2 = "Two";
    ASSERT_FALSE(AddStoredProfile(OpenStore().CreateChild(kProvisionedKey), campus).empty());
    EXPECT_EQ(RunChildForRows("configure_as", {"admin_Campus", "Default"}, {"", "", true}).output,
              "type=1 mode=2 band=0 Campus|Two| off=type mode band+ name1 name2 name3 | OK AP Campus|Two| 13 0\n"
              "type=1 mode=2 band=0 || off=band+ | OK AP || 13 0\n");
    EXPECT_EQ(RunChildForRows("configure_as", {"admin_Campus"}).output,
              "type=1 mode=2 band=0 Campus|Two| off=band+ | OK AP Campus|Two| 13 0\n");
}

}  // namespace
