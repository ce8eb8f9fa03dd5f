// The property sheet and its pages where the applet's sheet does not go:
// pages that refuse to be left, OK and Apply on pages without a window,
// dialogs opened from a page, a page removed while the sheet runs.
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

class TestPage : public CPropertyPage {
public:
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
class SelfDeletingSheet : public CPropertySheet {
public:
    explicit SelfDeletingSheet(std::string& record) : CPropertySheet(IDS_FW_SHEET_CAPTION), record_(record) {}
    ~SelfDeletingSheet() override { record_ += " deleted"; }
    void PostNcDestroy() override
    {
        record_ += m_hWnd || FromHandlePermanent(window_) ? "still attached" : "detached";
        delete this;
    }
    HWND window_ = nullptr;

private:
    std::string& record_;
};

class Sheet : public testing::Test {
protected:
    // Runs a new sheet of the three pages; `steps` get the sheet and then
    // the modal windows opened from it, in turn; the first closes the sheet.
    INT_PTR Run(std::function<void(CPropertySheet& sheet, HWND window)> step,
                std::vector<std::function<void(HWND window)>> more = {})
    {
        std::string record;
        HWND window = nullptr;
        SelfDeletingSheet* sheet = new SelfDeletingSheet(record);
        for (TestPage* page : pages_)
            sheet->AddPage(page);
        ModalWindows modal;
        modal.Then([&](HWND shown) {
            sheet->window_ = window = shown;
            step(*sheet, shown);
        });
        for (auto& next : more)
            modal.Then(next);
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
    TestPage first_{IDD_FW_PAGE_FIRST}, second_{IDD_FW_PAGE_SECOND}, third_{IDD_FW_PAGE_THIRD};
    TestPage* pages_[3] = {&first_, &second_, &third_};
};

TEST_F(Sheet, APageIsLeftOnlyWhenItLetsGoAndItsValuesPass)
{
    MessageBoxes boxes;
    boxes.Expect("Enter no more than 4 characters.");
    Run([&](CPropertySheet& sheet, HWND window) {
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
        seen += Format(" | too long: later '%s' focus %d\n", first_.later.c_str(), user::HasFocus(page, IDC_FW_PAGE_EDIT));
        seen += Pages(sheet, window);

        SetDlgItemTextA(page, IDC_FW_PAGE_EDIT, "ok");
        first_.refuseToLeave = true;
        user::SwitchPage(window, 1);
        // OK asks the page too: nothing is applied and the sheet stays.
        user::PressOk(window);
        seen += Format("\nrefusing, open %d: ", IsWindowVisible(window)) + Pages(sheet, window);
        first_.refuseToLeave = false;
        user::SwitchPage(window, 1);
        seen += "\nletting go: " + Pages(sheet, window);
        EXPECT_EQ(seen, "typed: one!, shown when back: new | too long: later '' focus 1\n"
                        "First Second Third | active 0 | 0 w 1/2/0/0 | 1 w 1/1/0/0 | 2 - 0/0/0/0\n"
                        "refusing, open 1: First Second Third | active 0 | 0 w 1/4/0/0 | 1 w 1/1/0/0 | 2 - 0/0/0/0\n"
                        "letting go: First Second Third | active 1 | 0 w 1/5/0/0 | 1 w 1/1/0/0 | 2 - 0/0/0/0");
        user::PressCancel(window);
    });
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].caption, "Framework Sheet");
    EXPECT_EQ(boxes.Shown()[0].type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
}

TEST_F(Sheet, OkAndApplyReachEveryPageWithAWindowAndCancelNone)
{
    std::string seen;
    INT_PTR ok = Run([&](CPropertySheet& sheet, HWND window) {
        user::SwitchPage(window, 2);
        SendMessageA(window, PSM_CHANGED, reinterpret_cast<WPARAM>(third_.m_hWnd), 0);
        user::Click(window, CPropertySheet::kApplyButtonId);
        seen = Format("applied, open %d: ", IsWindowVisible(window)) + Pages(sheet, window);
        user::PressOk(window);
    });
    seen += Format("\nOK %d:", ok > 0);
    for (TestPage* page : pages_)
        seen += Format(" ok %d", page->oks);
    INT_PTR cancel = Run([&](CPropertySheet&, HWND window) {
        user::SwitchPage(window, 1);
        user::PressCancel(window);
    });
    seen += Format("\nCancel %d:", int(cancel));
    for (TestPage* page : pages_)
        seen += Format(" ok %d cancel %d", page->oks, page->cancels);
    EXPECT_EQ(seen, "applied, open 1: First Second Third | active 2 | 0 w 1/1/1/0 | 1 - 0/0/0/0 | 2 w 1/1/1/0\n"
                    "OK 1: ok 2 ok 0 ok 2\n"
                    "Cancel 0: ok 2 cancel 1 ok 0 cancel 1 ok 2 cancel 0");
}

TEST_F(Sheet, DialogsOpenedFromAPageAreOwnedByTheSheet)
{
    HWND sheetWindow = nullptr;
    std::string owners;
    auto closeDialog = [&](HWND dialog) {
        owners += GetWindow(dialog, GW_OWNER) == sheetWindow ? " sheet" : " other";
        owners += IsWindowEnabled(sheetWindow) ? " (sheet enabled)" : "";
        EndDialog(dialog, IDOK);
    };
    Run([&](CPropertySheet&, HWND window) {
        sheetWindow = window;
        CDialog withoutParent(IDD_FW_TRANSLATED);
        withoutParent.DoModal();
        CDialog ofThePage(IDD_FW_TRANSLATED, &first_);
        ofThePage.DoModal();
        user::PressCancel(window);
    }, {closeDialog, closeDialog});
    EXPECT_EQ(owners, " sheet sheet");
}

TEST_F(Sheet, APageRemovedWhileItRunsLosesItsWindowAndIsMadeAgainWhenAdded)
{
    Run([&](CPropertySheet& sheet, HWND window) {
        user::SwitchPage(window, 1);
        HWND firstWindow = second_.m_hWnd;
        user::SwitchPage(window, 0);
        sheet.RemovePage(&second_);
        std::string seen = Format("removed, old window %d in sheet %d: ", IsWindow(firstWindow), !!second_.GetSheet());
        seen += Pages(sheet, window);
        sheet.AddPage(&second_);
        user::SwitchPage(window, 2);
        seen += Format("\nadded, current %d: ", user::CurrentPage(window) == second_.m_hWnd) + Pages(sheet, window);
        EXPECT_EQ(seen, "removed, old window 0 in sheet 0: First Third | active 0 | 0 w 1/1/0/0 | -1 - 1/1/0/0 | 1 - 0/0/0/0\n"
                        "added, current 1: First Third Second | active 2 | 0 w 1/2/0/0 | 2 w 2/1/0/0 | 1 - 0/0/0/0");
        user::PressCancel(window);
    });
}

}  // namespace
