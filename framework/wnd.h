// A window object: a handle plus the message map that handles its messages.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "cmd_target.h"

class CDataExchange;

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    // A non-owning object for a window the framework did not create.
    explicit CWnd(HWND window);
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    void Attach(HWND window);
    HWND Detach();
    // The framework object that created or attached this window, or null.
    static CWnd* FromHandlePermanent(HWND window);

    // Each control is looked up once while it lives: asking the window
    // system costs a round trip under Wine, and data exchange asks for
    // every control at every exchange.
    HWND GetDlgItem(int id) const;
    std::string GetWindowText() const;
    void SetWindowText(const std::string& text);
    std::string GetDlgItemText(int id) const;
    void SetDlgItemText(int id, const std::string& text);
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int command);
    HWND SetFocus();
    RECT GetClientRect() const;
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse);
    BOOL KillTimer(UINT_PTR id);

    // A message box owned by this window, through the message-box seam.
    int MessageBox(const std::string& text, const std::string& caption, UINT type = MB_OK);

    // Moves data between the member variables and the controls: true takes
    // the controls' values, false shows the members. False when a value
    // fails its check. Control notifications are ignored while it runs.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* dx);

    // Called after the window's last message; the object may delete itself.
    virtual void PostNcDestroy();

    // A control object bound to one of this window's controls; it lets go
    // of the control's handle when this window is destroyed, so that no
    // object keeps a handle that the system may give to another window.
    void BindControl(CWnd& control);
    void ReleaseBoundControls();

    static const CRuntimeClass runtimeClass;
    const CRuntimeClass* GetRuntimeClass() const override;

protected:
    // Runs the message map for one message; false when nothing handled it.
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    friend class CWndLifeline;

    // Controls found by GetDlgItem, by ID. A control destroyed, or one
    // that no longer holds its ID or this parent, is looked up afresh.
    mutable std::map<int, HWND> controls_;
    bool attached_ = false;  // by Attach, so the window may point to it
    bool notificationsLocked_ = false;
    std::vector<CWnd*> boundControls_;
    // Ends with the object; lifelines watch it.
    std::shared_ptr<char> life_;
};

// Taken before a modal call, it tells afterwards whether the object and its
// window came through: inside a modal loop a timer can remove a page, end
// the sheet or replace the window.
class CWndLifeline {
public:
    explicit CWndLifeline(CWnd& window);
    bool Holds() const;

private:
    const CWnd* object_;
    HWND window_;
    std::weak_ptr<char> life_;
};
