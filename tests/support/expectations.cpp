#include "expectations.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "framework/seams.h"
#include "support/user.h"

namespace {

bool IsPropertySheet(HWND window) { return SendMessageA(window, PSM_GETTABCONTROL, 0, 0) != 0; }

int FailUnexpectedMessageBox(HWND, const std::string& text, const std::string&, UINT)
{
    ADD_FAILURE() << "unexpected message box: " << text;
    return IDCANCEL;
}

void FailUnexpectedModal(HWND window)
{
    ADD_FAILURE() << "unexpected modal window: " << user::WindowText(window);
    CloseModal(window);
}

void FailUnexpectedExit(UINT code) { ADD_FAILURE() << "unexpected end of the process with code " << code; }

}  // namespace

void InstallUnexpectedHandlers()
{
    SetMessageBoxHook(FailUnexpectedMessageBox);
    SetModalHook(FailUnexpectedModal);
    SetExitHook(FailUnexpectedExit);
}

void CloseModal(HWND window)
{
    if (IsPropertySheet(window))
        SendMessageA(window, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    else
        EndDialog(window, IDCANCEL);
}

ModalWindows::ModalWindows()
{
    SetModalHook([this](HWND window) {
        if (steps_.empty())
            return FailUnexpectedModal(window);
        std::function<void(HWND)> step = std::move(steps_.front());
        steps_.pop_front();
        step(window);
    });
}

ModalWindows::~ModalWindows()
{
    if (!steps_.empty())
        ADD_FAILURE() << steps_.size() << " expected modal window(s) never came up";
    SetModalHook(FailUnexpectedModal);
}

ModalWindows& ModalWindows::Then(std::function<void(HWND window)> step)
{
    steps_.push_back(std::move(step));
    return *this;
}

MessageBoxLog::MessageBoxLog(std::vector<int> answers, std::function<void()> during)
    : answers_(answers.begin(), answers.end())
{
    SetMessageBoxHook([this, during](HWND, const std::string& text, const std::string& caption, UINT type) {
        shown_.push_back({text, caption, type});
        if (during)
            during();
        if (answers_.empty())
            return IDOK;
        int answer = answers_.front();
        answers_.pop_front();
        return answer;
    });
}

MessageBoxLog::~MessageBoxLog() { SetMessageBoxHook(FailUnexpectedMessageBox); }

std::string MessageBoxLog::Text(const std::string& usualCaption) const
{
    std::string text;
    for (const ShownMessageBox& box : shown_) {
        text += "box: " + box.text;
        UINT buttons = box.type & MB_TYPEMASK;
        const char* names[] = {"", " [ok/cancel]", nullptr, " [yes/no/cancel]", " [yes/no]"};
        text += buttons < 5 && names[buttons] ? names[buttons] : " [buttons " + std::to_string(buttons) + "]";
        if (box.type & ~MB_TYPEMASK)
            text += " [style " + std::to_string(box.type & ~MB_TYPEMASK) + "]";
        if (box.caption != usualCaption)
            text += " [" + box.caption + "]";
        text += " | ";
    }
    return text;
}

namespace {

thread_local std::string refusedTitle;

LRESULT CALLBACK RefuseWindow(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        bool titled = HIWORD(create->lpszName) && refusedTitle == create->lpszName;
        if (!(create->style & WS_CHILD) && (refusedTitle.empty() || titled))
            return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

RefusedWindows::RefusedWindows(const std::string& title)
    : hook_(SetWindowsHookExA(WH_CBT, RefuseWindow, nullptr, GetCurrentThreadId()))
{
    refusedTitle = title;
}

RefusedWindows::~RefusedWindows() { UnhookWindowsHookEx(hook_); }
