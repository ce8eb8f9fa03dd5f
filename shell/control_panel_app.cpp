#include "control_panel_app.h"

#include <cpl.h>

#include "cp_applet.h"

CControlPanelApp::CControlPanelApp() : CWinApp(nullptr)
{
    applets_.reserve(10);
}

CControlPanelApp::~CControlPanelApp()
{
    for (CCPApplet* applet : applets_)
        delete applet;
}

BOOL CControlPanelApp::OnInit()
{
    return applets_.empty() ? FALSE : TRUE;
}

LONG CControlPanelApp::OnExit()
{
    return 0;
}

BOOL CControlPanelApp::AddApplet(CCPApplet* applet)
{
    applets_.push_back(applet);
    applet->m_pOwner = this;
    return TRUE;
}

int CControlPanelApp::GetAppletCount() const
{
    return static_cast<int>(applets_.size());
}

LONG CControlPanelApp::OnCplMessage(HWND controlPanel, UINT message, LPARAM lParam1, LPARAM lParam2)
{
    switch (message) {
    case CPL_INIT:
        return OnInit();
    case CPL_GETCOUNT:
        return GetAppletCount();
    case CPL_EXIT:
        return OnExit();
    default:
        break;
    }
    if (message < CPL_INQUIRE || message > CPL_STARTWPARMSW)
        return 1;
    // The Control Panel only names applets below the count; anything else
    // is answered as an unhandled message, without touching an applet.
    if (lParam1 < 0 || lParam1 >= GetAppletCount())
        return 1;
    CCPApplet* applet = applets_[lParam1];
    // The framework's own object for the window when there is one, else a
    // temporary one for the length of the call.
    CWnd temporary(controlPanel);
    CWnd* parent = CWnd::FromHandlePermanent(controlPanel);
    if (!parent)
        parent = &temporary;
    switch (message) {
    case CPL_INQUIRE:
        return applet->OnInquire(reinterpret_cast<CPLINFO*>(lParam2));
    case CPL_SELECT:
        return applet->OnSelect();
    case CPL_DBLCLK:
        return applet->OnRun(parent, nullptr);
    case CPL_STOP:
        return applet->OnStop();
    case CPL_NEWINQUIRE:
        return applet->OnNewInquire(reinterpret_cast<NEWCPLINFOA*>(lParam2));
    case CPL_STARTWPARMSA:
    case CPL_STARTWPARMSW:
        // The parameter is read as 8-bit text in both forms: of the wide
        // form only the first character is seen, enough for a page number.
        applet->OnRun(parent, reinterpret_cast<const char*>(lParam2));
        return 1;
    default:
        return 1;
    }
}
