// The applet's real sheet, run modally in this process.
#pragma once

#include <windows.h>

#include <functional>

#include "shell/wifi_prop_sheet.h"
#include "support/expectations.h"
#include "support/user.h"

// Opens `sheet` on `startPage`; `step` gets the sheet and its window once the modal loop runs, and must close it. The
// sheet deletes itself.
inline void RunMainSheet(int startPage, const std::function<void(CWiFiPropSheet& sheet, HWND window)>& step,
                         CWiFiPropSheet* sheet = new CWiFiPropSheet)
{
    sheet->SetStartPage(startPage);
    ModalWindows modal;
    modal.Then([&](HWND window) { step(*sheet, window); });
    sheet->DoModal();
}

// What the page's timer does every three seconds, without the wait.
inline void Tick(HWND statusPage)
{
    const UINT_PTR kStatusTimer = 2;
    SendMessageA(statusPage, WM_TIMER, kStatusTimer, 0);
}
