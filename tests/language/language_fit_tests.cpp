// The language DLLs under Wine: every label and button text fits its control in the dialog font; and, run once per user
// locale (VYR_LANGUAGE_DLL names the DLL it picks), the sheet's texts survive the applet's 8-bit calls.
#include <windows.h>
#include <commctrl.h>
#include <cpl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "res/resource.h"
#include "support/applet_entry.h"
#include "support/window_watcher.h"

namespace {

std::wstring WindowTextW(HWND window)
{
    std::wstring text(512, L'\0');
    text.resize(GetWindowTextW(window, &text[0], 512));
    return text;
}

// Appends "id:needed>width" for a control too narrow for its text as drawn,
// keeping room for a button's frame, box or group line.
BOOL CALLBACK AppendTooWide(HWND control, LPARAM report)
{
    std::wstring text = WindowTextW(control), shown;
    for (size_t i = 0; i < text.size(); ++i)
        shown += text[i] == L'&' && i + 1 < text.size() ? text[++i] : text[i];
    wchar_t kind[16] = {};
    GetClassNameW(control, kind, 16);
    int type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
    int margin = lstrcmpiW(kind, L"Button") ? 0 : type == BS_GROUPBOX ? 16 : type > BS_DEFPUSHBUTTON ? 18 : 6;
    HDC dc = GetDC(control);
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
    ReleaseDC(control, dc);
    RECT client;
    GetClientRect(control, &client);
    if (size.cx + margin > client.right && !shown.empty())
        *reinterpret_cast<std::string*>(report) += " " + std::to_string(GetDlgCtrlID(control)) + ":" +
                                                   std::to_string(size.cx + margin) + ">" + std::to_string(client.right);
    return TRUE;
}

INT_PTR CALLBACK InertDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

BOOL CALLBACK AppendDialogTooWide(HMODULE module, LPCSTR, LPSTR name, LONG_PTR report)
{
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr, nullptr, nullptr);
    auto dialog = static_cast<LPCDLGTEMPLATEW>(LockResource(LoadResource(module, FindResourceA(module, name, RT_DIALOG))));
    HWND created = CreateDialogIndirectParamW(nullptr, dialog, parent, InertDialog, 0);
    std::string tooWide = created ? "" : " not created";
    EnumChildWindows(created, AppendTooWide, reinterpret_cast<LPARAM>(&tooWide));
    if (!tooWide.empty())
        *reinterpret_cast<std::string*>(report) += " dialog " + std::to_string(LOWORD(name)) + tooWide;
    DestroyWindow(parent);
    return TRUE;
}

TEST(LanguageLayout, EveryLabelAndButtonTextFitsItsControlInEveryLanguage)
{
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&classes);
    for (const char* name : {"chineseT.dll", "chineseS.dll", "danish.dll", "german.dll", "finnish.dll", "french.dll",
                             "italian.dll", "Japanese.dll", "korean.dll", "dutch.dll", "norwegan.dll", "bPort.dll",
                             "swedish.dll", "spanish.dll"}) {
        HMODULE module = LoadLibraryExA(name, nullptr, LOAD_LIBRARY_AS_DATAFILE);
        std::string report = module ? "" : " missing";
        EnumResourceNamesA(module, RT_DIALOG, AppendDialogTooWide, reinterpret_cast<LONG_PTR>(&report));
        EXPECT_EQ(report, "") << name;
        FreeLibrary(module);
    }
}

// Texts the applet loads and sets through the 8-bit calls, one control per way of setting them: each control's text,
// read back as UTF-16, begins with one of its strings.
struct LoadedText {
    int page, control;
    UINT strings[5];
} const kLoadedTexts[] = {
    {0, IDC_STATUS_RADIO, {IDS_DISABLE_RADIO, IDS_ENABLE_RADIO}},
    {2, IDC_ENCRYPT_PROFILE_LABEL, {IDS_ENCRYPT_PROFILE_PREFIX}},
    {3, IDC_POWER_TRANSMIT, {IDS_TX_POWER_FULL, IDS_TX_POWER_50, IDS_TX_POWER_25, IDS_TX_POWER_12, IDS_TX_POWER_LOWEST}},
    {4, IDC_ABOUT_REGULATORY_DOMAIN, {IDS_ABOUT_REGULATORY_DOMAIN}},
};

TEST(LocaleSheet, TheSheetShowsTheLanguageDllsTextsInTheUsersCodePage)
{
    const char* dll = std::getenv("VYR_LANGUAGE_DLL");
    ASSERT_TRUE(dll) << "run by the per-locale test entries only";
    HMODULE texts = LoadLibraryExA(dll, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    auto stringW = [texts](UINT id) {
        std::wstring text(512, L'\0');
        text.resize(LoadStringW(texts, id, &text[0], 512));
        return text;
    };
    APPLET_PROC cplApplet = LoadAppletEntry();
    ASSERT_TRUE(texts && cplApplet && cplApplet(nullptr, CPL_INIT, 0, 0));
    ASSERT_TRUE(GetModuleHandleA(dll)) << "the applet did not load " << dll;
    char title[256] = {};
    LoadStringA(GetModuleHandleA(dll), IDS_SHEET_CAPTION, title, sizeof(title));
    std::string seen, expected;
    WindowWatcher watcher(title, [&](HWND sheet) {
        seen += WindowTextW(sheet) == stringW(IDS_SHEET_CAPTION) ? " | title" : " | other title";
        for (const LoadedText& row : kLoadedTexts) {
            SendMessageW(sheet, PSM_SETCURSEL, row.page, 0);
            std::wstring text = WindowTextW(GetDlgItem(PropSheet_GetCurrentPageHwnd(sheet), row.control));
            bool found = false;
            for (UINT id : row.strings)
                found |= id && !stringW(id).empty() && text.rfind(stringW(id), 0) == 0;
            seen += " | " + std::to_string(row.control) + (found ? "" : " differs");
            expected += " | " + std::to_string(row.control);
        }
        CancelSheetFromWatcher(sheet);
    });
    cplApplet(nullptr, CPL_DBLCLK, 0, 0);
    cplApplet(nullptr, CPL_EXIT, 0, 0);
    EXPECT_EQ(seen, " | title" + expected);
}

}  // namespace
