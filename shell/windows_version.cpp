#include "windows_version.h"

unsigned GetWindowsVersionCode()
{
    DWORD version = GetVersion();
    unsigned major = LOBYTE(LOWORD(version));
    unsigned minor = HIBYTE(LOWORD(version));
    bool windows95Family = (version & 0x80000000u) != 0;
    if (!windows95Family) {
        if (major == 4)
            return kWindowsNT4;
        if (major == 5 && minor == 0)
            return kWindows2000;
        if (major == 5 && minor == 1)
            return kWindowsXP;
        return kWindowsOther;
    }
    if (major == 4) {
        if (minor == 0)
            return kWindows95;
        if (minor == 10)
            return kWindows98;
        if (minor == 90)
            return kWindowsMe;
    }
    return kWindowsOther;
}
