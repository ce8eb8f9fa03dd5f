// The test form: a modal dialog with one control of each kind, bound by
// data exchange, whose handlers count what reached them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/framework.h"

class FormDialog : public CDialog {
public:
    FormDialog();

    // Exchanged with IDC_FW_NAME (limited when nameLimit > 0) and IDC_FW_CODE.
    std::string name = "initial";
    std::string code;
    int nameLimit = 0;

    CEdit nameEdit;
    CEdit codeEdit;
    CComboBox choices;
    CButton check;
    CButton radioA;
    CListCtrl list;
    CProgressCtrl progress;
    CStatic label;

    // Callback text of the list: row text by item data, then column.
    std::vector<std::vector<std::string>> rowTexts;

    int goClicks = 0;
    int nameChanges = 0;
    int rowChanges = 0;
    std::function<void(UINT_PTR id)> onTimer;
    // Runs at the end of every data exchange.
    std::function<void()> duringExchange;

    const MessageMapBase* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* dx) override;

protected:
    void OnGo();
    void OnNameChange();
    LRESULT OnGetDispInfo(NMHDR* header);
    LRESULT OnRowChanged(NMHDR* header);
    LRESULT OnTimer(WPARAM id, LPARAM);
};

// Runs the dialog modally; `step` gets its window once its loop runs. Unless
// the step closes it, something it started must.
INT_PTR RunModal(CDialog& dialog, std::function<void(HWND window)> step);

// Handles what is waiting in this thread's queue, as the modal loop would.
void PumpMessages();
