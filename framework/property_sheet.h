// A modal property sheet whose pages can be added and removed while it runs.
#pragma once

#include <windows.h>
#include <prsht.h>

#include <string>
#include <vector>

#include "wnd.h"

class CPropertyPage;

class CPropertySheet : public CWnd {
public:
    CPropertySheet(UINT captionId, CWnd* parent = nullptr, UINT startPage = 0);
    ~CPropertySheet() override;

    void AddPage(CPropertyPage* page);
    void RemovePage(CPropertyPage* page);
    // A page object that ends before the sheet: only its entry goes.
    void ForgetPage(CPropertyPage* page);
    int GetPageCount() const;
    CPropertyPage* GetPage(int index) const;
    int GetPageIndex(const CPropertyPage* page) const;
    CPropertyPage* GetActivePage() const;

    void SetParent(CWnd* parent) { parent_ = parent; }
    // A start page beyond the last page opens the first one.
    void SetStartPage(UINT index) { startPage_ = index; }
    void SetIcon(HICON icon) { icon_ = icon; }

    // Runs the sheet until OK, Cancel or the close box; the result of
    // PropertySheet. A sheet that deletes itself in PostNcDestroy is gone
    // when this returns, also when its window could not be created.
    virtual INT_PTR DoModal();

    // The sheet's own Apply button (control 12321).
    static const int kApplyButtonId = 0x3021;

    static const CRuntimeClass runtimeClass;
    const CRuntimeClass* GetRuntimeClass() const override;

private:
    static int CALLBACK SheetCallback(HWND window, UINT message, LPARAM lParam);
    static LRESULT CALLBACK SheetWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::string caption_;
    CWnd* parent_;
    UINT startPage_;
    HICON icon_ = nullptr;
    std::vector<CPropertyPage*> pages_;
    WNDPROC sheetProc_ = nullptr;  // comctl32's own procedure of the sheet window
};
