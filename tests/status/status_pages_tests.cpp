// The Status, Power and About pages in the real sheet, against the real
// library and an isolated store; vyrsim changes the card as a user would
// from a second terminal.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <utility>

#include "driver/card_state.h"
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

void Vyrsim(const std::string& line)
{
    std::istringstream words(line);
    std::vector<std::string> arguments;
    for (std::string word; words >> word;)
        arguments.push_back(word);
    ProgramResult result = RunProgram("vyrsim.exe", arguments);
    EXPECT_EQ(result.exitCode, 0u) << line << ": " << result.errors;
}

std::string Number(HWND page, int id, UINT message)
{
    return std::to_string(SendDlgItemMessageA(page, id, message, 0, 0));
}

std::string StatusView(HWND page)
{
    using user::Text;
    return Text(page, IDC_STATUS_STATE) + " | " + Text(page, IDC_STATUS_CHANNEL) + " | " +
           Text(page, IDC_STATUS_TX_RATE) + "/" + Text(page, IDC_STATUS_RX_RATE) + " | " +
           Text(page, IDC_STATUS_LINK_QUALITY) + " " + Number(page, IDC_STATUS_LINK_QUALITY_BAR, PBM_GETPOS) + " | " +
           Text(page, IDC_STATUS_SIGNAL_STRENGTH) + " " + Number(page, IDC_STATUS_SIGNAL_STRENGTH_BAR, PBM_GETPOS) +
           " | " + Text(page, IDC_STATUS_SECURITY) + " | " + Text(page, IDC_STATUS_RADIO) +
           (user::IsEnabled(page, IDC_STATUS_RADIO) ? "" : " (off)") +
           (user::IsEnabled(page, IDC_STATUS_RESCAN) ? "" : " | no rescan");
}

// The label, both selections and whether a user can change them, and Apply.
std::string PowerView(HWND page)
{
    auto list = [&](int id) { return user::SelectedText(page, id) + (user::IsEnabled(page, id) ? "" : " (off)"); };
    return user::Text(page, IDC_POWER_PROFILE_LABEL) + " | " + list(IDC_POWER_TRANSMIT) + " | " +
           list(IDC_POWER_SAVING) + (user::IsEnabled(GetParent(page), CPropertySheet::kApplyButtonId) ? " | apply" : "");
}

// What a new process reads of the card: the selection's transmit power and
// power saving as stored and in effect, and the radio with its record.
ChildScenario describeCard("describe_card", [](const std::string&) {
    CAdapterConfig* selection = TheAdapter()->GetCurrentConfiguration();
    CardState state = ReadCardState(OpenStore());
    AppliedProfile applied;
    ReadAppliedProfile(OpenStore(), applied);
    std::printf("stored %lu/%lu | in effect %lu/%lu | radio %s, NT 4.0 record %s", selection->GetTransmitPower(),
                selection->GetPowerSaving(), applied.settings.transmitPower, applied.settings.powerSaving,
                state.radioOn ? "on" : "off", state.radioSwitchedOff ? "off" : "on");
    return 0;
});

std::string StoredCard()
{
    return RunChild("describe_card").output;
}

std::string Claim()
{
    return AnotherProcessCouldClaim() ? "claim free" : "claim held";
}

// In a child: message boxes and the end of the process are printed where
// they happen; the process goes on, so that later ticks can be seen.
void PrintBoxesAndExits(std::function<void()> duringFirstBox = nullptr)
{
    static std::function<void()> during;
    during = std::move(duringFirstBox);
    SetMessageBoxHook([](HWND, const std::string& text, const std::string&, UINT) {
        std::printf("box: %s | ", text.c_str());
        if (auto once = std::exchange(during, nullptr))
            once();
        return IDOK;
    });
    SetExitHook([](UINT code) { std::printf("exit %u | ", code); });
}

void SetZeroConfig(int answer)
{
    SimulatedCard card = ReadSimulatedCard(OpenStore());
    card.zeroConfig = answer;
    WriteSimulatedCard(OpenStore(), card);
}

// Rows: "radio" and "rescan" click the button, "tick" ticks.
ChildScenario clickButtons("click_buttons", [](const std::string& rows) {
    RunMainSheet(kStatusPage, [&](CWiFiPropSheet&, HWND window) {
        HWND page = user::CurrentPage(window);
        PrintEachRow(rows, [&](const std::string& row) {
            if (row == "tick")
                Tick(page);
            else
                user::Click(page, row == "radio" ? IDC_STATUS_RADIO : IDC_STATUS_RESCAN);
            return row + ": " + user::Text(page, IDC_STATUS_STATE) + " | " + user::Text(page, IDC_STATUS_RADIO) +
                   (user::IsEnabled(page, IDC_STATUS_RESCAN) ? "" : " | no rescan") + " || " + StoredCard();
        });
        user::PressCancel(window);
    });
    return 0;
});

// Rows: "warning" raises the security-warning flag and takes the card out,
// "lowered" lowers it, "tick" only ticks; every row ticks once more inside
// the first message box.
ChildScenario loseCard("lose_card", [](const std::string& rows) {
    HWND page = nullptr;
    PrintBoxesAndExits([&] { Tick(page); });
    RunMainSheet(kStatusPage, [&](CWiFiPropSheet&, HWND window) {
        page = user::CurrentPage(window);
        PrintEachRow(rows, [&](const std::string& row) {
            if (row == "warning") {
                SetSecurityWarning(TRUE);
                SimulatedCard card = ReadSimulatedCard(OpenStore());
                card.present = false;
                WriteSimulatedCard(OpenStore(), card);
            }
            if (row == "lowered")
                SetSecurityWarning(FALSE);
            Tick(page);
            return row + ": " + StatusView(page) + " | " + Claim();
        });
        user::PressCancel(window);
    });
    return 0;
});

// Rows: the Wireless Zero Configuration answer before a tick; "alone" ticks
// a Status page in a sheet of the framework's own.
ChildScenario followZeroConfig("follow_zero_config", [](const std::string& rows) {
    PrintBoxesAndExits();
    RunMainSheet(kStatusPage, [&](CWiFiPropSheet&, HWND window) {
        PrintEachRow(rows.substr(0, rows.rfind(";alone")), [&](const std::string& row) {
            SetZeroConfig(std::stoi(row));
            Tick(user::CurrentPage(window));
            return row + ": " + user::Tabs(window) + " | warning " + std::to_string(IsSecurityWarningRaised()) +
                   " | " + Claim();
        });
        user::PressCancel(window);
    });
    SetZeroConfig(0);
    CPropertySheet sheet(IDS_SHEET_CAPTION);
    CPageStatus status;
    sheet.AddPage(&status);
    ModalWindows modal;
    modal.Then([](HWND window) {
        std::printf("alone: ");
        Tick(user::CurrentPage(window));
        std::printf("%s\n", user::Tabs(window).c_str());
        user::PressCancel(window);
    });
    sheet.DoModal();
    return 0;
});

// Rows: profile names, each chosen on the Configuration page before the
// Power page is shown again.
ChildScenario powerForUser("power_for_user", [](const std::string& rows) {
    RunMainSheet(kPowerPage, [&](CWiFiPropSheet&, HWND window) {
        PrintEachRow(rows, [&](const std::string& row) {
            user::SwitchPage(window, kConfigPage);
            HWND config = user::CurrentPage(window);
            user::ChooseRow(config, IDC_CONFIG_PROFILE_LIST, user::RowOf(config, IDC_CONFIG_PROFILE_LIST, row));
            user::SwitchPage(window, kPowerPage);
            return PowerView(user::CurrentPage(window));
        });
        user::PressCancel(window);
    });
    return 0;
});

class StatusPages : public testing::Test {
protected:
    // The library's status as a process opening the applet on this store
    // reads it.
    void SetUp() override { CVeltoDriverStatus::GetInstance()->Refresh(); }

    IsolatedStore store_;
};

TEST_F(StatusPages, TheStatusPageShowsEachReadingInItsFormat)
{
    const struct {
        const char* vyrsim;
        const char* view;
    } rows[] = {
        {"link --state 3 --name Office --channel 11 --band 2 --tx 54 --rx 5 --quality -3 --signal 5 --encryption 3",
         "Associated  Office | 11  G | 54/ 5 | Weak ( 0%) 0 | Weak ( 5%) 5 | AES | Disable Radio"},
        {"link --quality 19 --signal -3 --band 9 --encryption 9",
         "Associated  Office | 11  ? | 54/ 5 | Weak (19%) 19 | Weak (-3%) 0 | Unknown | Disable Radio"},
        {"link --quality 20 --signal 39 --band 0 --encryption 1",
         "Associated  Office | 11  A | 54/ 5 | Good (20%) 20 | Good (39%) 39 | WEP | Disable Radio"},
        {"link --quality 39 --signal 40 --band 1 --encryption 4",
         "Associated  Office | 11  B | 54/ 5 | Good (39%) 39 | Excellent (40%) 40 | CKIP | Disable Radio"},
        {"link --quality 100 --signal 100 --encryption 5",
         "Associated  Office | 11  B | 54/ 5 | Excellent (100%) 100 | Excellent (100%) 100 | TKIP | Disable Radio"},
        {"link --state 1 --join-final 0 --encryption 2",
         "Joined  Office | Scanning | 54/ 5 | Excellent (100%) 100 | Excellent (100%) 100 | AES | Disable Radio"},
        {"link --join-final 1 --encryption 0",
         "Joined | 11  B | 54/ 5 | Excellent (100%) 100 | Excellent (100%) 100 | None | Disable Radio"},
        {"link --state 2", "Authenticated  Office | Scanning | 54/ 5 | Excellent (100%) 100 | Excellent (100%) 100 | None | Disable Radio"},
        {"link --state 7", "  Office | Scanning | 54/ 5 | Excellent (100%) 100 | Excellent (100%) 100 | None | Disable Radio"},
        {"link --state 0", "Not Joined  Office | Scanning | 54/ 5 | Excellent (100%) 100 | Excellent (100%) 100 | None | Disable Radio"},
        {"link --state 4", "Unknown  Office | Scanning | 54/ 5 | Excellent (100%) 100 | Excellent (100%) 100 | None | Disable Radio"},
        {"radio off", "Unknown |  | / |  0 |  0 |  | Enable Radio | no rescan"},
    };
    RunMainSheet(kStatusPage, [&](CWiFiPropSheet&, HWND window) {
        HWND page = user::CurrentPage(window);
        for (const auto& row : rows) {
            Vyrsim(row.vyrsim);
            Tick(page);
            EXPECT_EQ(StatusView(page), row.view) << row.vyrsim;
        }
        user::PressCancel(window);
    });
}

TEST_F(StatusPages, TheTimerTicksWhileAnotherPageIsShown)
{
    RunMainSheet(kAboutPage, [&](CWiFiPropSheet&, HWND window) {
        user::SwitchPage(window, kStatusPage);
        user::SwitchPage(window, kAboutPage);
        Vyrsim("link --state 3 --name Harbour");
        for (DWORD start = GetTickCount(); GetTickCount() - start < 3500;) {
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&message);
            Sleep(20);
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
    const std::vector<std::string> rows = {"radio", "radio", "tick", "tick", "rescan"};
    const std::string on = " | Disable Radio || stored 0/0 | in effect 0/0 | radio on, NT 4.0 record on\n";
    for (const char* version : {"nt40", "winxp"}) {
        std::string record = std::string(version) == "nt40" ? "off" : "on";
        EXPECT_EQ(Outcome(RunChildForRows("click_buttons", rows, UnderVersion(version))),
                  "exit 0 | radio: Unknown | Enable Radio | no rescan || stored 0/0 | in effect 0/0 | radio off, "
                  "NT 4.0 record " + record + "\nradio: Not Joined  " + on + "tick: Authenticated  VyrLink" + on +
                      "tick: Associated  VyrLink" + on + "rescan: Not Joined  " + on)
            << version;
    }
}

TEST_F(StatusPages, ALostCardEndsTheAppletWithOneMessageUnlessASecurityWarningIsUp)
{
    const std::vector<std::string> rows = {"warning", "lowered", "tick"};
    const std::string gone = "Unknown |  | / |  0 |  0 |  | Disable Radio (off) | no rescan | ";
    for (const char* version : {"winxp", "win2k"}) {
        store_.SetSimulation("Present", 1);
        std::string claim = std::string(version) == "winxp" ? "claim held" : "claim free";
        EXPECT_EQ(Outcome(RunChildForRows("lose_card", rows, UnderVersion(version))),
                  "exit 0 | warning: " + gone + claim + "\n" +
                      "box: The Driver Is Not Installed or the Card is disabled.  | exit 0 | lowered: " + gone +
                      "claim free\ntick: " + gone + "claim free\n")
            << version;
    }
}

TEST_F(StatusPages, OnWindowsXPThePagesFollowTheZeroConfigService)
{
    const std::vector<std::string> rows = {"1", "0", "1", "-1", "alone"};
    const std::string five = "Status Configuration Security Power About", three = "Status Power About";
    EXPECT_EQ(Outcome(RunChildForRows("follow_zero_config", rows, UnderVersion("winxp"))),
              "exit 0 | 1: " + three + " | warning 0 | claim held\n0: " + five + " | warning 0 | claim held\n1: " +
                  three + " | warning 0 | claim held\n"
                  "box: Permissions are not correctly set for this user.Please login as Administrator before logging "
                  "in as this user. | exit 0 | -1: " + three + " | warning 1 | claim free\n"
                  "alone: box: Property Sheet Error | Status\n");
    store_.SetSimulation("WirelessZeroConfig", 0);
    EXPECT_EQ(Outcome(RunChildForRows("follow_zero_config", rows, UnderVersion("win2k"))),
              "exit 0 | 1: " + five + " | warning 0 | claim free\n0: " + five + " | warning 0 | claim free\n1: " +
                  five + " | warning 0 | claim free\n-1: " + five + " | warning 0 | claim free\nalone: Status\n");
}

TEST_F(StatusPages, OkAndApplyCommitThroughTheConfigurationPageInUse)
{
    // The page the sheet opens on, then steps: "tx=N" changes the current
    // profile without storing it (on the Power page: chooses item N, as
    // does "saving=N"), "five" brings all five pages back and shows the
    // Power page again, "apply", "ok".
    const struct {
        int zeroConfig;
        const char* steps;
        const char* stored;
    } rows[] = {
        {0, "0 tx=2 ok", "stored 2/0 | in effect 2/0"},
        {0, "4 tx=3 ok", "stored 3/0 | in effect 3/0"},
        {1, "0 tx=4 ok", "stored 4/0 | in effect 4/0"},
        {1, "2 tx=1 ok", "stored 1/0 | in effect 1/0"},
        {1, "1 saving=2 ok", "stored 0/1 | in effect 0/1"},
        {1, "1 five saving=1 ok", "stored 0/2 | in effect 0/2"},
        {0, "3 apply tx=4 apply ok", "stored 4/0 | in effect 4/0"},
    };
    for (const auto& row : rows) {
        IsolatedStore store(row.steps);
        store.SetSimulation("WirelessZeroConfig", row.zeroConfig);
        std::istringstream steps(row.steps);
        int startPage = 0;
        steps >> startPage;
        RunMainSheet(startPage, [&](CWiFiPropSheet& sheet, HWND window) {
            for (std::string step; steps >> step;) {
                HWND page = user::CurrentPage(window);
                int value = step.find('=') == std::string::npos ? 0 : std::stoi(step.substr(step.find('=') + 1));
                if (step == "five") {
                    sheet.SetWirelessZeroConfigMode(FALSE);
                    user::SwitchPage(window, kPowerPage);
                }
                else if (step == "apply" || step == "ok")
                    step == "ok" ? user::PressOk(window) : user::PressApply(window);
                else if (GetDlgItem(page, IDC_POWER_TRANSMIT))
                    user::ChooseItem(page, step[0] == 't' ? IDC_POWER_TRANSMIT : IDC_POWER_SAVING, value);
                else
                    GetCurrentProfile()->SetTransmitPower(value);
            }
        });
        EXPECT_EQ(StoredCard(), row.stored + std::string(" | radio on, NT 4.0 record on")) << row.steps;
    }
}

TEST_F(StatusPages, ThePowerPageShowsAndStoresBothListsByTheirTables)
{
    const struct {
        const char* name;
        DWORD transmit, saving;
        int chooseTransmit, chooseSaving;
        const char* shown;
        const char* chosen;
        const char* stored;
    } rows[] = {
        {"Default", 0, 2, -1, 2, "Default | Full Power | Normal", "Default | Full Power | Maximum | apply",
         "stored 0/1"},
        {"Twenty-characters-ok", 4, 3, -1, -1, "Twenty-characters-ok | Lowest Power | Off",
         "Twenty-characters-ok | Lowest Power | Off", "stored 4/0"},
        {"Twenty-one-characters", 2, 1, 3, -1, "Twenty-one-character... | 25% Power | Maximum",
         "Twenty-one-character... | 12% Power | Maximum | apply", "stored 3/1"},
        {"Default", 1, 0, -1, 1, "Default | 50% Power | Off", "Default | 50% Power | Normal | apply", "stored 1/2"},
    };
    const std::string label = "Currently Selected Profile:  ";
    for (const auto& row : rows) {
        CDriverAdapter* adapter = TheAdapter();
        CAdapterConfig* profile = FindProfile(row.name) ? FindProfile(row.name) : adapter->AddConfiguration(row.name);
        profile->SetTransmitPower(row.transmit);
        profile->SetPowerSaving(row.saving);
        ASSERT_TRUE(profile->Save() && adapter->SetCurrentConfiguration(profile));
        std::string views;
        RunMainSheet(kPowerPage, [&](CWiFiPropSheet&, HWND window) {
            HWND page = user::CurrentPage(window);
            views = PowerView(page);
            if (row.chooseTransmit >= 0)
                user::ChooseItem(page, IDC_POWER_TRANSMIT, row.chooseTransmit);
            if (row.chooseSaving >= 0)
                user::ChooseItem(page, IDC_POWER_SAVING, row.chooseSaving);
            views += " => " + PowerView(page);
            user::SwitchPage(window, kStatusPage);
            user::PressCancel(window);
        });
        EXPECT_EQ(views, label + row.shown + " => " + label + row.chosen);
        EXPECT_EQ(StoredCard().substr(0, 10), row.stored) << row.name;
    }
}

TEST_F(StatusPages, UsersWhoAreNotAdministratorsCannotChangeAnAdminProfilesPower)
{
    store_.StoreProfiles({"admin_lab", "Office"});
    const std::vector<std::string> rows = {"Office", "admin_lab"};
    const std::string label = "Currently Selected Profile:  ";
    EXPECT_EQ(Outcome(RunChildForRows("power_for_user", rows, UnderVersion("", "", true))),
              "exit 0 | " + label + "Office | Full Power | Off\n" + label + "admin_lab | Full Power (off) | Off (off)\n");
    EXPECT_EQ(Outcome(RunChildForRows("power_for_user", rows)),
              "exit 0 | " + label + "Office | Full Power | Off\n" + label + "admin_lab | Full Power | Off\n");
}

TEST_F(StatusPages, TheAboutPageShowsVersionsAddressAndDomain)
{
    for (const char* country : {"US", "NA"}) {
        Vyrsim(std::string("caps --country ") + country);
        CVeltoDriverStatus::GetInstance()->Refresh();
        std::string lines;
        RunMainSheet(kAboutPage, [&](CWiFiPropSheet&, HWND window) {
            for (int id : {IDC_ABOUT_DRIVER_VERSION, IDC_ABOUT_UTILITY_VERSION, IDC_ABOUT_MAC_ADDRESS,
                           IDC_ABOUT_REGULATORY_DOMAIN})
                lines += user::Text(user::CurrentPage(window), id) + "\n";
            user::PressCancel(window);
        });
        EXPECT_EQ(lines, "Network Driver Version       : 5.0.2.17\nConfiguration Utility Version : 5.0\n"
                         "MAC Address                      : 00:0B:6B:3C:5A:91\nRegulatory Domain              : " +
                             std::string(country == std::string("US") ? "US" : "WW") + "\n");
    }
}

}  // namespace
