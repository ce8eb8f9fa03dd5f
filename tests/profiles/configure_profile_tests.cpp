// The Configure Profile dialog against the real library and an isolated store.
// Run on its own the dialog only changes the profile object; inside the
// sheet its OK puts the change into effect.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <tuple>

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

const char kTitle[] = "Vyr 11a/b/g Wireless LAN Mini PCI Adapter Configuration";
const char kNeedsSsid[] = "Peer To Peer networks require a network name (SSID) to be specified.";
const int kType = IDC_CONFIGURE_NETWORK_TYPE;
const int kMode = IDC_CONFIGURE_WIRELESS_MODE;
const int kBand = IDC_CONFIGURE_START_BAND;
const int kName1 = IDC_CONFIGURE_NAME1;
const DWORD kPeer = 0, kAccessPoint = 1;
const DWORD kAllBands = 0x0D, kNo11g = 0x05;

struct Network {
    DWORD type;
    std::string name1, name2, name3;
    DWORD mode, band;
    auto Values() const { return std::make_tuple(type, name1, name2, name3, mode, band); }
    bool operator==(const Network& other) const { return Values() == other.Values(); }
};

void PrintTo(const Network& n, std::ostream* out)
{
    *out << testing::PrintToString(n.Values());
}

Network NetworkOf(const CAdapterConfig& profile)
{
    Network n{profile.GetNetworkType(), "", "", "", profile.GetWirelessMode(), profile.GetAdHocStartBand()};
    profile.GetNetworkName(n.name1);
    profile.GetNetworkName2(n.name2);
    profile.GetNetworkName3(n.name3);
    return n;
}

const Network kHome{kAccessPoint, "Home", "Two", "Three", 13, 0};

// "1" for each enabled control, in order.
std::string Enabled(HWND dialog, std::initializer_list<int> ids)
{
    std::string states;
    for (int id : ids)
        states += user::IsEnabled(dialog, id) ? '1' : '0';
    return states;
}

std::vector<std::string> Items(HWND dialog, int id)
{
    std::vector<std::string> items;
    for (int i = 0; i < SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0); ++i) {
        char text[64] = {};
        SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

// As a user does: the combo gets the focus first.
void ChooseNetworkType(HWND dialog, int position)
{
    SetFocus(GetDlgItem(dialog, kType));
    user::ChooseItem(dialog, kType, position);
}

// Clicks OK or Cancel; a dialog that stays open fails the test and is
// closed, so that the run goes on.
void Close(HWND dialog, int button)
{
    user::Click(dialog, button);
    if (IsWindowVisible(dialog)) {
        ADD_FAILURE() << "the dialog stayed open";
        CloseModal(dialog);
    }
}

INT_PTR RunDialog(std::function<void(HWND dialog)> act)
{
    ModalWindows modal;
    modal.Then(std::move(act));
    CDlgConfigureProfile dialog;
    return dialog.DoModal();
}

class ConfigureProfile : public testing::Test {
protected:
    void SetUp() override { SetCard(kAllBands, 3, "US"); }
    void TearDown() override { SetCurrentProfile(nullptr); }

    void SetCard(DWORD radio, UINT names, const char* country)
    {
        SimulatedCard card = ReadSimulatedCard(OpenStore());
        card.radioCapabilities = radio;
        card.nameCapacity = names;
        card.countryCode = (DWORD(country[0]) << 8) | DWORD(country[1]);
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

    // Opens the dialog on `stored`, lets `act` play the user and answers
    // what OK wrote into the profile.
    Network AfterOk(const Network& stored, std::function<void(HWND dialog)> act)
    {
        CAdapterConfig& profile = Current(stored);
        EXPECT_EQ(RunDialog([&](HWND dialog) {
                      act(dialog);
                      Close(dialog, IDOK);
                  }),
                  IDOK);
        return NetworkOf(profile);
    }

    IsolatedStore store_;
};

TEST_F(ConfigureProfile, ListsOffer80211gOnlyOnCardsThatHaveIt)
{
    for (DWORD radio : {kAllBands, kNo11g}) {
        SetCard(radio, 3, "US");
        Current(kHome);
        RunDialog([radio](HWND dialog) {
            std::vector<std::string> modes = {"802.11b", "802.11a", "Auto"}, bands = {"802.11b", "802.11a"};
            if (radio == kAllBands) {
                modes.push_back("802.11g");
                bands.push_back("802.11g");
            }
            EXPECT_EQ(Items(dialog, kMode), modes);
            EXPECT_EQ(Items(dialog, kBand), bands);
            EXPECT_EQ(Items(dialog, kType), (std::vector<std::string>{"Peer To Peer", "Access Point"}));
            EXPECT_FALSE(user::IsVisible(dialog, IDC_CONFIGURE_TX_RATE) || user::IsEnabled(dialog, IDC_CONFIGURE_TX_RATE));
            EXPECT_EQ(Items(dialog, IDC_CONFIGURE_TX_RATE).size(), 0u);
            user::Retype(dialog, kName1, std::string(40, 'n'));
            EXPECT_EQ(user::Text(dialog, kName1), std::string(32, 'n'));
            Close(dialog, IDCANCEL);
        });
    }
}

TEST_F(ConfigureProfile, StoredModesAndBandsShowAsListPositionsAndComeBackNormalised)
{
    struct Case { DWORD radio; DWORD stored; int shown; DWORD written; };
    const Case modes[] = {{kAllBands, 4, 0, 4}, {kAllBands, 1, 1, 1}, {kAllBands, 5, 2, 13}, {kAllBands, 13, 2, 13},
                          {kAllBands, 8, 3, 8}, {kAllBands, 14, -1, 4}, {kAllBands, 2, 0, 4}, {kNo11g, 13, 2, 5},
                          {kNo11g, 5, 2, 5},    {kNo11g, 8, -1, 4}};
    for (const Case& c : modes) {
        SCOPED_TRACE(testing::Message() << "radio " << c.radio << " mode " << c.stored);
        SetCard(c.radio, 3, "US");
        Network stored = kHome;
        stored.mode = c.stored;
        Network written = AfterOk(stored, [&](HWND dialog) { EXPECT_EQ(user::Selection(dialog, kMode), c.shown); });
        stored.mode = c.written;
        EXPECT_EQ(written, stored);
    }
    const Case bands[] = {{kAllBands, 0, 0, 0}, {kAllBands, 4, 0, 0}, {kAllBands, 1, 1, 1},
                          {kAllBands, 3, 2, 3}, {kAllBands, 2, 0, 0}, {kNo11g, 3, -1, 0}};
    for (const Case& c : bands) {
        SCOPED_TRACE(testing::Message() << "radio " << c.radio << " band " << c.stored);
        SetCard(c.radio, 3, "US");
        Network stored{kPeer, "Adhoc", "", "", 5, c.stored};
        Network written = AfterOk(stored, [&](HWND dialog) { EXPECT_EQ(user::Selection(dialog, kBand), c.shown); });
        EXPECT_EQ(written.band, c.written);
    }
}

TEST_F(ConfigureProfile, SecondAndThirdNamesServeAccessPointsOnCardsThatTakeThree)
{
    auto names23 = [](HWND dialog) {
        return Enabled(dialog, {IDC_CONFIGURE_NAME2_LABEL, IDC_CONFIGURE_NAME3_LABEL, IDC_CONFIGURE_NAME2,
                                IDC_CONFIGURE_NAME3});
    };
    Network written = AfterOk(kHome, [&](HWND dialog) {
        EXPECT_EQ(names23(dialog), "1111");
        EXPECT_EQ(user::Text(dialog, IDC_CONFIGURE_NAME2), "Two");
        user::Retype(dialog, IDC_CONFIGURE_NAME2, "Second");
        user::Retype(dialog, IDC_CONFIGURE_NAME3, "Third");
    });
    EXPECT_EQ(written, (Network{kAccessPoint, "Home", "Second", "Third", 13, 0}));
    // Written to the profile only: the sheet's commit stores it.
    EXPECT_TRUE(FindProfile("Default")->IsModified());

    Network peer{kPeer, "Adhoc", "Two", "Three", 4, 0};
    EXPECT_EQ(AfterOk(peer, [&](HWND dialog) { EXPECT_EQ(names23(dialog), "0000"); }), peer);

    SetCard(kAllBands, 1, "US");
    written = AfterOk(kHome, [&](HWND dialog) {
        EXPECT_EQ(names23(dialog), "0000");
        ChooseNetworkType(dialog, kAccessPoint);
        EXPECT_EQ(names23(dialog), "0000");
    });
    EXPECT_EQ(written, (Network{kAccessPoint, "Home", "", "", 13, 0}));
}

TEST_F(ConfigureProfile, WorldWideDomainsLimitPeerToPeerTo80211b)
{
    for (const char* country : {"WW", "NA", "US"}) {
        SCOPED_TRACE(country);
        bool worldWide = country[0] != 'U';
        SetCard(kAllBands, 3, country);
        Network written = AfterOk({kAccessPoint, "Home", "", "", 13, 3}, [&](HWND dialog) {
            EXPECT_EQ(Enabled(dialog, {kMode, IDC_CONFIGURE_WIRELESS_MODE_LABEL}), "11");
            ChooseNetworkType(dialog, kPeer);
            EXPECT_EQ(user::Selection(dialog, kMode), worldWide ? 0 : 2);
            EXPECT_EQ(user::Selection(dialog, kBand), worldWide ? 0 : 2);
            EXPECT_EQ(Enabled(dialog, {kMode, IDC_CONFIGURE_WIRELESS_MODE_LABEL, kBand}), worldWide ? "000" : "111");
            user::Retype(dialog, kName1, "Adhoc");
        });
        EXPECT_EQ(written, (worldWide ? Network{kPeer, "Adhoc", "", "", 4, 0} : Network{kPeer, "Adhoc", "", "", 13, 3}));

        // Loaded, only the choice is greyed, not its label; a mode no item
        // stands for still shows none.
        AfterOk(written, [&](HWND dialog) {
            EXPECT_EQ(Enabled(dialog, {kMode, IDC_CONFIGURE_WIRELESS_MODE_LABEL}), worldWide ? "01" : "11");
        });
        written.mode = 14;
        AfterOk(written, [&](HWND dialog) { EXPECT_EQ(user::Selection(dialog, kMode), -1); });
    }
}

TEST_F(ConfigureProfile, StartBandIsChosenOnlyForPeerToPeerInAutoMode)
{
    auto band = [](HWND dialog) { return Enabled(dialog, {kBand, IDC_CONFIGURE_START_BAND_LABEL}); };
    const std::pair<Network, const char*> loaded[] = {{{kPeer, "A", "", "", 13, 0}, "11"}, {{kPeer, "A", "", "", 5, 0}, "11"},
                                                      {{kPeer, "A", "", "", 1, 0}, "00"}, {{kAccessPoint, "A", "", "", 13, 0}, "00"}};
    for (const auto& c : loaded)
        AfterOk(c.first, [&](HWND dialog) { EXPECT_EQ(band(dialog), c.second) << testing::PrintToString(c.first); });

    Network written = AfterOk({kPeer, "A", "", "", 13, 3}, [&](HWND dialog) {
        // Each single band leaves only itself to start on.
        const int expected[][2] = {{1, 1}, {3, 2}, {0, 0}, {1, 1}};
        for (const auto& mode : expected) {
            user::ChooseItem(dialog, kMode, mode[0]);
            EXPECT_EQ(user::Selection(dialog, kBand), mode[1]);
            EXPECT_EQ(band(dialog), "00");
            user::ChooseItem(dialog, kMode, 2);
            EXPECT_EQ(user::Selection(dialog, kBand), 0);
            EXPECT_EQ(band(dialog), "11");
            user::ChooseItem(dialog, kMode, mode[0]);
        }
    });
    EXPECT_EQ(written, (Network{kPeer, "A", "", "", 1, 1}));

    AfterOk(kHome, [&](HWND dialog) {
        user::ChooseItem(dialog, kMode, 2);
        EXPECT_EQ(band(dialog), "00");
    });
}

TEST_F(ConfigureProfile, SwitchingNetworkTypeEmptiesTheNamesOncePerVisitToTheCombo)
{
    auto names = [](HWND dialog) {
        return user::Text(dialog, kName1) + "|" + user::Text(dialog, IDC_CONFIGURE_NAME2) + "|" +
               user::Text(dialog, IDC_CONFIGURE_NAME3);
    };
    Network written = AfterOk(kHome, [&](HWND dialog) {
        ChooseNetworkType(dialog, kPeer);
        EXPECT_EQ(names(dialog), "||");
        SetDlgItemTextA(dialog, kName1, "Kept");
        user::ChooseItem(dialog, kType, kAccessPoint);
        EXPECT_EQ(names(dialog), "Kept||");
        user::ChooseItem(dialog, kType, kPeer);
        EXPECT_EQ(names(dialog), "||");
        user::Retype(dialog, kName1, "Typed");
        ChooseNetworkType(dialog, kPeer);
        EXPECT_EQ(names(dialog), "Typed||");
    });
    EXPECT_EQ(written, (Network{kPeer, "Typed", "", "", 13, 0}));
}

TEST_F(ConfigureProfile, PeerToPeerWithoutANameIsRefusedAndAccessPointStoresBlanks)
{
    const Network blank{kPeer, "", "", "", 13, 0};
    CAdapterConfig& profile = Current(blank);
    MessageBoxes boxes;
    boxes.Expect(kNeedsSsid);
    EXPECT_EQ(RunDialog([](HWND dialog) {
                  user::Retype(dialog, kName1, "  ");
                  user::Click(dialog, IDOK);  // refused
                  EXPECT_TRUE(user::HasFocus(dialog, kName1));
                  DWORD start = 0, end = 0;
                  SendDlgItemMessageA(dialog, kName1, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                                      reinterpret_cast<LPARAM>(&end));
                  EXPECT_EQ(start, 0u);
                  EXPECT_EQ(end, 2u);
                  EXPECT_EQ(user::Text(dialog, kName1), "  ");
                  Close(dialog, IDCANCEL);
              }),
              IDCANCEL);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].caption, kTitle);
    EXPECT_EQ(boxes.Shown()[0].type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(NetworkOf(profile), blank);
    EXPECT_FALSE(profile.IsModified());

    Network written = AfterOk({kAccessPoint, "", "", "", 13, 0}, [](HWND dialog) { user::Retype(dialog, kName1, "  "); });
    EXPECT_EQ(written, (Network{kAccessPoint, "  ", "", "", 13, 0}));
}

TEST_F(ConfigureProfile, CancelAndAMissingProfileWriteNothing)
{
    CAdapterConfig& profile = Current(kHome);
    EXPECT_EQ(RunDialog([](HWND dialog) {
                  user::Retype(dialog, kName1, "Changed");
                  user::ChooseItem(dialog, kMode, 1);
                  Close(dialog, IDCANCEL);
              }),
              IDCANCEL);
    EXPECT_EQ(NetworkOf(profile), kHome);
    EXPECT_FALSE(profile.IsModified());

    SetCurrentProfile(nullptr);
    EXPECT_EQ(RunDialog([](HWND dialog) {
                  for (int name : {kName1, IDC_CONFIGURE_NAME2, IDC_CONFIGURE_NAME3})
                      EXPECT_EQ(user::Text(dialog, name), "");
                  EXPECT_EQ(user::SelectedText(dialog, kType), "Peer To Peer");
                  user::Retype(dialog, kName1, "Nowhere");
                  Close(dialog, IDOK);
              }),
              IDOK);
    EXPECT_EQ(NetworkOf(profile), kHome);
    EXPECT_FALSE(profile.IsModified());
}

// --- Who may change a profile --------------------------------------------

// Opens the dialog on the named profile, reports which fields the user may
// change, presses OK and reports the profile then.
ChildScenario configureAsUser("configure_as_user", [](const std::string& name) {
    PrintMessageBoxesInChild();
    CAdapterConfig* profile = FindProfile(name);
    if (!profile)
        return 2;
    SetCurrentProfile(profile);
    std::string enabled;
    INT_PTR result = RunDialog([&](HWND dialog) {
        enabled = Enabled(dialog, {kType, kMode, kBand, kName1, IDC_CONFIGURE_NAME2, IDC_CONFIGURE_NAME3});
        Close(dialog, IDOK);
    });
    std::printf("%s %d %s modified=%d\n", enabled.c_str(), static_cast<int>(result),
                testing::PrintToString(NetworkOf(*profile)).c_str(), profile->IsModified());
    return 0;
});

TEST_F(ConfigureProfile, AdministratorProfilesAreReadOnlyForOtherUsers)
{
    ProfileSettings campus;
    campus.name = "admin_Campus";
    campus.networkName1 = "Campus";
    campus.networkName2 = "Two";
    ASSERT_FALSE(AddStoredProfile(OpenStore().CreateChild(kProvisionedKey), campus).empty());
    const std::string kept = " 1 (1, \"Campus\", \"Two\", \"\", 13, 0) modified=0\n";

    ChildOptions user;
    user.asNonAdministrator = true;
    user.argument = "admin_Campus";
    EXPECT_EQ(RunChild("configure_as_user", user).output, "000000" + kept);
    user.argument = "Default";
    EXPECT_EQ(RunChild("configure_as_user", user).output.substr(0, 6), "110111");
    ChildOptions administrator;
    administrator.argument = "admin_Campus";
    EXPECT_EQ(RunChild("configure_as_user", administrator).output, "110111" + kept);
}

// --- Inside the sheet ----------------------------------------------------

TEST_F(ConfigureProfile, OkPutsTheActiveProfilesChangeIntoEffectAtOnce)
{
    Current(kHome);
    auto applied = [] {
        AppliedProfile applied;
        EXPECT_TRUE(ReadAppliedProfile(OpenStore(), applied));
        return applied.settings;
    };
    CWiFiPropSheet* sheet = new CWiFiPropSheet;
    ModalWindows modal;
    modal.Then([&](HWND window) {
        user::SwitchPage(window, 1);
        // Apply leaves the commit guard set; the dialog's commit runs all the same.
        user::PressApply(window);
        CDlgConfigureProfile dialog;
        EXPECT_EQ(dialog.DoModal(), IDOK);
        CAdapterConfig* profile = GetCurrentProfile();
        EXPECT_EQ(profile, FindProfile("Default"));
        EXPECT_FALSE(profile->IsModified());
        EXPECT_EQ(applied().networkName1, "Upstairs");
        EXPECT_EQ(applied().wirelessMode, 1u);

        // The sheet's own OK commits again.
        profile->SetNetworkName("Later");
        user::PressOk(window);
    }).Then([](HWND dialog) {
        user::Retype(dialog, kName1, "Upstairs");
        user::ChooseItem(dialog, kMode, 1);
        Close(dialog, IDOK);
    });
    sheet->DoModal();
    EXPECT_EQ(applied().networkName1, "Later");
}

}  // namespace
