// The framework's few test seams. Production code takes the real path while
// no hook is set.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Message boxes: every box the applet shows goes through ShowMessageBox.
using MessageBoxHook =
    std::function<int(HWND owner, const std::string& text, const std::string& caption, UINT type)>;
void SetMessageBoxHook(MessageBoxHook hook);
int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);

// Modal loops: once a modal dialog or property sheet is up and its loop
// runs, the hook is called with its window, so a test can drive and close it.
using ModalHook = std::function<void(HWND window)>;
void SetModalHook(ModalHook hook);
// Arranges for the hook to be called from the window's own modal loop.
void ScheduleModalHook(HWND window);
// Called by the window procedure when the scheduled message arrives; returns
// true when `message` was that message.
bool RunModalHook(HWND window, UINT message);

// Ending the host process.
using ExitHook = std::function<void(UINT exitCode)>;
void SetExitHook(ExitHook hook);
// Ends the process with the code; with a hook set, the hook runs instead and
// the call returns.
void EndHostProcess(UINT exitCode);
