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

}  // namespace

void Click(HWND dialog, int id)
{
    HWND button = Control(dialog, id);
    if (!IsWindowEnabled(button) || !(GetWindowLongA(button, GWL_STYLE) & WS_VISIBLE)) {
        ADD_FAILURE() << "control " << id << " cannot be clicked: it is disabled or hidden";
        return;
    }
    SendMessageA(button, BM_CLICK, 0, 0);
}

void Type(HWND dialog, int id, const std::string& text)
{
    HWND edit = Control(dialog, id);
    if (!IsWindowEnabled(edit)) {
        ADD_FAILURE() << "control " << id << " cannot be typed into: it is disabled";
        return;
    }
    SetFocus(edit);
    for (unsigned char character : text)
        SendMessageA(edit, WM_CHAR, character, 1);
}

void Retype(HWND dialog, int id, const std::string& text)
{
    SendDlgItemMessageA(dialog, id, EM_SETSEL, 0, -1);
    Type(dialog, id, text);
}

void ChooseItem(HWND dialog, int id, int index)
{
    HWND combo = Control(dialog, id);
    if (!IsWindowEnabled(combo)) {
        ADD_FAILURE() << "control " << id << " cannot be chosen from: it is disabled";
        return;
    }
    SendMessageA(combo, CB_SETCURSEL, index, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void ChooseRow(HWND dialog, int id, int row)
{
    LVITEMA item = {};
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(Control(dialog, id), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

void ClearRows(HWND dialog, int id)
{
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED;
    SendMessageA(Control(dialog, id), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
}

void SwitchPage(HWND sheet, int index)
{
    SendMessageA(sheet, PSM_SETCURSEL, index, 0);
}

void PressOk(HWND sheet)
{
    SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
}

void PressApply(HWND sheet)
{
    SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_APPLYNOW, 0);
}

void PressCancel(HWND sheet)
{
    SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

HWND CurrentPage(HWND sheet)
{
    return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

int CurrentPageIndex(HWND sheet)
{
    HWND tabs = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    return static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
}

int PageCount(HWND sheet)
{
    HWND tabs = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    return static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
}

std::string PageCaption(HWND sheet, int index)
{
    HWND tabs = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    char text[128] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendMessageA(tabs, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
    return text;
}

std::string WindowText(HWND window)
{
    int length = GetWindowTextLengthA(window);
    std::string text(length + 1, '\0');
    text.resize(GetWindowTextA(window, &text[0], length + 1));
    return text;
}

std::string Text(HWND dialog, int id)
{
    return WindowText(Control(dialog, id));
}

bool IsEnabled(HWND dialog, int id)
{
    return IsWindowEnabled(Control(dialog, id)) != FALSE;
}

bool IsVisible(HWND dialog, int id)
{
    return (GetWindowLongA(Control(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

bool IsChecked(HWND dialog, int id)
{
    return SendMessageA(Control(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int Selection(HWND dialog, int id)
{
    return static_cast<int>(SendMessageA(Control(dialog, id), CB_GETCURSEL, 0, 0));
}

std::string SelectedText(HWND dialog, int id)
{
    HWND combo = Control(dialog, id);
    LRESULT index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR)
        return std::string();
    std::string text(SendMessageA(combo, CB_GETLBTEXTLEN, index, 0) + 1, '\0');
    text.resize(SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0])));
    return text;
}

int SelectedRow(HWND dialog, int id)
{
    return static_cast<int>(SendMessageA(Control(dialog, id), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

int RowCount(HWND dialog, int id)
{
    return static_cast<int>(SendMessageA(Control(dialog, id), LVM_GETITEMCOUNT, 0, 0));
}

std::string RowText(HWND dialog, int id, int row)
{
    char text[260] = {};
    LVITEMA item = {};
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendMessageA(Control(dialog, id), LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

bool HasFocus(HWND dialog, int id)
{
    return GetFocus() == Control(dialog, id);
}

}  // namespace user

namespace user {

std::vector<std::string> Items(HWND dialog, int id)
{
    std::vector<std::string> items;
    HWND combo = GetDlgItem(dialog, id);
    for (LRESULT i = 0; i < SendMessageA(combo, CB_GETCOUNT, 0, 0); ++i) {
        std::string text(SendMessageA(combo, CB_GETLBTEXTLEN, i, 0) + 1, '\0');
        text.resize(SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&text[0])));
        items.push_back(text);
    }
    return items;
}

std::string Rows(HWND dialog, int id)
{
    std::string rows;
    for (int row = 0; row < RowCount(dialog, id); ++row) {
        LVITEMA item = {};
        item.mask = LVIF_IMAGE;
        item.iItem = row;
        SendDlgItemMessageA(dialog, id, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        rows += std::string(row ? " " : "") + (item.iImage >= 0 ? "*" : "") + RowText(dialog, id, row);
    }
    return rows;
}

int RowOf(HWND dialog, int id, const std::string& text)
{
    for (int row = 0; row < RowCount(dialog, id); ++row) {
        if (RowText(dialog, id, row) == text)
            return row;
    }
    ADD_FAILURE() << "no row " << text;
    return -1;
}

}  // namespace user

std::string user::Tabs(HWND sheet)
{
    std::string tabs;
    for (int i = 0; i < PageCount(sheet); ++i)
        tabs += (i ? " " : "") + PageCaption(sheet, i);
    return tabs;
}

std::string user::EditSelection(HWND dialog, int id)
{
    DWORD start = 0, end = 0;
    SendMessageA(Control(dialog, id), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return std::to_string(start) + "-" + std::to_string(end);
}
