#include "dialog_font.h"

#include <windows.h>

namespace {

int CALLBACK FoundFont(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

}  // namespace

// "MS Shell Dlg" stands for Tahoma; without it Wine picks whatever the host
// offers, and a crash in that font's shaping would be counted as ours.
bool HasDialogFont()
{
    LOGFONTA font = {};
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpyA(font.lfFaceName, "Tahoma");
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(screen, &font, FoundFont, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}
