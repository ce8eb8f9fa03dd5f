// The applet as the Control Panel meets it: the real VyrWLan.cpl, loaded
// and called through CPlApplet.
#include <windows.h>
#include <cpl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "driver/80211api.h"
#include "support/applet_entry.h"
#include "support/child.h"
#include "support/user.h"
#include "support/window_watcher.h"

namespace {

const char kSheetTitle[] = "Vyr 11a/b/g Wireless LAN Mini PCI Adapter Configuration";

class ControlPanel : public testing::Test {
protected:
    void SetUp() override
    {
        cplApplet_ = LoadAppletEntry(&module_);
        ASSERT_NE(cplApplet_, nullptr);
    }

    void TearDown() override
    {
        if (module_)
            FreeLibrary(module_);
    }

    LONG Send(UINT message, LPARAM lParam1 = 0, LPARAM lParam2 = 0)
    {
        return cplApplet_(nullptr, message, lParam1, lParam2);
    }

    // Opens the applet with the message and reports the page it shows
    // first; the sheet is then cancelled from the watcher thread.
    std::string OpenAndReadFirstPage(UINT message, LPARAM parameters, LONG* result, int* pageCount = nullptr)
    {
        std::string page;
        int count = 0;
        WindowWatcher watcher(kSheetTitle, [&](HWND sheet) {
            page = user::PageCaption(sheet, user::CurrentPageIndex(sheet));
            count = user::PageCount(sheet);
            CancelSheetFromWatcher(sheet);
        });
        *result = Send(message, 0, parameters);
        if (pageCount)
            *pageCount = count;
        return page;
    }

    HMODULE module_ = nullptr;
    APPLET_PROC cplApplet_ = nullptr;
};

TEST_F(ControlPanel, RegistersOneAppletThatAnswersOnlyTheNewInquiry)
{
    EXPECT_EQ(Send(CPL_INIT), TRUE);
    EXPECT_EQ(Send(CPL_GETCOUNT), 1);

    CPLINFO untouched;
    std::memset(&untouched, 0xA5, sizeof(untouched));
    CPLINFO info = untouched;
    EXPECT_EQ(Send(CPL_INQUIRE, 0, reinterpret_cast<LPARAM>(&info)), 1);
    EXPECT_EQ(std::memcmp(&info, &untouched, sizeof(info)), 0);

    NEWCPLINFOA newInfo;
    std::memset(&newInfo, 0xA5, sizeof(newInfo));
    EXPECT_EQ(Send(CPL_NEWINQUIRE, 0, reinterpret_cast<LPARAM>(&newInfo)), 0);
    EXPECT_EQ(newInfo.dwSize, 244u);
    EXPECT_EQ(newInfo.dwFlags, 0u);
    EXPECT_EQ(newInfo.dwHelpContext, 0u);
    EXPECT_NE(newInfo.lData, 0);
    EXPECT_NE(newInfo.hIcon, nullptr);
    EXPECT_STREQ(newInfo.szName, "Vyr 11a/b/g Wireless LAN");
    EXPECT_STREQ(newInfo.szInfo, "Mini PCI Adapter Configuration");
    EXPECT_STREQ(newInfo.szHelpFile, "");
}

TEST_F(ControlPanel, AnswersTheRemainingMessagesAsTheProtocolExpects)
{
    ASSERT_EQ(Send(CPL_INIT), TRUE);
    EXPECT_EQ(Send(CPL_SELECT, 0), 0);
    EXPECT_EQ(Send(CPL_STOP, 0), 0);
    EXPECT_EQ(Send(CPL_EXIT), 0);
    EXPECT_EQ(Send(99, 0), 1);
    EXPECT_EQ(Send(0, 0), 1);
}

TEST_F(ControlPanel, AnAppletIndexOutsideTheListTouchesNothing)
{
    ASSERT_EQ(Send(CPL_INIT), TRUE);
    CPLINFO info = {};
    NEWCPLINFOA newInfo = {};
    EXPECT_EQ(Send(CPL_INQUIRE, 1, reinterpret_cast<LPARAM>(&info)), 1);
    EXPECT_EQ(Send(CPL_NEWINQUIRE, 7, reinterpret_cast<LPARAM>(&newInfo)), 1);
    EXPECT_EQ(newInfo.dwSize, 0u);
    EXPECT_EQ(Send(CPL_SELECT, -1), 1);
    EXPECT_EQ(Send(CPL_DBLCLK, 3), 1);
    EXPECT_EQ(Send(CPL_STARTWPARMSA, 1, reinterpret_cast<LPARAM>("2")), 1);
}

TEST_F(ControlPanel, OpensOnThePageNamedByTheParameterText)
{
    ASSERT_EQ(Send(CPL_INIT), TRUE);
    LONG result = 0;
    int pages = 0;
    EXPECT_EQ(OpenAndReadFirstPage(CPL_STARTWPARMSA, reinterpret_cast<LPARAM>("2"), &result, &pages), "Security");
    EXPECT_EQ(result, 1);
    EXPECT_EQ(pages, 5);
    EXPECT_EQ(OpenAndReadFirstPage(CPL_STARTWPARMSA, reinterpret_cast<LPARAM>("4 and more"), &result), "About");
    EXPECT_EQ(OpenAndReadFirstPage(CPL_STARTWPARMSW, reinterpret_cast<LPARAM>(L"1"), &result), "Configuration");
    EXPECT_EQ(result, 1);
}

TEST_F(ControlPanel, OpensOnTheFirstPageWithoutAPageNumber)
{
    ASSERT_EQ(Send(CPL_INIT), TRUE);
    LONG result = 0;
    EXPECT_EQ(OpenAndReadFirstPage(CPL_STARTWPARMSA, 0, &result), "Status");
    EXPECT_EQ(result, 1);
    EXPECT_EQ(OpenAndReadFirstPage(CPL_STARTWPARMSA, reinterpret_cast<LPARAM>("Security"), &result), "Status");
    EXPECT_EQ(OpenAndReadFirstPage(CPL_STARTWPARMSA, reinterpret_cast<LPARAM>("9"), &result), "Status");
    EXPECT_EQ(OpenAndReadFirstPage(CPL_DBLCLK, 0, &result), "Status");
    EXPECT_EQ(result, 0);
}

// Opens the real applet while another process holds the card's
// configuration. The applet's own message box is met from a second thread,
// as a user would meet it: its text is printed and OK pressed.
ChildScenario openAppletWhileClaimed("open_applet_while_claimed", [](const std::string&) {
    APPLET_PROC cplApplet = LoadAppletEntry();
    if (!cplApplet)
        return 2;
    cplApplet(nullptr, CPL_INIT, 0, 0);
    WindowWatcher watcher(kSheetTitle, [](HWND box) {
        std::printf("%s\n", user::Text(box, 0xFFFF).c_str());
        std::fflush(stdout);
        SendMessageA(box, WM_COMMAND, IDOK, 0);
    });
    cplApplet(nullptr, CPL_DBLCLK, 0, 0);
    std::printf("the applet returned\n");
    return 0;
});

ChildScenario holdClaimUntilReleased("hold_claim_until_released", [](const std::string&) {
    PAvailableAdapters adapters;
    int claimed = adapters.CheckMultipleConfig();
    SetEvent(SharedEvent("applet-claim-held"));
    WaitForSingleObject(SharedEvent("applet-release-claim"), 60000);
    return claimed ? 0 : 3;
});

TEST(ControlPanelProcess, AnotherUsersClaimEndsTheControlPanelWithCodeOne)
{
    HANDLE held = SharedEvent("applet-claim-held");
    HANDLE release = SharedEvent("applet-release-claim");
    ChildProcess other("hold_claim_until_released");
    ASSERT_EQ(WaitForSingleObject(held, 30000), WAIT_OBJECT_0);

    ChildResult result = RunChild("open_applet_while_claimed");
    SetEvent(release);
    EXPECT_EQ(other.Finish().exitCode, 0u);
    EXPECT_EQ(result.exitCode, 1u);
    EXPECT_EQ(result.output, "This Application is Currently Being Used By Another User.\nPlease Try Again Later.\n");
    CloseHandle(held);
    CloseHandle(release);
}

}  // namespace
