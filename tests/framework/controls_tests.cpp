// The control classes on the real controls of the test form.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "form_dialog.h"
#include "framework_test_resource.h"
#include "support/user.h"

namespace {

TEST(ListCtrl, AsksForCallbackTextAndKeepsStatesAndDataPerRow)
{
    FormDialog dialog;
    // Row text is found by the row's item data, so it follows the row.
    dialog.rowTexts = {{"Campus", "WEP"}, {"Home", "WPA"}, {"Lab", "None"}};
    CImageList images;
    RunModal(dialog, [&](HWND window) {
        CListCtrl& list = dialog.list;
        EXPECT_EQ(list.InsertColumn(0, "Name", LVCFMT_LEFT, 100), 0);
        EXPECT_EQ(list.InsertColumn(1, "Security", LVCFMT_LEFT, 80), 1);
        ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1));
        EXPECT_EQ(images.Add(LoadResourceIcon(IDI_FW_ICON)), 0);
        EXPECT_EQ(ImageList_GetImageCount(images.GetSafeHandle()), 1);
        HIMAGELIST handle = images.GetSafeHandle();
        list.SetImageList(images, LVSIL_SMALL);
        EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageA(list.m_hWnd, LVM_GETIMAGELIST, LVSIL_SMALL, 0)), handle);

        for (int row = 0; row < 3; ++row) {
            EXPECT_EQ(list.InsertCallbackItem(row), row);
            EXPECT_TRUE(list.SetItemData(row, row));
        }
        EXPECT_EQ(list.GetItemCount(), 3);
        EXPECT_EQ(list.GetItemText(1, 0), "Home");
        EXPECT_EQ(list.GetItemText(2, 1), "None");
        EXPECT_EQ(user::RowText(window, IDC_FW_LIST, 0), "Campus");
        LVITEMA item = {};
        item.mask = LVIF_IMAGE;
        item.iItem = 1;
        item.iImage = -5;
        SendMessageA(list.m_hWnd, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(item.iImage, 0);

        EXPECT_TRUE(list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED));
        EXPECT_EQ(list.GetItemState(1, LVIS_SELECTED | LVIS_FOCUSED), UINT(LVIS_SELECTED | LVIS_FOCUSED));
        EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 1);
        // Single selection: choosing another row lets go of the first.
        user::ChooseRow(window, IDC_FW_LIST, 2);
        EXPECT_EQ(list.GetItemState(1, LVIS_SELECTED), 0u);
        EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 2);
        EXPECT_EQ(list.GetNextItem(2, LVNI_SELECTED), -1);
        EXPECT_EQ(list.GetNextItem(0, LVNI_ALL), 1);
        EXPECT_TRUE(list.EnsureVisible(2, FALSE));
        EXPECT_TRUE(list.RedrawItems(0, 2));

        EXPECT_TRUE(list.DeleteItem(0));
        EXPECT_EQ(list.GetItemCount(), 2);
        EXPECT_EQ(list.GetItemData(0), 1);
        EXPECT_EQ(list.GetItemText(0, 0), "Home");
        EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 1);
        EXPECT_FALSE(list.DeleteItem(5));
        EXPECT_TRUE(list.DeleteAllItems());
        EXPECT_EQ(list.GetItemCount(), 0);
        user::Click(window, IDCANCEL);
    });
}

TEST(ComboBox, HoldsItsItemsAndSearchesByPrefixAfterAnItem)
{
    FormDialog dialog;
    RunModal(dialog, [&](HWND window) {
        CComboBox& combo = dialog.choices;
        int index = 0;
        for (const char* text : {"Alpha", "beta", "Bravo", "Charlie", "alphabet"})
            EXPECT_EQ(combo.AddString(text), index++);
        EXPECT_EQ(combo.GetCount(), 5);
        EXPECT_EQ(combo.GetCurSel(), CB_ERR);
        EXPECT_EQ(combo.SetCurSel(3), 3);
        EXPECT_EQ(combo.GetCurSel(), 3);
        EXPECT_EQ(user::SelectedText(window, IDC_FW_CHOICES), "Charlie");
        EXPECT_EQ(combo.GetLBText(1), "beta");
        EXPECT_EQ(combo.GetLBText(9), "");
        EXPECT_EQ(combo.SetCurSel(5), CB_ERR);
        EXPECT_EQ(combo.GetCurSel(), CB_ERR);

        // Case-insensitive, from the item after the given one, wrapping.
        EXPECT_EQ(combo.SelectString(-1, "ALPHA"), 0);
        EXPECT_EQ(combo.SelectString(0, "alpha"), 4);
        EXPECT_EQ(combo.GetCurSel(), 4);
        EXPECT_EQ(combo.SelectString(4, "alpha"), 0);
        EXPECT_EQ(combo.SelectString(-1, "BR"), 2);
        // Nothing matches: the selection stays.
        EXPECT_EQ(combo.SelectString(-1, "Delta"), CB_ERR);
        EXPECT_EQ(combo.GetCurSel(), 2);

        combo.ResetContent();
        EXPECT_EQ(combo.GetCount(), 0);
        EXPECT_EQ(combo.GetCurSel(), CB_ERR);
        user::Click(window, IDCANCEL);
    });
}

TEST(Edit, LimitsSelectsReplacesClearsAndSwitchesUpperCase)
{
    FormDialog dialog;
    RunModal(dialog, [&](HWND window) {
        CEdit& edit = dialog.codeEdit;
        edit.SetWindowText("Hello World");
        edit.SetSel(6, 11);
        edit.ReplaceSel("There");
        EXPECT_EQ(edit.GetWindowText(), "Hello There");
        edit.SetSel(0, 6);
        edit.Clear();
        EXPECT_EQ(edit.GetWindowText(), "There");

        edit.SetWindowText("");
        edit.SetUpperCase(true);
        user::Type(window, IDC_FW_CODE, "ab1");
        edit.SetUpperCase(false);
        user::Type(window, IDC_FW_CODE, "cd");
        EXPECT_EQ(edit.GetWindowText(), "AB1cd");

        edit.LimitText(6);
        user::Type(window, IDC_FW_CODE, "xyz");
        EXPECT_EQ(edit.GetWindowText(), "AB1cdx");
        user::Click(window, IDCANCEL);
    });
}

TEST(Button, ReadsAndSetsTheCheckState)
{
    FormDialog dialog;
    RunModal(dialog, [&](HWND window) {
        EXPECT_EQ(dialog.check.GetCheck(), BST_UNCHECKED);
        dialog.check.SetCheck(BST_CHECKED);
        EXPECT_TRUE(user::IsChecked(window, IDC_FW_CHECK));
        user::Click(window, IDC_FW_CHECK);
        EXPECT_EQ(dialog.check.GetCheck(), BST_UNCHECKED);

        dialog.radioA.SetCheck(BST_CHECKED);
        user::Click(window, IDC_FW_RADIO_B);
        EXPECT_EQ(dialog.radioA.GetCheck(), BST_UNCHECKED);
        user::Click(window, IDCANCEL);
    });
}

TEST(ProgressCtrl, KeepsItsRangeAndPosition)
{
    FormDialog dialog;
    RunModal(dialog, [&](HWND window) {
        CProgressCtrl& progress = dialog.progress;
        progress.SetRange(0, 200);
        EXPECT_EQ(progress.SetPos(150), 0);
        EXPECT_EQ(progress.GetPos(), 150);
        progress.SetStep(25);
        SendMessageA(progress.m_hWnd, PBM_STEPIT, 0, 0);
        EXPECT_EQ(progress.GetPos(), 175);
        PBRANGE range = {};
        SendMessageA(progress.m_hWnd, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
        EXPECT_EQ(range.iLow, 0);
        EXPECT_EQ(range.iHigh, 200);
        user::Click(window, IDCANCEL);
    });
}

}  // namespace
