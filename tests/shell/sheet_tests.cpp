// The main property sheet, built in this process as the applet builds it.
// The test prefix reports Windows XP.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "driver/80211api.h"
#include "framework/framework.h"
#include "profiles/current_profile.h"
#include "res/resource.h"
#include "shell/wifi_prop_sheet.h"
#include "support/adapter_profiles.h"
#include "support/child.h"
#include "support/expectations.h"
#include "support/isolated_store.h"
#include "support/user.h"

namespace {

const char kTitle[] = "Vyr 11a/b/g Wireless LAN Mini PCI Adapter Configuration";
const char kOtherUser[] = "This Application is Currently Being Used By Another User.\nPlease Try Again Later.";

std::vector<std::string> Tabs(HWND sheet)
{
    std::vector<std::string> tabs;
    for (int i = 0; i < user::PageCount(sheet); ++i)
        tabs.push_back(user::PageCaption(sheet, i));
    return tabs;
}

const std::vector<std::string> kAllPages = {"Status", "Configuration", "Security", "Power", "About"};
const std::vector<std::string> kZeroConfigPages = {"Status", "Power", "About"};

// Runs a freshly built sheet and hands its window to `step`, which must
// close it. The sheet deletes itself.
void RunSheet(std::function<void(CWiFiPropSheet& sheet, HWND window)> step, UINT startPage = 0)
{
    CWiFiPropSheet* sheet = new CWiFiPropSheet;
    sheet->SetStartPage(startPage);
    ModalWindows modal;
    modal.Then([&](HWND window) { step(*sheet, window); });
    sheet->DoModal();
}

class Sheet : public testing::Test {
protected:
    IsolatedStore store_;
};

TEST_F(Sheet, ShowsTheFivePagesUnderTheProductTitleWithItsIcon)
{
    RunSheet([](CWiFiPropSheet& sheet, HWND window) {
        EXPECT_EQ(user::WindowText(window), kTitle);
        EXPECT_EQ(Tabs(window), kAllPages);
        EXPECT_EQ(sheet.GetPageCount(), 5);
        EXPECT_EQ(sheet.GetPageIndex(&sheet.GetConfigPage()), 1);
        EXPECT_NE(SendMessageA(window, WM_GETICON, ICON_SMALL, 0) | SendMessageA(window, WM_GETICON, ICON_BIG, 0), 0);
        EXPECT_NE(GetDlgItem(window, CPropertySheet::kApplyButtonId), nullptr);
        user::PressCancel(window);
    });
}

TEST_F(Sheet, OpensOnItsStartPage)
{
    RunSheet([](CWiFiPropSheet&, HWND window) {
        EXPECT_EQ(user::CurrentPageIndex(window), 3);
        EXPECT_EQ(user::PageCaption(window, 3), "Power");
        user::PressCancel(window);
    }, 3);
}

TEST_F(Sheet, EnableApplySwitchesTheApplyButtonBothWays)
{
    RunSheet([](CWiFiPropSheet& sheet, HWND window) {
        EXPECT_EQ(sheet.EnableApply(TRUE), TRUE);
        EXPECT_TRUE(user::IsEnabled(window, CPropertySheet::kApplyButtonId));
        EXPECT_EQ(sheet.EnableApply(FALSE), TRUE);
        EXPECT_FALSE(user::IsEnabled(window, CPropertySheet::kApplyButtonId));
        user::PressCancel(window);
    });
}

TEST_F(Sheet, ZeroConfigModeDropsConfigurationAndSecurityAndComesBackInOrder)
{
    RunSheet([](CWiFiPropSheet& sheet, HWND window) {
        user::SwitchPage(window, 2);
        sheet.SetWirelessZeroConfigMode(TRUE);
        EXPECT_EQ(Tabs(window), kZeroConfigPages);
        EXPECT_EQ(sheet.GetPageCount(), 3);
        EXPECT_TRUE(sheet.GetPowerPage().IsInWirelessZeroConfigMode());

        sheet.SetWirelessZeroConfigMode(FALSE);
        EXPECT_EQ(Tabs(window), kAllPages);
        EXPECT_EQ(sheet.GetPageIndex(&sheet.GetConfigPage()), 1);
        EXPECT_EQ(sheet.GetPageIndex(&sheet.GetAboutPage()), 4);

        // The pages made again work: they can be shown.
        user::SwitchPage(window, 2);
        EXPECT_EQ(user::CurrentPage(window), sheet.GetEncryptPage().m_hWnd);
        user::PressCancel(window);
    });
}

TEST_F(Sheet, StartsInZeroConfigModeWhileTheServiceManagesTheCard)
{
    for (DWORD answer : {DWORD(1), DWORD(-1)}) {
        store_.SetSimulation("WirelessZeroConfig", answer);
        RunSheet([answer](CWiFiPropSheet& sheet, HWND window) {
            EXPECT_EQ(Tabs(window), kZeroConfigPages) << "service answer " << static_cast<int>(answer);
            EXPECT_TRUE(sheet.StartedInWirelessZeroConfigMode());
            EXPECT_TRUE(sheet.GetPowerPage().IsInWirelessZeroConfigMode());
            user::PressCancel(window);
        });
    }
    store_.SetSimulation("WirelessZeroConfig", 0);
    RunSheet([](CWiFiPropSheet& sheet, HWND window) {
        EXPECT_EQ(Tabs(window), kAllPages);
        EXPECT_FALSE(sheet.GetPowerPage().IsInWirelessZeroConfigMode());
        user::PressCancel(window);
    });
}

TEST_F(Sheet, MakesTheAdaptersCurrentConfigurationTheCurrentProfile)
{
    SetCurrentProfile(nullptr);
    RunSheet([](CWiFiPropSheet&, HWND window) {
        CAdapterConfig* current = GetCurrentProfile();
        ASSERT_NE(current, nullptr);
        EXPECT_EQ(NameOf(current), "Default");
        EXPECT_EQ(current, TheAdapter()->GetCurrentConfiguration());
        user::PressCancel(window);
    });
}

TEST_F(Sheet, CopiesTheMultipleConfigurationNames)
{
    store_.SetMultipleConfigNames({"Campus", "Lab"});
    RunSheet([](CWiFiPropSheet& sheet, HWND window) {
        EXPECT_EQ(sheet.GetMultipleConfigNames(), (std::vector<std::string>{"Campus", "Lab"}));
        user::PressCancel(window);
    });
}

class ObservedSheet : public CWiFiPropSheet {
public:
    explicit ObservedSheet(bool& deleted) : deleted_(deleted) {}
    ~ObservedSheet() override { deleted_ = true; }

private:
    bool& deleted_;
};

TEST_F(Sheet, DeletesItselfWhenItsWindowIsDestroyed)
{
    for (bool ok : {true, false}) {
        bool deleted = false;
        ObservedSheet* sheet = new ObservedSheet(deleted);
        ModalWindows modal;
        modal.Then([&](HWND window) {
            EXPECT_FALSE(deleted);
            ok ? user::PressOk(window) : user::PressCancel(window);
        });
        sheet->DoModal();
        EXPECT_TRUE(deleted);
    }
}

// --- The single-user rule on Windows XP -----------------------------------

// Holds the card's configuration claim, as another user's session would,
// until told to let go.
ChildScenario holdClaim("hold_claim", [](const std::string&) {
    PAvailableAdapters adapters;
    int claimed = adapters.CheckMultipleConfig();
    SetEvent(SharedEvent("claim-held"));
    WaitForSingleObject(SharedEvent("release-claim"), 60000);
    adapters.ClearMultipleConfig();
    return claimed ? 0 : 3;
});

// Answers whether this process could take the claim.
ChildScenario tryClaim("try_claim", [](const std::string&) {
    PAvailableAdapters adapters;
    int claimed = adapters.CheckMultipleConfig();
    adapters.ClearMultipleConfig();
    return claimed ? 1 : 0;
});

class OtherSession {
public:
    OtherSession() : held_(SharedEvent("claim-held")), release_(SharedEvent("release-claim")), child_("hold_claim")
    {
        ResetEvent(release_);
        EXPECT_EQ(WaitForSingleObject(held_, 30000), WAIT_OBJECT_0);
    }
    ~OtherSession()
    {
        SetEvent(release_);
        EXPECT_EQ(child_.Finish().exitCode, 0u);
        ResetEvent(held_);
        CloseHandle(held_);
        CloseHandle(release_);
    }

private:
    HANDLE held_;
    HANDLE release_;
    ChildProcess child_;
};

TEST_F(Sheet, AnotherSessionsClaimStopsTheSheetWithAMessage)
{
    OtherSession other;
    MessageBoxes boxes;
    boxes.Expect(kOtherUser);
    ProcessExits exits;
    CWiFiPropSheet* sheet = new CWiFiPropSheet;
    EXPECT_EQ(exits.Codes(), std::vector<UINT>{1});
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].caption, kTitle);
    EXPECT_EQ(boxes.Shown()[0].type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(sheet->GetPageCount(), 0);
    delete sheet;
}

TEST_F(Sheet, TheTrayCompanionsWindowLetsTheSheetOpenDespiteTheClaim)
{
    OtherSession other;
    HWND tray = CreateWindowA("STATIC", "SystrayApp", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(tray, nullptr);
    RunSheet([](CWiFiPropSheet&, HWND window) {
        EXPECT_EQ(Tabs(window), kAllPages);
        user::PressCancel(window);
    });
    DestroyWindow(tray);
}

TEST_F(Sheet, HoldsTheClaimWhileItLivesAndReleasesItAfterwards)
{
    RunSheet([](CWiFiPropSheet&, HWND window) {
        EXPECT_EQ(RunChild("try_claim").exitCode, 0u);
        user::PressCancel(window);
    });
    EXPECT_EQ(RunChild("try_claim").exitCode, 1u);
}

// Opens the sheet as the applet does, with no test seams but the message
// boxes: the process really ends when the rule stops it.
ChildScenario openSheet("open_sheet", [](const std::string&) {
    PrintMessageBoxesInChild();
    CWiFiPropSheet* sheet = new CWiFiPropSheet;
    std::printf("pages %d\n", sheet->GetPageCount());
    delete sheet;
    return 0;
});

TEST_F(Sheet, TheRuleEndsTheHostProcessWithCodeOne)
{
    OtherSession other;
    ChildResult result = RunChild("open_sheet");
    EXPECT_EQ(result.exitCode, 1u);
    EXPECT_EQ(result.output, std::string("message box: ") + kTitle + ": " + kOtherUser + "\n");
}

// On Windows 2000: takes the claim itself, builds and deletes a sheet, and
// keeps the claim until told: the sheet neither checks nor releases it.
ChildScenario claimThenSheet("claim_then_sheet", [](const std::string&) {
    PrintMessageBoxesInChild();
    PAvailableAdapters adapters;
    if (!adapters.CheckMultipleConfig())
        return 3;
    CWiFiPropSheet* sheet = new CWiFiPropSheet;
    std::printf("pages %d\n", sheet->GetPageCount());
    std::fflush(stdout);
    delete sheet;
    SetEvent(SharedEvent("claim-held"));
    WaitForSingleObject(SharedEvent("release-claim"), 60000);
    return 0;
});

TEST_F(Sheet, Windows2000NeitherChecksNorReleasesTheClaim)
{
    {
        OtherSession other;
        ChildOptions windows2000;
        windows2000.windowsVersion = "win2k";
        ChildResult result = RunChild("open_sheet", windows2000);
        EXPECT_EQ(result.exitCode, 0u);
        EXPECT_EQ(result.output, "pages 5\n");
    }

    HANDLE held = SharedEvent("claim-held");
    HANDLE release = SharedEvent("release-claim");
    ResetEvent(held);
    ResetEvent(release);
    ChildOptions windows2000;
    windows2000.windowsVersion = "win2k";
    ChildProcess child("claim_then_sheet", windows2000);
    ASSERT_EQ(WaitForSingleObject(held, 30000), WAIT_OBJECT_0);
    EXPECT_EQ(RunChild("try_claim").exitCode, 0u);
    SetEvent(release);
    ChildResult result = child.Finish();
    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(result.output, "pages 5\n");
    ResetEvent(held);
    CloseHandle(held);
    CloseHandle(release);
}

}  // namespace
