// Dialog data exchange between member variables and controls.
#pragma once

#include <windows.h>

#include <string>

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd& window, bool saveAndValidate);

    const bool m_bSaveAndValidate;  // true: controls to members
    CWnd* const m_pDlgWnd;

    // The control about to be exchanged; later checks refer to it.
    HWND PrepareCtrl(int id);
    HWND LastControl() const { return lastControl_; }

    // Marks the exchange as failed and gives the last control the focus.
    void Fail();
    bool Failed() const { return failed_; }

private:
    HWND lastControl_ = nullptr;
    bool failed_ = false;
};

// Binds a control member to the dialog's control with this ID.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
// Exchanges a control's text with a string.
void DDX_Text(CDataExchange* dx, int id, std::string& value);
// DDX_Text for a field that only shows what the program reads and is
// shown anew again and again (the Status page's readings): a text the
// control already shows is not set again, which spares the control's
// redraw and its change notifications.
void DDX_DisplayText(CDataExchange* dx, int id, std::string& value);
// After a DDX_Text: limits the control to maxChars characters when the
// members are shown, and refuses a longer text when they are taken back.
void DDV_MaxChars(CDataExchange* dx, const std::string& value, int maxChars);
