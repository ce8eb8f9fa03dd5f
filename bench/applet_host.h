// A Control Panel applet loaded and opened as the Control Panel does, with
// a thread hook that sees its windows come up: the sheet, and the dialogs
// and message boxes that the bench's actions open over it.
#pragma once

#include <windows.h>
#include <cpl.h>

#include <functional>
#include <string>

class AppletHost {
public:
    // Loads the .cpl at `path` and sends CPL_INIT.
    explicit AppletHost(const std::string& path);
    ~AppletHost();
    AppletHost(const AppletHost&) = delete;
    AppletHost& operator=(const AppletHost&) = delete;

    bool Loaded() const { return entry_ != nullptr; }

    // Opens the applet (CPL_DBLCLK, or CPL_STARTWPARMSA with `startPage`
    // when given) and, once its sheet is up, runs `whileOpen` from the
    // sheet's modal loop, then closes the sheet. Returns the milliseconds
    // from the opening call to the sheet's first showing; -1 when it never
    // showed.
    double Open(const char* startPage, const std::function<void(HWND sheet)>& whileOpen = nullptr);
    // The CPU milliseconds of this process and the wineserver over the last
    // opening, to the sheet's first showing; -1 when not known.
    double LastOpeningCpu() const { return lastOpeningCpu_; }
    // The wineserver requests over the last opening (ServerRequests).
    double LastOpeningRequests() const { return lastOpeningRequests_; }

private:
    HMODULE module_ = nullptr;
    APPLET_PROC entry_ = nullptr;
    double lastOpeningCpu_ = -1;
    double lastOpeningRequests_ = -1;
};

// Called with each other window (dialog, message box) that becomes active
// over the sheet while `whileOpen` runs; the default presses Cancel.
void OnNextWindows(const std::function<void(HWND window)>& handler);
// The page window the sheet shows now.
HWND CurrentPage(HWND sheet);
