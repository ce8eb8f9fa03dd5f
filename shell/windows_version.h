// The running Windows version as a small code, and the administrator check.
#pragma once

#include <windows.h>

enum WindowsVersionCode : unsigned {
    kWindowsOther = 0,
    kWindowsNT4 = 1,
    kWindows2000 = 2,
    kWindowsXP = 3,
    kWindowsMe = 4,
    kWindows98 = 5,
    kWindows95 = 6,
};

// Recomputed at each call from the system's version number.
unsigned GetWindowsVersionCode();

