// Data exchange: members shown in the controls and taken back, control
// binding, and the length check both as a typing limit and as a refusal.
#include <windows.h>
#include <gtest/gtest.h>

#include "form_dialog.h"
#include "framework_test_resource.h"
#include "support/expectations.h"
#include "support/user.h"

namespace {

TEST(DataExchange, BindsTheControlMembersToTheTemplatesControls)
{
    FormDialog dialog;
    RunModal(dialog, [&](HWND window) {
        EXPECT_EQ(dialog.nameEdit.m_hWnd, GetDlgItem(window, IDC_FW_NAME));
        EXPECT_EQ(dialog.list.m_hWnd, GetDlgItem(window, IDC_FW_LIST));
        EXPECT_EQ(CWnd::FromHandlePermanent(GetDlgItem(window, IDC_FW_CODE)), &dialog.codeEdit);
        // A later exchange keeps the binding.
        EXPECT_TRUE(dialog.UpdateData(TRUE));
        EXPECT_EQ(dialog.choices.m_hWnd, GetDlgItem(window, IDC_FW_CHOICES));
        dialog.label.SetWindowText("Bound");
        EXPECT_EQ(user::Text(window, IDC_FW_LABEL), "Bound");
        user::Click(window, IDCANCEL);
    });
}

TEST(DataExchange, MovesTextBothWays)
{
    FormDialog dialog;
    dialog.name = "Campus";
    dialog.code = "C1";
    RunModal(dialog, [&](HWND window) {
        EXPECT_EQ(user::Text(window, IDC_FW_NAME), "Campus");
        EXPECT_EQ(user::Text(window, IDC_FW_CODE), "C1");
        dialog.nameEdit.SetSel(6, 6);
        user::Type(window, IDC_FW_NAME, " Lab");
        EXPECT_EQ(dialog.name, "Campus");
        EXPECT_TRUE(dialog.UpdateData(TRUE));
        EXPECT_EQ(dialog.name, "Campus Lab");
        dialog.code = "C2";
        EXPECT_TRUE(dialog.UpdateData(FALSE));
        EXPECT_EQ(user::Text(window, IDC_FW_CODE), "C2");
        user::Click(window, IDCANCEL);
    });
}

TEST(DataExchange, MaxCharsLimitsTypingAndRefusesALongerText)
{
    FormDialog dialog;
    dialog.name = "";
    dialog.nameLimit = 5;
    MessageBoxes boxes;
    boxes.Expect("At most 5 characters fit here.");
    RunModal(dialog, [&](HWND window) {
        EXPECT_EQ(SendDlgItemMessageA(window, IDC_FW_NAME, EM_GETLIMITTEXT, 0, 0), 5);
        user::Type(window, IDC_FW_NAME, "abcdefgh");
        EXPECT_EQ(user::Text(window, IDC_FW_NAME), "abcde");

        // Text put there by other means than typing is refused on OK; the
        // fields after it are not taken and the focus goes to the field.
        SetDlgItemTextA(window, IDC_FW_NAME, "abcdefgh");
        SetDlgItemTextA(window, IDC_FW_CODE, "later");
        SetFocus(GetDlgItem(window, IDC_FW_CODE));
        user::Click(window, IDOK);
        // Still open: ending a dialog hides it.
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_EQ(dialog.code, "");
        EXPECT_TRUE(user::HasFocus(window, IDC_FW_NAME));
        user::Click(window, IDCANCEL);
    });
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].caption, "Framework Form");
    EXPECT_EQ(boxes.Shown()[0].type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
}

}  // namespace
