#include "controls.h"

int CButton::GetCheck() const
{
    return static_cast<int>(SendMessage(BM_GETCHECK));
}

void CButton::SetCheck(int state)
{
    SendMessage(BM_SETCHECK, state);
}

void CEdit::LimitText(int maxChars)
{
    SendMessage(EM_LIMITTEXT, maxChars);
}

void CEdit::SetSel(int start, int end, BOOL noScroll)
{
    SendMessage(EM_SETSEL, start, end);
    if (!noScroll)
        SendMessage(EM_SCROLLCARET);
}

void CEdit::ReplaceSel(const std::string& text)
{
    SendMessage(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void CEdit::Clear()
{
    SendMessage(WM_CLEAR);
}

void CEdit::SetUpperCase(bool upperCase)
{
    LONG_PTR style = GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    style = upperCase ? (style | ES_UPPERCASE) : (style & ~static_cast<LONG_PTR>(ES_UPPERCASE));
    SetWindowLongPtrA(m_hWnd, GWL_STYLE, style);
}

int CComboBox::AddString(const std::string& text)
{
    return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

void CComboBox::ResetContent()
{
    SendMessage(CB_RESETCONTENT);
}

int CComboBox::GetCount() const
{
    return static_cast<int>(SendMessage(CB_GETCOUNT));
}

int CComboBox::GetCurSel() const
{
    return static_cast<int>(SendMessage(CB_GETCURSEL));
}

int CComboBox::SetCurSel(int index)
{
    // Windows clears the selection for an index past the list; Wine's
    // combo box keeps it, so the wrapper asks for no selection itself.
    if (index >= GetCount()) {
        SendMessage(CB_SETCURSEL, static_cast<WPARAM>(-1));
        return CB_ERR;
    }
    return static_cast<int>(SendMessage(CB_SETCURSEL, index));
}

int CComboBox::SelectString(int startAfter, const std::string& prefix)
{
    return static_cast<int>(SendMessage(CB_SELECTSTRING, startAfter, reinterpret_cast<LPARAM>(prefix.c_str())));
}

std::string CComboBox::GetLBText(int index) const
{
    LRESULT length = SendMessage(CB_GETLBTEXTLEN, index);
    if (length == CB_ERR)
        return std::string();
    std::string text(length + 1, '\0');
    SendMessage(CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(length);
    return text;
}

void CProgressCtrl::SetRange(int lower, int upper)
{
    SendMessage(PBM_SETRANGE32, lower, upper);
}

void CProgressCtrl::SetStep(int step)
{
    SendMessage(PBM_SETSTEP, step);
}

int CProgressCtrl::SetPos(int position)
{
    return static_cast<int>(SendMessage(PBM_SETPOS, position));
}

int CProgressCtrl::GetPos() const
{
    return static_cast<int>(SendMessage(PBM_GETPOS));
}

CImageList::~CImageList()
{
    if (handle_)
        ImageList_Destroy(handle_);
}

BOOL CImageList::Create(int cx, int cy, UINT flags, int initial, int grow)
{
    if (handle_)
        ImageList_Destroy(handle_);
    handle_ = ImageList_Create(cx, cy, flags, initial, grow);
    return handle_ != nullptr;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST handle = handle_;
    handle_ = nullptr;
    return handle;
}

int CImageList::Add(HICON icon)
{
    return ImageList_AddIcon(handle_, icon);
}

int CListCtrl::InsertColumn(int column, const std::string& heading, int format, int width)
{
    LVCOLUMNA info = {};
    info.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    info.fmt = format;
    info.cx = width;
    info.pszText = const_cast<char*>(heading.c_str());
    info.iSubItem = column;
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&info)));
}

int CListCtrl::InsertCallbackItem(int row, LPARAM data)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = row;
    item.pszText = LPSTR_TEXTCALLBACKA;
    item.iImage = I_IMAGECALLBACK;
    item.lParam = data;
    return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

int CListCtrl::GetItemCount() const
{
    return static_cast<int>(SendMessage(LVM_GETITEMCOUNT));
}

BOOL CListCtrl::DeleteItem(int row)
{
    return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, row));
}

BOOL CListCtrl::DeleteAllItems()
{
    return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS));
}

LPARAM CListCtrl::GetItemData(int row) const
{
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    return SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) ? item.lParam : 0;
}

BOOL CListCtrl::SetItemState(int row, UINT state, UINT mask)
{
    LVITEMA item = {};
    item.state = state;
    item.stateMask = mask;
    return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item)));
}

UINT CListCtrl::GetItemState(int row, UINT mask) const
{
    return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, row, mask));
}

int CListCtrl::GetNextItem(int start, UINT flags) const
{
    return static_cast<int>(SendMessage(LVM_GETNEXTITEM, start, MAKELPARAM(flags, 0)));
}

std::string CListCtrl::GetItemText(int row, int column) const
{
    // The list asks its parent for callback text, so the buffer is filled
    // by whoever supplies the row's text.
    std::string text(260, '\0');
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = &text[0];
    item.cchTextMax = static_cast<int>(text.size());
    LRESULT length = SendMessage(LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    text.resize(length > 0 ? length : 0);
    return text;
}

BOOL CListCtrl::EnsureVisible(int row, BOOL partialOk)
{
    return static_cast<BOOL>(SendMessage(LVM_ENSUREVISIBLE, row, partialOk));
}

BOOL CListCtrl::RedrawItems(int first, int last)
{
    return static_cast<BOOL>(SendMessage(LVM_REDRAWITEMS, first, last));
}

void CListCtrl::SetImageList(CImageList& images, int kind)
{
    SendMessage(LVM_SETIMAGELIST, kind, reinterpret_cast<LPARAM>(images.GetSafeHandle()));
    if (!(GetWindowLongPtrA(m_hWnd, GWL_STYLE) & LVS_SHAREIMAGELISTS))
        images.Detach();
}
