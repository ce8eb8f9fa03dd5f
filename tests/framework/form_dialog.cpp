#include "form_dialog.h"

#include "framework_test_resource.h"
#include "support/expectations.h"

FormDialog::FormDialog() : CDialog(IDD_FW_FORM) {}

const MessageMapBase* FormDialog::GetMessageMap() const
{
    static const MessageMap<FormDialog> map(CDialog::GetMessageMap(), {
        OnCommand(IDC_FW_GO, BN_CLICKED, &FormDialog::OnGo),
        OnCommand(IDC_FW_NAME, EN_CHANGE, &FormDialog::OnNameChange),
        OnNotify(IDC_FW_LIST, LVN_GETDISPINFOA, &FormDialog::OnGetDispInfo),
        OnNotify(IDC_FW_LIST, LVN_ITEMCHANGED, &FormDialog::OnRowChanged),
        OnMessage(WM_TIMER, &FormDialog::OnTimer),
    });
    return &map;
}

void FormDialog::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_FW_NAME, nameEdit);
    DDX_Control(dx, IDC_FW_CODE, codeEdit);
    DDX_Control(dx, IDC_FW_CHOICES, choices);
    DDX_Control(dx, IDC_FW_CHECK, check);
    DDX_Control(dx, IDC_FW_RADIO_A, radioA);
    DDX_Control(dx, IDC_FW_LIST, list);
    DDX_Control(dx, IDC_FW_PROGRESS, progress);
    DDX_Control(dx, IDC_FW_LABEL, label);
    DDX_Text(dx, IDC_FW_NAME, name);
    if (nameLimit > 0)
        DDV_MaxChars(dx, name, nameLimit);
    DDX_Text(dx, IDC_FW_CODE, code);
    if (duringExchange)
        duringExchange();
}

void FormDialog::OnGo()
{
    ++goClicks;
}

void FormDialog::OnNameChange()
{
    ++nameChanges;
}

LRESULT FormDialog::OnGetDispInfo(NMHDR* header)
{
    LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(header)->item;
    if (item.mask & LVIF_TEXT) {
        const std::string& text = rowTexts.at(item.lParam).at(item.iSubItem);
        lstrcpynA(item.pszText, text.c_str(), item.cchTextMax);
    }
    if (item.mask & LVIF_IMAGE)
        item.iImage = 0;
    return 0;
}

LRESULT FormDialog::OnRowChanged(NMHDR*)
{
    ++rowChanges;
    return 0;
}

LRESULT FormDialog::OnTimer(WPARAM id, LPARAM)
{
    if (onTimer)
        onTimer(id);
    return 0;
}

INT_PTR RunModal(CDialog& dialog, std::function<void(HWND window)> step)
{
    ModalWindows modal;
    modal.Then(std::move(step));
    return dialog.DoModal();
}

void PumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
