// Message maps: which entry runs for which message, chaining to the base
// class's table, and what a dialog does with notifications nobody handles.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form_dialog.h"
#include "framework_test_resource.h"
#include "support/user.h"

namespace {

const UINT kSave = 10, kList = 11, kOther = 12;

class BaseTarget : public CCmdTarget {
public:
    std::vector<std::string> calls;
    const MessageMapBase* GetMessageMap() const override
    {
        static const MessageMap<BaseTarget> map(CCmdTarget::GetMessageMap(), {
            OnCommand(kSave, BN_CLICKED, &BaseTarget::OnSave),
            OnNotify(kList, NM_DBLCLK, &BaseTarget::OnDoubleClick),
            OnMessage(WM_APP, &BaseTarget::OnApp),
        });
        return &map;
    }
    void OnSave() { calls.push_back("base save"); }
    LRESULT OnDoubleClick(NMHDR* header) { calls.push_back("base double click"); return header->idFrom + 100; }
    LRESULT OnApp(WPARAM wParam, LPARAM lParam) { calls.push_back("base app"); return wParam + lParam; }
};

class DerivedTarget : public BaseTarget {
public:
    const MessageMapBase* GetMessageMap() const override
    {
        static const MessageMap<DerivedTarget> map(BaseTarget::GetMessageMap(), {
            OnCommand(kSave, BN_CLICKED, &DerivedTarget::OnDerivedSave),
            OnCommand(kOther, EN_CHANGE, &DerivedTarget::OnOtherChange),
        });
        return &map;
    }
    void OnDerivedSave() { calls.push_back("derived save"); }
    void OnOtherChange() { calls.push_back("derived change"); }
};

bool Send(CCmdTarget& target, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    return target.GetMessageMap()->Dispatch(target, message, wParam, lParam, result);
}

TEST(MessageMap, RunsTheMatchingEntryOfTheClassThenOfItsBase)
{
    DerivedTarget target;
    LRESULT result = -1;
    HWND control = reinterpret_cast<HWND>(1);

    // The derived table comes first; the base's entry for the same command is hidden.
    EXPECT_TRUE(Send(target, WM_COMMAND, MAKEWPARAM(kSave, BN_CLICKED), reinterpret_cast<LPARAM>(control), result));
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(Send(target, WM_COMMAND, MAKEWPARAM(kOther, EN_CHANGE), reinterpret_cast<LPARAM>(control), result));
    // Through the chain: the base's notification and message entries, with their results.
    NMHDR header = {control, kList, static_cast<UINT>(NM_DBLCLK)};
    EXPECT_TRUE(Send(target, WM_NOTIFY, kList, reinterpret_cast<LPARAM>(&header), result));
    EXPECT_EQ(result, kList + 100);
    EXPECT_TRUE(Send(target, WM_APP, 2, 3, result));
    EXPECT_EQ(result, 5);
    EXPECT_EQ(target.calls, (std::vector<std::string>{"derived save", "derived change", "base double click", "base app"}));

    // Right control with another code, right code from another control, another message.
    target.calls.clear();
    EXPECT_FALSE(Send(target, WM_COMMAND, MAKEWPARAM(kSave, BN_DOUBLECLICKED), reinterpret_cast<LPARAM>(control), result));
    EXPECT_FALSE(Send(target, WM_COMMAND, MAKEWPARAM(kOther, BN_CLICKED), reinterpret_cast<LPARAM>(control), result));
    NMHDR otherControl = {control, kOther, static_cast<UINT>(NM_DBLCLK)};
    EXPECT_FALSE(Send(target, WM_NOTIFY, kOther, reinterpret_cast<LPARAM>(&otherControl), result));
    NMHDR otherCode = {control, kList, static_cast<UINT>(NM_CLICK)};
    EXPECT_FALSE(Send(target, WM_NOTIFY, kList, reinterpret_cast<LPARAM>(&otherCode), result));
    EXPECT_FALSE(Send(target, WM_APP + 1, 0, 0, result));
    EXPECT_TRUE(target.calls.empty());

    // The base alone knows nothing of the derived entries.
    BaseTarget base;
    EXPECT_FALSE(Send(base, WM_COMMAND, MAKEWPARAM(kOther, EN_CHANGE), reinterpret_cast<LPARAM>(control), result));
}

class DerivedForm : public FormDialog {
public:
    int derivedGoClicks = 0;
    const MessageMapBase* GetMessageMap() const override
    {
        static const MessageMap<DerivedForm> map(FormDialog::GetMessageMap(), {
            OnCommand(IDC_FW_GO, BN_CLICKED, &DerivedForm::OnDerivedGo),
            OnNotify(IDC_FW_LIST, NM_RCLICK, &DerivedForm::OnRightClick),
        });
        return &map;
    }
    void OnDerivedGo() { ++derivedGoClicks; }
    LRESULT OnRightClick(NMHDR*) { return 5; }
};

LRESULT Notify(HWND dialog, int id, int code)
{
    NMHDR header = {GetDlgItem(dialog, id), static_cast<UINT_PTR>(id), static_cast<UINT>(code)};
    return SendMessageA(dialog, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&header));
}

TEST(MessageMap, ADialogRoutesItsControlsThroughTheChainedTables)
{
    DerivedForm dialog;
    RunModal(dialog, [&](HWND window) {
        user::Click(window, IDC_FW_GO);
        EXPECT_EQ(dialog.derivedGoClicks, 1);
        EXPECT_EQ(dialog.goClicks, 0);
        user::Type(window, IDC_FW_NAME, "x");
        EXPECT_EQ(dialog.nameChanges, 1);

        // A handled notification's result reaches the sender; one from
        // another control gets the dialog manager's default answer.
        EXPECT_EQ(Notify(window, IDC_FW_LIST, NM_RCLICK), 5);
        EXPECT_EQ(Notify(window, IDC_FW_CHOICES, NM_RCLICK), 0);
        user::Click(window, IDCANCEL);
    });
}

TEST(MessageMap, ControlNotificationsAreIgnoredWhileDataIsExchanged)
{
    FormDialog dialog;
    dialog.rowTexts = {{"row"}};
    int timerMessages = 0;
    dialog.onTimer = [&](UINT_PTR) { ++timerMessages; };
    RunModal(dialog, [&](HWND window) {
        // OnInitDialog's exchange set the edit's text unheard.
        EXPECT_EQ(dialog.nameChanges, 0);
        dialog.list.InsertColumn(0, "Name", LVCFMT_LEFT, 100);
        dialog.list.InsertCallbackItem(0);
        dialog.list.SetItemData(0, 0);
        dialog.rowChanges = 0;

        dialog.name = "shown";
        dialog.duringExchange = [&] {
            user::ChooseRow(window, IDC_FW_LIST, 0);
            // Not a control notification: still handled.
            SendMessageA(window, WM_TIMER, 99, 0);
        };
        EXPECT_TRUE(dialog.UpdateData(FALSE));
        EXPECT_EQ(user::Text(window, IDC_FW_NAME), "shown");
        EXPECT_EQ(dialog.nameChanges, 0);
        EXPECT_EQ(dialog.rowChanges, 0);
        EXPECT_EQ(timerMessages, 1);

        // Outside an exchange the same changes are heard.
        dialog.duringExchange = nullptr;
        dialog.SetDlgItemText(IDC_FW_NAME, "set");
        EXPECT_EQ(dialog.GetDlgItemText(IDC_FW_NAME), "set");
        EXPECT_EQ(dialog.nameChanges, 1);
        user::ClearRows(window, IDC_FW_LIST);
        EXPECT_GT(dialog.rowChanges, 0);
        user::Click(window, IDCANCEL);
    });
}

}  // namespace
