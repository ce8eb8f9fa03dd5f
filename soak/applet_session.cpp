#include "applet_session.h"

#include <windows.h>
#include <commctrl.h>
#include <cpl.h>

#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "card_changes.h"
#include "gui_counts.h"
#include "res/resource.h"
#include "random_stream.h"
#include "user_actions.h"

namespace {

const UINT kRunAction = WM_APP + 1;
const UINT_PTR kIdleTurn = 1;
// Every so many actions the next waits for the queue to empty, so that the
// applet's own timer ticks and hidden modal windows show, as between a
// user's keystrokes; the rest follow at once.
const long kIdleEvery = 8;
// Message boxes keep their text in this control.
const int kMessageBoxText = 0xFFFF;

struct Session {
    SessionPlan plan;
    long next = 0;
    HWND actionWindow = nullptr;
    HWND sheet = nullptr;
    bool scheduled = false;
    bool warming = false;
    int warmUpStep = 0;
    std::vector<HWND> activated;  // the thread's windows, last activated last
    std::set<HWND> met;
};
Session session;

void Log(const std::string& line)
{
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

std::string TextOf(HWND window)
{
    char text[81] = "";
    GetWindowTextA(window, text, sizeof(text));
    std::string line = text;
    for (char& c : line) {
        if (c == '\n' || c == '\r')
            c = ' ';
    }
    return line;
}

bool IsSheet(HWND window)
{
    return FindWindowExA(window, nullptr, WC_TABCONTROLA, nullptr) != nullptr &&
           SendMessageA(window, PSM_GETCURRENTPAGEHWND, 0, 0) != 0;
}

// The window that takes input now: the last one activated that is still
// there and enabled (a modal window disables its owner).
HWND Front()
{
    for (auto window = session.activated.rbegin(); window != session.activated.rend(); ++window) {
        if (IsWindow(*window) && IsWindowEnabled(*window))
            return *window;
    }
    return nullptr;
}

void Schedule()
{
    if (session.scheduled)
        return;
    session.scheduled = true;
    HWND front = Front();
    if ((front && !IsWindowVisible(front)) || session.warming || session.next % kIdleEvery == 0)
        SetTimer(session.actionWindow, kIdleTurn, USER_TIMER_MINIMUM, nullptr);
    else
        PostMessageA(session.actionWindow, kRunAction, 0, 0);
}

// A window is told apart once it takes input: a sheet is not yet whole
// when it is first activated.
void Meet(HWND window)
{
    if (!session.met.insert(window).second)
        return;
    if (IsSheet(window)) {
        session.sheet = window;
        char handle[32];
        std::snprintf(handle, sizeof(handle), "%p", static_cast<void*>(window));
        Log(std::string("sheet ") + handle);
    } else if (session.warming) {
        return;  // the warm-up's windows are not the user's
    } else if (GetDlgItem(window, kMessageBoxText)) {
        Log("message box: " + TextOf(GetDlgItem(window, kMessageBoxText)));
    } else {
        Log("dialog: " + TextOf(window));
    }
}

// Once every action ran: whatever is open is closed, the innermost first.
void CloseFront(HWND front)
{
    if (front == session.sheet) {
        PostMessageA(front, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        return;
    }
    HWND button = nullptr;
    for (int id : {IDCANCEL, IDNO, IDOK}) {
        if (!button)
            button = GetDlgItem(front, id);
    }
    if (button)
        PostMessageA(front, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
    else
        PostMessageA(front, WM_CLOSE, 0, 0);
}

void Act(HWND front)
{
    long index = session.next++;
    RandomStream random(session.plan.seed, static_cast<uint64_t>(index));
    HWND sheet = session.sheet && IsWindow(session.sheet) ? session.sheet : nullptr;
    UserAction action = ChooseAction(front, sheet, random);
    Log("action " + std::to_string(index) + ": " + action.text + " on \"" + TextOf(front) + "\"");
    action.run();
}

void ClickOnPage(HWND sheet, int id)
{
    HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    HWND button = page ? GetDlgItem(page, id) : nullptr;
    if (button && IsWindowEnabled(button))
        SendMessageA(button, BM_CLICK, 0, 0);
}

// The warm-up opening shows every page and opens the profile dialogs once,
// each window closed as it comes, and lets each paint.
void WarmUpStep(HWND front)
{
    HWND sheet = session.sheet;
    if (front != sheet) {
        CloseFront(front);
        return;
    }
    switch (session.warmUpStep++) {
    case 0: SendMessageA(sheet, PSM_SETCURSEL, 1, 0); break;
    case 1: ClickOnPage(sheet, IDC_CONFIG_CONFIGURE); break;
    case 2: ClickOnPage(sheet, IDC_CONFIG_NEW); break;
    case 3: SendMessageA(sheet, PSM_SETCURSEL, 2, 0); break;
    case 4: SendMessageA(sheet, PSM_SETCURSEL, 3, 0); break;
    case 5: SendMessageA(sheet, PSM_SETCURSEL, 4, 0); break;
    case 6: SendMessageA(sheet, PSM_SETCURSEL, 0, 0); break;
    default: CloseFront(sheet); break;
    }
}

void RunAction()
{
    session.scheduled = false;
    HWND front = Front();
    if (!front)
        return;
    if (!IsWindowVisible(front)) {
        Schedule();
        return;
    }
    Meet(front);
    // Scheduled before it runs: an action that opens a modal window goes on
    // inside that window's loop.
    Schedule();
    if (session.warming)
        WarmUpStep(front);
    else if (session.next < session.plan.endAction)
        Act(front);
    else
        CloseFront(front);
}

LRESULT CALLBACK ActionProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER && wParam == kIdleTurn) {
        KillTimer(window, kIdleTurn);
        RunAction();
        return 0;
    }
    if (message == kRunAction) {
        RunAction();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK WatchWindows(int code, WPARAM wParam, LPARAM lParam)
{
    HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && window != session.actionWindow) {
        session.activated.push_back(window);
        Schedule();
    } else if (code == HCBT_DESTROYWND) {
        // Handles are used again; a new window of the same handle is met anew.
        session.met.erase(window);
        for (auto& known : session.activated) {
            if (known == window)
                known = nullptr;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

HWND MakeActionWindow()
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ActionProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "VyrSoakAction";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           windowClass.hInstance, nullptr);
}

std::string ProgramFolder()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof(path));
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\'));
}

// Runs `show` (which shows modal windows) with the thread's windows
// watched, and the actions running in whatever is in front.
void Watched(const std::function<void()>& show)
{
    session.activated.clear();
    session.sheet = nullptr;
    HHOOK hook = SetWindowsHookExA(WH_CBT, WatchWindows, nullptr, GetCurrentThreadId());
    show();
    UnhookWindowsHookEx(hook);
    KillTimer(session.actionWindow, kIdleTurn);
    MSG message;
    while (PeekMessageA(&message, session.actionWindow, 0, 0, PM_REMOVE))
        ;
    session.scheduled = false;
    session.sheet = nullptr;
}

// One opening, from CPL_DBLCLK until the sheet is gone.
void Open(APPLET_PROC entry)
{
    Watched([entry] { entry(nullptr, CPL_DBLCLK, 0, 0); });
}

// Caches that live as long as the process (the message boxes' shared
// icons, Wine's system objects, the profile list's image list, the pages'
// and dialogs' first creation) are made before the counting starts.
void WarmUp(APPLET_PROC entry)
{
    session.warming = true;
    for (UINT icon : {MB_ICONHAND, MB_ICONQUESTION, MB_ICONEXCLAMATION, MB_ICONASTERISK})
        Watched([icon] { MessageBoxA(nullptr, "warm-up", "vyrsoak", MB_OK | icon); });
    MakeLastingSystemObjects();
    Open(entry);
    session.warming = false;
}

std::string Growth(long now, long start)
{
    long growth = now - start;
    return (growth >= 0 ? "+" : "") + std::to_string(growth);
}

}  // namespace

int RunAppletSession(const SessionPlan& plan)
{
    session.plan = plan;
    session.next = plan.firstAction;
    session.actionWindow = MakeActionWindow();
    std::string counting = CheckGuiCounting();
    if (!counting.empty()) {
        Log("counting missed" + counting);
        return 3;
    }
    std::string inserted = InsertCardIfOut();
    if (!inserted.empty())
        Log("vyrsim: " + inserted);
    // Before the applet loads, as it asks for the answer ahead then.
    int zeroConfig = ZeroConfigAnswer();
    SetZeroConfigAnswer(0);

    HMODULE applet = LoadLibraryA((ProgramFolder() + "\\VyrWLan.cpl").c_str());
    APPLET_PROC entry =
        applet ? reinterpret_cast<APPLET_PROC>(reinterpret_cast<void*>(GetProcAddress(applet, "CPlApplet"))) : nullptr;
    CPLINFO info = {};
    if (!entry || !entry(nullptr, CPL_INIT, 0, 0) || entry(nullptr, CPL_GETCOUNT, 0, 0) != 1) {
        Log("the applet did not load");
        return 3;
    }
    entry(nullptr, CPL_INQUIRE, 0, reinterpret_cast<LPARAM>(&info));
    WarmUp(entry);
    SetZeroConfigAnswer(zeroConfig);
    GuiCounts start = CountGuiObjects();
    for (long opening = 1; session.next < session.plan.endAction; ++opening) {
        Log("opening " + std::to_string(opening));
        Open(entry);
        GuiCounts now = CountGuiObjects();
        Log("closed: windows " + Growth(now.windows, start.windows) + ", GDI objects " +
            Growth(now.gdiObjects, start.gdiObjects));
    }
    entry(nullptr, CPL_STOP, 0, 0);
    entry(nullptr, CPL_EXIT, 0, 0);
    Log("done");
    return 0;
}
