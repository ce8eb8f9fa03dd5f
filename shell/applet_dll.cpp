// The DLL's entry points: the one application object and CPlApplet.
#include <windows.h>

#include "framework/framework.h"
#include "wifi_marlo.h"

namespace {

CWiFiMarlo theApp;

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        return StartDllApplication(instance);
    if (reason == DLL_PROCESS_DETACH)
        EndDllApplication();
    return TRUE;
}

extern "C" LONG CALLBACK CPlApplet(HWND controlPanel, UINT message, LPARAM lParam1, LPARAM lParam2)
{
    ModuleStateScope scope(OwnModuleState());
    return theApp.OnCplMessage(controlPanel, message, lParam1, lParam2);
}
