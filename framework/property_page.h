// A page of a property sheet, created from its dialog template; the
// template's caption is the tab's text.
#pragma once

#include <windows.h>
#include <prsht.h>

#include "dialog.h"

class CPropertySheet;

class CPropertyPage : public CDialog {
public:
    explicit CPropertyPage(UINT templateId);
    // Leaves the sheet it still belongs to.
    ~CPropertyPage() override;

    // The page becomes the current page; FALSE refuses it. Default: TRUE,
    // showing the members again on every activation after the first.
    virtual BOOL OnSetActive();
    // The user leaves the page (another tab, OK or Apply); FALSE keeps the
    // user on it. Default: takes the controls' values.
    virtual BOOL OnKillActive();
    // OK or Apply reached the page: runs for every page whose window exists.
    void OnOK() override;
    void OnCancel() override;

    // The sheet the page was added to, or null.
    CPropertySheet* GetSheet() const { return sheet_; }

    static const CRuntimeClass runtimeClass;
    const CRuntimeClass* GetRuntimeClass() const override;

protected:
    bool HandleDefault(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    friend class CPropertySheet;
    HPROPSHEETPAGE CreatePageHandle();
    static INT_PTR CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    CPropertySheet* sheet_ = nullptr;
    bool firstSetActive_ = true;
};
