// The main property sheet, built in this process as the applet builds it.
// The test prefix reports Windows XP.
#include <windows.h>
#include <gtest/gtest.h>

#include <tuple>

#include "profiles/current_profile.h"
#include "shell/wifi_prop_sheet.h"
#include "support/adapter_profiles.h"
#include "support/applet_entry.h"
#include "support/claim_holder.h"
#include "support/expectations.h"
#include "support/isolated_store.h"
#include "support/user.h"
#include "support/window_watcher.h"

namespace {

const char kTitle[] = "Vyr 11a/b/g Wireless LAN Mini PCI Adapter Configuration";
const char kOtherUser[] = "This Application is Currently Being Used By Another User.\nPlease Try Again Later.";
const std::string kAllPages = "Status Configuration Security Power About (5) | config 1 about 4";
const std::string kZeroConfigPages = "Status Power About (3) | config -1 about 2";

// The tabs and where the sheet keeps its pages; the current page, the Apply
// button and, when on, the zero-configuration mode of sheet and Power page.
std::string View(CWiFiPropSheet& sheet, HWND window)
{
    HWND apply = GetDlgItem(window, CPropertySheet::kApplyButtonId);
    std::string modes = std::to_string(sheet.IsWirelessZeroConfigMode()) + " " +
                        std::to_string(sheet.GetPowerPage().IsInWirelessZeroConfigMode());
    return user::Tabs(window) + " (" + std::to_string(sheet.GetPageCount()) + ") | config " +
           std::to_string(sheet.GetPageIndex(&sheet.GetConfigPage())) + " about " +
           std::to_string(sheet.GetPageIndex(&sheet.GetAboutPage())) + " | on " +
           user::PageCaption(window, user::CurrentPageIndex(window)) + " | apply " +
           (!apply ? "none" : IsWindowEnabled(apply) ? "on" : "off") +
           (modes == "0 0" ? "" : " | zero-config " + modes);
}

struct ObservedSheet : CWiFiPropSheet {
    explicit ObservedSheet(bool& deleted) : deleted(deleted) {}
    ~ObservedSheet() override { deleted = !m_hWnd; }  // detached by then
    bool& deleted;
};

class Sheet : public testing::Test {
protected:
    // Runs the sheet modally; `step` gets its window and must close it.
    void Run(std::function<void(CWiFiPropSheet& sheet, HWND window)> step, UINT startPage = 0,
             CWiFiPropSheet* sheet = new CWiFiPropSheet)
    {
        sheet->SetStartPage(startPage);
        ModalWindows modal;
        modal.Then([&](HWND window) { step(*sheet, window); });
        sheet->DoModal();
    }

    IsolatedStore store_;
};

// A sheet's life: it opens as the service and the adapter leave it, holds
// the claim while open, and on closing deletes itself and lets the claim go.
TEST_F(Sheet, OpensFromTheServiceAndAdapterAndReleasesItAllWhenClosed)
{
    // The zero-configuration service's answer, start page, OK (else Cancel), what the user sees.
    const std::tuple<DWORD, UINT, bool, std::string> rows[] = {
        {0, 0, true, kAllPages + " | on Status | apply off"},
        {0, 3, false, kAllPages + " | on Power | apply off"},
        {1, 0, false, kZeroConfigPages + " | on Status | apply off | zero-config 1 1"},
        {DWORD(-1), 0, true, kZeroConfigPages + " | on Status | apply off | zero-config 1 1"},
    };
    store_.SetMultipleConfigNames({"Campus", "Lab"});
    for (const auto& [service, startPage, ok, expected] : rows) {
        store_.SetSimulation("WirelessZeroConfig", service);
        SetCurrentProfile(nullptr);
        bool deleted = false;
        std::string seen;
        Run([&](CWiFiPropSheet& sheet, HWND window) {
            bool icon = SendMessageA(window, WM_GETICON, ICON_SMALL, 0) | SendMessageA(window, WM_GETICON, ICON_BIG, 0);
            CAdapterConfig* current = GetCurrentProfile();
            seen = user::WindowText(window) + (icon ? " (icon) | " : " | ") + View(sheet, window) + " | " +
                   NameOf(current) + (current == TheAdapter()->GetCurrentConfiguration() ? " (adapter's) |" : " |");
            for (const std::string& name : sheet.GetMultipleConfigNames())
                seen += " " + name;
            seen += " | deleted " + std::to_string(deleted) + " free " + std::to_string(AnotherProcessCouldClaim());
            ok ? user::PressOk(window) : user::PressCancel(window);
        }, startPage, new ObservedSheet(deleted));
        seen += " | closed: deleted " + std::to_string(deleted) + " free " + std::to_string(AnotherProcessCouldClaim());
        EXPECT_EQ(seen, kTitle + (" (icon) | " + expected) +
                            " | Default (adapter's) | Campus Lab | deleted 0 free 0 | closed: deleted 1 free 1");
    }
}

// The pages taken out have no window and no sheet; made again, they show.
TEST_F(Sheet, SwitchesApplyAndTheZeroConfigPagesWhileOpen)
{
    Run([](CWiFiPropSheet& sheet, HWND window) {
        std::string seen;
        auto view = [&](const char* step, BOOL done) {
            std::string shown = View(sheet, window);
            CPropertyPage& security = sheet.GetEncryptPage();
            seen += Format("%s %d: ", step, done) + shown.substr(0, shown.find(" | zero-config")) +
                    Format(" | security %s %d\n", security.m_hWnd ? "w" : "-", security.GetSheet() == &sheet);
        };
        view("apply on", sheet.EnableApply(TRUE));
        view("apply off", sheet.EnableApply(FALSE));
        user::SwitchPage(window, 2);
        sheet.SetWirelessZeroConfigMode(TRUE);
        view("zero config, on the Power page", sheet.GetPowerPage().IsInWirelessZeroConfigMode());
        sheet.SetWirelessZeroConfigMode(FALSE);
        user::SwitchPage(window, 2);
        view("back, shown", user::CurrentPage(window) == sheet.GetEncryptPage().m_hWnd);
        EXPECT_EQ(seen, "apply on 1: " + kAllPages + " | on Status | apply on | security - 1\n"
                        "apply off 1: " + kAllPages + " | on Status | apply off | security - 1\n"
                        "zero config, on the Power page 1: " + kZeroConfigPages +
                        " | on Status | apply off | security - 0\n"
                        "back, shown 1: " + kAllPages + " | on Security | apply off | security w 1\n");
        user::PressCancel(window);
    });
}

TEST_F(Sheet, AnotherSessionsClaimStopsTheSheetWithAMessage)
{
    ClaimHeldElsewhere other;
    MessageBoxLog boxes;
    ProcessExits exits;
    CWiFiPropSheet sheet;
    EXPECT_EQ(boxes.Text(kTitle) + "pages " + std::to_string(sheet.GetPageCount()),
              "box: " + std::string(kOtherUser) + " | pages 0");
    EXPECT_EQ(exits.Codes(), std::vector<UINT>{1});
}

// Opens the sheet with no test seams but the message boxes, so the process
// really ends when the rule stops it: as the applet builds it, or ("applet")
// through the real applet, whose own box a second thread meets as a user
// would: its text is printed and OK pressed. With "own claim" the child takes
// the claim first and keeps it until told.
ChildScenario openSheet("open_sheet", [](const std::string& argument) {
    PrintMessageBoxesInChild();
    auto open = [] {
        CWiFiPropSheet* sheet = new CWiFiPropSheet;
        std::printf("pages %d\n", sheet->GetPageCount());
        delete sheet;
        return 0;
    };
    if (argument == "own claim")
        return HoldClaimUntilReleased(open);
    if (argument == "tray")
        CreateWindowA("STATIC", "SystrayApp", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    if (argument != "applet")
        return open();
    APPLET_PROC cplApplet = LoadAppletEntry();
    WindowWatcher watcher(kTitle, [](HWND box) {
        std::printf("box: %s\n", user::Text(box, 0xFFFF).c_str());
        std::fflush(stdout);
        SendMessageA(box, WM_COMMAND, IDOK, 0);
    });
    if (cplApplet && cplApplet(nullptr, CPL_INIT, 0, 0))
        cplApplet(nullptr, CPL_DBLCLK, 0, 0);
    return 0;
});

TEST_F(Sheet, AnotherSessionsClaimEndsTheHostOnWindowsXPUnlessTheTrayCompanionRuns)
{
    const std::tuple<const char*, const char*, const char*, std::string> rows[] = {
        {"Windows XP", "", "", std::string("exit 1 | message box: ") + kTitle + ": " + kOtherUser + "\n"},
        {"Windows XP, the Control Panel", "", "applet", std::string("exit 1 | box: ") + kOtherUser + "\n"},
        {"Windows XP, tray companion", "", "tray", "exit 0 | pages 5\n"},
        {"Windows 2000", "win2k", "", "exit 0 | pages 5\n"},
    };
    ClaimHeldElsewhere other;
    // One child per row: the rule ends its process, and Wine fixes the
    // version a process sees when it starts.
    std::string expected, seen;
    for (const auto& [name, windowsVersion, argument, output] : rows) {
        expected += std::string(name) + ": " + output;
        seen += std::string(name) + ": " + Outcome(RunChild("open_sheet", UnderVersion(windowsVersion, argument)));
    }
    EXPECT_EQ(seen, expected);
}

// On Windows 2000 the sheet neither checks nor releases the claim.
TEST_F(Sheet, OnWindows2000ADeletedSheetLeavesItsProcesssClaimAlone)
{
    ClaimHeldElsewhere windows2000("open_sheet", UnderVersion("win2k", "own claim"));
    EXPECT_FALSE(AnotherProcessCouldClaim());
    EXPECT_EQ(Outcome(windows2000.Release()), "exit 0 | pages 5\n");
}

}  // namespace
