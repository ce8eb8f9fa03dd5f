// The framework's dialogs, property sheets, controls, data exchange and
// message maps, on a test form and test pages: what the applet's pages do not
// already drive through the real sheet.
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

struct FormDialog : CDialog {
    FormDialog() : CDialog(IDD_FW_FORM) {}

    std::string name = "initial";  // exchanged with IDC_FW_NAME
    CComboBox choices;
    CListCtrl list;
    // Callback text of the list: row text by item data, then column.
    std::vector<std::vector<std::string>> rowTexts;
    int nameChanges = 0;
    std::function<void(UINT_PTR id)> onTimer = [](UINT_PTR) {};
    std::function<void()> duringExchange;  // runs at the end of every data exchange

    const MessageMapBase* GetMessageMap() const override
    {
        static const MessageMap<FormDialog> map(CDialog::GetMessageMap(), {
            OnCommand(IDC_FW_NAME, EN_CHANGE, &FormDialog::OnNameChange),
            OnNotify(IDC_FW_LIST, LVN_GETDISPINFOA, &FormDialog::OnGetDispInfo),
            OnNotify(IDC_FW_LIST, NM_RCLICK, &FormDialog::OnRightClick),
            OnMessage(WM_TIMER, &FormDialog::OnTimer),
        });
        return &map;
    }
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Control(dx, IDC_FW_CHOICES, choices);
        DDX_Control(dx, IDC_FW_LIST, list);
        DDX_Text(dx, IDC_FW_NAME, name);
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
    LRESULT OnRightClick(NMHDR*) { return 5; }
    LRESULT OnTimer(WPARAM id, LPARAM) { onTimer(id); return 0; }
};

// Its table chains to the form's, with an entry that hides the form's.
struct DerivedForm : FormDialog {
    const MessageMapBase* GetMessageMap() const override
    {
        static const MessageMap<DerivedForm> map(FormDialog::GetMessageMap(), {
            OnNotify(IDC_FW_LIST, NM_RCLICK, &DerivedForm::OnDerivedRightClick),
        });
        return &map;
    }
    LRESULT OnDerivedRightClick(NMHDR*) { return 6; }
};

struct TestPage : CPropertyPage {
    explicit TestPage(UINT templateId) : CPropertyPage(templateId) {}
    // Exchanged with IDC_FW_PAGE_EDIT, at most four characters, then IDC_FW_PAGE_LATER.
    std::string text, later;
    bool refuseToLeave = false;
    int inits = 0, leaves = 0, oks = 0, cancels = 0;

    BOOL OnInitDialog() override { ++inits; return CPropertyPage::OnInitDialog(); }
    BOOL OnKillActive() override { ++leaves; return refuseToLeave ? FALSE : CPropertyPage::OnKillActive(); }
    void OnOK() override { ++oks; }
    void OnCancel() override { ++cancels; }
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Text(dx, IDC_FW_PAGE_EDIT, text);
        DDV_MaxChars(dx, text, 4);
        DDX_Text(dx, IDC_FW_PAGE_LATER, later);
    }
};

// Deletes itself once its window is gone, as the applet's sheet does.
struct SelfDeletingSheet : CPropertySheet {
    explicit SelfDeletingSheet(std::string& record) : CPropertySheet(IDS_FW_SHEET_CAPTION), record(record) {}
    ~SelfDeletingSheet() override { record += " deleted"; }
    void PostNcDestroy() override
    {
        record += m_hWnd || FromHandlePermanent(window) ? "still attached" : "detached";
        delete this;
    }
    std::string& record;
    HWND window = nullptr;
};

LRESULT Notify(HWND dialog, int id, int code)
{
    NMHDR header = {GetDlgItem(dialog, id), static_cast<UINT_PTR>(id), static_cast<UINT>(code)};
    return SendMessageA(dialog, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&header));
}

class Dialogs : public testing::Test {
protected:
    // Runs the form; `step` gets its window once its loop runs; then Cancel.
    void RunForm(std::function<void(HWND window)> step)
    {
        ModalWindows modal;
        modal.Then([&](HWND window) {
            step(window);
            user::Click(window, IDCANCEL);
        });
        form_.DoModal();
    }
    // Runs a new sheet of the three pages, which deletes itself; `step` gets
    // it once its loop runs and closes it, `dialogs` what it opens meanwhile.
    INT_PTR RunSheet(std::function<void(CPropertySheet& sheet, HWND window)> step,
                     std::vector<std::function<void(HWND dialog)>> dialogs = {})
    {
        std::string record;
        HWND window = nullptr;
        SelfDeletingSheet* sheet = new SelfDeletingSheet(record);
        for (TestPage* page : pages_)
            sheet->AddPage(page);
        ModalWindows modal;
        modal.Then([&](HWND shown) {
            sheet->window = window = shown;
            record += shown == sheet->m_hWnd && IsWindowVisible(shown) ? "" : "hook without the sheet up ";
            step(*sheet, shown);
        });
        for (auto& dialog : dialogs)
            modal.Then(dialog);
        INT_PTR result = sheet->DoModal();
        record += IsWindow(window) ? " window left" : "";
        // The pages outlive their sheet and no longer point at it.
        for (TestPage* page : pages_)
            record += page->GetSheet() ? " page still in a sheet" : "";
        EXPECT_EQ(record, "detached deleted");
        return result;
    }
    // The tabs, the active page and, for each page, its index in the sheet,
    // whether it has a window ("w") and its init/leave/ok/cancel counts.
    std::string Pages(CPropertySheet& sheet, HWND window)
    {
        std::string seen;
        for (int i = 0; i < user::PageCount(window); ++i)
            seen += user::PageCaption(window, i) + " ";
        seen += "| active " + std::to_string(sheet.GetPageIndex(sheet.GetActivePage()));
        for (TestPage* page : pages_)
            seen += Format(" | %d %s %d/%d/%d/%d", sheet.GetPageIndex(page), page->m_hWnd ? "w" : "-", page->inits,
                           page->leaves, page->oks, page->cancels);
        return seen;
    }

    DerivedForm form_;
    TestPage first_{IDD_FW_PAGE_FIRST}, second_{IDD_FW_PAGE_SECOND}, third_{IDD_FW_PAGE_THIRD};
    TestPage* pages_[3] = {&first_, &second_, &third_};
};

TEST_F(Dialogs, TimersTickIntoTheMessageMapUntilKilled)
{
    const UINT_PTR kFast = 7, kEnd = 8, kGuard = 9;
    int fastTicks = 0;
    form_.onTimer = [&](UINT_PTR id) {
        if (id == kFast && ++fastTicks == 3) {
            EXPECT_TRUE(form_.KillTimer(kFast));
            // Time for several more ticks, had the timer kept running.
            form_.SetTimer(kEnd, 200);
        } else if (id == kEnd || id == kGuard) {
            EXPECT_EQ(id, kEnd) << "the timers stopped";
            form_.EndDialog(int(id));
        }
    };
    ModalWindows modal;
    modal.Then([&](HWND window) {
        EXPECT_TRUE(window == form_.m_hWnd && IsWindowVisible(window));
        EXPECT_EQ(form_.SetTimer(kFast, 10), kFast);
        form_.SetTimer(kGuard, 5000);
    });
    INT_PTR result = form_.DoModal();
    EXPECT_EQ(Format("ended with %d after %d ticks, window %d", int(result), fastTicks, form_.m_hWnd != nullptr),
              "ended with 8 after 3 ticks, window 0");
}

TEST_F(Dialogs, AComboBoxSelectsByPrefixFromTheItemAfterTheGivenOneWrappingRound)
{
    RunForm([&](HWND window) {
        CComboBox& combo = form_.choices;
        std::string seen = "added";
        for (const char* text : {"Alpha", "beta", "Bravo", "Charlie", "alphabet"})
            seen += Format(" %d", combo.AddString(text));
        seen += Format(" (%d), selected %d", combo.GetCount(), combo.GetCurSel());
        int set = combo.SetCurSel(3);
        seen += Format(" | set 3: %d ", set) + user::SelectedText(window, IDC_FW_CHOICES);
        seen += " | texts " + combo.GetLBText(1) + " '" + combo.GetLBText(9) + "'";
        // Past the list: no selection.
        set = combo.SetCurSel(5);
        seen += Format(" | set 5: %d, selected %d | found/selected", set, combo.GetCurSel());
        // Case does not count; when nothing matches the selection stays.
        const std::pair<int, const char*> searches[] = {{-1, "ALPHA"}, {0, "alpha"}, {4, "alpha"}, {-1, "BR"},
                                                        {-1, "Delta"}};
        for (const auto& [after, prefix] : searches) {
            int found = combo.SelectString(after, prefix);
            seen += Format(" %d/%d", found, combo.GetCurSel());
        }
        combo.ResetContent();
        EXPECT_EQ(seen + Format(" | reset: %d, selected %d", combo.GetCount(), combo.GetCurSel()),
                  "added 0 1 2 3 4 (5), selected -1 | set 3: 3 Charlie | texts beta '' | set 5: -1, selected -1"
                  " | found/selected 0/0 4/4 0/0 2/2 -1/2 | reset: 0, selected -1");
    });
}

TEST_F(Dialogs, AListAsksForRowTextByItemDataSoTheTextFollowsItsRow)
{
    form_.rowTexts = {{"Campus", "WEP"}, {"Home", "WPA"}, {"Lab", "None"}};
    RunForm([&](HWND window) {
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

TEST_F(Dialogs, ControlNotificationsReachTheChainedTablesOnlyOutsideADataExchange)
{
    int timers = 0;
    form_.onTimer = [&](UINT_PTR) { ++timers; };
    RunForm([&](HWND window) {
        // OnInitDialog's exchange sets the edit's text unheard.
        std::string seen = Format("shown: name %d", form_.nameChanges);
        // Sends a timer message, which is no control notification, and right
        // clicks; tells what reached the form since last time.
        auto heard = [&](const char* when) {
            SendMessageA(window, WM_TIMER, 99, 0);
            LRESULT list = Notify(window, IDC_FW_LIST, NM_RCLICK), other = Notify(window, IDC_FW_CHOICES, NM_RCLICK);
            seen += Format(" | %s: name %d timer %d | right click %d, of another control %d", when, form_.nameChanges,
                           timers, int(list), int(other));
            form_.nameChanges = timers = 0;
        };
        form_.name = "shown";
        form_.duringExchange = [&] { heard("exchange"); };
        EXPECT_TRUE(form_.UpdateData(FALSE));
        form_.duringExchange = nullptr;
        seen += " | text " + user::Text(window, IDC_FW_NAME);
        form_.SetDlgItemText(IDC_FW_NAME, "set");
        heard(("after, text " + form_.GetDlgItemText(IDC_FW_NAME)).c_str());
        EXPECT_EQ(seen, "shown: name 0 | exchange: name 0 timer 1 | right click 0, of another control 0 | text shown"
                        " | after, text set: name 1 timer 1 | right click 6, of another control 0");
    });
}

TEST_F(Dialogs, APageIsLeftOnlyWhenItLetsGoAndItsValuesPass)
{
    MessageBoxLog boxes;
    RunSheet([&](CPropertySheet& sheet, HWND window) {
        HWND page = first_.m_hWnd;
        user::Type(page, IDC_FW_PAGE_EDIT, "one!!!");
        user::SwitchPage(window, 1);
        std::string seen = "typed: " + first_.text;
        first_.text = "new";
        user::SwitchPage(window, 0);
        seen += ", shown when back: " + user::Text(page, IDC_FW_PAGE_EDIT);
        // Text put there by other means than typing is refused; the fields
        // after it are not taken and the focus goes to the field.
        SetDlgItemTextA(page, IDC_FW_PAGE_EDIT, "too long");
        SetDlgItemTextA(page, IDC_FW_PAGE_LATER, "later");
        SetFocus(GetDlgItem(page, IDC_FW_PAGE_LATER));
        user::SwitchPage(window, 1);
        seen += " | too long: later '" + first_.later + Format("' focus %d: ", user::HasFocus(page, IDC_FW_PAGE_EDIT));
        seen += Pages(sheet, window);
        SetDlgItemTextA(page, IDC_FW_PAGE_EDIT, "ok");
        first_.refuseToLeave = true;
        user::SwitchPage(window, 1);
        // OK asks the page too: nothing is applied and the sheet stays.
        user::PressOk(window);
        seen += Format("\nrefusing, open %d: ", IsWindowVisible(window)) + Pages(sheet, window);
        first_.refuseToLeave = false;
        user::SwitchPage(window, 1);
        EXPECT_EQ(seen + "\nletting go: " + Pages(sheet, window),
                  "typed: one!, shown when back: new | too long: later '' focus 1: "
                  "First Second Third | active 0 | 0 w 1/2/0/0 | 1 w 1/1/0/0 | 2 - 0/0/0/0\n"
                  "refusing, open 1: First Second Third | active 0 | 0 w 1/4/0/0 | 1 w 1/1/0/0 | 2 - 0/0/0/0\n"
                  "letting go: First Second Third | active 1 | 0 w 1/5/0/0 | 1 w 1/1/0/0 | 2 - 0/0/0/0");
        user::PressCancel(window);
    });
    EXPECT_EQ(boxes.Text("Framework Sheet"),
              "box: Enter no more than 4 characters. [style " + std::to_string(MB_ICONEXCLAMATION) + "] | ");
}

// A page removed while the sheet runs has no window, and one added again
// gets a new one.
TEST_F(Dialogs, OkAndApplyReachEveryPageWithAWindowAndCancelNone)
{
    std::string seen;
    INT_PTR ok = RunSheet([&](CPropertySheet& sheet, HWND window) {
        user::SwitchPage(window, 1);
        HWND removed = second_.m_hWnd;
        user::SwitchPage(window, 2);
        sheet.RemovePage(&second_);
        seen = Format("removed, old window %d, in a sheet %d: ", IsWindow(removed), second_.GetSheet() != nullptr);
        SendMessageA(window, PSM_CHANGED, reinterpret_cast<WPARAM>(third_.m_hWnd), 0);
        user::Click(window, CPropertySheet::kApplyButtonId);
        seen += Format("applied, open %d: ", IsWindowVisible(window)) + Pages(sheet, window);
        CDialog(IDD_FW_TRANSLATED, &first_).DoModal();
        sheet.AddPage(&second_);
        user::SwitchPage(window, 2);
        seen += Format("\nadded, current %d: ", user::CurrentPage(window) == second_.m_hWnd) + Pages(sheet, window);
        user::PressOk(window);
        seen += "\nOK: " + Pages(sheet, window);
    }, {[&](HWND dialog) {
        // A dialog whose parent is a page belongs to the sheet, which waits.
        HWND sheet = first_.GetSheet()->m_hWnd;
        seen += Format("\ndialog of a page: owner sheet %d, sheet enabled %d", GetWindow(dialog, GW_OWNER) == sheet,
                       IsWindowEnabled(sheet));
        EndDialog(dialog, IDOK);
    }});
    INT_PTR cancel = RunSheet([&](CPropertySheet& sheet, HWND window) {
        user::SwitchPage(window, 1);
        user::PressCancel(window);
        seen += "\nCancel: " + Pages(sheet, window);
    });
    EXPECT_EQ(seen + Format("\nresults %d %d", ok > 0, int(cancel)),
              "removed, old window 0, in a sheet 0: applied, open 1: First Third | active 1"
              " | 0 w 1/1/1/0 | -1 - 1/1/0/0 | 1 w 1/1/1/0\ndialog of a page: owner sheet 1, sheet enabled 0\n"
              "added, current 1: First Third Second | active 2 | 0 w 1/1/1/0 | 2 w 2/1/0/0 | 1 w 1/2/1/0\n"
              "OK: First Third Second | active -1 | 0 w 1/1/2/0 | 2 w 2/2/1/0 | 1 w 1/2/2/0\n"
              "Cancel: First Second Third | active 1 | 0 w 2/2/2/1 | 1 w 3/2/1/1 | 2 - 1/2/2/0\nresults 1 0");
}

}  // namespace
