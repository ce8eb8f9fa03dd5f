// The owner of a dialog made without a parent window: the innermost modal
// window of this thread that the framework runs (the applet's sheet, or a
// dialog running on top of it), as a safe-owner rule does. The active
// window is no guide: with another program in front, or no window manager,
// it is not the sheet, and a dialog it owned would leave the sheet usable.
#pragma once

#include <windows.h>

void EnterModalWindow(HWND window);
void LeaveModalWindow(HWND window);
// Null when the framework runs no modal window on this thread.
HWND SafeModalOwner();
