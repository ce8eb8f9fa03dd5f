// Who ends what, and when: window objects, the controls bound to them, the
// pages of a sheet, image lists, and the owners of modal dialogs.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "framework/framework.h"
#include "framework_test_resource.h"
#include "support/expectations.h"
#include "support/user.h"

namespace {

class BoundForm : public CDialog {
public:
    BoundForm() : CDialog(IDD_FW_FORM) {}
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, IDC_FW_NAME, name); }
    CEdit name;
};

// Counts its ends; deletes itself with its window, as the applet's sheet does.
class SelfDeletingSheet : public CPropertySheet {
public:
    SelfDeletingSheet() : CPropertySheet(IDS_FW_SHEET_CAPTION) { AddPage(&page_); }
    ~SelfDeletingSheet() override { ++ended; }
    void PostNcDestroy() override { delete this; }
    static int ended;

private:
    CPropertyPage page_{IDD_FW_PAGE_FIRST};
};
int SelfDeletingSheet::ended = 0;

class SelfDeletingDialog : public CDialog {
public:
    explicit SelfDeletingDialog(UINT templateId) : CDialog(templateId) {}
    ~SelfDeletingDialog() override { ++ended; }
    void PostNcDestroy() override { delete this; }
    static int ended;
};
int SelfDeletingDialog::ended = 0;

class Lifetimes : public testing::Test {};

// Bound controls let go of their windows with their dialog; pages and sheets
// forget each other whichever ends first; a sheet or dialog whose window
// cannot be made ends its object as its window would have; a list view that
// destroys its image lists (no LVS_SHAREIMAGELISTS) takes them over.
TEST_F(Lifetimes, EachObjectEndsOnceAndNothingKeepsWhatEnded)
{
    BoundForm form;
    ModalWindows modal;
    modal.Then([](HWND window) { user::Click(window, IDCANCEL); });
    form.DoModal();
    std::string seen = "bound " + std::to_string(form.name.m_hWnd != nullptr);

    CPropertySheet sheet(IDS_FW_SHEET_CAPTION);
    CPropertyPage* early = new CPropertyPage(IDD_FW_PAGE_FIRST);
    CPropertyPage late(IDD_FW_PAGE_SECOND);
    sheet.AddPage(early);
    sheet.AddPage(&late);
    delete early;
    {
        CPropertySheet shortLived(IDS_FW_SHEET_CAPTION);
        shortLived.AddPage(&late);
    }
    seen += " | pages " + std::to_string(sheet.GetPageCount()) + " late's sheet " + std::to_string(!!late.GetSheet());

    SelfDeletingSheet::ended = SelfDeletingDialog::ended = 0;
    {
        RefusedWindows refused;
        (new SelfDeletingSheet)->DoModal();
    }
    (new SelfDeletingDialog(IDD_FW_MISSING))->DoModal();
    seen += " | ended " + std::to_string(SelfDeletingSheet::ended) + std::to_string(SelfDeletingDialog::ended);

    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    for (DWORD style : {DWORD(0), DWORD(LVS_SHAREIMAGELISTS)}) {
        CListCtrl list;
        list.Attach(CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | LVS_REPORT | style, 0, 0, 100, 100, parent,
                                    nullptr, nullptr, nullptr));
        CImageList images;
        images.Create(16, 16, ILC_COLOR | ILC_MASK, 1, 0);
        HIMAGELIST handle = images.GetSafeHandle();
        list.SetImageList(images, LVSIL_SMALL);
        seen += std::string(" | images ") + (list.SendMessage(LVM_GETIMAGELIST, LVSIL_SMALL) == LRESULT(handle)
                                                  ? "in list" : "not in list") +
                (images.GetSafeHandle() ? ", kept" : ", handed over");
        DestroyWindow(list.Detach());
    }
    DestroyWindow(parent);
    EXPECT_EQ(seen, "bound 0 | pages 1 late's sheet 0 | ended 11 | images in list, handed over | images in list, kept");
}

// With another window in front, a dialog made without a parent is still
// owned by the innermost modal window of the thread, which it disables.
TEST_F(Lifetimes, ADialogWithoutParentIsOwnedByTheInnermostModalWindow)
{
    HWND other = CreateWindowExA(0, "STATIC", "Another program", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                 nullptr, nullptr, nullptr);
    CPropertySheet sheet(IDS_FW_SHEET_CAPTION);
    CPropertyPage page(IDD_FW_PAGE_FIRST);
    sheet.AddPage(&page);
    CDialog outer(IDD_FW_TRANSLATED);
    CDialog inner(IDD_FW_TRANSLATED);
    std::string owners;
    auto describe = [&](HWND window, HWND expectedOwner) {
        owners += std::string(GetWindow(window, GW_OWNER) == expectedOwner ? "owned" : "not owned") +
                  (IsWindowEnabled(expectedOwner) ? ",enabled " : ",disabled ");
    };
    ModalWindows modal;
    modal.Then([&](HWND window) {
        SetActiveWindow(other);
        outer.DoModal();
        user::PressCancel(window);
    });
    modal.Then([&](HWND window) {
        describe(window, sheet.m_hWnd);
        SetActiveWindow(other);
        inner.DoModal();
        EndDialog(window, IDCANCEL);
    });
    modal.Then([&](HWND window) {
        describe(window, outer.m_hWnd);
        EndDialog(window, IDCANCEL);
    });
    sheet.DoModal();
    DestroyWindow(other);
    EXPECT_EQ(owners, "owned,disabled owned,disabled ");
}

TEST_F(Lifetimes, ASheetRunsOnWithoutItsObject)
{
    CPropertySheet sheet(IDS_FW_SHEET_CAPTION);
    CPropertyPage page(IDD_FW_PAGE_FIRST);
    sheet.AddPage(&page);
    ModalWindows modal;
    modal.Then([&](HWND window) {
        sheet.Detach();
        EXPECT_EQ(SendMessageA(window, PSM_GETCURRENTPAGEHWND, 0, 0), reinterpret_cast<LRESULT>(page.m_hWnd));
        SendMessageA(window, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    });
    EXPECT_EQ(sheet.DoModal(), 0);
}

}  // namespace
