#include "data_exchange.h"

#include "framework_ids.h"

#include "seams.h"
#include "strings.h"
#include "wnd.h"

CDataExchange::CDataExchange(CWnd& window, bool saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(&window)
{
}

HWND CDataExchange::PrepareCtrl(int id)
{
    lastControl_ = m_pDlgWnd->GetDlgItem(id);
    return lastControl_;
}

void CDataExchange::Fail()
{
    failed_ = true;
    if (lastControl_)
        ::SetFocus(lastControl_);
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (dx->Failed())
        return;
    HWND window = dx->PrepareCtrl(id);
    if (control.m_hWnd != window)
        control.Attach(window);
    dx->m_pDlgWnd->BindControl(control);
}

void DDX_Text(CDataExchange* dx, int id, std::string& value)
{
    if (dx->Failed())
        return;
    CWnd control(dx->PrepareCtrl(id));
    if (dx->m_bSaveAndValidate)
        value = control.GetWindowText();
    else
        control.SetWindowText(value);
}

void DDX_DisplayText(CDataExchange* dx, int id, std::string& value)
{
    if (dx->Failed())
        return;
    CWnd control(dx->PrepareCtrl(id));
    if (dx->m_bSaveAndValidate)
        value = control.GetWindowText();
    else if (control.GetWindowText() != value)
        control.SetWindowText(value);
}

void DDV_MaxChars(CDataExchange* dx, const std::string& value, int maxChars)
{
    if (dx->Failed())
        return;
    if (!dx->m_bSaveAndValidate) {
        SendMessageA(dx->LastControl(), EM_LIMITTEXT, maxChars, 0);
        return;
    }
    if (static_cast<int>(value.size()) > maxChars) {
        // Edits are limited when shown, so only text set behind the user's
        // back gets here; the dialog's own title is the best caption.
        HWND dialog = dx->m_pDlgWnd->m_hWnd;
        ShowMessageBox(dialog, Format(LoadResString(IDS_FRAMEWORK_MAX_CHARS).c_str(), maxChars),
                       CWnd(GetAncestor(dialog, GA_ROOT)).GetWindowText(), MB_OK | MB_ICONEXCLAMATION);
        dx->Fail();
    }
}
