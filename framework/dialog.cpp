#include "dialog.h"

#include "app.h"
#include "modal_owner.h"
#include "seams.h"

namespace {

// Raised when the window of the DoModal call under way on this thread
// exists; a local of that call, as the object may be gone when it returns.
thread_local bool* modalWindowCreated = nullptr;

}  // namespace

const CRuntimeClass CDialog::runtimeClass = {"CDialog", nullptr};

const CRuntimeClass* CDialog::GetRuntimeClass() const
{
    return &runtimeClass;
}

CDialog::CDialog(UINT templateId, CWnd* parent) : templateId_(templateId), parent_(parent) {}

INT_PTR CDialog::DoModal()
{
    HWND owner = parent_ ? GetAncestor(parent_->m_hWnd, GA_ROOT) : SafeModalOwner();
    if (!owner && (owner = GetActiveWindow()) != nullptr)
        owner = GetAncestor(owner, GA_ROOT);
    HINSTANCE module = FindResourceHandle(MAKEINTRESOURCEA(templateId_), RT_DIALOG);
    modal_ = true;
    RegisterCommonControls();
    bool created = false;
    modalWindowCreated = &created;
    INT_PTR result = module ? DialogBoxParamA(module, MAKEINTRESOURCEA(templateId_), owner, DialogProc,
                                              reinterpret_cast<LPARAM>(this))
                            : -1;
    modalWindowCreated = nullptr;
    // A window that never came up sends no last message: its object's
    // life ends here instead, as it would have ended with the window.
    if (!created)
        PostNcDestroy();
    return result;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::EndDialog(int result)
{
    ::EndDialog(m_hWnd, result);
}

void CDialog::PostFocus(HWND control)
{
    PostMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CDialog* dialog = message == WM_INITDIALOG ? reinterpret_cast<CDialog*>(lParam)
                                               : reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    return Route(dialog, window, message, wParam, lParam);
}

INT_PTR CDialog::Route(CDialog* dialog, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!dialog)
        return FALSE;
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(dialog));
        dialog->Attach(window);
        if (dialog->modal_) {
            if (modalWindowCreated)
                *modalWindowCreated = true;
            modalWindowCreated = nullptr;
            EnterModalWindow(window);
        }
    }
    if (RunModalHook(window, message))
        return TRUE;
    INT_PTR handled = dialog->HandleMessage(message, wParam, lParam);
    if (message == WM_DESTROY)
        dialog->ReleaseBoundControls();
    if (message == WM_NCDESTROY) {
        LeaveModalWindow(window);
        SetWindowLongPtrA(window, DWLP_USER, 0);
        dialog->Detach();
        dialog->PostNcDestroy();
    }
    return handled;
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        BOOL focusDefault = OnInitDialog();
        if (modal_)
            ScheduleModalHook(m_hWnd);
        return focusDefault;
    }
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, result) && !HandleDefault(message, wParam, lParam, result))
        return FALSE;
    if (message == WM_NOTIFY)
        SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

bool CDialog::HandleDefault(UINT message, WPARAM wParam, LPARAM, LRESULT& result)
{
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
        return false;
    if (LOWORD(wParam) == IDOK)
        OnOK();
    else if (LOWORD(wParam) == IDCANCEL)
        OnCancel();
    else
        return false;
    result = 0;
    return true;
}
