#include "wifi_marlo.h"

#include <new>

#include "cp_applet.h"
#include "language_dll.h"
#include "res/resource.h"
#include "wifi_prop_sheet.h"

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
    return CControlPanelApp::OnInit();
}
