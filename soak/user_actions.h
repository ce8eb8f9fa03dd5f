// One random user action on the window in front: a click on an enabled
// control, keystrokes, a choice in a list, a page switch, or a change of
// the card underneath.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

class RandomStream;

struct UserAction {
    std::string text;           // for the log, written before it runs
    std::function<void()> run;  // may open modal windows, or end the process
};

// `front` is the window that takes the user's input now (the sheet, a
// dialog or a message box); `sheet` the applet's sheet, null when none.
UserAction ChooseAction(HWND front, HWND sheet, RandomStream& random);

// The Status page's tick, brought forward so that the applet meets a
// change of the card at once rather than at its next 3-second tick.
void TickStatusPage(HWND sheet);
