// The applet as the Control Panel meets it: the real VyrWLan.cpl, loaded
// and called through CPlApplet.
#include <windows.h>
#include <cpl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "support/applet_entry.h"
#include "support/claim_holder.h"
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
    void TearDown() override { FreeLibrary(module_); }

    HMODULE module_ = nullptr;
    APPLET_PROC cplApplet_ = nullptr;
};

TEST_F(ControlPanel, AnswersEachMessageAsTheProtocolExpects)
{
    // In order, as the Control Panel sends them; an inquiry's answer follows
    // its result ("untouched": the structure kept its fill).
    const struct {
        const char* name;
        UINT message;
        LPARAM index;
        const char* expected;
    } rows[] = {
        {"init", CPL_INIT, 0, "1"}, {"count", CPL_GETCOUNT, 0, "1"},
        {"old inquiry", CPL_INQUIRE, 0, "1 | untouched"},
        {"new inquiry", CPL_NEWINQUIRE, 0, "0 | size=244 flags=0 help=0 data=set icon=set | "
                                           "Vyr 11a/b/g Wireless LAN | Mini PCI Adapter Configuration | "},
        {"old inquiry past the list", CPL_INQUIRE, 1, "1 | untouched"},
        {"new inquiry past the list", CPL_NEWINQUIRE, 7, "1 | untouched"},
        {"select past the list", CPL_SELECT, -1, "1"}, {"run past the list", CPL_DBLCLK, 3, "1"},
        {"start past the list", CPL_STARTWPARMSA, 1, "1"}, {"select", CPL_SELECT, 0, "0"},
        {"stop", CPL_STOP, 0, "0"}, {"unknown", 99, 0, "1"}, {"none", 0, 0, "1"}, {"exit", CPL_EXIT, 0, "0"},
    };
    for (const auto& row : rows) {
        NEWCPLINFOA info, untouched;
        std::memset(&untouched, 0xA5, sizeof(untouched));  // as a text, no page number
        info = untouched;
        std::string seen = std::to_string(cplApplet_(nullptr, row.message, row.index, reinterpret_cast<LPARAM>(&info)));
        if (row.message == CPL_INQUIRE || row.message == CPL_NEWINQUIRE)
            seen += " | " + (std::memcmp(&info, &untouched, sizeof(info)) ? DescribeNewInquiry(info) : "untouched");
        EXPECT_EQ(seen, row.expected) << row.name;
    }
}

TEST_F(ControlPanel, OpensOnThePageNamedByTheParameterTextOrElseOnTheFirst)
{
    const struct {
        UINT message;
        const char* parameters;
        const char* expected;  // the first page shown, of how many; the answer
    } rows[] = {
        {CPL_STARTWPARMSA, "2", "Security of 5 | 1"},     {CPL_STARTWPARMSA, "4 and more", "About of 5 | 1"},
        {CPL_STARTWPARMSW, "1", "Configuration of 5 | 1"}, {CPL_STARTWPARMSA, nullptr, "Status of 5 | 1"},
        {CPL_STARTWPARMSA, "Security", "Status of 5 | 1"}, {CPL_STARTWPARMSA, "9", "Status of 5 | 1"},
        {CPL_DBLCLK, nullptr, "Status of 5 | 0"},
    };
    ASSERT_EQ(cplApplet_(nullptr, CPL_INIT, 0, 0), TRUE);
    for (const auto& row : rows) {
        std::string text = row.parameters ? row.parameters : "";
        std::wstring wide(text.begin(), text.end());
        LPARAM parameters = !row.parameters ? 0
                            : row.message == CPL_STARTWPARMSW ? reinterpret_cast<LPARAM>(wide.c_str())
                                                              : reinterpret_cast<LPARAM>(text.c_str());
        std::string seen;
        LONG result;
        {
            WindowWatcher watcher(kSheetTitle, [&](HWND sheet) {
                seen = user::PageCaption(sheet, user::CurrentPageIndex(sheet)) + " of " +
                       std::to_string(user::PageCount(sheet));
                CancelSheetFromWatcher(sheet);
            });
            result = cplApplet_(nullptr, row.message, 0, parameters);
        }
        EXPECT_EQ(seen + " | " + std::to_string(result), row.expected) << text;
    }
}

// Opens the real applet while another session holds the card's
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

TEST_F(ControlPanel, AnotherSessionsClaimEndsTheControlPanelWithCodeOne)
{
    ClaimHeldElsewhere other;
    ChildResult result = RunChild("open_applet_while_claimed");
    EXPECT_EQ("exit " + std::to_string(result.exitCode) + " | " + result.output,
              "exit 1 | This Application is Currently Being Used By Another User.\nPlease Try Again Later.\n");
}

}  // namespace
