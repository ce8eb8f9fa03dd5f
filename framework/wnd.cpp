#include "wnd.h"

#include "data_exchange.h"
#include "seams.h"

namespace {

const char kObjectProperty[] = "VyrFrameworkWindowObject";

bool IsControlNotification(UINT message, LPARAM lParam)
{
    return (message == WM_COMMAND && lParam != 0) || message == WM_NOTIFY;
}

}  // namespace

const CRuntimeClass CWnd::runtimeClass = {"CWnd", nullptr};

const CRuntimeClass* CWnd::GetRuntimeClass() const
{
    return &runtimeClass;
}

CWnd::CWnd(HWND window) : m_hWnd(window) {}

CWnd::~CWnd()
{
    Detach();
}

void CWnd::Attach(HWND window)
{
    m_hWnd = window;
    attached_ = window != nullptr;
    if (window)
        SetPropA(window, kObjectProperty, this);
}

HWND CWnd::Detach()
{
    HWND window = m_hWnd;
    // Only an attached object can be the window's; asking the window costs
    // a round trip that a passing object need not make.
    if (window && attached_ && FromHandlePermanent(window) == this)
        RemovePropA(window, kObjectProperty);
    m_hWnd = nullptr;
    attached_ = false;
    controls_.clear();
    return window;
}

CWnd* CWnd::FromHandlePermanent(HWND window)
{
    return window ? static_cast<CWnd*>(GetPropA(window, kObjectProperty)) : nullptr;
}

HWND CWnd::GetDlgItem(int id) const
{
    // These three answer from the process's own window table, without a
    // round trip.
    auto found = controls_.find(id);
    if (found != controls_.end() && IsWindow(found->second) && GetParent(found->second) == m_hWnd &&
        GetDlgCtrlID(found->second) == id)
        return found->second;
    HWND control = ::GetDlgItem(m_hWnd, id);
    if (control)
        controls_[id] = control;
    else
        controls_.erase(id);
    return control;
}

std::string CWnd::GetWindowText() const
{
    int length = GetWindowTextLengthA(m_hWnd);
    std::string text(length + 1, '\0');
    int copied = ::GetWindowTextA(m_hWnd, &text[0], length + 1);
    text.resize(copied > 0 ? copied : 0);
    return text;
}

void CWnd::SetWindowText(const std::string& text)
{
    ::SetWindowTextA(m_hWnd, text.c_str());
}

std::string CWnd::GetDlgItemText(int id) const
{
    return CWnd(GetDlgItem(id)).GetWindowText();
}

void CWnd::SetDlgItemText(int id, const std::string& text)
{
    ::SetDlgItemTextA(m_hWnd, id, text.c_str());
}

BOOL CWnd::EnableWindow(BOOL enable)
{
    return ::EnableWindow(m_hWnd, enable);
}

BOOL CWnd::IsWindowEnabled() const
{
    return ::IsWindowEnabled(m_hWnd);
}

BOOL CWnd::ShowWindow(int command)
{
    return ::ShowWindow(m_hWnd, command);
}

HWND CWnd::SetFocus()
{
    return ::SetFocus(m_hWnd);
}

RECT CWnd::GetClientRect() const
{
    RECT rect = {};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse)
{
    return ::SetTimer(m_hWnd, id, elapse, nullptr);
}

BOOL CWnd::KillTimer(UINT_PTR id)
{
    return ::KillTimer(m_hWnd, id);
}

int CWnd::MessageBox(const std::string& text, const std::string& caption, UINT type)
{
    return ShowMessageBox(m_hWnd, text, caption, type);
}

BOOL CWnd::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(*this, saveAndValidate != FALSE);
    bool wasLocked = notificationsLocked_;
    notificationsLocked_ = true;
    DoDataExchange(&dx);
    notificationsLocked_ = wasLocked;
    return dx.Failed() ? FALSE : TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

void CWnd::BindControl(CWnd& control)
{
    for (CWnd* bound : boundControls_) {
        if (bound == &control)
            return;
    }
    boundControls_.push_back(&control);
}

void CWnd::ReleaseBoundControls()
{
    for (CWnd* control : boundControls_)
        control->Detach();
    boundControls_.clear();
}

CWndLifeline::CWndLifeline(CWnd& window) : object_(&window), window_(window.m_hWnd)
{
    if (!window.life_)
        window.life_ = std::make_shared<char>();
    life_ = window.life_;
}

bool CWndLifeline::Holds() const
{
    return !life_.expired() && object_->m_hWnd == window_ && IsWindow(window_);
}

void CWnd::PostNcDestroy() {}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (notificationsLocked_ && IsControlNotification(message, lParam))
        return false;
    const MessageMapBase* map = GetMessageMap();
    return map && map->Dispatch(*this, message, wParam, lParam, result);
}
