#include "seams.h"

namespace {

MessageBoxHook& messageBoxHook()
{
    static MessageBoxHook hook;
    return hook;
}

ModalHook& modalHook()
{
    static ModalHook hook;
    return hook;
}

ExitHook& exitHook()
{
    static ExitHook hook;
    return hook;
}

UINT ModalHookMessage()
{
    static const UINT message = RegisterWindowMessageA("VyrFrameworkModalHook");
    return message;
}

}  // namespace

void SetMessageBoxHook(MessageBoxHook hook)
{
    messageBoxHook() = std::move(hook);
}

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type)
{
    if (messageBoxHook())
        return messageBoxHook()(owner, text, caption, type);
    return MessageBoxA(owner, text.c_str(), caption.c_str(), type);
}

void SetModalHook(ModalHook hook)
{
    modalHook() = std::move(hook);
}

void ScheduleModalHook(HWND window)
{
    if (modalHook())
        PostMessageA(window, ModalHookMessage(), 0, 0);
}

bool RunModalHook(HWND window, UINT message)
{
    if (message != ModalHookMessage())
        return false;
    if (modalHook()) {
        // A modal dialog is shown only when its loop first goes idle, which
        // is after this message; show it now, so the hook meets the window
        // as the user does.
        if (!IsWindowVisible(window))
            ShowWindow(window, SW_SHOWNORMAL);
        // A copy: the hook may replace itself while it runs.
        ModalHook hook = modalHook();
        hook(window);
    }
    return true;
}

void SetExitHook(ExitHook hook)
{
    exitHook() = std::move(hook);
}

void EndHostProcess(UINT exitCode)
{
    if (exitHook()) {
        exitHook()(exitCode);
        return;
    }
    ExitProcess(exitCode);
}
