// Meets a window that code under test shows modally on this thread, from a second thread: for windows of the real
// applet DLL, whose framework seams a test program cannot reach.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>

class WindowWatcher {
public:
    // Waits (up to the timeout) for a top-level window of this thread with
    // the title, then runs `step` on the watcher thread with it.
    WindowWatcher(const std::string& title, std::function<void(HWND window)> step, DWORD timeoutMs = 20000);
    ~WindowWatcher();

private:
    std::thread thread_;
};

// From a watcher's step: presses the sheet's Cancel until the sheet is gone. The sheet is visible before its modal
// loop runs, and a press that arrives then is lost.
void CancelSheetFromWatcher(HWND sheet);
