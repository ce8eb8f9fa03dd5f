// The layout twin: an applet with our five page templates, the sheet's
// caption and icon, and nothing behind them. What it costs to open is the
// floor for our own opening.
#include <windows.h>
#include <commctrl.h>
#include <cpl.h>

#include "res/resource.h"

namespace {

HINSTANCE module = nullptr;

INT_PTR CALLBACK EmptyPage(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

void ShowSheet(HWND parent)
{
    const WORD templates[] = {IDD_PAGE_STATUS, IDD_PAGE_CONFIG, IDD_PAGE_ENCRYPT, IDD_PAGE_POWER, IDD_PAGE_ABOUT};
    const int kPages = sizeof(templates) / sizeof(templates[0]);
    HPROPSHEETPAGE pages[kPages];
    for (int i = 0; i < kPages; ++i) {
        PROPSHEETPAGEA page = {};
        page.dwSize = sizeof(page);
        page.hInstance = module;
        page.pszTemplate = MAKEINTRESOURCEA(templates[i]);
        page.pfnDlgProc = EmptyPage;
        pages[i] = CreatePropertySheetPageA(&page);
    }
    char caption[256];
    LoadStringA(module, IDS_SHEET_CAPTION, caption, sizeof(caption));
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_USEHICON;
    header.hwndParent = parent;
    header.hInstance = module;
    header.hIcon = LoadIconA(module, MAKEINTRESOURCEA(IDI_APPLET));
    header.pszCaption = caption;
    header.nPages = kPages;
    header.phpage = pages;
    PropertySheetA(&header);
    DestroyIcon(header.hIcon);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        module = instance;
    return TRUE;
}

extern "C" LONG CALLBACK CPlApplet(HWND window, UINT message, LPARAM, LPARAM lParam2)
{
    switch (message) {
    case CPL_INIT:
        return TRUE;
    case CPL_GETCOUNT:
        return 1;
    case CPL_INQUIRE: {
        CPLINFO* info = reinterpret_cast<CPLINFO*>(lParam2);
        info->idIcon = IDI_APPLET;
        info->idName = IDS_APPLET;
        info->idInfo = IDS_APPLET;
        info->lData = 0;
        return 0;
    }
    case CPL_DBLCLK:
        ShowSheet(window);
        return 0;
    default:
        return 0;
    }
}
