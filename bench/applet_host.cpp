#include "applet_host.h"

#include <commctrl.h>

#include "clocks.h"

namespace {

const UINT kRunAction = WM_APP + 1;

struct Opening {
    HWND sheet = nullptr;
    double shownAt = 0;
    double cpuAtShown = 0;
    double requestsAtShown = 0;
    std::function<void(HWND)> whileOpen;
    std::function<void(HWND)> otherWindows;
};
Opening* opening = nullptr;
HWND actionWindow = nullptr;

void PressCancel(HWND window)
{
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
}

LRESULT CALLBACK ActionProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != kRunAction || !opening)
        return DefWindowProcA(window, message, wParam, lParam);
    HWND sheet = opening->sheet;
    if (opening->whileOpen)
        opening->whileOpen(sheet);
    if (IsWindow(sheet))
        PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    return 0;
}

// Actions run from a message of a window of ours, so that they run inside
// the sheet's own modal loop.
HWND ActionWindow()
{
    if (!actionWindow) {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = ActionProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "VyrBenchAction";
        RegisterClassA(&windowClass);
        actionWindow = CreateWindowExA(0, windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                       windowClass.hInstance, nullptr);
    }
    return actionWindow;
}

LRESULT CALLBACK WatchActivation(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && opening) {
        HWND window = reinterpret_cast<HWND>(wParam);
        if (!opening->sheet) {
            opening->shownAt = NowMs();
            opening->cpuAtShown = PreciseCpuMs();
            opening->requestsAtShown = ServerRequests();
            opening->sheet = window;
            PostMessageA(ActionWindow(), kRunAction, 0, 0);
        } else if (window != opening->sheet) {
            opening->otherWindows(window);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

AppletHost::AppletHost(const std::string& path)
{
    module_ = LoadLibraryA(path.c_str());
    if (module_)
        entry_ = reinterpret_cast<APPLET_PROC>(reinterpret_cast<void*>(GetProcAddress(module_, "CPlApplet")));
    if (entry_ && !entry_(nullptr, CPL_INIT, 0, 0))
        entry_ = nullptr;
    if (entry_) {
        CPLINFO info = {};
        entry_(nullptr, CPL_GETCOUNT, 0, 0);
        entry_(nullptr, CPL_INQUIRE, 0, reinterpret_cast<LPARAM>(&info));
    }
}

AppletHost::~AppletHost()
{
    if (entry_) {
        entry_(nullptr, CPL_STOP, 0, 0);
        entry_(nullptr, CPL_EXIT, 0, 0);
    }
    if (module_)
        FreeLibrary(module_);
}

double AppletHost::Open(const char* startPage, const std::function<void(HWND sheet)>& whileOpen)
{
    if (!entry_)
        return -1;
    ActionWindow();
    Opening current;
    current.whileOpen = whileOpen;
    current.otherWindows = PressCancel;
    opening = &current;
    HHOOK hook = SetWindowsHookExA(WH_CBT, WatchActivation, nullptr, GetCurrentThreadId());
    double requestsStart = ServerRequests(), cpuStart = PreciseCpuMs(), start = NowMs();
    if (startPage)
        entry_(nullptr, CPL_STARTWPARMSA, 0, reinterpret_cast<LPARAM>(startPage));
    else
        entry_(nullptr, CPL_DBLCLK, 0, 0);
    UnhookWindowsHookEx(hook);
    opening = nullptr;
    // A posted action left behind by a sheet that closed on its own.
    MSG message;
    while (PeekMessageA(&message, actionWindow, 0, 0, PM_REMOVE))
        ;
    lastOpeningCpu_ = current.sheet && cpuStart >= 0 ? current.cpuAtShown - cpuStart : -1;
    lastOpeningRequests_ = current.sheet && requestsStart >= 0 ? current.requestsAtShown - requestsStart : -1;
    return current.sheet ? current.shownAt - start : -1;
}

void OnNextWindows(const std::function<void(HWND window)>& handler)
{
    if (opening)
        opening->otherWindows = handler ? handler : PressCancel;
}

HWND CurrentPage(HWND sheet)
{
    return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}
