#include "property_sheet.h"

#include <commctrl.h>

#include <algorithm>

#include "app.h"
#include "modal_owner.h"
#include "property_page.h"
#include "seams.h"
#include "strings.h"

namespace {

// PropertySheet's callback carries no pointer of ours; the sheet being
// created on this thread is the one it is about.
thread_local CPropertySheet* sheetBeingCreated = nullptr;
thread_local bool* sheetCreatedFlag = nullptr;

}  // namespace

const CRuntimeClass CPropertySheet::runtimeClass = {"CPropertySheet", nullptr};

const CRuntimeClass* CPropertySheet::GetRuntimeClass() const
{
    return &runtimeClass;
}

CPropertySheet::CPropertySheet(UINT captionId, CWnd* parent, UINT startPage)
    : caption_(LoadResString(captionId)), parent_(parent), startPage_(startPage)
{
}

CPropertySheet::~CPropertySheet()
{
    for (CPropertyPage* page : pages_)
        page->sheet_ = nullptr;
}

void CPropertySheet::AddPage(CPropertyPage* page)
{
    pages_.push_back(page);
    page->sheet_ = this;
    if (m_hWnd)
        SendMessage(PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(page->CreatePageHandle()));
}

void CPropertySheet::ForgetPage(CPropertyPage* page)
{
    int index = GetPageIndex(page);
    if (index >= 0)
        pages_.erase(pages_.begin() + index);
}

void CPropertySheet::RemovePage(CPropertyPage* page)
{
    int index = GetPageIndex(page);
    if (index < 0)
        return;
    if (m_hWnd)
        SendMessage(PSM_REMOVEPAGE, index, 0);
    pages_.erase(pages_.begin() + index);
    page->sheet_ = nullptr;
}

int CPropertySheet::GetPageCount() const
{
    return static_cast<int>(pages_.size());
}

CPropertyPage* CPropertySheet::GetPage(int index) const
{
    return index >= 0 && index < GetPageCount() ? pages_[index] : nullptr;
}

int CPropertySheet::GetPageIndex(const CPropertyPage* page) const
{
    auto found = std::find(pages_.begin(), pages_.end(), page);
    return found == pages_.end() ? -1 : static_cast<int>(found - pages_.begin());
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    HWND current = reinterpret_cast<HWND>(SendMessage(PSM_GETCURRENTPAGEHWND));
    for (CPropertyPage* page : pages_) {
        if (page->m_hWnd && page->m_hWnd == current)
            return page;
    }
    return nullptr;
}

INT_PTR CPropertySheet::DoModal()
{
    std::vector<HPROPSHEETPAGE> handles;
    for (CPropertyPage* page : pages_)
        handles.push_back(page->CreatePageHandle());

    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_USECALLBACK | (icon_ ? PSH_USEHICON : 0);
    header.hwndParent = parent_ ? parent_->m_hWnd : nullptr;
    header.hInstance = GetResourceHandle();
    header.hIcon = icon_;
    header.pszCaption = caption_.c_str();
    header.nPages = static_cast<UINT>(handles.size());
    header.nStartPage = startPage_ < header.nPages ? startPage_ : 0;
    header.phpage = handles.data();
    header.pfnCallback = SheetCallback;

    RegisterCommonControls();
    bool created = false;
    sheetBeingCreated = this;
    sheetCreatedFlag = &created;
    INT_PTR result = PropertySheetA(&header);
    sheetBeingCreated = nullptr;
    sheetCreatedFlag = nullptr;
    // A window that never came up sends no last message: the object's life
    // ends here instead, as it would have ended with the window.
    if (!created)
        PostNcDestroy();
    return result;
}

int CALLBACK CPropertySheet::SheetCallback(HWND window, UINT message, LPARAM)
{
    if (message == PSCB_INITIALIZED && sheetBeingCreated) {
        CPropertySheet* sheet = sheetBeingCreated;
        *sheetCreatedFlag = true;
        EnterModalWindow(window);
        // Classic subclassing: SetWindowSubclass is exported by name only
        // from the version 6 common controls.
        sheet->Attach(window);
        sheet->sheetProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SheetWindowProc)));
        ScheduleModalHook(window);
    }
    return 0;
}

LRESULT CALLBACK CPropertySheet::SheetWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CPropertySheet* sheet = static_cast<CPropertySheet*>(FromHandlePermanent(window));
    // Without its object the window still gets the dialog class's own
    // procedure, which is what the sheet was subclassed from.
    if (!sheet) {
        WNDPROC classProc = reinterpret_cast<WNDPROC>(GetClassLongPtrA(window, GCLP_WNDPROC));
        return CallWindowProcA(classProc, window, message, wParam, lParam);
    }
    WNDPROC sheetProc = sheet->sheetProc_;
    if (RunModalHook(window, message))
        return 0;
    LRESULT result = 0;
    if (message != WM_NCDESTROY && sheet->OnWndMsg(message, wParam, lParam, result))
        return result;
    if (message != WM_NCDESTROY)
        return CallWindowProcA(sheetProc, window, message, wParam, lParam);
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(sheetProc));
    LeaveModalWindow(window);
    sheet->Detach();
    result = CallWindowProcA(sheetProc, window, message, wParam, lParam);
    sheet->PostNcDestroy();
    return result;
}
