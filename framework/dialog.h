// Modal dialogs created from a dialog template of the resource module.
#pragma once

#include "wnd.h"

class CDialog : public CWnd {
public:
    // With no parent the dialog is owned by the innermost modal window the
    // framework runs on this thread (the sheet), else by the active window.
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    // IDOK, IDCANCEL or the EndDialog result; -1 when the dialog cannot be
    // created (for example when its template is missing), and then
    // PostNcDestroy runs as if its window had ended.
    virtual INT_PTR DoModal();

    // Default: shows the members in the controls; TRUE lets the system set
    // the focus.
    virtual BOOL OnInitDialog();
    // Default: takes the controls' values and ends with IDOK when they pass.
    virtual void OnOK();
    // Default: ends with IDCANCEL.
    virtual void OnCancel();
    void EndDialog(int result);

    // Moves the focus to the control once the current message is done, as a
    // dialog does for Tab.
    void PostFocus(HWND control);

    UINT GetTemplateId() const { return templateId_; }
    void SetParent(CWnd* parent) { parent_ = parent; }

    static const CRuntimeClass runtimeClass;
    const CRuntimeClass* GetRuntimeClass() const override;

protected:
    // The procedure of every framework dialog and page: finds the object
    // and runs its message map, writing notification results where the
    // dialog manager reads them.
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR Route(CDialog* dialog, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The object's own handling of the message after its message map;
    // pages override it for the property-sheet notifications.
    virtual bool HandleDefault(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    UINT templateId_;
    CWnd* parent_;
    bool modal_ = false;
};
