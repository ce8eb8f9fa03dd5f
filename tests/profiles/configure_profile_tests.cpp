// The Configure Profile dialog against the real library and an isolated store.
// Run on its own the dialog only changes the profile object; inside the
// sheet its OK puts the change into effect.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

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

const int kType = IDC_CONFIGURE_NETWORK_TYPE, kMode = IDC_CONFIGURE_WIRELESS_MODE, kBand = IDC_CONFIGURE_START_BAND;
const int kName1 = IDC_CONFIGURE_NAME1, kName2 = IDC_CONFIGURE_NAME2, kName3 = IDC_CONFIGURE_NAME3;
const std::map<std::string, int> kControls = {{"type", kType},   {"mode", kMode},   {"band", kBand},
                                              {"name1", kName1}, {"name2", kName2}, {"name3", kName3}};
// Radio capabilities (with and without 802.11g), how many network names the
// card takes and its country.
struct Card {
    DWORD radio;
    UINT names;
    const char* country;
};
const Card kUS{0x0D, 3, "US"}, kNo11g{0x05, 3, "US"}, kOneName{0x0D, 1, "US"}, kWW{0x0D, 3, "WW"}, kNA{0x0D, 3, "NA"};

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

// Acts out a script, steps separated by ";": "?" adds the view, "lists" the
// items of the lists and how the transmit rate shows, "name1?" whether
// Network Name 1 has the focus and its selection; "enter type" moves the
// focus to the type as a user's click does; "type N", "mode N", "band N"
// choose; "nameN=text" types; "name1:=text" sets the text as a program does;
// "ok" and "cancel" click.
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
    return shown + boxes.Text("Vyr 11a/b/g Wireless LAN Mini PCI Adapter Configuration") +
           (result == IDOK ? "OK " : result == IDCANCEL ? "Cancel " : "failed ") + Describe(profile);
}

// The card, the Default profile's settings (as Describe shows them), the
// script and what Play answers.
struct Session {
    Card card;
    std::string stored, script, shown;
};

class ConfigureProfile : public testing::Test {
protected:
    void TearDown() override { SetCurrentProfile(nullptr); }

    // The card, then the Default profile in effect with these settings and
    // current.
    CAdapterConfig& Prepare(const Card& card, const std::string& settings)
    {
        store_.SetSimulation("RadioCapabilities", card.radio);
        store_.SetSimulation("NameCapacity", card.names);
        store_.SetSimulation("CountryCode", (DWORD(card.country[0]) << 8) | DWORD(card.country[1]));
        EXPECT_TRUE(CVeltoDriverStatus::GetInstance()->Refresh());
        std::istringstream in(settings);
        std::string type, names;
        DWORD mode = 0, band = 0;
        in >> type >> names >> mode >> band;
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
            EXPECT_EQ(Play(s.script, Prepare(s.card, s.stored)), s.shown) << s.card.country << " " << s.stored;
    }

    IsolatedStore store_;
};

TEST_F(ConfigureProfile, ListsOffer80211gOnlyOnCardsThatHaveItAndNamesTakeThirtyTwoCharacters)
{
    const std::string script = "lists;name1=" + std::string(40, 'n') + ";?;cancel";
    const std::string rest = "Peer To Peer,Access Point, |  | tx rate visible=0 enabled=0 | type=1 mode=2 band=0 " +
                             std::string(32, 'n') + "|Two|Three off=band+ | Cancel AP Home|Two|Three 13 0";
    ExpectSessions({
        {kUS, "AP Home|Two|Three 13 0", script, "802.11b,802.11a,Auto,802.11g, | 802.11b,802.11a,802.11g, | " + rest},
        {kNo11g, "AP Home|Two|Three 13 0", script, "802.11b,802.11a,Auto, | 802.11b,802.11a, | " + rest},
    });
}

TEST_F(ConfigureProfile, StoredModesAndBandsShowAsListPositionsAndComeBackNormalised)
{
    // Card, stored, shown position, written back.
    const std::tuple<Card, int, int, int> modes[] = {
        {kUS, 4, 0, 4},  {kUS, 1, 1, 1},  {kUS, 5, 2, 13},    {kUS, 13, 2, 13},   {kUS, 8, 3, 8},
        {kUS, 14, -1, 4}, {kUS, 2, 0, 4}, {kNo11g, 13, 2, 5}, {kNo11g, 5, 2, 5}, {kNo11g, 8, -1, 4},
    };
    const std::tuple<Card, int, int, int> bands[] = {
        {kUS, 0, 0, 0}, {kUS, 4, 0, 0}, {kUS, 1, 1, 1}, {kUS, 3, 2, 3}, {kUS, 2, 0, 0}, {kNo11g, 3, -1, 0},
    };
    std::vector<Session> sessions;
    for (const auto& [card, stored, shown, written] : modes) {
        sessions.push_back({card, "AP Home|| " + std::to_string(stored) + " 0", "?;ok",
                            "type=1 mode=" + std::to_string(shown) + " band=0 Home|| off=band+ | OK AP Home|| " +
                                std::to_string(written) + " 0" + (written != stored ? " modified" : "")});
    }
    // In a peer-to-peer network on Auto; the mode comes back as above.
    for (const auto& [card, stored, shown, written] : bands) {
        sessions.push_back({card, "Peer Adhoc|| 5 " + std::to_string(stored), "?;ok",
                            "type=0 mode=2 band=" + std::to_string(shown) + " Adhoc|| off=name2+ name3+ | OK Peer " +
                                (card.radio == kUS.radio ? "Adhoc|| 13 " : "Adhoc|| 5 ") + std::to_string(written) +
                                " modified"});
    }
    ExpectSessions(sessions);
}

TEST_F(ConfigureProfile, SecondAndThirdNamesServeAccessPointsOnCardsThatTakeThree)
{
    const std::string noMore = "type=1 mode=2 band=0 Home|Two|Three off=band+ name2+ name3+ | ";
    ExpectSessions({
        {kUS, "AP Home|Two|Three 13 0", "?;name2=Second;name3=Third;ok",
         "type=1 mode=2 band=0 Home|Two|Three off=band+ | OK AP Home|Second|Third 13 0 modified"},
        {kUS, "Peer Adhoc|Two|Three 4 0", "?;ok",
         "type=0 mode=0 band=0 Adhoc|Two|Three off=band+ name2+ name3+ | OK Peer Adhoc|Two|Three 4 0"},
        {kOneName, "AP Home|Two|Three 13 0", "?;enter type;type 1;?;ok",
         noMore + noMore + "OK AP Home|| 13 0 modified"},
    });
}

// Loaded, only the choice is greyed, not its label; a mode no item stands
// for still shows none.
TEST_F(ConfigureProfile, WorldWideDomainsLimitPeerToPeerTo80211b)
{
    const std::string toPeer = "?;enter type;type 0;?;name1=Adhoc;ok", ap = "type=1 mode=2 band=2 Home|| off=band+ | ";
    const std::string peer = "type=0 mode=0 band=0 || off=mode+ band+ name2+ name3+ | OK Peer Adhoc|| 4 0 modified";
    const std::string loaded = " band=0 Adhoc|| off=mode band+ name2+ name3+ | OK Peer Adhoc|| 4 0";
    std::vector<Session> sessions;
    for (const Card& card : {kWW, kNA}) {
        sessions.push_back({card, "AP Home|| 13 3", toPeer, ap + peer});
        sessions.push_back({card, "Peer Adhoc|| 4 0", "?;ok", "type=0 mode=0" + loaded});
        sessions.push_back({card, "Peer Adhoc|| 14 0", "?;ok", "type=0 mode=-1" + loaded + " modified"});
    }
    ExpectSessions(sessions);
    ExpectSessions({
        {kUS, "AP Home|| 13 3", toPeer,
         ap + "type=0 mode=2 band=2 || off=name2+ name3+ | OK Peer Adhoc|| 13 3 modified"},
        {kUS, "Peer Adhoc|| 13 3", "?;ok", "type=0 mode=2 band=2 Adhoc|| off=name2+ name3+ | OK Peer Adhoc|| 13 3"},
        {kUS, "Peer Adhoc|| 14 3", "?;ok",
         "type=0 mode=-1 band=2 Adhoc|| off=band+ name2+ name3+ | OK Peer Adhoc|| 4 3 modified"},
    });
}

TEST_F(ConfigureProfile, StartBandIsChosenOnlyForPeerToPeerInAutoMode)
{
    // Each single band leaves only itself to start on; Auto starts on 802.11b.
    const std::string one = " A|| off=band+ name2+ name3+ | ", any = "type=0 mode=2 band=0 A|| off=name2+ name3+ | ";
    ExpectSessions({
        {kUS, "Peer A|| 13 0", "?;ok", any + "OK Peer A|| 13 0"},
        {kUS, "Peer A|| 5 0", "?;ok", any + "OK Peer A|| 13 0 modified"},
        {kUS, "Peer A|| 1 0", "?;ok", "type=0 mode=1 band=0" + one + "OK Peer A|| 1 0"},
        {kUS, "AP A|| 13 0", "?;ok", "type=1 mode=2 band=0 A|| off=band+ | OK AP A|| 13 0"},
        {kUS, "Peer A|| 13 3",
         "mode 1;?;mode 2;?;mode 1;mode 3;?;mode 2;?;mode 3;mode 0;?;mode 2;?;mode 0;mode 1;?;mode 2;?;mode 1;ok",
         "type=0 mode=1 band=1" + one + any + "type=0 mode=3 band=2" + one + any + "type=0 mode=0 band=0" + one + any +
             "type=0 mode=1 band=1" + one + any + "OK Peer A|| 1 1 modified"},
        {kUS, "AP Home|Two|Three 13 0", "mode 2;?;ok",
         "type=1 mode=2 band=0 Home|Two|Three off=band+ | OK AP Home|Two|Three 13 0"},
    });
}

// The first switch of a visit to the Network Type empties the names; switching
// back in the same visit does too, but a new visit to the same type does not.
TEST_F(ConfigureProfile, SwitchingNetworkTypeEmptiesTheNamesOncePerVisitToTheCombo)
{
    ExpectSessions({{kUS, "AP Home|Two|Three 13 0",
                     "enter type;type 0;?;name1:=Kept;type 1;?;type 0;?;name1=Typed;enter type;type 0;?;ok",
                     "type=0 mode=2 band=0 || off=name2+ name3+ | type=1 mode=2 band=0 Kept|| off=band+ | "
                     "type=0 mode=2 band=0 || off=name2+ name3+ | type=0 mode=2 band=0 Typed|| off=name2+ name3+ | "
                     "OK Peer Typed|| 13 0 modified"}});
}

TEST_F(ConfigureProfile, PeerToPeerNeedsANameAndCancelOrAMissingProfileWritesNothing)
{
    ExpectSessions({
        {kUS, "Peer || 13 0", "name1=  ;ok;?;name1?;cancel",
         "type=0 mode=2 band=0   || off=name2+ name3+ | focused 0-2 | box: Peer To Peer networks require a network "
         "name (SSID) to be specified. | Cancel Peer || 13 0"},
        {kUS, "AP || 13 0", "name1=  ;ok", "OK AP   || 13 0 modified"},
        {kUS, "AP Home|Two|Three 13 0", "name1=Changed;mode 1;cancel", "Cancel AP Home|Two|Three 13 0"},
    });
    CAdapterConfig& profile = Prepare(kUS, "AP Home|Two|Three 13 0");
    SetCurrentProfile(nullptr);
    EXPECT_EQ(Play("?;name1=Nowhere;ok", profile), "type=0 mode=-1 band=-1 || off=| OK AP Home|Two|Three 13 0");
}

// Opens the dialog on each named profile, presses OK and prints what it
// showed and wrote.
ChildScenario configureAs("configure_as", [](const std::string& names) {
    return PrintEachRow(names, [](const std::string& name) {
        SetCurrentProfile(FindProfile(name));
        return GetCurrentProfile() ? Play("?;ok", *GetCurrentProfile()) : "no profile " + name;
    });
});

TEST_F(ConfigureProfile, AdministratorProfilesAreReadOnlyForOtherUsers)
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

TEST_F(ConfigureProfile, OkPutsTheActiveProfilesChangeIntoEffectAtOnce)
{
    Prepare(kUS, "AP Home|Two|Three 13 0");
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
        EXPECT_EQ(shown + " " + applied(), "OK AP Upstairs|Two|Three 1 1 Upstairs 1");
        EXPECT_EQ(profile, FindProfile("Default"));
        // The sheet's own OK commits again.
        profile->SetNetworkName("Later");
        user::PressOk(window);
    });
    sheet->DoModal();
    EXPECT_EQ(applied(), "Later 1");
}

}  // namespace
