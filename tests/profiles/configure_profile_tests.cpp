// The Configure Profile dialog against the real library and an isolated store.
// Run on its own the dialog only changes the profile object; inside the
// sheet its OK puts the change into effect.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
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
const int kType = IDC_CONFIGURE_NETWORK_TYPE, kMode = IDC_CONFIGURE_WIRELESS_MODE, kBand = IDC_CONFIGURE_START_BAND;
const int kName1 = IDC_CONFIGURE_NAME1, kName2 = IDC_CONFIGURE_NAME2, kName3 = IDC_CONFIGURE_NAME3;
const std::map<std::string, int> kControls = {{"type", kType},   {"mode", kMode},   {"band", kBand},
                                              {"name1", kName1}, {"name2", kName2}, {"name3", kName3}};
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
        << profile.GetNetworkName2(name2) << "|" << profile.GetNetworkName3(name3) << " " << profile.GetWirelessMode()
        << " " << profile.GetAdHocStartBand() << "}" << (profile.IsModified() ? " modified" : "");
    return out.str();
}

// The choices by position, the names and the disabled controls: "x+" with
// its label, "x" alone.
std::string View(HWND dialog)
{
    std::ostringstream out;
    out << "type=" << user::Selection(dialog, kType) << " mode=" << user::Selection(dialog, kMode)
        << " band=" << user::Selection(dialog, kBand) << " " << user::Text(dialog, kName1) << "|"
        << user::Text(dialog, kName2) << "|" << user::Text(dialog, kName3) << " off=";
    const std::map<int, int> labels = {{kMode, IDC_CONFIGURE_WIRELESS_MODE_LABEL},
                                       {kBand, IDC_CONFIGURE_START_BAND_LABEL},
                                       {kName2, IDC_CONFIGURE_NAME2_LABEL},
                                       {kName3, IDC_CONFIGURE_NAME3_LABEL}};
    for (const char* name : {"type", "mode", "band", "name1", "name2", "name3"}) {
        int id = kControls.at(name);
        bool labelOff = labels.count(id) && !user::IsEnabled(dialog, labels.at(id));
        if (!user::IsEnabled(dialog, id))
            out << name << (labelOff ? "+ " : " ");
        else if (labelOff)
            out << name << "'s label ";
    }
    return out.str() + "| ";
}

// The items of each list, then how the transmit rate shows.
std::string Lists(HWND dialog)
{
    std::string lists;
    for (int id : {kMode, kBand, kType, IDC_CONFIGURE_TX_RATE}) {
        for (const std::string& item : user::Items(dialog, id))
            lists += item + ",";
        lists += " | ";
    }
    return lists + "tx rate visible=" + std::to_string(user::IsVisible(dialog, IDC_CONFIGURE_TX_RATE)) +
           " enabled=" + std::to_string(user::IsEnabled(dialog, IDC_CONFIGURE_TX_RATE)) + " | ";
}

// Acts out a script, steps separated by ";": "?" adds the view, "lists" the
// lists, "name1?" whether Network Name 1 has the focus and its selection;
// "enter type" moves the focus there as a user's click does; "type N",
// "mode N", "band N" choose; "nameN=text" types; "name1:=text" sets the text
// as a program does; "ok" and "cancel" click.
void Act(HWND dialog, const std::string& script, std::string& shown)
{
    std::istringstream steps(script);
    for (std::string step; std::getline(steps, step, ';');) {
        size_t split = std::min(step.find(' '), step.find('='));
        std::string what = step.substr(0, split), rest = step.substr(std::min(split + 1, step.size()));
        DWORD selection = static_cast<DWORD>(SendDlgItemMessageA(dialog, kName1, EM_GETSEL, 0, 0));
        if (step == "?" || step == "lists")
            shown += step == "?" ? View(dialog) : Lists(dialog);
        else if (step == "name1?")
            shown += std::string(user::HasFocus(dialog, kName1) ? "name1 focused " : "name1 ") +
                     std::to_string(LOWORD(selection)) + "-" + std::to_string(HIWORD(selection)) + " | ";
        else if (step == "ok" || step == "cancel")
            user::Click(dialog, step == "ok" ? IDOK : IDCANCEL);
        else if (what == "enter")
            SetFocus(GetDlgItem(dialog, kControls.at(rest)));
        else if (step[split] == ' ')
            user::ChooseItem(dialog, kControls.at(what), std::stoi(rest));
        else if (what.back() == ':')
            SetDlgItemTextA(dialog, kControls.at(what.substr(0, what.size() - 1)), rest.c_str());
        else
            user::Retype(dialog, kControls.at(what), rest);
    }
}

// Runs the dialog through the script: answers what it showed and how it
// ended, with what `profile` then holds.
std::string Play(const std::string& script, CAdapterConfig& profile)
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
    return shown + boxes.Text(kTitle) + (result == IDOK ? "OK " : result == IDCANCEL ? "Cancel " : "failed ") +
           Describe(profile);
}

struct Session {
    Card card;
    Network stored;
    std::string script, shown;
};

class ConfigureProfile : public testing::Test {
protected:
    void TearDown() override { SetCurrentProfile(nullptr); }

    // The card, then the Default profile in effect with these settings and
    // current.
    CAdapterConfig& Prepare(const Card& card, const Network& n)
    {
        store_.SetSimulation("RadioCapabilities", card.radio);
        store_.SetSimulation("NameCapacity", card.names);
        store_.SetSimulation("CountryCode", (DWORD(card.country[0]) << 8) | DWORD(card.country[1]));
        EXPECT_TRUE(CVeltoDriverStatus::GetInstance()->Refresh());
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
        for (const Session& s : sessions)
            EXPECT_EQ(Play(s.script, Prepare(s.card, s.stored)), s.shown) << s.card.country << " " << s.script;
    }

    IsolatedStore store_;
};

TEST_F(ConfigureProfile, ListsOffer80211gOnlyOnCardsThatHaveItAndNamesTakeThirtyTwoCharacters)
{
    const std::string n32(32, 'n'), script = "lists;name1=" + std::string(40, 'n') + ";?;cancel";
    const std::string rest = "Peer To Peer,Access Point, |  | tx rate visible=0 enabled=0 | type=1 mode=2 band=0 " +
                             n32 + "|Two|Three off=band+ | Cancel {AP Home|Two|Three 13 0}";
    ExpectSessions({
        {kUS, kHome, script, "802.11b,802.11a,Auto,802.11g, | 802.11b,802.11a,802.11g, | " + rest},
        {kUSNo11g, kHome, script, "802.11b,802.11a,Auto, | 802.11b,802.11a, | " + rest},
    });
}

TEST_F(ConfigureProfile, StoredModesAndBandsShowAsListPositionsAndComeBackNormalised)
{
    // Card, stored, shown position, written back.
    const std::tuple<Card, DWORD, int, DWORD> modes[] = {
        {kUS, 4, 0, 4},      {kUS, 1, 1, 1},     {kUS, 5, 2, 13},       {kUS, 13, 2, 13}, {kUS, 8, 3, 8},
        {kUS, 14, -1, 4},    {kUS, 2, 0, 4},     {kUSNo11g, 13, 2, 5},  {kUSNo11g, 5, 2, 5}, {kUSNo11g, 8, -1, 4},
    };
    const std::tuple<Card, DWORD, int, DWORD> bands[] = {
        {kUS, 0, 0, 0}, {kUS, 4, 0, 0}, {kUS, 1, 1, 1}, {kUS, 3, 2, 3}, {kUS, 2, 0, 0}, {kUSNo11g, 3, -1, 0},
    };
    std::vector<Session> sessions;
    for (const auto& [card, stored, shown, written] : modes) {
        sessions.push_back({card, {kAccessPoint, "Home", "", "", stored, 0}, "?;ok",
                            "type=1 mode=" + std::to_string(shown) + " band=0 Home|| off=band+ | OK {AP Home|| " +
                                std::to_string(written) + " 0}" + (written != stored ? " modified" : "")});
    }
    // In a peer-to-peer network on Auto; the mode comes back as above.
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
        {kOneName, kHome, "?;enter type;type 1;?;ok",
         "type=1 mode=2 band=0 Home|Two|Three off=band+ name2+ name3+ | "
         "type=1 mode=2 band=0 Home|Two|Three off=band+ name2+ name3+ | OK {AP Home|| 13 0} modified"},
    });
}

// Loaded, only the choice is greyed, not its label; a mode no item stands
// for still shows none.
TEST_F(ConfigureProfile, WorldWideDomainsLimitPeerToPeerTo80211b)
{
    const Network home{kAccessPoint, "Home", "", "", 13, 3}, adhoc{kPeer, "Adhoc", "", "", 4, 0};
    const std::string ap = "type=1 mode=2 band=2 Home|| off=band+ | ";
    std::vector<Session> sessions;
    for (const char* country : {"WW", "NA"}) {
        const Card card{kAllBands, 3, country};
        const std::string peer = " band=0 Adhoc|| off=mode band+ name2+ name3+ | OK {Peer Adhoc|| 4 0}";
        sessions.push_back({card, home, "?;enter type;type 0;?;name1=Adhoc;ok",
                            ap + "type=0 mode=0 band=0 || off=mode+ band+ name2+ name3+ | OK {Peer Adhoc|| 4 0} modified"});
        sessions.push_back({card, adhoc, "?;ok", "type=0 mode=0" + peer});
        sessions.push_back({card, {kPeer, "Adhoc", "", "", 14, 0}, "?;ok", "type=0 mode=-1" + peer + " modified"});
    }
    sessions.push_back({kUS, home, "?;enter type;type 0;?;name1=Adhoc;ok",
                        ap + "type=0 mode=2 band=2 || off=name2+ name3+ | OK {Peer Adhoc|| 13 3} modified"});
    sessions.push_back({kUS, {kPeer, "Adhoc", "", "", 13, 3}, "?;ok",
                        "type=0 mode=2 band=2 Adhoc|| off=name2+ name3+ | OK {Peer Adhoc|| 13 3}"});
    sessions.push_back({kUS, {kPeer, "Adhoc", "", "", 14, 3}, "?;ok",
                        "type=0 mode=-1 band=2 Adhoc|| off=band+ name2+ name3+ | OK {Peer Adhoc|| 4 3} modified"});
    ExpectSessions(sessions);
}

TEST_F(ConfigureProfile, StartBandIsChosenOnlyForPeerToPeerInAutoMode)
{
    // Each single band leaves only itself to start on; Auto starts on 802.11b.
    const std::string one = " A|| off=band+ name2+ name3+ | ", any = "type=0 mode=2 band=0 A|| off=name2+ name3+ | ";
    ExpectSessions({
        {kUS, {kPeer, "A", "", "", 13, 0}, "?;ok", any + "OK {Peer A|| 13 0}"},
        {kUS, {kPeer, "A", "", "", 5, 0}, "?;ok", any + "OK {Peer A|| 13 0} modified"},
        {kUS, {kPeer, "A", "", "", 1, 0}, "?;ok", "type=0 mode=1 band=0" + one + "OK {Peer A|| 1 0}"},
        {kUS, {kAccessPoint, "A", "", "", 13, 0}, "?;ok", "type=1 mode=2 band=0 A|| off=band+ | OK {AP A|| 13 0}"},
        {kUS, {kPeer, "A", "", "", 13, 3},
         "mode 1;?;mode 2;?;mode 1;mode 3;?;mode 2;?;mode 3;mode 0;?;mode 2;?;mode 0;mode 1;?;mode 2;?;mode 1;ok",
         "type=0 mode=1 band=1" + one + any + "type=0 mode=3 band=2" + one + any + "type=0 mode=0 band=0" + one + any +
             "type=0 mode=1 band=1" + one + any + "OK {Peer A|| 1 1} modified"},
        {kUS, kHome, "mode 2;?;ok", "type=1 mode=2 band=0 Home|Two|Three off=band+ | OK {AP Home|Two|Three 13 0}"},
    });
}

// The first switch of a visit to the Network Type empties the names; switching
// back in the same visit does too, but a new visit to the same type does not.
TEST_F(ConfigureProfile, SwitchingNetworkTypeEmptiesTheNamesOncePerVisitToTheCombo)
{
    ExpectSessions({{kUS, kHome, "enter type;type 0;?;name1:=Kept;type 1;?;type 0;?;name1=Typed;enter type;type 0;?;ok",
                     "type=0 mode=2 band=0 || off=name2+ name3+ | type=1 mode=2 band=0 Kept|| off=band+ | "
                     "type=0 mode=2 band=0 || off=name2+ name3+ | type=0 mode=2 band=0 Typed|| off=name2+ name3+ | "
                     "OK {Peer Typed|| 13 0} modified"}});
}

TEST_F(ConfigureProfile, PeerToPeerNeedsANameAndCancelOrAMissingProfileWritesNothing)
{
    ExpectSessions({
        {kUS, {kPeer, "", "", "", 13, 0}, "name1=  ;ok;?;name1?;cancel",
         "type=0 mode=2 band=0   || off=name2+ name3+ | name1 focused 0-2 | box: Peer To Peer networks require a network name "
         "(SSID) to be specified. | Cancel {Peer || 13 0}"},
        {kUS, {kAccessPoint, "", "", "", 13, 0}, "name1=  ;ok", "OK {AP   || 13 0} modified"},
        {kUS, kHome, "name1=Changed;mode 1;cancel", "Cancel {AP Home|Two|Three 13 0}"},
    });
    CAdapterConfig& profile = Prepare(kUS, kHome);
    SetCurrentProfile(nullptr);
    EXPECT_EQ(Play("?;name1=Nowhere;ok", profile), "type=0 mode=-1 band=-1 || off=| OK {AP Home|Two|Three 13 0}");
}

// Opens the dialog on each named profile (separated by ";"), presses OK and
// prints a line of what it showed and wrote.
ChildScenario configureAs("configure_as", [](const std::string& names) {
    std::istringstream list(names);
    for (std::string name; std::getline(list, name, ';');) {
        CAdapterConfig* profile = FindProfile(name);
        if (!profile)
            return 2;
        SetCurrentProfile(profile);
        std::printf("%s: %s\n", name.c_str(), Play("?;ok", *profile).c_str());
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
    const std::string campusView = "admin_Campus: type=1 mode=2 band=0 Campus|Two| off=";
    ChildOptions user{"", {}, "admin_Campus;Default", true}, administrator{"", {}, "admin_Campus"};
    EXPECT_EQ(RunChild("configure_as", user).output,
              campusView + "type mode band+ name1 name2 name3 | OK {AP Campus|Two| 13 0}\n"
                           "Default: type=1 mode=2 band=0 || off=band+ | OK {AP || 13 0}\n");
    EXPECT_EQ(RunChild("configure_as", administrator).output, campusView + "band+ | OK {AP Campus|Two| 13 0}\n");
}

TEST_F(ConfigureProfile, OkPutsTheActiveProfilesChangeIntoEffectAtOnce)
{
    Prepare(kUS, kHome);
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
