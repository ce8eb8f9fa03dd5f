#include "wnd.h"

#include <unordered_map>

#include "data_exchange.h"
#include "seams.h"

namespace {

// The object of each attached window, for any thread of the process. Not a
// window property: under Wine each GetPropA is a round trip to the server,
// and the sheet's procedure asks at every message.
class WindowObjects {
public:
    WindowObjects() { InitializeCriticalSection(&lock_); }
    ~WindowObjects() { DeleteCriticalSection(&lock_); }

    void Set(HWND window, CWnd* object)
    {
        EnterCriticalSection(&lock_);
        objects_[window] = object;
        LeaveCriticalSection(&lock_);
    }

    // Leaves the window to another object that took it since.
    void Remove(HWND window, const CWnd* object)
    {
        EnterCriticalSection(&lock_);
        auto found = objects_.find(window);
        if (found != objects_.end() && found->second == object)
            objects_.erase(found);
        LeaveCriticalSection(&lock_);
    }

    CWnd* Find(HWND window)
    {
        EnterCriticalSection(&lock_);
        auto found = objects_.find(window);
        CWnd* object = found != objects_.end() ? found->second : nullptr;
        LeaveCriticalSection(&lock_);
        return object;
    }

private:
    CRITICAL_SECTION lock_;
    std::unordered_map<HWND, CWnd*> objects_;
};

WindowObjects& TheWindowObjects()
{
    static WindowObjects objects;
    return objects;
}

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
        TheWindowObjects().Set(window, this);
}

HWND CWnd::Detach()
{
    HWND window = m_hWnd;
    if (window && attached_)
        TheWindowObjects().Remove(window, this);
    m_hWnd = nullptr;
    attached_ = false;
    controls_.clear();
    return window;
}

CWnd* CWnd::FromHandlePermanent(HWND window)
{
    // A window destroyed while its object still holds it is nobody's, as
    // its property went with it; for the process's own windows IsWindow
    // answers without a round trip.
    if (!window || !IsWindow(window))
        return nullptr;
    return TheWindowObjects().Find(window);
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
