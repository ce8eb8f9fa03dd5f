#include "window_watcher.h"

#include <commctrl.h>

namespace {

struct Search {
    const std::string* title;
    HWND found;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM data)
{
    Search* search = reinterpret_cast<Search*>(data);
    char title[256] = {};
    GetWindowTextA(window, title, sizeof(title));
    if (*search->title == title && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

WindowWatcher::WindowWatcher(const std::string& title, std::function<void(HWND window)> step, DWORD timeoutMs)
{
    DWORD owner = GetCurrentThreadId();
    thread_ = std::thread([this, title, step, timeoutMs, owner] {
        DWORD start = GetTickCount();
        while (GetTickCount() - start < timeoutMs) {
            Search search = {&title, nullptr};
            EnumThreadWindows(owner, MatchTitle, reinterpret_cast<LPARAM>(&search));
            if (search.found) {
                step(search.found);
                return;
            }
            Sleep(20);
        }
    });
}

void CancelSheetFromWatcher(HWND sheet)
{
    for (int attempt = 0; attempt < 50 && IsWindow(sheet); ++attempt) {
        PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        for (int wait = 0; wait < 10 && IsWindow(sheet); ++wait)
            Sleep(20);
    }
}

WindowWatcher::~WindowWatcher() { thread_.join(); }
