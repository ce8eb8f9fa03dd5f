// The language DLLs as Wine shows them: every label and button text fits its
// control in the dialog font, and, run once per user locale (VYR_LANGUAGE_DLL
// names the DLL that locale picks), the sheet's texts survive the applet's
// 8-bit calls in that locale's code page.
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

std::string Utf8(const std::wstring& text)
{
    std::string out(text.size() * 4 + 1, '\0');
    out.resize(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &out[0], static_cast<int>(out.size()), nullptr, nullptr) - 1);
    return out;
}

std::wstring WindowTextW(HWND window)
{
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

std::wstring StringW(HMODULE module, UINT id)
{
    wchar_t text[512] = {};
    LoadStringW(module, id, text, 512);
    return text;
}

// Room a control keeps for itself beside its text.
int Margin(HWND control)
{
    wchar_t kind[32] = {};
    GetClassNameW(control, kind, 32);
    if (lstrcmpiW(kind, L"Button"))
        return 0;
    switch (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) {
    case BS_GROUPBOX: return 16;
    case BS_CHECKBOX: case BS_AUTOCHECKBOX: case BS_RADIOBUTTON: case BS_AUTORADIOBUTTON: return 18;
    default: return 6;
    }
}

BOOL CALLBACK AppendTooWide(HWND control, LPARAM report)
{
    std::wstring text = WindowTextW(control);
    std::wstring shown;  // as drawn: "&x" shows x, "&&" shows &
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    RECT client;
    GetClientRect(control, &client);
    if (!shown.empty() && size.cx + Margin(control) > client.right)
        *reinterpret_cast<std::string*>(report) += " '" + Utf8(text) + "' " + std::to_string(size.cx) + ">" +
                                                   std::to_string(client.right - Margin(control));
    return TRUE;
}

INT_PTR CALLBACK InertDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

BOOL CALLBACK AppendDialogTooWide(HMODULE module, LPCWSTR, LPWSTR name, LONG_PTR report)
{
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr, nullptr, nullptr);
    HRSRC found = FindResourceW(module, name, MAKEINTRESOURCEW(5));
    auto templ = static_cast<LPCDLGTEMPLATEW>(LockResource(LoadResource(module, found)));
    HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), templ, parent, InertDialog, 0);
    std::string tooWide;
    EnumChildWindows(dialog, AppendTooWide, reinterpret_cast<LPARAM>(&tooWide));
    if (!dialog || !tooWide.empty())
        *reinterpret_cast<std::string*>(report) += " " + std::to_string(LOWORD(name)) + (dialog ? ":" : ": not created") + tooWide;
    DestroyWindow(parent);
    return TRUE;
}

TEST(LanguageLayout, EveryLabelAndButtonTextFitsItsControlInEveryLanguage)
{
    const char* modules[] = {"chineseT.dll", "chineseS.dll", "danish.dll", "german.dll",
                             "finnish.dll", "french.dll", "italian.dll", "Japanese.dll", "korean.dll",
                             "dutch.dll", "norwegan.dll", "bPort.dll", "swedish.dll", "spanish.dll"};
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&classes);
    std::string seen, expected;
    for (const char* name : modules) {
        HMODULE module = LoadLibraryExA(name, nullptr, LOAD_LIBRARY_AS_DATAFILE);
        std::string report;
        EnumResourceNamesW(module, MAKEINTRESOURCEW(5), AppendDialogTooWide, reinterpret_cast<LONG_PTR>(&report));
        seen += std::string(name) + (module ? ":" : ": missing") + report + "\n";
        expected += std::string(name) + ":\n";
        FreeLibrary(module);
    }
    EXPECT_EQ(seen, expected);
}

// Texts the applet loads and sets through the 8-bit calls, by page: each
// control's text must begin with one of the strings (read as UTF-16).
struct LoadedText {
    int page;
    int control;
    UINT strings[5];
};
const LoadedText kLoadedTexts[] = {
    {0, IDC_STATUS_RADIO, {IDS_DISABLE_RADIO, IDS_ENABLE_RADIO}},
    {2, IDC_ENCRYPT_PROFILE_LABEL, {IDS_ENCRYPT_PROFILE_PREFIX}},
    {3, IDC_POWER_PROFILE_LABEL, {IDS_POWER_PROFILE_PREFIX}},
    {3, IDC_POWER_SAVING, {IDS_POWER_SAVE_OFF, IDS_POWER_SAVE_NORMAL, IDS_POWER_SAVE_MAXIMUM}},
    {3, IDC_POWER_TRANSMIT, {IDS_TX_POWER_FULL, IDS_TX_POWER_50, IDS_TX_POWER_25, IDS_TX_POWER_12, IDS_TX_POWER_LOWEST}},
    {4, IDC_ABOUT_DRIVER_VERSION, {IDS_ABOUT_DRIVER_VERSION}},
    {4, IDC_ABOUT_UTILITY_VERSION, {IDS_ABOUT_UTILITY_VERSION}},
    {4, IDC_ABOUT_MAC_ADDRESS, {IDS_ABOUT_MAC_ADDRESS}},
    {4, IDC_ABOUT_REGULATORY_DOMAIN, {IDS_ABOUT_REGULATORY_DOMAIN}},
};

TEST(LocaleSheet, TheSheetShowsTheLanguageDllsTextsInTheUsersCodePage)
{
    const char* dll = std::getenv("VYR_LANGUAGE_DLL");
    ASSERT_TRUE(dll) << "run by the per-locale test entries only";
    HMODULE texts = LoadLibraryExA(dll, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    APPLET_PROC cplApplet = LoadAppletEntry();
    ASSERT_TRUE(texts && cplApplet && cplApplet(nullptr, CPL_INIT, 0, 0));
    char title[256] = {};
    LoadStringA(GetModuleHandleA(dll), IDS_SHEET_CAPTION, title, sizeof(title));
    std::string seen = std::string(dll) + (GetModuleHandleA(dll) ? " loaded" : " not loaded") + "\n", expected;
    WindowWatcher watcher(title, [&](HWND sheet) {
        seen += "title " + std::string(WindowTextW(sheet) == StringW(texts, IDS_SHEET_CAPTION) ? "ok" : "differs") + "\n";
        for (const LoadedText& row : kLoadedTexts) {
            SendMessageW(sheet, PSM_SETCURSEL, row.page, 0);
            std::wstring text = WindowTextW(GetDlgItem(PropSheet_GetCurrentPageHwnd(sheet), row.control));
            bool found = false;
            for (UINT id : row.strings)
                found |= id && !StringW(texts, id).empty() && text.rfind(StringW(texts, id), 0) == 0;
            seen += std::to_string(row.control) + (found ? " ok" : " '" + Utf8(text) + "'") + "\n";
            expected += std::to_string(row.control) + " ok\n";
        }
        CancelSheetFromWatcher(sheet);
    });
    cplApplet(nullptr, CPL_DBLCLK, 0, 0);
    cplApplet(nullptr, CPL_EXIT, 0, 0);
    EXPECT_EQ(seen, std::string(dll) + " loaded\ntitle ok\n" + expected);
}

}  // namespace
