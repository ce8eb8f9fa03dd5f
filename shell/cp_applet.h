// One icon of a Control Panel applet DLL and the window it opens.
#pragma once

#include <windows.h>
#include <cpl.h>

#include "framework/framework.h"

class CControlPanelApp;

class CCPApplet : public CCmdTarget {
public:
    // `resourceId` names both the icon group and the string that hold the
    // applet's icon, name and description.
    CCPApplet(UINT resourceId, const CRuntimeClass* uiClass, BOOL newInquiryOnly);

    // Creates the UI object and runs it modally: 0 when it ran, 1 when it
    // could not be created. `parameters` may be null.
    virtual LONG OnRun(CWnd* parent, const char* parameters);
    virtual LONG OnInquire(CPLINFO* info);
    virtual LONG OnNewInquire(NEWCPLINFOA* info);
    virtual LONG OnSelect();
    virtual LONG OnStop();

    CControlPanelApp* m_pOwner = nullptr;

private:
    const CRuntimeClass* uiClass_;
    BOOL newInquiryOnly_;
    UINT resourceId_;
};

// The page number at the start of an applet's parameter text; 0 for none.
UINT StartPageFromParameters(const char* parameters);
