#include "user.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace user {

namespace {

HWND Control(HWND dialog, int id)
{
    HWND control = GetDlgItem(dialog, id);
    EXPECT_NE(control, nullptr) << "no control " << id;
    return control;
}

// The control, or null (with a test failure) when a user could not `act` on it.
HWND Usable(HWND dialog, int id, const char* act, bool mustBeVisible = false)
{
    HWND control = Control(dialog, id);
    bool visible = GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE;
    if (IsWindowEnabled(control) && (visible || !mustBeVisible))
        return control;
    ADD_FAILURE() << "control " << id << " cannot be " << act << ": it is disabled"
                  << (mustBeVisible ? " or hidden" : "");
    return nullptr;
}

LRESULT Send(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return SendMessageA(Control(dialog, id), message, wParam, lParam);
}

HWND TabsOf(HWND sheet) { return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0)); }

std::string ComboItem(HWND combo, LRESULT index)
{
    std::string text(SendMessageA(combo, CB_GETLBTEXTLEN, index, 0) + 1, '\0');
    text.resize(SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0])));
    return text;
}

int RowCount(HWND dialog, int id) { return static_cast<int>(Send(dialog, id, LVM_GETITEMCOUNT)); }

void SetRowState(HWND dialog, int id, int row, UINT state, UINT mask)
{
    LVITEMA item = {};
    item.state = state;
    item.stateMask = mask;
    Send(dialog, id, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::string RowText(HWND dialog, int id, int row)
{
    char text[260] = {};
    LVITEMA item = {};
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    Send(dialog, id, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

}  // namespace

void Click(HWND dialog, int id)
{
    if (HWND button = Usable(dialog, id, "clicked", true))
        SendMessageA(button, BM_CLICK, 0, 0);
}

void Type(HWND dialog, int id, const std::string& text)
{
    if (HWND edit = Usable(dialog, id, "typed into")) {
        SetFocus(edit);
        for (unsigned char character : text)
            SendMessageA(edit, WM_CHAR, character, 1);
    }
}

void Retype(HWND dialog, int id, const std::string& text)
{
    SendDlgItemMessageA(dialog, id, EM_SETSEL, 0, -1);
    Type(dialog, id, text);
}

void ChooseItem(HWND dialog, int id, int index)
{
    if (HWND combo = Usable(dialog, id, "chosen from")) {
        SendMessageA(combo, CB_SETCURSEL, index, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    }
}

void ChooseRow(HWND dialog, int id, int row)
{
    SetRowState(dialog, id, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void ClearRows(HWND dialog, int id) { SetRowState(dialog, id, -1, 0, LVIS_SELECTED); }
void SwitchPage(HWND sheet, int index) { SendMessageA(sheet, PSM_SETCURSEL, index, 0); }
void PressOk(HWND sheet) { SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0); }
void PressApply(HWND sheet) { SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_APPLYNOW, 0); }
void PressCancel(HWND sheet) { SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0); }
HWND CurrentPage(HWND sheet) { return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); }
int CurrentPageIndex(HWND sheet) { return static_cast<int>(SendMessageA(TabsOf(sheet), TCM_GETCURSEL, 0, 0)); }
int PageCount(HWND sheet) { return static_cast<int>(SendMessageA(TabsOf(sheet), TCM_GETITEMCOUNT, 0, 0)); }

std::string PageCaption(HWND sheet, int index)
{
    char text[128] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendMessageA(TabsOf(sheet), TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
    return text;
}

std::string Tabs(HWND sheet)
{
    std::string tabs;
    for (int i = 0; i < PageCount(sheet); ++i)
        tabs += (i ? " " : "") + PageCaption(sheet, i);
    return tabs;
}

std::string WindowText(HWND window)
{
    int length = GetWindowTextLengthA(window);
    std::string text(length + 1, '\0');
    text.resize(GetWindowTextA(window, &text[0], length + 1));
    return text;
}

std::string Text(HWND dialog, int id) { return WindowText(Control(dialog, id)); }
bool IsEnabled(HWND dialog, int id) { return IsWindowEnabled(Control(dialog, id)) != FALSE; }
bool IsVisible(HWND dialog, int id) { return (GetWindowLongA(Control(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0; }
bool HasFocus(HWND dialog, int id) { return GetFocus() == Control(dialog, id); }

std::string EditSelection(HWND dialog, int id)
{
    DWORD start = 0, end = 0;
    Send(dialog, id, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return std::to_string(start) + "-" + std::to_string(end);
}

int Selection(HWND dialog, int id) { return static_cast<int>(Send(dialog, id, CB_GETCURSEL)); }

std::string SelectedText(HWND dialog, int id)
{
    int index = Selection(dialog, id);
    return index == CB_ERR ? std::string() : ComboItem(GetDlgItem(dialog, id), index);
}

std::vector<std::string> Items(HWND dialog, int id)
{
    std::vector<std::string> items;
    for (LRESULT i = 0; i < Send(dialog, id, CB_GETCOUNT); ++i)
        items.push_back(ComboItem(GetDlgItem(dialog, id), i));
    return items;
}

int SelectedRow(HWND dialog, int id)
{
    return static_cast<int>(Send(dialog, id, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

std::string Rows(HWND dialog, int id)
{
    // A row's image counts only when the list's image list holds it.
    HIMAGELIST images = reinterpret_cast<HIMAGELIST>(Send(dialog, id, LVM_GETIMAGELIST, LVSIL_SMALL));
    int imageCount = images ? ImageList_GetImageCount(images) : 0;
    std::string rows;
    for (int row = 0; row < RowCount(dialog, id); ++row) {
        LVITEMA item = {};
        item.mask = LVIF_IMAGE;
        item.iItem = row;
        Send(dialog, id, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        bool marked = item.iImage >= 0 && item.iImage < imageCount;
        rows += std::string(row ? " " : "") + (marked ? "*" : "") + RowText(dialog, id, row);
    }
    return rows;
}

int RowOf(HWND dialog, int id, const std::string& text)
{
    for (int row = 0; row < RowCount(dialog, id); ++row)
        if (RowText(dialog, id, row) == text)
            return row;
    ADD_FAILURE() << "no row " << text;
    return -1;
}

}  // namespace user
