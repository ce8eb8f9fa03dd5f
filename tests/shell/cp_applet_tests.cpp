// The applet object with UI classes other than the sheet, and the
// application object's applet list.
#include <windows.h>
#include <cpl.h>
#include <gtest/gtest.h>

#include "res/resource.h"
#include "shell/control_panel_app.h"
#include "shell/cp_applet.h"
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
    HWND controlPanel = CreateWindowA("STATIC", "Control Panel", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    CWnd parent(controlPanel);
    CCPApplet applet(IDI_APPLET, &NameDialog::runtimeClass, TRUE);
    ModalWindows modal;
    HWND owner = nullptr;
    modal.Then([&](HWND dialog) {
        owner = GetWindow(dialog, GW_OWNER);
        EndDialog(dialog, IDOK);
    });
    EXPECT_EQ(applet.OnRun(&parent, "3"), 0);
    EXPECT_EQ(owner, controlPanel);
    DestroyWindow(controlPanel);
}

TEST(CCPApplet, ShowsNothingForAClassThatIsNoWindowAndFailsForOneItCannotCreate)
{
    CCPApplet notWindow(IDI_APPLET, &NotAWindow::runtimeClass, TRUE);
    EXPECT_EQ(notWindow.OnRun(nullptr, nullptr), 0);
    CCPApplet notCreatable(IDI_APPLET, &CObject::runtimeClass, TRUE);
    EXPECT_EQ(notCreatable.OnRun(nullptr, nullptr), 1);
}

TEST(CCPApplet, AnsweringTheOldInquiryNamesTheResourceThreeTimes)
{
    CCPApplet applet(IDI_APPLET, &NotAWindow::runtimeClass, FALSE);
    CPLINFO info = {};
    EXPECT_EQ(applet.OnInquire(&info), 0);
    EXPECT_EQ(info.idIcon, IDI_APPLET);
    EXPECT_EQ(info.idName, IDI_APPLET);
    EXPECT_EQ(info.idInfo, IDI_APPLET);
    EXPECT_EQ(info.lData, reinterpret_cast<LONG_PTR>(&applet));
}

TEST(CCPApplet, MissingTextLeavesTheFieldsEmpty)
{
    const UINT kNoSuchString = 4242;
    CCPApplet applet(kNoSuchString, &NotAWindow::runtimeClass, TRUE);
    NEWCPLINFOA info;
    memset(&info, 'x', sizeof(info));
    EXPECT_EQ(applet.OnNewInquire(&info), 0);
    EXPECT_EQ(info.dwSize, 244u);
    EXPECT_STREQ(info.szName, "");
    EXPECT_STREQ(info.szInfo, "");
    EXPECT_STREQ(info.szHelpFile, "");
}

TEST(StartPage, IsTheNumberAtTheStartOfTheText)
{
    EXPECT_EQ(StartPageFromParameters(nullptr), 0u);
    EXPECT_EQ(StartPageFromParameters(""), 0u);
    EXPECT_EQ(StartPageFromParameters("2"), 2u);
    EXPECT_EQ(StartPageFromParameters("34x"), 34u);
    EXPECT_EQ(StartPageFromParameters(" 2"), 0u);
    EXPECT_EQ(StartPageFromParameters("-1"), 0u);
    EXPECT_GT(StartPageFromParameters("99999999999999999999"), 4u);  // no overflow back into a page
}

TEST(CControlPanelApp, OwnsItsAppletsAndCountsThem)
{
    CControlPanelApp app;
    EXPECT_EQ(app.OnInit(), FALSE);
    CCPApplet* first = new CCPApplet(IDI_APPLET, &NotAWindow::runtimeClass, TRUE);
    CCPApplet* second = new CCPApplet(IDI_APPLET, &NotAWindow::runtimeClass, TRUE);
    EXPECT_EQ(app.AddApplet(first), TRUE);
    EXPECT_EQ(app.AddApplet(second), TRUE);
    EXPECT_EQ(first->m_pOwner, &app);
    EXPECT_EQ(app.OnInit(), TRUE);
    EXPECT_EQ(app.OnCplMessage(nullptr, CPL_GETCOUNT, 0, 0), 2);
    CPLINFO info = {};
    EXPECT_EQ(app.OnCplMessage(nullptr, CPL_INQUIRE, 1, reinterpret_cast<LPARAM>(&info)), 1);
    EXPECT_EQ(app.OnCplMessage(nullptr, CPL_INQUIRE, 2, reinterpret_cast<LPARAM>(&info)), 1);

    // A UI class that cannot be created: the double click reports it, the
    // start with parameters answers 1 all the same.
    app.AddApplet(new CCPApplet(IDI_APPLET, &CObject::runtimeClass, TRUE));
    EXPECT_EQ(app.OnCplMessage(nullptr, CPL_DBLCLK, 2, 0), 1);
    EXPECT_EQ(app.OnCplMessage(nullptr, CPL_STARTWPARMSA, 2, reinterpret_cast<LPARAM>("1")), 1);
    EXPECT_EQ(app.OnCplMessage(nullptr, CPL_DBLCLK, 0, 0), 0);
}

}  // namespace
