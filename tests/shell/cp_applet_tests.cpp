// The applet object with UI classes other than the sheet, and the
// application object's applet list.
#include <windows.h>
#include <cpl.h>
#include <gtest/gtest.h>

#include "res/resource.h"
#include "shell/control_panel_app.h"
#include "shell/cp_applet.h"
#include "support/applet_entry.h"
#include "support/expectations.h"

namespace {

class NameDialog : public CDialog {
public:
    NameDialog() : CDialog(IDD_PROFILE_NAME) {}
    static const CRuntimeClass runtimeClass;
};
const CRuntimeClass NameDialog::runtimeClass = {"NameDialog", CreateDynamicObject<NameDialog>};

class NotAWindow : public CCmdTarget {
public:
    static const CRuntimeClass runtimeClass;
};
const CRuntimeClass NotAWindow::runtimeClass = {"NotAWindow", CreateDynamicObject<NotAWindow>};

TEST(CCPApplet, RunsADialogClassModallyUnderTheControlPanelWindow)
{
    HWND controlPanel = CreateWindowA("STATIC", "Control Panel", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                                      nullptr);
    CWnd parent(controlPanel);
    HWND owner = nullptr;
    ModalWindows modal;
    modal.Then([&](HWND dialog) {
        owner = GetWindow(dialog, GW_OWNER);
        EndDialog(dialog, IDOK);
    });
    EXPECT_EQ(CCPApplet(IDI_APPLET, &NameDialog::runtimeClass, TRUE).OnRun(&parent, "3"), 0);
    EXPECT_EQ(owner, controlPanel);
    DestroyWindow(controlPanel);
}

// Any window would fail the test as unexpected.
TEST(CCPApplet, ShowsNothingForAClassThatIsNoWindowAndFailsForOneItCannotCreate)
{
    EXPECT_EQ(CCPApplet(IDI_APPLET, &NotAWindow::runtimeClass, TRUE).OnRun(nullptr, nullptr), 0);
    EXPECT_EQ(CCPApplet(IDI_APPLET, &CObject::runtimeClass, TRUE).OnRun(nullptr, nullptr), 1);
}

TEST(CCPApplet, AnswersTheInquiriesFromItsResourceAndLeavesMissingTextsEmpty)
{
    CCPApplet applet(IDI_APPLET, &NotAWindow::runtimeClass, FALSE);
    CPLINFO info = {};
    EXPECT_EQ(applet.OnInquire(&info), 0);
    EXPECT_EQ(info.idIcon, IDI_APPLET);
    EXPECT_EQ(info.idName, IDI_APPLET);
    EXPECT_EQ(info.idInfo, IDI_APPLET);
    EXPECT_EQ(info.lData, reinterpret_cast<LONG_PTR>(&applet));

    const UINT kNoSuchString = 4242;
    NEWCPLINFOA newInfo;
    memset(&newInfo, 'x', sizeof(newInfo));
    LONG result = CCPApplet(kNoSuchString, &NotAWindow::runtimeClass, TRUE).OnNewInquire(&newInfo);
    EXPECT_EQ(std::to_string(result) + " | " + DescribeNewInquiry(newInfo),
              "0 | size=244 flags=0 help=0 data=set icon=none |  |  | ");
}

TEST(StartPage, IsTheNumberAtTheStartOfTheText)
{
    const struct {
        const char* text;
        UINT page;
    } rows[] = {{nullptr, 0}, {"", 0}, {"2", 2}, {"34x", 34}, {" 2", 0}, {"-1", 0}};
    for (const auto& row : rows)
        EXPECT_EQ(StartPageFromParameters(row.text), row.page) << (row.text ? row.text : "(none)");
    EXPECT_GT(StartPageFromParameters("99999999999999999999"), 4u);  // no overflow back into a page
}

TEST(CControlPanelApp, OwnsItsAppletsAndRoutesEachMessageToTheOneItNames)
{
    CControlPanelApp app;
    EXPECT_EQ(app.OnInit(), FALSE);
    // The first answers only the new inquiry; the last one's UI class cannot
    // be created: the double click reports it, the start with parameters
    // answers 1 all the same.
    for (CCPApplet* applet : {new CCPApplet(IDI_APPLET, &NotAWindow::runtimeClass, TRUE),
                              new CCPApplet(IDI_APPLET, &NotAWindow::runtimeClass, FALSE),
                              new CCPApplet(IDI_APPLET, &CObject::runtimeClass, TRUE)}) {
        EXPECT_EQ(app.AddApplet(applet), TRUE);
        EXPECT_EQ(applet->m_pOwner, &app);
    }
    const struct {
        UINT message;
        LPARAM index;
        LONG result;
    } rows[] = {{CPL_INIT, 0, TRUE},     {CPL_GETCOUNT, 0, 3},     {CPL_INQUIRE, 0, 1},
                {CPL_INQUIRE, 1, 0},     {CPL_INQUIRE, 3, 1},      {CPL_DBLCLK, 0, 0},
                {CPL_DBLCLK, 2, 1},      {CPL_STARTWPARMSA, 2, 1}};
    for (const auto& row : rows) {
        CPLINFO info = {};  // also the parameters: an empty text
        EXPECT_EQ(app.OnCplMessage(nullptr, row.message, row.index, reinterpret_cast<LPARAM>(&info)), row.result)
            << row.message << " to applet " << row.index;
    }
}

}  // namespace
