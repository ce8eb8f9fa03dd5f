// The Configure Profile dialog against the real library and an isolated store.
// Run on its own the dialog only changes the profile object; inside the
// sheet its OK puts the change into effect.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <sstream>

#include "driver/80211api.h"
#include "driver/card_state.h"
#include "driver/profile_list.h"
#include "driver/store.h"
#include "profiles/current_profile.h"
#include "profiles/dlg_configure_profile.h"
#include "res/resource.h"
#include "shell/wifi_prop_sheet.h"
#include "support/adapter_profiles.h"
#include "support/child.h"
#include "support/expectations.h"
#include "support/isolated_store.h"
#include "support/user.h"

namespace {

const std::string kTitle = "Vyr 11a/b/g Wireless LAN Mini PCI Adapter Configuration";
const int kType = IDC_CONFIGURE_NETWORK_TYPE;
const int kMode = IDC_CONFIGURE_WIRELESS_MODE;
const int kBand = IDC_CONFIGURE_START_BAND;
const int kName1 = IDC_CONFIGURE_NAME1;
const DWORD kPeer = 0, kAccessPoint = 1;
const DWORD kAllBands = 0x0D, kNo11g = 0x05;

struct Card {
    DWORD radio;
    UINT names;
    const char* country;
};
const Card kUS{kAllBands, 3, "US"}, kUSNo11g{kNo11g, 3, "US"}, kOneName{kAllBands, 1, "US"};

struct Network {
    DWORD type;
    std::string name1, name2, name3;
    DWORD mode, band;
};
const Network kHome{kAccessPoint, "Home", "Two", "Three", 13, 0};

// "{AP Home|Two|Three 13 0}", then " modified" while the change is not stored.
std::string Describe(CAdapterConfig& profile)
{
    std::string name1, name2, name3;
    std::ostringstream out;
    out << "{" << (profile.GetNetworkType() == kPeer ? "Peer " : "AP ") << profile.GetNetworkName(name1) << "|"
        << profile.GetNetworkName2(name2) << "|" << profile.GetNetworkName3(name3) << " "
        << profile.GetWirelessMode() << " " << profile.GetAdHocStartBand() << "}"
        << (profile.IsModified() ? " modified" : "");
    return out.str();
}

// The choices by position, the names and the disabled controls ("x+": x and
// its label).
std::string View(HWND dialog)
{
    std::ostringstream out;
    out << "type=" << user::Selection(dialog, kType) << " mode=" << user::Selection(dialog, kMode)
        << " band=" << user::Selection(dialog, kBand) << " " << user::Text(dialog, kName1) << "|"
        << user::Text(dialog, IDC_CONFIGURE_NAME2) << "|" << user::Text(dialog, IDC_CONFIGURE_NAME3) << " off=";
    const std::tuple<int, int, const char*> controls[] = {
        {kType, 0, "type"},
        {kMode, IDC_CONFIGURE_WIRELESS_MODE_LABEL, "mode"},
        {kBand, IDC_CONFIGURE_START_BAND_LABEL, "band"},
        {kName1, 0, "name1"},
        {IDC_CONFIGURE_NAME2, IDC_CONFIGURE_NAME2_LABEL, "name2"},
        {IDC_CONFIGURE_NAME3, IDC_CONFIGURE_NAME3_LABEL, "name3"},
    };
    for (const auto& [id, label, name] : controls) {
        bool labelOff = label && !user::IsEnabled(dialog, label);
        if (!user::IsEnabled(dialog, id))
            out << name << (labelOff ? "+ " : " ");
        else if (labelOff)
            out << name << "-label ";
    }
    return out.str() + "| ";
}

// The edit that has the focus, with its selection.
std::string Focus(HWND dialog)
{
    for (int id : {kName1, IDC_CONFIGURE_NAME2, IDC_CONFIGURE_NAME3}) {
        if (user::HasFocus(dialog, id)) {
            DWORD selection = static_cast<DWORD>(SendDlgItemMessageA(dialog, id, EM_GETSEL, 0, 0));
            return "focus=name" + std::to_string(id - kName1 + 1) + " " + std::to_string(LOWORD(selection)) + "-" +
                   std::to_string(HIWORD(selection)) + " | ";
        }
    }
    return "focus elsewhere | ";
}

// Acts out one step of a script: "?" (the view), "focus", "type N" (the user goes to
// the Network Type and chooses), "type again N" (chooses again in the same
// visit), "mode N", "band N", "nameN=text" (typed), "name1:=text" (set by a
// program), "ok", "cancel".
void Act(HWND dialog, const std::string& step, std::string& shown)
{
    const int names[] = {kName1, IDC_CONFIGURE_NAME2, IDC_CONFIGURE_NAME3};
    int number = 0;
    if (step == "?")
        shown += View(dialog);
    else if (step == "focus")
        shown += Focus(dialog);
    else if (step == "ok" || step == "cancel")
        user::Click(dialog, step == "ok" ? IDOK : IDCANCEL);
    else if (step.compare(0, 11, "type again ") == 0)
        user::ChooseItem(dialog, kType, std::stoi(step.substr(11)));
    else if (step.compare(0, 5, "type ") == 0)
        SetFocus(GetDlgItem(dialog, kType)), user::ChooseItem(dialog, kType, std::stoi(step.substr(5)));
    else if (step.compare(0, 5, "mode ") == 0)
        user::ChooseItem(dialog, kMode, std::stoi(step.substr(5)));
    else if (step.compare(0, 5, "band ") == 0)
        user::ChooseItem(dialog, kBand, std::stoi(step.substr(5)));
    else if (step.compare(0, 6, "name1:") == 0)
        SetDlgItemTextA(dialog, kName1, step.substr(7).c_str());
    else if (std::sscanf(step.c_str(), "name%d=", &number) == 1 && number >= 1 && number <= 3)
        user::Retype(dialog, names[number - 1], step.substr(6));
    else
        ADD_FAILURE() << "no step " << step;
}

// Runs the dialog through the script (steps separated by ";"): answers what
// it showed and how it ended with what `profile` then holds.
std::string Play(const std::string& script, CAdapterConfig& profile)
{
    std::string shown;
    MessageBoxLog boxes;
    ModalWindows modal;
    modal.Then([&](HWND dialog) {
        for (size_t start = 0; start <= script.size(); start = script.find(';', start) + 1) {
            Act(dialog, script.substr(start, script.find(';', start) - start), shown);
            if (script.find(';', start) == std::string::npos)
                break;
        }
        if (IsWindowVisible(dialog)) {
            shown += "stayed open | ";
            CloseModal(dialog);
        }
    });
    CDlgConfigureProfile dialog;
    INT_PTR result = dialog.DoModal();
    return shown + boxes.Text(kTitle) + (result == IDOK ? "OK " : result == IDCANCEL ? "Cancel " : "? ") +
           Describe(profile);
}

struct Session {
    Card card;
    Network stored;
    const char* script;
    std::string shown;
};

class ConfigureProfile : public testing::Test {
protected:
    void SetUp() override { SetCard(kUS); }
    void TearDown() override { SetCurrentProfile(nullptr); }

    void SetCard(const Card& wanted)
    {
        SimulatedCard card = ReadSimulatedCard(OpenStore());
        card.radioCapabilities = wanted.radio;
        card.nameCapacity = wanted.names;
        card.countryCode = (DWORD(wanted.country[0]) << 8) | DWORD(wanted.country[1]);
        ASSERT_TRUE(WriteSimulatedCard(OpenStore(), card));
        ASSERT_TRUE(CVeltoDriverStatus::GetInstance()->Refresh());
    }

    // The Default profile, in effect with these settings and current.
    CAdapterConfig& Current(const Network& n)
    {
        CAdapterConfig* profile = FindProfile("Default");
        profile->SetNetworkType(n.type);
        profile->SetNetworkName(n.name1);
        profile->SetNetworkName2(n.name2);
        profile->SetNetworkName3(n.name3);
        profile->SetWirelessMode(n.mode);
        profile->SetAdHocStartBand(n.band);
        EXPECT_TRUE(profile->Apply());
        SetCurrentProfile(profile);
        return *profile;
    }

    void ExpectSessions(const std::vector<Session>& sessions)
    {
        for (const Session& session : sessions) {
            SetCard(session.card);
            EXPECT_EQ(Play(session.script, Current(session.stored)), session.shown)
                << session.card.country << " " << session.script;
        }
    }

    IsolatedStore store_;
};

TEST_F(ConfigureProfile, ListsOffer80211gOnlyOnCardsThatHaveIt)
{
    auto items = [](HWND dialog, int id) {
        std::string text;
        for (const std::string& item : user::Items(dialog, id))
            text += item + ",";
        return text;
    };
    const std::pair<Card, std::string> cards[] = {
        {kUS, "802.11b,802.11a,Auto,802.11g, | 802.11b,802.11a,802.11g, | "},
        {kUSNo11g, "802.11b,802.11a,Auto, | 802.11b,802.11a, | "},
    };
    for (const auto& [card, shown] : cards) {
        SetCard(card);
        Current(kHome);
        std::string lists;
        ModalWindows modal;
        modal.Then([&](HWND dialog) {
            user::Retype(dialog, kName1, std::string(40, 'n'));
            lists = items(dialog, kMode) + " | " + items(dialog, kBand) + " | " + items(dialog, kType) +
                    " | tx rate: visible=" + std::to_string(user::IsVisible(dialog, IDC_CONFIGURE_TX_RATE)) +
                    " enabled=" + std::to_string(user::IsEnabled(dialog, IDC_CONFIGURE_TX_RATE)) + " " +
                    items(dialog, IDC_CONFIGURE_TX_RATE) + " | name1 keeps " +
                    std::to_string(user::Text(dialog, kName1).size());
            user::Click(dialog, IDCANCEL);
        });
        CDlgConfigureProfile().DoModal();
        EXPECT_EQ(lists, shown + "Peer To Peer,Access Point, | tx rate: visible=0 enabled=0  | name1 keeps 32");
    }
}

TEST_F(ConfigureProfile, StoredModesAndBandsShowAsListPositionsAndComeBackNormalised)
{
    // Card, stored, shown position, written back.
    const std::tuple<Card, DWORD, int, DWORD> modes[] = {
        {kUS, 4, 0, 4},       {kUS, 1, 1, 1},  {kUS, 5, 2, 13},       {kUS, 13, 2, 13},      {kUS, 8, 3, 8},
        {kUS, 14, -1, 4},     {kUS, 2, 0, 4},  {kUSNo11g, 13, 2, 5},  {kUSNo11g, 5, 2, 5},   {kUSNo11g, 8, -1, 4},
    };
    std::vector<Session> sessions;
    for (const auto& [card, stored, shown, written] : modes) {
        sessions.push_back({card, {kAccessPoint, "Home", "Two", "Three", stored, 0}, "?;ok",
                            "type=1 mode=" + std::to_string(shown) + " band=0 Home|Two|Three off=band+ | OK {AP Home|Two|Three " +
                                std::to_string(written) + " 0}" + (written != stored ? " modified" : "")});
    }
    const std::tuple<Card, DWORD, int, DWORD> bands[] = {
        {kUS, 0, 0, 0}, {kUS, 4, 0, 0}, {kUS, 1, 1, 1}, {kUS, 3, 2, 3}, {kUS, 2, 0, 0}, {kUSNo11g, 3, -1, 0},
    };
    for (const auto& [card, stored, shown, written] : bands) {
        sessions.push_back({card, {kPeer, "Adhoc", "", "", 5, stored}, "?;ok",
                            "type=0 mode=2 band=" + std::to_string(shown) + " Adhoc|| off=name2+ name3+ | OK {Peer Adhoc|| " +
                                (card.radio == kAllBands ? "13 " : "5 ") + std::to_string(written) + "} modified"});
    }
    ExpectSessions(sessions);
}

TEST_F(ConfigureProfile, SecondAndThirdNamesServeAccessPointsOnCardsThatTakeThree)
{
    ExpectSessions({
        {kUS, kHome, "?;name2=Second;name3=Third;ok",
         "type=1 mode=2 band=0 Home|Two|Three off=band+ | OK {AP Home|Second|Third 13 0} modified"},
        {kUS, {kPeer, "Adhoc", "Two", "Three", 4, 0}, "?;ok",
         "type=0 mode=0 band=0 Adhoc|Two|Three off=band+ name2+ name3+ | OK {Peer Adhoc|Two|Three 4 0}"},
        {kOneName, kHome, "?;type 1;?;ok",
         "type=1 mode=2 band=0 Home|Two|Three off=band+ name2+ name3+ | "
         "type=1 mode=2 band=0 Home|Two|Three off=band+ name2+ name3+ | OK {AP Home|| 13 0} modified"},
    });
}

TEST_F(ConfigureProfile, WorldWideDomainsLimitPeerToPeerTo80211b)
{
    const Card ww{kAllBands, 3, "WW"}, na{kAllBands, 3, "NA"};
    const Network home{kAccessPoint, "Home", "", "", 13, 3};
    const std::string ap = "type=1 mode=2 band=2 Home|| off=band+ | ";
    const std::string peer = "type=0 mode=0 band=0 Adhoc|| off=mode band+ name2+ name3+ | ";
    const std::string unlisted = "type=0 mode=-1 band=0 Adhoc|| off=mode band+ name2+ name3+ | OK {Peer Adhoc|| 4 0} modified";
    // Loaded, only the choice is greyed, not its label; a mode no item
    // stands for still shows none.
    ExpectSessions({
        {ww, home, "?;type 0;?;name1=Adhoc;ok",
         ap + "type=0 mode=0 band=0 || off=mode+ band+ name2+ name3+ | OK {Peer Adhoc|| 4 0} modified"},
        {ww, {kPeer, "Adhoc", "", "", 4, 0}, "?;ok", peer + "OK {Peer Adhoc|| 4 0}"},
        {ww, {kPeer, "Adhoc", "", "", 14, 0}, "?;ok", unlisted},
        {na, home, "?;type 0;?;name1=Adhoc;ok",
         ap + "type=0 mode=0 band=0 || off=mode+ band+ name2+ name3+ | OK {Peer Adhoc|| 4 0} modified"},
        {na, {kPeer, "Adhoc", "", "", 4, 0}, "?;ok", peer + "OK {Peer Adhoc|| 4 0}"},
        {na, {kPeer, "Adhoc", "", "", 14, 0}, "?;ok", unlisted},
        {kUS, home, "?;type 0;?;name1=Adhoc;ok",
         ap + "type=0 mode=2 band=2 || off=name2+ name3+ | OK {Peer Adhoc|| 13 3} modified"},
        {kUS, {kPeer, "Adhoc", "", "", 13, 3}, "?;ok", "type=0 mode=2 band=2 Adhoc|| off=name2+ name3+ | OK {Peer Adhoc|| 13 3}"},
        {kUS, {kPeer, "Adhoc", "", "", 14, 3}, "?;ok",
         "type=0 mode=-1 band=2 Adhoc|| off=band+ name2+ name3+ | OK {Peer Adhoc|| 4 3} modified"},
    });
}

TEST_F(ConfigureProfile, StartBandIsChosenOnlyForPeerToPeerInAutoMode)
{
    // Each single band leaves only itself to start on; Auto starts on 802.11b.
    const std::string single = " A|| off=band+ name2+ name3+ | ", autoMode = "type=0 mode=2 band=0 A|| off=name2+ name3+ | ";
    ExpectSessions({
        {kUS, {kPeer, "A", "", "", 13, 0}, "?;ok", autoMode + "OK {Peer A|| 13 0}"},
        {kUS, {kPeer, "A", "", "", 5, 0}, "?;ok", autoMode + "OK {Peer A|| 13 0} modified"},
        {kUS, {kPeer, "A", "", "", 1, 0}, "?;ok", "type=0 mode=1 band=0" + single + "OK {Peer A|| 1 0}"},
        {kUS, {kAccessPoint, "A", "", "", 13, 0}, "?;ok", "type=1 mode=2 band=0 A|| off=band+ | OK {AP A|| 13 0}"},
        {kUS, {kPeer, "A", "", "", 13, 3},
         "mode 1;?;mode 2;?;mode 1;mode 3;?;mode 2;?;mode 3;mode 0;?;mode 2;?;mode 0;mode 1;?;mode 2;?;mode 1;ok",
         "type=0 mode=1 band=1" + single + autoMode + "type=0 mode=3 band=2" + single + autoMode +
             "type=0 mode=0 band=0" + single + autoMode + "type=0 mode=1 band=1" + single + autoMode +
             "OK {Peer A|| 1 1} modified"},
        {kUS, kHome, "mode 2;?;ok", "type=1 mode=2 band=0 Home|Two|Three off=band+ | OK {AP Home|Two|Three 13 0}"},
    });
}

// The first switch of a visit to the Network Type empties the names; switching
// back in the same visit does too, but a new visit to the same type does not.
TEST_F(ConfigureProfile, SwitchingNetworkTypeEmptiesTheNamesOncePerVisitToTheCombo)
{
    ExpectSessions({{kUS, kHome, "type 0;?;name1:=Kept;type again 1;?;type again 0;?;name1=Typed;type 0;?;ok",
                     "type=0 mode=2 band=0 || off=name2+ name3+ | type=1 mode=2 band=0 Kept|| off=band+ | "
                     "type=0 mode=2 band=0 || off=name2+ name3+ | type=0 mode=2 band=0 Typed|| off=name2+ name3+ | "
                     "OK {Peer Typed|| 13 0} modified"}});
}

TEST_F(ConfigureProfile, PeerToPeerNeedsANameAndCancelOrAMissingProfileWritesNothing)
{
    ExpectSessions({
        {kUS, {kPeer, "", "", "", 13, 0}, "name1=  ;ok;?;focus;cancel",
         "type=0 mode=2 band=0   || off=name2+ name3+ | focus=name1 0-2 | box: Peer To Peer networks require a network "
         "name (SSID) to be specified. | Cancel {Peer || 13 0}"},
        {kUS, {kAccessPoint, "", "", "", 13, 0}, "name1=  ;ok", "OK {AP   || 13 0} modified"},
        {kUS, kHome, "name1=Changed;mode 1;cancel", "Cancel {AP Home|Two|Three 13 0}"},
    });
    CAdapterConfig& profile = Current(kHome);
    SetCurrentProfile(nullptr);
    EXPECT_EQ(Play("?;name1=Nowhere;ok", profile), "type=0 mode=-1 band=-1 || off=| OK {AP Home|Two|Three 13 0}");
}

// --- Who may change a profile --------------------------------------------

// Opens the dialog on each named profile (separated by ";"), presses OK and
// prints a line of what it showed and wrote.
ChildScenario configureAs("configure_as", [](const std::string& names) {
    PrintMessageBoxesInChild();
    for (size_t start = 0; start <= names.size(); start = names.find(';', start) + 1) {
        std::string name = names.substr(start, names.find(';', start) - start);
        CAdapterConfig* profile = FindProfile(name);
        if (!profile)
            return 2;
        SetCurrentProfile(profile);
        std::printf("%s: %s\n", name.c_str(), Play("?;ok", *profile).c_str());
        if (names.find(';', start) == std::string::npos)
            break;
    }
    return 0;
});

TEST_F(ConfigureProfile, AdministratorProfilesAreReadOnlyForOtherUsers)
{
    ProfileSettings campus;
    campus.name = "admin_Campus";
    campus.networkName1 = "Campus";
    campus.networkName2 = "Two";
    ASSERT_FALSE(AddStoredProfile(OpenStore().CreateChild(kProvisionedKey), campus).empty());
    const struct {
        bool user;
        const char* names;
        std::string shown;
    } children[] = {
        {true, "admin_Campus;Default",
         "admin_Campus: type=1 mode=2 band=0 Campus|Two| off=type mode band+ name1 name2 name3 | "
         "OK {AP Campus|Two| 13 0}\nDefault: type=1 mode=2 band=0 || off=band+ | OK {AP || 13 0}\n"},
        {false, "admin_Campus", "admin_Campus: type=1 mode=2 band=0 Campus|Two| off=band+ | OK {AP Campus|Two| 13 0}\n"},
    };
    for (const auto& child : children) {
        ChildOptions options;
        options.asNonAdministrator = child.user;
        options.argument = child.names;
        EXPECT_EQ(RunChild("configure_as", options).output, child.shown) << child.names;
    }
}

// --- Inside the sheet ----------------------------------------------------

TEST_F(ConfigureProfile, OkPutsTheActiveProfilesChangeIntoEffectAtOnce)
{
    Current(kHome);
    auto applied = [] {
        AppliedProfile applied;
        EXPECT_TRUE(ReadAppliedProfile(OpenStore(), applied));
        return applied.settings.networkName1 + " " + std::to_string(applied.settings.wirelessMode);
    };
    CWiFiPropSheet* sheet = new CWiFiPropSheet;
    ModalWindows modal;
    modal.Then([&](HWND window) {
        user::SwitchPage(window, 1);
        // Apply leaves the commit guard set; the dialog's commit runs all the same.
        user::PressApply(window);
        CAdapterConfig* profile = GetCurrentProfile();
        std::string shown = Play("name1=Upstairs;mode 1;ok", *profile);
        EXPECT_EQ(shown + " " + applied(), "OK {AP Upstairs|Two|Three 1 1} Upstairs 1");
        EXPECT_EQ(profile, FindProfile("Default"));

        // The sheet's own OK commits again.
        profile->SetNetworkName("Later");
        user::PressOk(window);
    });
    sheet->DoModal();
    EXPECT_EQ(applied(), "Later 1");
}

}  // namespace
