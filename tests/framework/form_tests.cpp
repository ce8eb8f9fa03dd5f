// The framework's dialogs, controls, data exchange and message maps on a test
// form: what the applet's pages do not already drive through the real sheet.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/framework.h"
#include "framework_test_resource.h"
#include "support/expectations.h"
#include "support/user.h"

namespace {

class FormDialog : public CDialog {
public:
    FormDialog() : CDialog(IDD_FW_FORM) {}

    std::string name = "initial", code;  // exchanged with IDC_FW_NAME and IDC_FW_CODE
    CEdit codeEdit;
    CComboBox choices;
    CListCtrl list;
    // Callback text of the list: row text by item data, then column.
    std::vector<std::vector<std::string>> rowTexts;
    int nameChanges = 0, rowChanges = 0, goClicks = 0, timerMessages = 0;
    std::function<void(UINT_PTR id)> onTimer;
    std::function<void()> duringExchange;  // runs at the end of every data exchange

    const MessageMapBase* GetMessageMap() const override
    {
        static const MessageMap<FormDialog> map(CDialog::GetMessageMap(), {
            OnCommand(IDC_FW_NAME, EN_CHANGE, &FormDialog::OnNameChange),
            OnNotify(IDC_FW_LIST, LVN_GETDISPINFOA, &FormDialog::OnGetDispInfo),
            OnNotify(IDC_FW_LIST, LVN_ITEMCHANGED, &FormDialog::OnRowChanged),
            OnNotify(IDC_FW_LIST, NM_RCLICK, &FormDialog::OnRightClick),
            OnMessage(WM_TIMER, &FormDialog::OnTimer),
        });
        return &map;
    }
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Control(dx, IDC_FW_CODE, codeEdit);
        DDX_Control(dx, IDC_FW_CHOICES, choices);
        DDX_Control(dx, IDC_FW_LIST, list);
        DDX_Text(dx, IDC_FW_NAME, name);
        DDX_Text(dx, IDC_FW_CODE, code);
        if (duringExchange)
            duringExchange();
    }
    void OnNameChange() { ++nameChanges; }
    LRESULT OnGetDispInfo(NMHDR* header)
    {
        LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(header)->item;
        if (item.mask & LVIF_TEXT)
            lstrcpynA(item.pszText, rowTexts.at(item.lParam).at(item.iSubItem).c_str(), item.cchTextMax);
        return 0;
    }
    LRESULT OnRowChanged(NMHDR*) { ++rowChanges; return 0; }
    LRESULT OnRightClick(NMHDR*) { return 5; }
    LRESULT OnTimer(WPARAM id, LPARAM)
    {
        ++timerMessages;
        if (onTimer)
            onTimer(id);
        return 0;
    }
};

// Its table chains to the form's; its entry for the right click hides the
// form's.
class DerivedForm : public FormDialog {
public:
    const MessageMapBase* GetMessageMap() const override
    {
        static const MessageMap<DerivedForm> map(FormDialog::GetMessageMap(), {
            OnCommand(IDC_FW_GO, BN_CLICKED, &DerivedForm::OnGo),
            OnNotify(IDC_FW_LIST, NM_RCLICK, &DerivedForm::OnDerivedRightClick),
        });
        return &map;
    }
    void OnGo() { ++goClicks; }
    LRESULT OnDerivedRightClick(NMHDR*) { return 6; }
};

LRESULT Notify(HWND dialog, int id, int code)
{
    NMHDR header = {GetDlgItem(dialog, id), static_cast<UINT_PTR>(id), static_cast<UINT>(code)};
    return SendMessageA(dialog, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&header));
}

class Form : public testing::Test {
protected:
    // Runs the form; `step` gets its window once its loop runs. Cancels it
    // after the step unless told that something the step started ends it.
    INT_PTR Run(std::function<void(HWND window)> step, bool cancel = true)
    {
        ModalWindows modal;
        modal.Then([&](HWND window) {
            step(window);
            if (cancel)
                user::Click(window, IDCANCEL);
        });
        return form_.DoModal();
    }
    DerivedForm form_;
};

TEST_F(Form, TimersTickIntoTheMessageMapUntilKilled)
{
    const UINT_PTR kFast = 7, kEnd = 8, kGuard = 9;
    int fastTicks = 0;
    form_.onTimer = [&](UINT_PTR id) {
        if (id == kFast && ++fastTicks == 3) {
            EXPECT_TRUE(form_.KillTimer(kFast));
            // Time for several more ticks, had the timer kept running.
            form_.SetTimer(kEnd, 200);
        } else if (id == kEnd) {
            form_.EndDialog(42);
        } else if (id == kGuard) {
            ADD_FAILURE() << "the timers stopped";
            form_.EndDialog(IDCANCEL);
        }
    };
    INT_PTR result = Run([&](HWND window) {
        EXPECT_TRUE(window == form_.m_hWnd && IsWindowVisible(window));
        EXPECT_EQ(form_.SetTimer(kFast, 10), kFast);
        form_.SetTimer(kGuard, 5000);
    }, false);
    EXPECT_EQ(Format("ended with %d after %d ticks, window %d", int(result), fastTicks, form_.m_hWnd != nullptr),
              "ended with 42 after 3 ticks, window 0");
}

TEST_F(Form, ComboBoxSelectsByPrefixFromTheItemAfterTheGivenOneWrappingRound)
{
    Run([&](HWND window) {
        CComboBox& combo = form_.choices;
        std::string seen = "added";
        for (const char* text : {"Alpha", "beta", "Bravo", "Charlie", "alphabet"})
            seen += Format(" %d", combo.AddString(text));
        seen += Format(" (%d), selected %d", combo.GetCount(), combo.GetCurSel());
        int set = combo.SetCurSel(3);
        seen += Format(" | set 3: %d ", set) + user::SelectedText(window, IDC_FW_CHOICES);
        seen += " | texts " + combo.GetLBText(1) + " '" + combo.GetLBText(9) + "'";
        // Past the list: no selection.
        seen += Format(" | set 5: %d", combo.SetCurSel(5));
        EXPECT_EQ(seen + Format(", selected %d", combo.GetCurSel()),
                  "added 0 1 2 3 4 (5), selected -1 | set 3: 3 Charlie | texts beta '' | set 5: -1, selected -1");

        // Case does not count; when nothing matches the selection stays.
        const struct {
            int after;
            const char* prefix;
            const char* expected;  // found, then selected
        } rows[] = {{-1, "ALPHA", "0 0"}, {0, "alpha", "4 4"}, {4, "alpha", "0 0"}, {-1, "BR", "2 2"},
                    {-1, "Delta", "-1 2"}};
        for (const auto& row : rows) {
            int found = combo.SelectString(row.after, row.prefix);
            EXPECT_EQ(Format("%d %d", found, combo.GetCurSel()), row.expected) << row.prefix << " after " << row.after;
        }
        combo.ResetContent();
        EXPECT_EQ(Format("reset: %d, selected %d", combo.GetCount(), combo.GetCurSel()), "reset: 0, selected -1");
    });
}

TEST_F(Form, AListAsksForRowTextByItemDataSoTheTextFollowsItsRow)
{
    form_.rowTexts = {{"Campus", "WEP"}, {"Home", "WPA"}, {"Lab", "None"}};
    Run([&](HWND window) {
        CListCtrl& list = form_.list;
        list.InsertColumn(0, "Name", LVCFMT_LEFT, 100);
        list.InsertColumn(1, "Security", LVCFMT_LEFT, 80);
        for (int row = 0; row < 3; ++row) {
            list.InsertCallbackItem(row);
            list.SetItemData(row, row);
        }
        auto rows = [&] {
            std::string text;
            for (int row = 0; row < list.GetItemCount(); ++row)
                text += Format(" %d:", int(list.GetItemData(row))) + list.GetItemText(row, 0) + "/" +
                        list.GetItemText(row, 1);
            return text;
        };
        std::string seen = "rows" + rows() + " | shown " + user::RowText(window, IDC_FW_LIST, 0);
        list.DeleteItem(0);
        EXPECT_EQ(seen + " | first deleted" + rows(),
                  "rows 0:Campus/WEP 1:Home/WPA 2:Lab/None | shown Campus | first deleted 1:Home/WPA 2:Lab/None");
    });
}

TEST_F(Form, AnEditTurnsTypingUpperCaseOnlyWhileSwitchedOnAndReplacesItsSelection)
{
    Run([&](HWND window) {
        CEdit& edit = form_.codeEdit;
        edit.SetUpperCase(true);
        user::Type(window, IDC_FW_CODE, "ab1");
        edit.SetUpperCase(false);
        user::Type(window, IDC_FW_CODE, "cd");
        std::string seen = "typed: " + edit.GetWindowText();
        edit.SetSel(2, 4);
        edit.ReplaceSel("-");
        seen += ", replaced: " + edit.GetWindowText();
        edit.SetSel(0, 2);
        edit.Clear();
        EXPECT_EQ(seen + ", cleared: " + edit.GetWindowText(), "typed: AB1cd, replaced: AB-d, cleared: -d");
    });
}

TEST_F(Form, ControlNotificationsReachTheChainedTablesOnlyOutsideADataExchange)
{
    form_.rowTexts = {{"row"}};
    Run([&](HWND window) {
        // OnInitDialog's exchange sets the edit's text unheard.
        std::string seen = Format("shown: name %d", form_.nameChanges);
        form_.list.InsertColumn(0, "Name", LVCFMT_LEFT, 100);
        form_.list.InsertCallbackItem(0);
        form_.list.SetItemData(0, 0);
        form_.rowChanges = 0;
        // Clicks Go, sends a timer message, which is no control notification,
        // and right clicks, and tells what reached the form since last time.
        auto heard = [&](const char* when) {
            user::Click(window, IDC_FW_GO);
            SendMessageA(window, WM_TIMER, 99, 0);
            LRESULT list = Notify(window, IDC_FW_LIST, NM_RCLICK), other = Notify(window, IDC_FW_CHOICES, NM_RCLICK);
            seen += Format(" | %s: name %d row %d go %d timer %d | right click %d, of another control %d", when,
                           form_.nameChanges, form_.rowChanges > 0, form_.goClicks, form_.timerMessages, int(list),
                           int(other));
            form_.nameChanges = form_.rowChanges = form_.goClicks = form_.timerMessages = 0;
        };
        form_.name = "shown";
        form_.duringExchange = [&] {
            user::ChooseRow(window, IDC_FW_LIST, 0);
            heard("exchange");
        };
        EXPECT_TRUE(form_.UpdateData(FALSE));
        form_.duringExchange = nullptr;
        seen += " | text " + user::Text(window, IDC_FW_NAME);
        form_.SetDlgItemText(IDC_FW_NAME, "set");
        user::ClearRows(window, IDC_FW_LIST);
        heard(("after, text " + form_.GetDlgItemText(IDC_FW_NAME)).c_str());
        EXPECT_EQ(seen, "shown: name 0"
                        " | exchange: name 0 row 0 go 0 timer 1 | right click 0, of another control 0 | text shown"
                        " | after, text set: name 1 row 1 go 1 timer 1 | right click 6, of another control 0");
    });
}

TEST_F(Form, PostFocusMovesTheFocusOnceTheCurrentMessageIsDoneSelectingTheText)
{
    form_.code = "ABC";
    Run([&](HWND window) {
        SetFocus(GetDlgItem(window, IDC_FW_NAME));
        form_.PostFocus(GetDlgItem(window, IDC_FW_CODE));
        std::string seen = Format("at once: name %d | ", user::HasFocus(window, IDC_FW_NAME));
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        DWORD start = 0, end = 0;
        SendDlgItemMessageA(window, IDC_FW_CODE, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                            reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(seen + Format("later: code %d, selected %lu-%lu", user::HasFocus(window, IDC_FW_CODE), start, end),
                  "at once: name 1 | later: code 1, selected 0-3");
    });
}

}  // namespace
