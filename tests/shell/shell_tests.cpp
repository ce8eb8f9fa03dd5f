// The applet as the Control Panel meets it: the real VyrWLan.cpl, loaded and called through CPlApplet; the
// application and applet objects behind it; the Windows version and user rights it finds, under the version that Wine
// reports to a child process; and the main property sheet, built in this process as the applet builds it. The test
// prefix reports Windows XP.
#include <windows.h>
#include <cpl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <tuple>

#include "driver/card_state.h"
#include "driver/store.h"
#include "profiles/current_profile.h"
#include "res/resource.h"
#include "shell/control_panel_app.h"
#include "shell/cp_applet.h"
#include "shell/user_admin.h"
#include "shell/windows_version.h"
#include "support/adapter_profiles.h"
#include "support/applet_entry.h"
#include "support/child.h"
#include "support/claim_holder.h"
#include "support/isolated_store.h"
#include "support/main_sheet.h"
#include "support/window_watcher.h"

namespace {

struct NameDialog : CDialog {
    NameDialog() : CDialog(IDD_PROFILE_NAME) {}
};
const CRuntimeClass kNameDialog = {"NameDialog", CreateDynamicObject<NameDialog>};
const CRuntimeClass kNotAWindow = {"NotAWindow", CreateDynamicObject<CCmdTarget>};

const char kOtherUser[] = "This Application is Currently Being Used By Another User.\nPlease Try Again Later.";
const std::string kAllPages = "Status Configuration Security Power About (5) | config 1 about 4";
const std::string kZeroConfigPages = "Status Power About (3) | config -1 about 2";

// The tabs and where the sheet keeps its pages; the current page and the Apply button.
std::string View(CWiFiPropSheet& sheet, HWND window)
{
    HWND apply = GetDlgItem(window, CPropertySheet::kApplyButtonId);
    return user::Tabs(window) + " (" + std::to_string(sheet.GetPageCount()) + ") | config " +
           std::to_string(sheet.GetPageIndex(&sheet.GetConfigPage())) + " about " +
           std::to_string(sheet.GetPageIndex(&sheet.GetAboutPage())) + " | on " +
           user::PageCaption(window, user::CurrentPageIndex(window)) + " | apply " +
           (!apply ? "none" : IsWindowEnabled(apply) ? "on" : "off");
}

struct ObservedSheet : CWiFiPropSheet {
    explicit ObservedSheet(bool& deleted) : deleted(deleted) {}
    ~ObservedSheet() override { deleted = !m_hWnd; }  // detached by then
    bool& deleted;
};

// With the real applet DLL loaded, and a store of the card of its own.
class Shell : public StoreTest {
protected:
    void SetUp() override
    {
        cplApplet_ = LoadAppletEntry(&module_);
        ASSERT_NE(cplApplet_, nullptr);
    }
    void TearDown() override { FreeLibrary(module_); }

    // The answer to a message, then what it filled in of the inquiry structure it was given, if anything.
    template <class Send>
    static std::string Answer(const Send& send, UINT message, LPARAM index)
    {
        union { NEWCPLINFOA newInfo; CPLINFO info; } filled, untouched;
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

TEST_F(Shell, TheAppletAnswersEachMessageAsTheProtocolExpects)
{
    // In order, as the Control Panel sends them: message, applet, answer.
    const std::tuple<UINT, LPARAM, const char*> rows[] = {
        {CPL_INIT, 0, "1"}, {CPL_GETCOUNT, 0, "1"}, {CPL_INQUIRE, 0, "1"},
        {CPL_NEWINQUIRE, 0, "0 | size=244 flags=0 help=0 data=set icon=set | "
                            "Vyr 11a/b/g Wireless LAN | Mini PCI Adapter Configuration | "},
        {CPL_INQUIRE, 1, "1"}, {CPL_NEWINQUIRE, 7, "1"}, {CPL_SELECT, -1, "1"},
        {CPL_DBLCLK, 3, "1"}, {CPL_STARTWPARMSA, 1, "1"}, {CPL_SELECT, 0, "0"}, {CPL_STOP, 0, "0"},
        // Each start registers one more applet; the Control Panel sends one per load.
        {CPL_INIT, 0, "1"}, {CPL_GETCOUNT, 0, "2"}, {99, 0, "1"}, {0, 0, "1"}, {CPL_EXIT, 0, "0"},
    };
    auto send = [&](UINT message, LPARAM index, LPARAM data) { return cplApplet_(nullptr, message, index, data); };
    for (const auto& [message, index, expected] : rows)
        EXPECT_EQ(Answer(send, message, index), expected) << "message " << message << " to applet " << index;
}

TEST_F(Shell, TheApplicationRoutesEachMessageToTheAppletThatAnswersForItsClassAndResource)
{
    CControlPanelApp app;
    EXPECT_EQ(app.OnInit(), FALSE);
    CCPApplet* applets[] = {new CCPApplet(4242, &kNotAWindow, TRUE),  // no such string
                            new CCPApplet(IDI_APPLET, &kNotAWindow, FALSE),
                            new CCPApplet(IDI_APPLET, &CObject::runtimeClass, TRUE),
                            new CCPApplet(IDI_APPLET, &kNameDialog, TRUE)};
    for (CCPApplet* applet : applets)
        app.AddApplet(applet);
    // The first applet answers only the new inquiry, its texts missing; the third one's class cannot be created: the
    // double click reports it, the start with parameters answers 1 all the same. Any window but the last applet's
    // dialog would fail the test as unexpected.
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

// The start page is the number at the start of the text.
TEST_F(Shell, OpensOnThePageNamedByTheParameterTextOrElseOnTheFirst)
{
    const std::pair<const char*, UINT> pages[] = {{nullptr, 0}, {"", 0}, {"2", 2}, {"34x", 34}, {" 2", 0}, {"-1", 0}};
    for (const auto& [text, page] : pages)
        EXPECT_EQ(StartPageFromParameters(text), page) << (text ? text : "(none)");
    EXPECT_GT(StartPageFromParameters("99999999999999999999"), 4u);  // no overflow back into a page
    // Message, parameters, then the first page shown, of how many, and the answer.
    const std::tuple<UINT, const void*, const char*> rows[] = {
        {CPL_STARTWPARMSA, "4 and more", "About of 5 | 1"}, {CPL_STARTWPARMSW, L"1", "Configuration of 5 | 1"},
        {CPL_STARTWPARMSA, nullptr, "Status of 5 | 1"},     {CPL_STARTWPARMSA, "9", "Status of 5 | 1"},
        {CPL_DBLCLK, nullptr, "Status of 5 | 0"},
    };
    ASSERT_EQ(cplApplet_(nullptr, CPL_INIT, 0, 0), TRUE);
    for (const auto& row : rows) {
        const auto& [message, parameters, expected] = row;
        std::string seen;
        WindowWatcher watcher(kAppTitle, [&](HWND sheet) {
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

TEST_F(Shell, ClassifiesEveryWindowsVersionAndChecksAdministratorsWhereItCan)
{
    // The Wine user belongs to Administrators; the Windows 95 family has no
    // security functions, and Windows 98 counts everyone as an administrator.
    const std::tuple<const char*, bool, const char*> rows[] = {
        {"nt40", false, "code 1 admin 1"}, {"win2k", false, "code 2 admin 1"}, {"winxp", false, "code 3 admin 1"},
        {"winme", false, "code 4 admin 0"}, {"win98", false, "code 5 admin 1"}, {"win95", false, "code 6 admin 0"},
        {"win2003", false, "code 0 admin 1"}, {"win7", false, "code 0 admin 1"}, {"winxp", true, "code 3 admin 0"},
        {"win2k", true, "code 2 admin 0"}, {"nt40", true, "code 1 admin 0"}, {"win98", true, "code 5 admin 1"},
    };
    // One child per row: Wine fixes a process's version, and its token, when the process starts.
    for (const auto& [version, asNonAdministrator, classification] : rows)
        EXPECT_EQ(Outcome(RunChild("print_version", UnderVersion(version, "", asNonAdministrator))),
                  "exit 0 | " + std::string(classification) + "\n")
            << version << (asNonAdministrator ? ", no administrator" : "");
}

// A sheet's life: it opens as the service and the adapter leave it, holds
// the claim while open, and on closing deletes itself and lets the claim go.
TEST_F(Shell, OpensFromTheServiceAndAdapterAndReleasesItAllWhenClosed)
{
    // The zero-configuration service's answer, start page, OK (else Cancel), what the user sees.
    const std::tuple<DWORD, UINT, bool, std::string> rows[] = {
        {0, 0, true, kAllPages + " | on Status | apply off"},
        {0, 3, false, kAllPages + " | on Power | apply off"},
        {1, 0, false, kZeroConfigPages + " | on Status | apply off"},
        {DWORD(-1), 0, true, kZeroConfigPages + " | on Status | apply off"},
    };
    for (const auto& [service, startPage, ok, expected] : rows) {
        store_.SetSimulation("WirelessZeroConfig", service);
        SetCurrentProfile(nullptr);
        bool deleted = false;
        std::string seen;
        RunMainSheet(startPage, [&](CWiFiPropSheet& sheet, HWND window) {
            bool icon = SendMessageA(window, WM_GETICON, ICON_SMALL, 0) | SendMessageA(window, WM_GETICON, ICON_BIG, 0);
            CAdapterConfig* current = GetCurrentProfile();
            seen = user::WindowText(window) + (icon ? " (icon) | " : " | ") + View(sheet, window) + " | " +
                   NameOf(current) + (current == TheAdapter()->GetCurrentConfiguration() ? " (adapter's) |" : " |");
            seen += " deleted " + std::to_string(deleted) + " free " + std::to_string(AnotherProcessCouldClaim());
            ok ? user::PressOk(window) : user::PressCancel(window);
        }, new ObservedSheet(deleted));
        seen += " | closed: deleted " + std::to_string(deleted) + " free " + std::to_string(AnotherProcessCouldClaim());
        EXPECT_EQ(seen, kAppTitle + (" (icon) | " + expected) +
                            " | Default (adapter's) | deleted 0 free 0 | closed: deleted 1 free 1");
    }
}

// The pages taken out have no window and no sheet; made again, they show. A sheet whose window cannot be made still
// ends, and lets the claim go; with Wireless Zero Configuration in charge, the Power page commits the current profile
// through a hidden Configuration page.
TEST_F(Shell, ASheetThatCannotOpenEndsAndAHiddenConfigurationPageCommits)
{
    bool deleted = false;
    {
        RefusedWindows refused;
        (new ObservedSheet(deleted))->DoModal();
    }
    std::string seen = "deleted " + std::to_string(deleted) + " free " + std::to_string(AnotherProcessCouldClaim());
    store_.SetSimulation("WirelessZeroConfig", 1);
    RunMainSheet(0, [](CWiFiPropSheet& sheet, HWND window) {
        GetCurrentProfile()->SetNetworkName("Lab");
        sheet.GetPowerPage().GetHiddenConfigPage().CommitProfile();
        user::PressCancel(window);
    });
    AppliedProfile applied;
    ReadAppliedProfile(OpenStore(), applied);
    EXPECT_EQ(seen + " | " + applied.settings.name + "[" + applied.settings.networkName1 + "]",
              "deleted 1 free 1 | Default[Lab]");
}

// Opens the sheet with no test seams but the message boxes, so the process really ends when the rule stops it: as the
// applet builds it, or ("applet") through the real applet, whose own box a second thread meets as a user would: its
// text is printed and OK pressed. With "own claim" the child takes the claim first and keeps it until told.
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
    WindowWatcher watcher(kAppTitle, [](HWND box) {
        std::printf("box: %s\n", user::Text(box, 0xFFFF).c_str());
        std::fflush(stdout);
        SendMessageA(box, WM_COMMAND, IDOK, 0);
    });
    if (cplApplet && cplApplet(nullptr, CPL_INIT, 0, 0))
        cplApplet(nullptr, CPL_DBLCLK, 0, 0);
    return 0;
});

TEST_F(Shell, AnotherSessionsClaimEndsTheHostOnWindowsXPUnlessTheTrayCompanionRunsAndWindows2000IgnoresIt)
{
    const std::tuple<const char*, const char*, const char*, std::string> rows[] = {
        {"Windows XP", "", "", std::string("exit 1 | message box: ") + kAppTitle + ": " + kOtherUser + "\n"},
        {"Windows XP, the Control Panel", "", "applet", std::string("exit 1 | box: ") + kOtherUser + "\n"},
        {"Windows XP, tray companion", "", "tray", "exit 0 | pages 5\n"},
        {"Windows 2000", "win2k", "", "exit 0 | pages 5\n"},
    };
    ClaimHeldElsewhere other;
    // One child per row: the rule ends its process, and Wine fixes the version a process sees when it starts.
    for (const auto& [name, windowsVersion, argument, output] : rows)
        EXPECT_EQ(Outcome(RunChild("open_sheet", UnderVersion(windowsVersion, argument))), output) << name;
    // On Windows 2000 the sheet neither checks nor releases the claim.
    EXPECT_EQ(other.Release().exitCode, 0u);
    ClaimHeldElsewhere windows2000("open_sheet", UnderVersion("win2k", "own claim"));
    EXPECT_FALSE(AnotherProcessCouldClaim());
    EXPECT_EQ(Outcome(windows2000.Release()), "exit 0 | pages 5\n");
}

}  // namespace
