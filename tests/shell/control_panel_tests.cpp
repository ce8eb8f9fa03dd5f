// The applet as the Control Panel meets it: the real VyrWLan.cpl, loaded and
// called through CPlApplet; the application and applet objects behind it; and
// the Windows version and user rights it finds, under the version that Wine
// reports to a child process.
#include <windows.h>
#include <cpl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <tuple>

#include "res/resource.h"
#include "shell/control_panel_app.h"
#include "shell/cp_applet.h"
#include "shell/user_admin.h"
#include "shell/windows_version.h"
#include "support/applet_entry.h"
#include "support/child.h"
#include "support/expectations.h"
#include "support/user.h"
#include "support/window_watcher.h"

namespace {

const char kSheetTitle[] = "Vyr 11a/b/g Wireless LAN Mini PCI Adapter Configuration";

struct NameDialog : CDialog {
    NameDialog() : CDialog(IDD_PROFILE_NAME) {}
    static const CRuntimeClass runtimeClass;
};
struct NotAWindow : CCmdTarget {
    static const CRuntimeClass runtimeClass;
};
const CRuntimeClass NameDialog::runtimeClass = {"NameDialog", CreateDynamicObject<NameDialog>};
const CRuntimeClass NotAWindow::runtimeClass = {"NotAWindow", CreateDynamicObject<NotAWindow>};

class ControlPanel : public testing::Test {
protected:
    void SetUp() override
    {
        cplApplet_ = LoadAppletEntry(&module_);
        ASSERT_NE(cplApplet_, nullptr);
    }
    void TearDown() override { FreeLibrary(module_); }

    // The answer to a message, then what it filled in of the inquiry
    // structure it was given, if anything.
    template <class Send>
    static std::string Answer(const Send& send, UINT message, LPARAM index)
    {
        union {
            NEWCPLINFOA newInfo;
            CPLINFO info;
        } filled, untouched;
        std::memset(&untouched, 0xA5, sizeof(untouched));  // as a text, no page number
        filled = untouched;
        std::string answer = std::to_string(send(message, index, reinterpret_cast<LPARAM>(&filled)));
        if (!std::memcmp(&filled, &untouched, sizeof(filled)))
            return answer;
        if (message == CPL_NEWINQUIRE)
            return answer + " | " + DescribeNewInquiry(filled.newInfo);
        return answer + " | " + std::to_string(filled.info.idIcon) + " " + std::to_string(filled.info.idName) + " " +
               std::to_string(filled.info.idInfo) + " data " + std::to_string(filled.info.lData);
    }

    HMODULE module_ = nullptr;
    APPLET_PROC cplApplet_ = nullptr;
};

TEST_F(ControlPanel, TheAppletAnswersEachMessageAsTheProtocolExpects)
{
    // In order, as the Control Panel sends them: message, applet, answer.
    const std::tuple<UINT, LPARAM, const char*> rows[] = {
        {CPL_INIT, 0, "1"}, {CPL_GETCOUNT, 0, "1"}, {CPL_INQUIRE, 0, "1"},
        // Each start registers one more applet; the Control Panel sends one per load.
        {CPL_INIT, 0, "1"}, {CPL_GETCOUNT, 0, "2"},
        {CPL_NEWINQUIRE, 0, "0 | size=244 flags=0 help=0 data=set icon=set | "
                            "Vyr 11a/b/g Wireless LAN | Mini PCI Adapter Configuration | "},
        {CPL_INQUIRE, 1, "1"}, {CPL_NEWINQUIRE, 7, "1"}, {CPL_SELECT, -1, "1"},
        {CPL_DBLCLK, 3, "1"}, {CPL_STARTWPARMSA, 1, "1"}, {CPL_SELECT, 0, "0"}, {CPL_STOP, 0, "0"},
        {99, 0, "1"}, {0, 0, "1"}, {CPL_EXIT, 0, "0"},
    };
    auto send = [&](UINT message, LPARAM index, LPARAM data) { return cplApplet_(nullptr, message, index, data); };
    for (const auto& [message, index, expected] : rows)
        EXPECT_EQ(Answer(send, message, index), expected) << "message " << message << " to applet " << index;
}

TEST_F(ControlPanel, TheApplicationRoutesEachMessageToTheAppletThatAnswersForItsClassAndResource)
{
    CControlPanelApp app;
    EXPECT_EQ(app.OnInit(), FALSE);
    CCPApplet* applets[] = {new CCPApplet(4242, &NotAWindow::runtimeClass, TRUE),  // no such string
                            new CCPApplet(IDI_APPLET, &NotAWindow::runtimeClass, FALSE),
                            new CCPApplet(IDI_APPLET, &CObject::runtimeClass, TRUE),
                            new CCPApplet(IDI_APPLET, &NameDialog::runtimeClass, TRUE)};
    for (CCPApplet* applet : applets) {
        EXPECT_EQ(app.AddApplet(applet), TRUE);
        EXPECT_EQ(applet->m_pOwner, &app);
    }
    // The first applet answers only the new inquiry, its texts missing; the
    // third one's class cannot be created: the double click reports it, the
    // start with parameters answers 1 all the same. Any window but the last
    // applet's dialog would fail the test as unexpected.
    const std::string ids = std::to_string(IDI_APPLET) + " " + std::to_string(IDI_APPLET) + " " +
                            std::to_string(IDI_APPLET) + " data " + std::to_string(LONG_PTR(applets[1]));
    const std::tuple<UINT, LPARAM, std::string> rows[] = {
        {CPL_INIT, 0, "1"}, {CPL_GETCOUNT, 0, "4"}, {CPL_INQUIRE, 0, "1"},
        {CPL_NEWINQUIRE, 0, "0 | size=244 flags=0 help=0 data=set icon=none |  |  | "},
        {CPL_INQUIRE, 1, "0 | " + ids}, {CPL_INQUIRE, 4, "1"}, {CPL_DBLCLK, 1, "0"},
        {CPL_DBLCLK, 2, "1"}, {CPL_STARTWPARMSA, 2, "1"}, {CPL_DBLCLK, 3, "0 | owned by the Control Panel"},
    };
    HWND controlPanel = CreateWindowA("STATIC", "Control Panel", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                                      nullptr);
    std::string shown;
    ModalWindows modal;
    modal.Then([&](HWND dialog) {
        shown = GetWindow(dialog, GW_OWNER) == controlPanel ? " | owned by the Control Panel" : " | owned elsewhere";
        EndDialog(dialog, IDOK);
    });
    auto send = [&](UINT message, LPARAM index, LPARAM data) {
        return app.OnCplMessage(controlPanel, message, index, data);
    };
    for (const auto& [message, index, expected] : rows) {
        EXPECT_EQ(Answer(send, message, index) + shown, expected) << "message " << message << " to applet " << index;
        shown.clear();
    }
    DestroyWindow(controlPanel);
}

TEST_F(ControlPanel, TheStartPageIsTheNumberAtTheStartOfTheText)
{
    const std::pair<const char*, UINT> rows[] = {{nullptr, 0}, {"", 0}, {"2", 2}, {"34x", 34}, {" 2", 0}, {"-1", 0}};
    for (const auto& [text, page] : rows)
        EXPECT_EQ(StartPageFromParameters(text), page) << (text ? text : "(none)");
    EXPECT_GT(StartPageFromParameters("99999999999999999999"), 4u);  // no overflow back into a page
}

TEST_F(ControlPanel, OpensOnThePageNamedByTheParameterTextOrElseOnTheFirst)
{
    // Message, parameters, then the first page shown, of how many, and the answer.
    const std::tuple<UINT, const void*, const char*> rows[] = {
        {CPL_STARTWPARMSA, "2", "Security of 5 | 1"},      {CPL_STARTWPARMSA, "4 and more", "About of 5 | 1"},
        {CPL_STARTWPARMSW, L"1", "Configuration of 5 | 1"}, {CPL_STARTWPARMSA, nullptr, "Status of 5 | 1"},
        {CPL_STARTWPARMSA, "Security", "Status of 5 | 1"},  {CPL_STARTWPARMSA, "9", "Status of 5 | 1"},
        {CPL_DBLCLK, nullptr, "Status of 5 | 0"},
    };
    ASSERT_EQ(cplApplet_(nullptr, CPL_INIT, 0, 0), TRUE);
    for (const auto& row : rows) {
        const auto& [message, parameters, expected] = row;
        std::string seen;
        WindowWatcher watcher(kSheetTitle, [&](HWND sheet) {
            seen = user::PageCaption(sheet, user::CurrentPageIndex(sheet)) + " of " +
                   std::to_string(user::PageCount(sheet));
            CancelSheetFromWatcher(sheet);  // the sheet is gone, and `seen` set, when the applet returns
        });
        LONG result = cplApplet_(nullptr, message, 0, reinterpret_cast<LPARAM>(parameters));
        EXPECT_EQ(seen + " | " + std::to_string(result), expected) << "row " << &row - rows;
    }
}

ChildScenario printVersion("print_version", [](const std::string&) {
    std::printf("code %u admin %d\n", GetWindowsVersionCode(), IsUserAdministrator() ? 1 : 0);
    return 0;
});

TEST_F(ControlPanel, ClassifiesEveryWindowsVersionAndChecksAdministratorsWhereItCan)
{
    // The Wine user belongs to Administrators; the Windows 95 family has no
    // security functions, and Windows 98 counts everyone as an administrator.
    const std::tuple<const char*, bool, const char*> rows[] = {
        {"nt40", false, "code 1 admin 1"}, {"win2k", false, "code 2 admin 1"}, {"winxp", false, "code 3 admin 1"},
        {"winme", false, "code 4 admin 0"}, {"win98", false, "code 5 admin 1"}, {"win95", false, "code 6 admin 0"},
        {"win2003", false, "code 0 admin 1"}, {"win7", false, "code 0 admin 1"}, {"winxp", true, "code 3 admin 0"},
        {"win2k", true, "code 2 admin 0"}, {"nt40", true, "code 1 admin 0"}, {"win98", true, "code 5 admin 1"},
    };
    // One child per row: Wine fixes a process's version, and its token, when
    // the process starts.
    std::string expected, seen;
    for (const auto& [version, asNonAdministrator, classification] : rows) {
        std::string name = version + std::string(asNonAdministrator ? ", no administrator: " : ": ");
        expected += name + "exit 0 | " + classification + "\n";
        seen += name + Outcome(RunChild("print_version", UnderVersion(version, "", asNonAdministrator)));
    }
    EXPECT_EQ(seen, expected);
    // This process runs as Windows XP.
    EXPECT_EQ(GetWindowsVersionCode(), static_cast<unsigned>(kWindowsXP));
    EXPECT_TRUE(IsUserAdministrator());
}

}  // namespace
