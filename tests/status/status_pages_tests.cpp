// The Status, Power and About pages in the real sheet, against the real library and an isolated store; vyrsim changes
// the card as a user would from a second terminal.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <utility>

#include "driver/card_state.h"
#include "driver/driver_support.h"
#include "driver/store.h"
#include "framework/seams.h"
#include "profiles/current_profile.h"
#include "res/resource.h"
#include "shell/shared_flags.h"
#include "status/page_status.h"
#include "support/adapter_profiles.h"
#include "support/child.h"
#include "support/claim_holder.h"
#include "support/isolated_store.h"
#include "support/main_sheet.h"

namespace {

enum { kStatusPage = 0, kConfigPage = 1, kPowerPage = 3, kAboutPage = 4 };
const std::string kLabel = "Currently Selected Profile:  ";

// The link as the page shows it, then the radio button and Rescan.
std::string StatusView(HWND page)
{
    using user::Text;
    auto Bar = [](HWND page, int id) { return std::to_string(SendDlgItemMessageA(page, id, PBM_GETPOS, 0, 0)); };
    return Text(page, IDC_STATUS_STATE) + " | " + Text(page, IDC_STATUS_CHANNEL) + " | " +
           Text(page, IDC_STATUS_TX_RATE) + "/" + Text(page, IDC_STATUS_RX_RATE) + " | " +
           Text(page, IDC_STATUS_LINK_QUALITY) + " " + Bar(page, IDC_STATUS_LINK_QUALITY_BAR) + " | " +
           Text(page, IDC_STATUS_SIGNAL_STRENGTH) + " " + Bar(page, IDC_STATUS_SIGNAL_STRENGTH_BAR) + " | " +
           Text(page, IDC_STATUS_SECURITY) + " | " + Text(page, IDC_STATUS_RADIO) +
           (user::IsEnabled(page, IDC_STATUS_RADIO) ? "" : " (off)") +
           (user::IsEnabled(page, IDC_STATUS_RESCAN) ? "" : " | no rescan");
}

// The label, both selections and whether a user can change them, and Apply.
std::string PowerView(HWND page)
{
    auto list = [&](int id) { return user::SelectedText(page, id) + (user::IsEnabled(page, id) ? "" : " (off)"); };
    return user::Text(page, IDC_POWER_PROFILE_LABEL).substr(kLabel.size()) + " | " + list(IDC_POWER_TRANSMIT) +
           " | " + list(IDC_POWER_SAVING) +
           (user::IsEnabled(GetParent(page), CPropertySheet::kApplyButtonId) ? " | apply" : "");
}

// What a new process reads of the card: the selection's transmit power and
// power saving as stored and in effect, and the radio with its record.
ChildScenario describeCard("describe_card", [](const std::string&) {
    CAdapterConfig* selection = TheAdapter() ? TheAdapter()->GetCurrentConfiguration() : nullptr;
    CardState state = ReadCardState(OpenStore());
    AppliedProfile applied;
    ReadAppliedProfile(OpenStore(), applied);
    if (selection)
        std::printf("stored %lu/%lu | ", selection->GetTransmitPower(), selection->GetPowerSaving());
    std::printf("in effect %lu/%lu | radio %s, NT 4.0 record %s", applied.settings.transmitPower,
                applied.settings.powerSaving, state.radioOn ? "on" : "off", state.radioSwitchedOff ? "off" : "on");
    return 0;
});

std::string StoredCard() { return RunChild("describe_card").output; }

// IsolatedStore::SetSimulation for a child, which finds the store through its environment.
void SetSimulated(const char* name, int value) { OpenStore().CreateChild(kSimulationKey).WriteDword(name, value); }

// In a child, the applet opened on the Status page, and a table whose first row names what each row then prints:
// "link" (the page and the card as a new process reads it), "tabs" (the pages, the security-warning flag, the claim).
// A row's words act in turn: "radio" and "rescan" click, "tick", "warning" and "lowered" the security-warning flag,
// "absent" takes the card out, "zc=N" sets the Wireless Zero Configuration answer, "power=NAME" chooses NAME's row on
// the Configuration page and prints the Power page. Message boxes (the first one ticks once more) and process ends
// are printed where they happen, and the process goes on.
ChildScenario play("play", [](const std::string& rows) {
    static HWND page;
    static bool ticked = false;
    SetMessageBoxHook([](HWND, const std::string& text, const std::string&, UINT) {
        std::printf("box: %s | ", text.c_str());
        if (!std::exchange(ticked, true))
            Tick(page);
        return IDOK;
    });
    SetExitHook([](UINT code) { std::printf("exit %u | ", code); });
    std::string shows = rows.substr(0, rows.find(';'));
    RunMainSheet(kStatusPage, [&](CWiFiPropSheet&, HWND window) {
        page = user::CurrentPage(window);
        PrintEachRow(rows.substr(shows.size() + 1), [&](const std::string& row) {
            std::istringstream words(row);
            for (std::string word; words >> word;) {
                if (word == "radio" || word == "rescan")
                    user::Click(page, word == "radio" ? IDC_STATUS_RADIO : IDC_STATUS_RESCAN);
                if (word == "tick")
                    Tick(page);
                if (word == "warning" || word == "lowered")
                    SetSecurityWarning(word == "warning");
                if (word == "absent")
                    SetSimulated("Present", 0);
                if (word.compare(0, 3, "zc=") == 0)
                    SetSimulated("WirelessZeroConfig", std::stoi(word.substr(3)));
                if (word.compare(0, 6, "power=") == 0) {
                    user::SwitchPage(window, kConfigPage);
                    HWND list = user::CurrentPage(window);
                    user::ChooseRow(list, IDC_CONFIG_PROFILE_LIST,
                                    user::RowOf(list, IDC_CONFIG_PROFILE_LIST, word.substr(6)));
                    user::SwitchPage(window, kPowerPage);
                    return PowerView(user::CurrentPage(window));
                }
            }
            std::string claim = AnotherProcessCouldClaim() ? "claim free" : "claim held";
            if (shows == "tabs")
                return user::Tabs(window) + " | warning " + std::to_string(IsSecurityWarningRaised()) + " | " + claim;
            return StatusView(page) + " | " + claim + " || " + StoredCard();
        });
        user::PressCancel(window);
    });
    // A Status page in a sheet of the framework's own, on a card that works.
    SetSimulated("WirelessZeroConfig", 0);
    SetSimulated("Present", 1);
    CVeltoDriverStatus::GetInstance()->Refresh();
    CPropertySheet sheet(IDS_SHEET_CAPTION);
    CPageStatus status;
    sheet.AddPage(&status);
    ModalWindows modal;
    modal.Then([](HWND alone) {
        std::printf("alone: ");
        Tick(user::CurrentPage(alone));
        std::printf("%s\n", user::Tabs(alone).c_str());
        user::PressCancel(alone);
    });
    sheet.DoModal();
    return 0;
});

class StatusPages : public StoreTest {
protected:
    // The library's status as a process opening the applet on this store reads it.
    void SetUp() override { CVeltoDriverStatus::GetInstance()->Refresh(); }

    std::string Play(const char* version, const std::vector<std::string>& rows, bool administrator = true)
    {
        store_.SetSimulation("Present", 1);
        store_.SetSimulation("WirelessZeroConfig", 0);
        return Outcome(RunChildForRows("play", rows, UnderVersion(version, "", !administrator)));
    }
};

TEST_F(StatusPages, TheStatusPageShowsEachReadingInItsFormat)
{
    // After the sixth row the rates, the readings and the encryption stay.
    const std::string office = "  Office | Scanning";
    const std::string rest = " | 54/ 5 | Excellent (50%) 50 | Excellent (60%) 60 | None";
    const std::pair<std::string, std::string> rows[] = {
        {"link --state 3 --name Office --channel 11 --band 2 --tx 54 --rx 5 --quality -3 --signal 5 --encryption 3",
         "Associated  Office | 11  G | 54/ 5 | Weak ( 0%) 0 | Weak ( 5%) 5 | AES"},
        {"link --quality 19 --signal -3 --band 9 --encryption 9",
         "Associated  Office | 11  ? | 54/ 5 | Weak (19%) 19 | Weak (-3%) 0 | Unknown"},
        {"link --quality 20 --signal 39 --band 0 --encryption 1",
         "Associated  Office | 11  A | 54/ 5 | Good (20%) 20 | Good (39%) 39 | WEP"},
        {"link --quality 39 --signal 40 --band 1 --encryption 4",
         "Associated  Office | 11  B | 54/ 5 | Good (39%) 39 | Excellent (40%) 40 | CKIP"},
        {"link --quality 100 --signal 100 --encryption 5",
         "Associated  Office | 11  B | 54/ 5 | Excellent (100%) 100 | Excellent (100%) 100 | TKIP"},
        {"link --quality 50 --signal 60 --state 1 --join-final 0 --encryption 2",
         "Joined" + office + rest.substr(0, rest.size() - 4) + "AES"},
        {"link --join-final 1 --encryption 0", "Joined | 11  B" + rest}, {"link --state 7", office + rest},
        {"link --state 4", "Unknown" + office + rest}, {"radio off", "Unknown |  | / |  0 |  0 | "},
    };
    RunMainSheet(kStatusPage, [&](CWiFiPropSheet&, HWND window) {
        HWND page = user::CurrentPage(window);
        for (const auto& [vyrsim, view] : rows) {
            VyrsimOutput(vyrsim);
            Tick(page);
            std::string shown = StatusView(page);
            EXPECT_EQ(shown.substr(0, shown.rfind(" | ", shown.find("Radio"))), view) << vyrsim;
        }
        user::PressCancel(window);
    });
}

TEST_F(StatusPages, TheTimerTicksWhileAnotherPageIsShown)
{
    RunMainSheet(kAboutPage, [&](CWiFiPropSheet&, HWND window) {
        user::SwitchPage(window, kStatusPage);
        user::SwitchPage(window, kAboutPage);
        VyrsimOutput("link --state 3 --name Harbour");
        for (DWORD start = GetTickCount(); GetTickCount() - start < 3500; Sleep(20)) {
            for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);)
                DispatchMessageA(&message);
        }
        user::SwitchPage(window, kStatusPage);
        EXPECT_EQ(user::Text(user::CurrentPage(window), IDC_STATUS_STATE), "Associated  Harbour");
        user::PressCancel(window);
    });
}

TEST_F(StatusPages, TheRadioButtonSwitchesTheCardAndOnlyWindowsNT4KeepsARecord)
{
    // The radio comes back searching, with no network yet; two ticks take the
    // link to its network and Rescan starts the search again.
    VyrsimOutput("link --tx 54 --rx 48 --quality 40 --signal 39");
    for (const char* version : {"nt40", "winxp"}) {
        bool nt4 = version[0] == 'n';
        std::string card = (nt4 ? "claim free" : "claim held") + std::string(" || stored 0/0 | in effect 0/0 | radio ");
        std::string on = " | 54/48 | Excellent (40%) 40 | Good (39%) 39 | None | Disable Radio | " + card +
                         "on, NT 4.0 record on\n";
        std::string searching = "Not Joined   | Scanning" + on;
        EXPECT_EQ(Play(version, {"link", "radio", "radio", "tick", "tick", "rescan"}),
                  "exit 0 | Unknown |  | / |  0 |  0 |  | Enable Radio | no rescan | " + card + "off, NT 4.0 record " +
                      (nt4 ? "off\n" : "on\n") + searching + "Authenticated  VyrLink | Scanning" + on +
                      "Associated  VyrLink | 6  G" + on + searching + "alone: " +
                      (nt4 ? "" : "box: Property Sheet Error | ") + "Status\n")
            << version;
    }
}

TEST_F(StatusPages, ALostCardEndsTheAppletWithOneMessageUnlessASecurityWarningIsUp)
{
    const std::string gone = "Unknown |  | / |  0 |  0 |  | Disable Radio (off) | no rescan | ";
    for (const char* version : {"winxp", "win2k"}) {
        bool xp = version == std::string("winxp");
        std::string stored = " || in effect 0/0 | radio on, NT 4.0 record on\n";
        EXPECT_EQ(Play(version, {"link", "warning absent tick", "lowered tick", "tick"}),
                  "exit 0 | " + gone + (xp ? "claim held" : "claim free") + stored +
                      "box: The Driver Is Not Installed or the Card is disabled.  | exit 0 | " + gone + "claim free" +
                      stored + gone + "claim free" + stored + "alone: " + (xp ? "box: Property Sheet Error | " : "") +
                      "Status\n")
            << version;
    }
}

TEST_F(StatusPages, OnWindowsXPThePagesFollowTheZeroConfigService)
{
    const std::vector<std::string> rows = {"tabs", "zc=1 tick", "zc=0 tick", "zc=1 tick", "zc=-1 tick"};
    const std::string five = "Status Configuration Security Power About", three = "Status Power About";
    EXPECT_EQ(Play("winxp", rows), "exit 0 | " + three + " | warning 0 | claim held\n" + five +
                                       " | warning 0 | claim held\n" + three + " | warning 0 | claim held\n"
                                       "box: Permissions are not correctly set for this user.Please login as "
                                       "Administrator before logging in as this user. | exit 0 | " +
                                       three + " | warning 1 | claim free\n" +
                                       "alone: box: Property Sheet Error | Status\n");
    std::string unchanged = five + " | warning 0 | claim free\n";
    EXPECT_EQ(Play("win2k", rows), "exit 0 | " + unchanged + unchanged + unchanged + unchanged + "alone: Status\n");
}

TEST_F(StatusPages, ThePowerPageAndOkAndApplyStoreAndCommitThroughTheConfigurationPageInUse)
{
    // The current profile ("NAME:transmit/saving" as stored first, "-": Default as it is), the Wireless Zero
    // Configuration answer, the page the sheet opens on, then steps: "tx=N" changes the current profile without
    // storing it (on the Power page: chooses item N, as does "saving=N"), "view" shows the Power page, "leave" leaves
    // it, "five" brings all five pages back and shows the Power page again, "apply", "ok", "cancel".
    const std::pair<const char*, const char*> rows[] = {
        {"- 0 0 tx=2 ok", "2/0 | in effect 2/0"}, {"- 0 4 tx=3 ok", "3/0 | in effect 3/0"},
        {"- 1 0 tx=4 ok", "4/0 | in effect 4/0"}, {"- 1 2 tx=1 ok", "1/0 | in effect 1/0"},
        {"- 1 1 saving=2 view ok", "Default | Full Power | Maximum | apply; 0/1 | in effect 0/1"},
        {"- 1 1 five saving=1 ok", "0/2 | in effect 0/2"}, {"- 0 3 apply tx=4 apply ok", "4/0 | in effect 4/0"},
        {"Default:0/2 0 3 view saving=2 view leave cancel",
         "Default | Full Power | Normal; Default | Full Power | Maximum | apply; 0/1 | in effect 0/0"},
        {"Twenty-characters-ok:4/3 0 3 view leave cancel",
         "Twenty-characters-ok | Lowest Power | Off; 4/0 | in effect 0/0"},
        {"Twenty-one-characters:2/1 0 3 view tx=3 leave cancel",
         "Twenty-one-character... | 25% Power | Maximum; 3/1 | in effect 0/0"},
        {"Default:1/0 0 3 view saving=1 leave cancel", "Default | 50% Power | Off; 1/2 | in effect 0/0"},
    };
    for (const auto& [script, expected] : rows) {
        IsolatedStore store(script);
        std::istringstream steps(script);
        std::string profile, views;
        int zeroConfig = 0, startPage = 0;
        steps >> profile >> zeroConfig >> startPage;
        store.SetSimulation("WirelessZeroConfig", zeroConfig);
        if (profile != "-") {
            std::string name = profile.substr(0, profile.find(':'));
            CAdapterConfig* chosen = FindProfile(name) ? FindProfile(name) : TheAdapter()->AddConfiguration(name);
            ASSERT_TRUE(chosen->SetTransmitPower(profile[name.size() + 1] - '0') &&
                        chosen->SetPowerSaving(profile[name.size() + 3] - '0') && chosen->Save() &&
                        TheAdapter()->SetCurrentConfiguration(chosen));
        }
        RunMainSheet(startPage, [&](CWiFiPropSheet& sheet, HWND window) {
            for (std::string step; steps >> step;) {
                HWND page = user::CurrentPage(window);
                int value = step.find('=') == std::string::npos ? 0 : std::stoi(step.substr(step.find('=') + 1));
                if (step == "five") {
                    sheet.SetWirelessZeroConfigMode(FALSE);
                    user::SwitchPage(window, kPowerPage);
                } else if (step == "view" || step == "leave") {
                    step == "view" ? void(views += PowerView(page) + "; ") : user::SwitchPage(window, kStatusPage);
                } else if (step == "apply" || step == "ok" || step == "cancel") {
                    step == "ok" ? user::PressOk(window)
                                 : step == "apply" ? user::PressApply(window) : user::PressCancel(window);
                } else if (GetDlgItem(page, IDC_POWER_TRANSMIT)) {
                    user::ChooseItem(page, step[0] == 't' ? IDC_POWER_TRANSMIT : IDC_POWER_SAVING, value);
                } else {
                    GetCurrentProfile()->SetTransmitPower(value);
                }
            }
        });
        EXPECT_EQ(views + StoredCard().substr(7), std::string(expected) + " | radio on, NT 4.0 record on") << script;
    }
}

TEST_F(StatusPages, UsersWhoAreNotAdministratorsCannotChangeAnAdminProfilesPower)
{
    // Office's stored power saving 3 shows Off over admin_lab's Normal.
    store_.StoreProfiles({"admin_lab", "Office"});
    for (const auto& [name, saving] : {std::pair<const char*, DWORD>{"admin_lab", 2}, {"Office", 3}})
        ASSERT_TRUE(FindProfile(name)->SetPowerSaving(saving) && FindProfile(name)->Save());
    const std::vector<std::string> rows = {"link", "power=admin_lab", "power=Office"};
    const std::string office = "Office | Full Power | Off\nalone: box: Property Sheet Error | Status\n";
    EXPECT_EQ(Play("winxp", rows, false), "exit 0 | admin_lab | Full Power (off) | Normal (off)\n" + office);
    EXPECT_EQ(Play("winxp", rows), "exit 0 | admin_lab | Full Power | Normal\n" + office);
}

TEST_F(StatusPages, TheAboutPageShowsVersionsAddressAndDomainAndTheStatusPageReadsWpaSupport)
{
    for (const char* caps : {"--country US --wpa off", "--country NA --wpa on"}) {
        VyrsimOutput(std::string("caps ") + caps);
        CVeltoDriverStatus::GetInstance()->Refresh();
        std::string lines;
        RunMainSheet(kAboutPage, [&](CWiFiPropSheet&, HWND window) {
            for (int id : {IDC_ABOUT_DRIVER_VERSION, IDC_ABOUT_UTILITY_VERSION, IDC_ABOUT_MAC_ADDRESS,
                           IDC_ABOUT_REGULATORY_DOMAIN})
                lines += user::Text(user::CurrentPage(window), id) + "\n";
            user::SwitchPage(window, kStatusPage);
            lines += "WPA support " + std::to_string(GetWpaSupportFlag());
            user::PressCancel(window);
        });
        bool us = caps[10] == 'U';
        EXPECT_EQ(lines, "Network Driver Version       : 5.0.2.17\nConfiguration Utility Version : 5.0\n"
                         "MAC Address                      : 00:0B:6B:3C:5A:91\nRegulatory Domain              : " +
                             std::string(us ? "US\nWPA support 0" : "WW\nWPA support 1"));
    }
}

}  // namespace
