#include "property_page.h"

#include "app.h"
#include "property_sheet.h"

const CRuntimeClass CPropertyPage::runtimeClass = {"CPropertyPage", nullptr};

const CRuntimeClass* CPropertyPage::GetRuntimeClass() const
{
    return &runtimeClass;
}

CPropertyPage::CPropertyPage(UINT templateId) : CDialog(templateId) {}

CPropertyPage::~CPropertyPage()
{
    // Pages are usually members of a derived sheet, gone before the base
    // sheet's destructor runs.
    if (sheet_)
        sheet_->ForgetPage(this);
}

BOOL CPropertyPage::OnSetActive()
{
    if (firstSetActive_)
        firstSetActive_ = false;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    return UpdateData(TRUE);
}

void CPropertyPage::OnOK() {}

void CPropertyPage::OnCancel() {}

HPROPSHEETPAGE CPropertyPage::CreatePageHandle()
{
    // A window made again after the page was removed starts afresh.
    firstSetActive_ = true;
    PROPSHEETPAGEA page = {};
    page.dwSize = sizeof(page);
    page.dwFlags = PSP_DEFAULT;
    page.hInstance = FindResourceHandle(MAKEINTRESOURCEA(GetTemplateId()), RT_DIALOG);
    page.pszTemplate = MAKEINTRESOURCEA(GetTemplateId());
    page.pfnDlgProc = PageProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return CreatePropertySheetPageA(&page);
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // comctl32 hands the page a copy of its PROPSHEETPAGE, whose lParam is the object.
    CDialog* page = message == WM_INITDIALOG
                        ? reinterpret_cast<CPropertyPage*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam)
                        : reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    return Route(page, window, message, wParam, lParam);
}

bool CPropertyPage::HandleDefault(UINT message, WPARAM, LPARAM lParam, LRESULT& result)
{
    if (message != WM_NOTIFY)
        return false;
    switch (reinterpret_cast<NMHDR*>(lParam)->code) {
    case PSN_SETACTIVE:
        result = OnSetActive() ? 0 : -1;
        return true;
    case PSN_KILLACTIVE:
        result = OnKillActive() ? FALSE : TRUE;
        return true;
    case PSN_APPLY:
        OnOK();
        result = PSNRET_NOERROR;
        return true;
    case PSN_RESET:
        OnCancel();
        result = 0;
        return true;
    default:
        return false;
    }
}
