// Acts as a user on the real windows: clicks, types, chooses, switches
// pages and reads back what the user would see.
#pragma once

#include <windows.h>

#include <string>

namespace user {

// Clicks a button; the click fails the test when the button is disabled or
// hidden, as a user could not click it.
void Click(HWND dialog, int id);
// Gives the control the focus and types the text one WM_CHAR at a time, so
// limits, filters and upper-case conversion apply.
void Type(HWND dialog, int id, const std::string& text);
// Selects the edit's whole text and types over it.
void Retype(HWND dialog, int id, const std::string& text);
// Chooses a drop-down item and sends the selection-change notification that
// a user's choice sends.
void ChooseItem(HWND dialog, int id, int index);
// Selects (and focuses) a list-view row; the list sends its own notifications.
void ChooseRow(HWND dialog, int id, int row);
// Clicks empty space in a list view: no row stays selected.
void ClearRows(HWND dialog, int id);

// Property sheets.
void SwitchPage(HWND sheet, int index);
void PressOk(HWND sheet);
void PressApply(HWND sheet);
void PressCancel(HWND sheet);
HWND CurrentPage(HWND sheet);
int CurrentPageIndex(HWND sheet);
int PageCount(HWND sheet);
std::string PageCaption(HWND sheet, int index);

// Reading back.
std::string Text(HWND dialog, int id);
std::string WindowText(HWND window);
bool IsEnabled(HWND dialog, int id);
bool IsVisible(HWND dialog, int id);
bool IsChecked(HWND dialog, int id);
int Selection(HWND dialog, int id);          // combo box; -1 for none
std::string SelectedText(HWND dialog, int id);  // combo box
int SelectedRow(HWND dialog, int id);       // list view; -1 for none
int RowCount(HWND dialog, int id);          // list view
std::string RowText(HWND dialog, int id, int row);
bool HasFocus(HWND dialog, int id);

}  // namespace user

#include <vector>

namespace user {

// The items of a combo box, in order.
std::vector<std::string> Items(HWND dialog, int id);
// A list view's rows, separated by blanks, each that shows an icon marked "*".
std::string Rows(HWND dialog, int id);
// The row with this text; -1 (with a test failure) when there is none.
int RowOf(HWND dialog, int id, const std::string& text);
// An edit's selection, "<start>-<end>".
std::string EditSelection(HWND dialog, int id);

}  // namespace user

namespace user {

// A property sheet's tab captions, in order, separated by blanks.
std::string Tabs(HWND sheet);

}  // namespace user
