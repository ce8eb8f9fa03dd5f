// The applet DLL's application object: the language resources at start-up
// and the one applet it registers.
#pragma once

#include "control_panel_app.h"

class CWiFiMarlo : public CControlPanelApp {
public:
    BOOL InitInstance() override;
    BOOL OnInit() override;
};
