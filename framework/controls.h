// Thin control classes: a member of a page or dialog, bound to the
// template's control by DDX_Control or Attach.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "wnd.h"

class CButton : public CWnd {
public:
    int GetCheck() const;
    void SetCheck(int state);
};

class CEdit : public CWnd {
public:
    void LimitText(int maxChars);
    void SetSel(int start, int end, BOOL noScroll = FALSE);
    void ReplaceSel(const std::string& text);
    // Deletes the selected text (the edit's clear command).
    void Clear();
    // Switches automatic upper-case conversion of typed characters.
    void SetUpperCase(bool upperCase);
};

class CStatic : public CWnd {};

class CComboBox : public CWnd {
public:
    int AddString(const std::string& text);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    // An index past the list clears the selection, as on Windows.
    int SetCurSel(int index);
    // The list's own prefix search, case-insensitive, starting after item
    // `startAfter` (-1: from the top) and wrapping; CB_ERR when nothing matches.
    int SelectString(int startAfter, const std::string& prefix);
    std::string GetLBText(int index) const;
};

class CProgressCtrl : public CWnd {
public:
    void SetRange(int lower, int upper);
    void SetStep(int step);
    int SetPos(int position);
    int GetPos() const;
};

class CImageList {
public:
    CImageList() = default;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;
    ~CImageList();

    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    int Add(HICON icon);
    HIMAGELIST GetSafeHandle() const { return handle_; }
    // Hands the list over to whoever destroys it from now on.
    HIMAGELIST Detach();

private:
    HIMAGELIST handle_ = nullptr;
};

class CListCtrl : public CWnd {
public:
    int InsertColumn(int column, const std::string& heading, int format, int width);
    // A row whose text and image the list asks for when it draws, with its
    // item data.
    int InsertCallbackItem(int row, LPARAM data);
    int GetItemCount() const;
    BOOL DeleteItem(int row);
    BOOL DeleteAllItems();
    LPARAM GetItemData(int row) const;
    BOOL SetItemState(int row, UINT state, UINT mask);
    UINT GetItemState(int row, UINT mask) const;
    // The first row after `start` with the flags (LVNI_SELECTED, ...), or -1.
    int GetNextItem(int start, UINT flags) const;
    std::string GetItemText(int row, int column) const;
    BOOL EnsureVisible(int row, BOOL partialOk);
    BOOL RedrawItems(int first, int last);
    // A list view without LVS_SHAREIMAGELISTS destroys its image lists with
    // itself: it then takes `images` over, which is left empty.
    void SetImageList(CImageList& images, int kind);
};
