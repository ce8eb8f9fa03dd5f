// An application object that owns a Control Panel DLL's applets and routes
// the Control Panel's messages to them.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/framework.h"

class CCPApplet;

class CControlPanelApp : public CWinApp {
public:
    CControlPanelApp();
    ~CControlPanelApp() override;

    virtual LONG OnCplMessage(HWND controlPanel, UINT message, LPARAM lParam1, LPARAM lParam2);
    // CPL_INIT: TRUE when at least one applet is registered.
    virtual BOOL OnInit();
    // CPL_EXIT.
    virtual LONG OnExit();

    BOOL AddApplet(CCPApplet* applet);
    int GetAppletCount() const;

private:
    std::vector<CCPApplet*> applets_;
};
