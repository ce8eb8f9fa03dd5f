#include "wifi_marlo.h"

#include <new>

#include "cp_applet.h"
#include "language_dll.h"
#include "res/resource.h"
#include "wifi_prop_sheet.h"
#include "zero_config_ahead.h"

BOOL CWiFiMarlo::InitInstance()
{
    LoadLanguageResources();
    return CControlPanelApp::InitInstance();
}

BOOL CWiFiMarlo::OnInit()
{
    CCPApplet* applet = new (std::nothrow) CCPApplet(IDI_APPLET, &CWiFiPropSheet::runtimeClass, TRUE);
    if (applet)
        AddApplet(applet);
    // Answered by the time the user opens the applet, or while it opens.
    AskZeroConfigAhead();
    return CControlPanelApp::OnInit();
}
