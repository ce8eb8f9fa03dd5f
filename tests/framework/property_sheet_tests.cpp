// The property sheet and its pages: start page, pages added and removed
// while it runs, leaving a page, OK/Apply/Cancel, dialogs opened from a
// page, and a sheet that deletes itself.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "form_dialog.h"
#include "framework_test_resource.h"
#include "support/expectations.h"
#include "support/user.h"

namespace {

using Names = std::vector<std::string>;

class TestPage : public CPropertyPage {
public:
    explicit TestPage(UINT templateId) : CPropertyPage(templateId) {}

    std::string text;  // exchanged with IDC_FW_PAGE_EDIT
    int textLimit = 0;
    bool refuseToLeave = false;
    int inits = 0, killActives = 0, oks = 0, cancels = 0;
    std::function<void()> onButton;

    BOOL OnInitDialog() override
    {
        ++inits;
        return CPropertyPage::OnInitDialog();
    }
    BOOL OnKillActive() override
    {
        ++killActives;
        return refuseToLeave ? FALSE : CPropertyPage::OnKillActive();
    }
    void OnOK() override { ++oks; }
    void OnCancel() override { ++cancels; }
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Text(dx, IDC_FW_PAGE_EDIT, text);
        if (textLimit > 0)
            DDV_MaxChars(dx, text, textLimit);
    }
    const MessageMapBase* GetMessageMap() const override
    {
        static const MessageMap<TestPage> map(CPropertyPage::GetMessageMap(), {
            OnCommand(IDC_FW_PAGE_BUTTON, BN_CLICKED, &TestPage::OnButton),
        });
        return &map;
    }
    void OnButton()
    {
        if (onButton)
            onButton();
    }
};

struct ThreePages {
    TestPage first{IDD_FW_PAGE_FIRST}, second{IDD_FW_PAGE_SECOND}, third{IDD_FW_PAGE_THIRD};
    void AddTo(CPropertySheet& sheet)
    {
        for (TestPage* page : {&first, &second, &third})
            sheet.AddPage(page);
    }
    std::vector<int> Oks() const { return {first.oks, second.oks, third.oks}; }
};

Names Tabs(HWND sheet)
{
    Names tabs;
    for (int i = 0; i < user::PageCount(sheet); ++i)
        tabs.push_back(user::PageCaption(sheet, i));
    return tabs;
}

INT_PTR RunSheet(CPropertySheet& sheet, std::function<void(HWND window)> step)
{
    ModalWindows modal;
    modal.Then(std::move(step));
    return sheet.DoModal();
}

TEST(Sheet, OpensOnItsStartPageOrTheFirstWhenThatIsBeyondTheLast)
{
    for (UINT start : {2u, 3u}) {
        ThreePages pages;
        CPropertySheet sheet(IDS_FW_SHEET_CAPTION, nullptr, start);
        pages.AddTo(sheet);
        int hooks = 0;
        RunSheet(sheet, [&](HWND window) {
            ++hooks;
            EXPECT_EQ(window, sheet.m_hWnd);
            EXPECT_TRUE(IsWindowVisible(window));
            EXPECT_EQ(user::WindowText(window), "Framework Sheet");
            EXPECT_EQ(Tabs(window), (Names{"First", "Second", "Third"}));
            int expected = start == 2 ? 2 : 0;
            EXPECT_EQ(user::CurrentPageIndex(window), expected) << "start page " << start;
            EXPECT_EQ(sheet.GetActivePage(), sheet.GetPage(expected));
            user::PressCancel(window);
        });
        EXPECT_EQ(hooks, 1);
    }
}

TEST(Sheet, PagesCanBeAddedAndRemovedWhileItRuns)
{
    ThreePages pages;
    TestPage& second = pages.second;
    CPropertySheet sheet(IDS_FW_SHEET_CAPTION);
    sheet.AddPage(&pages.first);
    sheet.AddPage(&second);
    RunSheet(sheet, [&](HWND window) {
        sheet.AddPage(&pages.third);
        EXPECT_EQ(Tabs(window), (Names{"First", "Second", "Third"}));
        EXPECT_EQ(sheet.GetPageCount(), 3);

        user::SwitchPage(window, 1);
        HWND firstWindowOfSecond = second.m_hWnd;
        ASSERT_NE(firstWindowOfSecond, nullptr);
        user::SwitchPage(window, 0);
        sheet.RemovePage(&second);
        EXPECT_EQ(Tabs(window), (Names{"First", "Third"}));
        EXPECT_EQ(sheet.GetPage(1), &pages.third);
        EXPECT_EQ(sheet.GetPageIndex(&second), -1);
        EXPECT_EQ(second.GetSheet(), nullptr);
        EXPECT_FALSE(IsWindow(firstWindowOfSecond));
        EXPECT_EQ(second.m_hWnd, nullptr);

        // Back at the end, with a new window that is initialised again.
        sheet.AddPage(&second);
        EXPECT_EQ(Tabs(window), (Names{"First", "Third", "Second"}));
        EXPECT_EQ(sheet.GetPageIndex(&second), 2);
        EXPECT_EQ(second.GetSheet(), &sheet);
        user::SwitchPage(window, 2);
        EXPECT_NE(second.m_hWnd, nullptr);
        EXPECT_EQ(user::CurrentPage(window), second.m_hWnd);
        EXPECT_EQ(second.inits, 2);
        user::PressCancel(window);
    });
}

TEST(Sheet, APageCanRefuseToBeLeft)
{
    ThreePages pages;
    CPropertySheet sheet(IDS_FW_SHEET_CAPTION);
    pages.AddTo(sheet);
    pages.first.refuseToLeave = true;
    RunSheet(sheet, [&](HWND window) {
        user::SwitchPage(window, 1);
        EXPECT_EQ(pages.first.killActives, 1);
        EXPECT_EQ(sheet.GetActivePage(), &pages.first);
        EXPECT_EQ(pages.second.m_hWnd, nullptr);
        // OK asks the page too: nothing is applied and the sheet stays.
        user::PressOk(window);
        EXPECT_EQ(pages.first.killActives, 2);
        EXPECT_EQ(pages.first.oks, 0);
        EXPECT_TRUE(IsWindowVisible(window));

        pages.first.refuseToLeave = false;
        user::SwitchPage(window, 1);
        EXPECT_EQ(sheet.GetActivePage(), &pages.second);
        user::PressCancel(window);
    });
}

TEST(Sheet, APageTakesItsValuesWhenLeftAndShowsThemWhenBack)
{
    ThreePages pages;
    TestPage& first = pages.first;
    first.textLimit = 4;
    CPropertySheet sheet(IDS_FW_SHEET_CAPTION);
    pages.AddTo(sheet);
    MessageBoxes boxes;
    boxes.Expect("At most 4 characters fit here.");
    RunSheet(sheet, [&](HWND window) {
        HWND page = first.m_hWnd;
        user::Type(page, IDC_FW_PAGE_EDIT, "one!!!");
        user::SwitchPage(window, 1);
        EXPECT_EQ(first.text, "one!");

        first.text = "new";
        user::SwitchPage(window, 0);
        EXPECT_EQ(user::Text(page, IDC_FW_PAGE_EDIT), "new");

        // A text over the limit keeps the user on the page.
        SetDlgItemTextA(page, IDC_FW_PAGE_EDIT, "too long");
        user::SwitchPage(window, 1);
        EXPECT_EQ(sheet.GetActivePage(), &first);
        user::PressCancel(window);
    });
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].caption, "Framework Sheet");
}

TEST(Sheet, OkAndApplyReachEveryPageWithAWindowAndCancelNone)
{
    ThreePages pages;
    CPropertySheet sheet(IDS_FW_SHEET_CAPTION);
    pages.AddTo(sheet);
    INT_PTR result = RunSheet(sheet, [&](HWND window) {
        user::SwitchPage(window, 2);
        SendMessageA(window, PSM_CHANGED, reinterpret_cast<WPARAM>(pages.third.m_hWnd), 0);
        user::Click(window, CPropertySheet::kApplyButtonId);
        EXPECT_EQ(pages.Oks(), (std::vector<int>{1, 0, 1}));
        EXPECT_EQ(pages.third.killActives, 1);
        EXPECT_TRUE(IsWindowVisible(window));
        user::PressOk(window);
    });
    EXPECT_GT(result, 0);
    EXPECT_EQ(pages.Oks(), (std::vector<int>{2, 0, 2}));

    ThreePages cancelled;
    CPropertySheet again(IDS_FW_SHEET_CAPTION);
    cancelled.AddTo(again);
    result = RunSheet(again, [&](HWND window) {
        user::SwitchPage(window, 1);
        user::PressCancel(window);
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(cancelled.Oks(), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(cancelled.first.cancels + cancelled.second.cancels, 2);
}

TEST(Sheet, DialogsOpenedFromAPageAreOwnedByTheSheet)
{
    ThreePages pages;
    CPropertySheet sheet(IDS_FW_SHEET_CAPTION);
    pages.AddTo(sheet);
    pages.first.onButton = [&] {
        FormDialog withoutParent;
        withoutParent.DoModal();
        FormDialog ofThePage;
        ofThePage.SetParent(&pages.first);
        ofThePage.DoModal();
    };
    HWND sheetWindow = nullptr;
    std::vector<HWND> owners;
    auto closeDialog = [&](HWND dialog) {
        owners.push_back(GetWindow(dialog, GW_OWNER));
        EXPECT_FALSE(IsWindowEnabled(sheetWindow));
        EndDialog(dialog, IDOK);
    };
    ModalWindows modal;
    modal.Then([&](HWND window) {
        sheetWindow = window;
        user::Click(pages.first.m_hWnd, IDC_FW_PAGE_BUTTON);
        user::PressCancel(window);
    }).Then(closeDialog).Then(closeDialog);
    sheet.DoModal();
    ASSERT_NE(sheetWindow, nullptr);
    EXPECT_EQ(owners, (std::vector<HWND>{sheetWindow, sheetWindow}));
}

struct SheetRecord {
    HWND window = nullptr;
    bool detachedBeforePostNcDestroy = false;
    bool deleted = false;
};

class SelfDeletingSheet : public CPropertySheet {
public:
    explicit SelfDeletingSheet(SheetRecord& record) : CPropertySheet(IDS_FW_SHEET_CAPTION), record_(record) {}
    ~SelfDeletingSheet() override { record_.deleted = true; }
    void PostNcDestroy() override
    {
        record_.detachedBeforePostNcDestroy = m_hWnd == nullptr && !FromHandlePermanent(record_.window);
        delete this;
    }

private:
    SheetRecord& record_;
};

TEST(Sheet, ASheetCanDeleteItselfOnceItsWindowIsGone)
{
    TestPage page(IDD_FW_PAGE_FIRST);
    SheetRecord record;
    SelfDeletingSheet* sheet = new SelfDeletingSheet(record);
    sheet->AddPage(&page);
    RunSheet(*sheet, [&](HWND window) {
        record.window = window;
        user::PressOk(window);
    });
    EXPECT_TRUE(record.deleted);
    EXPECT_TRUE(record.detachedBeforePostNcDestroy);
    EXPECT_FALSE(IsWindow(record.window));
    // The page outlives its sheet and no longer points at it.
    EXPECT_EQ(page.GetSheet(), nullptr);
    EXPECT_EQ(page.oks, 1);
}

}  // namespace
