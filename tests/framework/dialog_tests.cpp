// Modal dialogs: what DoModal returns, OK and Cancel, the focus after
// PostFocus, and timers inside the modal loop.
#include <windows.h>
#include <gtest/gtest.h>

#include "form_dialog.h"
#include "framework_test_resource.h"
#include "support/user.h"

namespace {

TEST(Dialog, DoModalReturnsTheResultTheDialogEndedWith)
{
    FormDialog dialog;
    int steps = 0;
    EXPECT_EQ(RunModal(dialog, [&](HWND window) {
        ++steps;
        // The hook comes with the dialog up and its loop running.
        EXPECT_EQ(window, dialog.m_hWnd);
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_EQ(user::WindowText(window), "Framework Form");
        dialog.EndDialog(42);
    }), 42);
    EXPECT_EQ(steps, 1);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST(Dialog, OkTakesTheControlsValuesAndCancelDropsThem)
{
    FormDialog dialog;
    EXPECT_EQ(RunModal(dialog, [](HWND window) {
        EXPECT_EQ(user::Text(window, IDC_FW_NAME), "initial");
        SetDlgItemTextA(window, IDC_FW_NAME, "");
        user::Type(window, IDC_FW_NAME, "typed");
        user::Click(window, IDOK);
    }), IDOK);
    EXPECT_EQ(dialog.name, "typed");

    EXPECT_EQ(RunModal(dialog, [](HWND window) {
        EXPECT_EQ(user::Text(window, IDC_FW_NAME), "typed");
        user::Type(window, IDC_FW_NAME, "changed");
        user::Click(window, IDCANCEL);
    }), IDCANCEL);
    EXPECT_EQ(dialog.name, "typed");
}

TEST(Dialog, AMissingTemplateOpensNothing)
{
    // No modal window may come up: the test runner fails any that does.
    CDialog dialog(IDD_FW_MISSING);
    EXPECT_EQ(dialog.DoModal(), -1);
}

TEST(Dialog, PostFocusMovesTheFocusOnceTheCurrentMessageIsDone)
{
    FormDialog dialog;
    dialog.code = "ABC";
    RunModal(dialog, [&](HWND window) {
        SetFocus(GetDlgItem(window, IDC_FW_NAME));
        dialog.PostFocus(GetDlgItem(window, IDC_FW_CODE));
        EXPECT_TRUE(user::HasFocus(window, IDC_FW_NAME));
        PumpMessages();
        EXPECT_TRUE(user::HasFocus(window, IDC_FW_CODE));
        // As for Tab, the text of the edit is selected.
        DWORD start = 0, end = 0;
        SendDlgItemMessageA(window, IDC_FW_CODE, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                            reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, 3u);
        user::Click(window, IDCANCEL);
    });
}

TEST(Dialog, TimersTickIntoTheMessageMapUntilKilled)
{
    const UINT_PTR kFast = 7, kEnd = 8, kGuard = 9;
    FormDialog dialog;
    int fastTicks = 0;
    dialog.onTimer = [&](UINT_PTR id) {
        if (id == kFast && ++fastTicks == 3) {
            EXPECT_TRUE(dialog.KillTimer(kFast));
            // Time for several more ticks, had the timer kept running.
            dialog.SetTimer(kEnd, 200);
        } else if (id == kEnd) {
            dialog.EndDialog(IDOK);
        } else if (id == kGuard) {
            ADD_FAILURE() << "the timers stopped";
            dialog.EndDialog(IDCANCEL);
        }
    };
    EXPECT_EQ(RunModal(dialog, [&](HWND) {
        EXPECT_EQ(dialog.SetTimer(kFast, 10), kFast);
        dialog.SetTimer(kGuard, 5000);
    }), IDOK);
    EXPECT_EQ(fastTicks, 3);
}

}  // namespace
