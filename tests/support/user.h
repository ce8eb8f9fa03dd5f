// Acts as a user on the real windows: clicks, types, chooses, switches pages and reads back what the user would see.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace user {

// A click on a disabled or hidden button fails the test, as a user could not click it.
void Click(HWND dialog, int id);
// Typed one WM_CHAR at a time, so limits, filters and upper-case conversion apply.
void Type(HWND dialog, int id, const std::string& text);
// Selects the edit's whole text and types over it.
void Retype(HWND dialog, int id, const std::string& text);
// Sends the selection-change notification that a user's choice sends.
void ChooseItem(HWND dialog, int id, int index);
// Selects (and focuses) a list-view row; the list sends its own notifications.
void ChooseRow(HWND dialog, int id, int row);
// Clicks empty space in a list view: no row stays selected.
void ClearRows(HWND dialog, int id);

void SwitchPage(HWND sheet, int index);
void PressOk(HWND sheet);
void PressApply(HWND sheet);
void PressCancel(HWND sheet);
HWND CurrentPage(HWND sheet);
int CurrentPageIndex(HWND sheet);
int PageCount(HWND sheet);
std::string PageCaption(HWND sheet, int index);
// The tab captions, one blank apart.
std::string Tabs(HWND sheet);

std::string Text(HWND dialog, int id);
std::string WindowText(HWND window);
bool IsEnabled(HWND dialog, int id);
bool IsVisible(HWND dialog, int id);
bool HasFocus(HWND dialog, int id);
// An edit's selection, "<start>-<end>".
std::string EditSelection(HWND dialog, int id);

// Combo boxes; -1 and "" for no selection.
int Selection(HWND dialog, int id);
std::string SelectedText(HWND dialog, int id);
std::vector<std::string> Items(HWND dialog, int id);

// List views; -1 for no row.
int SelectedRow(HWND dialog, int id);
// The rows, one blank apart, each that shows an icon marked "*".
std::string Rows(HWND dialog, int id);
// The row with this text; -1 (with a test failure) when there is none.
int RowOf(HWND dialog, int id, const std::string& text);

}  // namespace user
