// The main property sheet, built in this process as the applet builds it.
// The test prefix reports Windows XP.
#include <windows.h>
#include <gtest/gtest.h>

#include "profiles/current_profile.h"
#include "shell/wifi_prop_sheet.h"
#include "support/adapter_profiles.h"
#include "support/claim_holder.h"
#include "support/expectations.h"
#include "support/isolated_store.h"
#include "support/user.h"

namespace {

const char kTitle[] = "Vyr 11a/b/g Wireless LAN Mini PCI Adapter Configuration";
const char kOtherUser[] = "This Application is Currently Being Used By Another User.\nPlease Try Again Later.";
const std::string kAllPages = "Status Configuration Security Power About (5) | config 1 about 4";
const std::string kZeroConfigPages = "Status Power About (3) | config -1 about 2";

// The tabs and where the sheet keeps its pages; the current page, the Apply
// button and, when on, the Wireless Zero Configuration mode of sheet and
// Power page.
std::string View(CWiFiPropSheet& sheet, HWND window)
{
    std::string view;
    for (int i = 0; i < user::PageCount(window); ++i)
        view += user::PageCaption(window, i) + " ";
    HWND apply = GetDlgItem(window, CPropertySheet::kApplyButtonId);
    std::string modes = std::to_string(sheet.IsWirelessZeroConfigMode()) + " " +
                        std::to_string(sheet.GetPowerPage().IsInWirelessZeroConfigMode());
    return view + "(" + std::to_string(sheet.GetPageCount()) + ") | config " +
           std::to_string(sheet.GetPageIndex(&sheet.GetConfigPage())) + " about " +
           std::to_string(sheet.GetPageIndex(&sheet.GetAboutPage())) + " | on " +
           user::PageCaption(window, user::CurrentPageIndex(window)) + " | apply " +
           (!apply ? "none" : IsWindowEnabled(apply) ? "on" : "off") + (modes == "0 0" ? "" : " | zero-config " + modes);
}

struct ObservedSheet : CWiFiPropSheet {
    explicit ObservedSheet(bool& deleted) : deleted(deleted) {}
    ~ObservedSheet() override { deleted = true; }
    bool& deleted;
};

class Sheet : public testing::Test {
protected:
    // Runs a freshly built sheet and hands its window to `step`, which must
    // close it. The sheet deletes itself.
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
    const struct {
        const char* name;
        DWORD service;  // the Wireless Zero Configuration answer
        UINT startPage;
        bool ok;  // closed with OK, else Cancel
        std::string expected;
    } rows[] = {
        {"service off", 0, 0, true, kAllPages + " | on Status | apply off"},
        {"start page", 0, 3, false, kAllPages + " | on Power | apply off"},
        {"service on", 1, 0, false, kZeroConfigPages + " | on Status | apply off | zero-config 1 1"},
        {"service unknown", DWORD(-1), 0, true, kZeroConfigPages + " | on Status | apply off | zero-config 1 1"},
    };
    store_.SetMultipleConfigNames({"Campus", "Lab"});
    for (const auto& row : rows) {
        store_.SetSimulation("WirelessZeroConfig", row.service);
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
            row.ok ? user::PressOk(window) : user::PressCancel(window);
        }, row.startPage, new ObservedSheet(deleted));
        seen += " | closed: deleted " + std::to_string(deleted) + " free " + std::to_string(AnotherProcessCouldClaim());
        EXPECT_EQ(seen, kTitle + (" (icon) | " + row.expected) +
                            " | Default (adapter's) | Campus Lab | deleted 0 free 0 | closed: deleted 1 free 1")
            << row.name;
    }
}

TEST_F(Sheet, SwitchesApplyAndTheZeroConfigPagesWhileOpen)
{
    Run([](CWiFiPropSheet& sheet, HWND window) {
        EXPECT_EQ(sheet.EnableApply(TRUE), TRUE);
        EXPECT_EQ(View(sheet, window), kAllPages + " | on Status | apply on");
        EXPECT_EQ(sheet.EnableApply(FALSE), TRUE);
        EXPECT_EQ(View(sheet, window), kAllPages + " | on Status | apply off");
        user::SwitchPage(window, 2);
        sheet.SetWirelessZeroConfigMode(TRUE);
        EXPECT_TRUE(sheet.GetPowerPage().IsInWirelessZeroConfigMode());
        EXPECT_EQ(View(sheet, window).substr(0, kZeroConfigPages.size()), kZeroConfigPages);
        sheet.SetWirelessZeroConfigMode(FALSE);
        EXPECT_EQ(View(sheet, window).substr(0, kAllPages.size()), kAllPages);
        // The pages made again work: they can be shown.
        user::SwitchPage(window, 2);
        EXPECT_EQ(user::CurrentPage(window), sheet.GetEncryptPage().m_hWnd);
        user::PressCancel(window);
    });
}

TEST_F(Sheet, AnotherSessionsClaimStopsTheSheetWithAMessage)
{
    ClaimHeldElsewhere other;
    MessageBoxes boxes;
    boxes.Expect(kOtherUser);
    ProcessExits exits;
    CWiFiPropSheet* sheet = new CWiFiPropSheet;
    std::string seen = "pages " + std::to_string(sheet->GetPageCount()) + " | exits";
    for (UINT code : exits.Codes())
        seen += " " + std::to_string(code);
    for (const ShownMessageBox& box : boxes.Shown())
        seen += " | " + box.caption + (box.type == MB_OK ? " (OK)" : "");
    EXPECT_EQ(seen, std::string("pages 0 | exits 1 | ") + kTitle + " (OK)");
    delete sheet;
}

// Opens the sheet as the applet does, with no test seams but the message
// boxes: the process really ends when the rule stops it.
ChildScenario openSheet("open_sheet", [](const std::string& argument) {
    PrintMessageBoxesInChild();
    if (argument == "tray")
        CreateWindowA("STATIC", "SystrayApp", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    CWiFiPropSheet* sheet = new CWiFiPropSheet;
    std::printf("pages %d\n", sheet->GetPageCount());
    delete sheet;
    return 0;
});

TEST_F(Sheet, AnotherSessionsClaimEndsTheHostOnWindowsXPUnlessTheTrayCompanionRuns)
{
    const struct {
        const char* name;
        const char* windowsVersion;
        const char* argument;
        std::string expected;
    } rows[] = {
        {"Windows XP", "", "", std::string("exit 1 | message box: ") + kTitle + ": " + kOtherUser + "\n"},
        {"Windows XP, tray companion", "", "tray", "exit 0 | pages 5\n"},
        {"Windows 2000", "win2k", "", "exit 0 | pages 5\n"},
    };
    ClaimHeldElsewhere other;
    // One child per row: the rule ends its process, and Wine fixes the
    // version a process sees when it starts.
    std::string expected, seen;
    for (const auto& row : rows) {
        ChildOptions options;
        options.windowsVersion = row.windowsVersion;
        options.argument = row.argument;
        ChildResult result = RunChild("open_sheet", options);
        expected += std::string(row.name) + ": " + row.expected;
        seen += std::string(row.name) + ": exit " + std::to_string(result.exitCode) + " | " + result.output;
    }
    EXPECT_EQ(seen, expected);
}

// On Windows 2000 the sheet neither checks nor releases the claim: this
// child takes it, builds and deletes a sheet, and keeps it until told.
ChildScenario claimThenSheet("claim_then_sheet", [](const std::string&) {
    PrintMessageBoxesInChild();
    return HoldClaimUntilReleased([] {
        CWiFiPropSheet* sheet = new CWiFiPropSheet;
        std::printf("pages %d\n", sheet->GetPageCount());
        delete sheet;
    });
});

TEST_F(Sheet, OnWindows2000ADeletedSheetLeavesItsProcesssClaimAlone)
{
    ChildOptions options;
    options.windowsVersion = "win2k";
    ClaimHeldElsewhere windows2000("claim_then_sheet", options);
    EXPECT_FALSE(AnotherProcessCouldClaim());
    ChildResult result = windows2000.Release();
    EXPECT_EQ("exit " + std::to_string(result.exitCode) + " | " + result.output, "exit 0 | pages 5\n");
}

}  // namespace
