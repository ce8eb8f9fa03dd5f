#include "hang_watch.h"

#include "child_program.h"

namespace {

const UINT kAnswerWithinMs = 1000;
const DWORD kLookEveryMs = 250;
// Without a line for this long the session is stuck, sheet or not.
const DWORD kSilenceMs = 30000;
const UINT kHungExitCode = 0x48554E47;

}  // namespace

HangWatch::HangWatch(ChildProgram& session) : session_(session), lastProgress_(GetTickCount())
{
    InitializeCriticalSection(&lock_);
    stop_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

HangWatch::~HangWatch()
{
    SetEvent(stop_);
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    CloseHandle(stop_);
    DeleteCriticalSection(&lock_);
}

void HangWatch::SetSheet(HWND sheet)
{
    EnterCriticalSection(&lock_);
    sheet_ = sheet;
    LeaveCriticalSection(&lock_);
}

void HangWatch::Progress()
{
    EnterCriticalSection(&lock_);
    lastProgress_ = GetTickCount();
    LeaveCriticalSection(&lock_);
}

std::string HangWatch::Hang()
{
    EnterCriticalSection(&lock_);
    std::string hang = hang_;
    LeaveCriticalSection(&lock_);
    return hang;
}

DWORD WINAPI HangWatch::Run(void* watch)
{
    static_cast<HangWatch*>(watch)->Watch();
    return 0;
}

void HangWatch::Watch()
{
    while (WaitForSingleObject(stop_, kLookEveryMs) == WAIT_TIMEOUT) {
        EnterCriticalSection(&lock_);
        HWND sheet = sheet_;
        DWORD silent = GetTickCount() - lastProgress_;
        LeaveCriticalSection(&lock_);
        std::string hang;
        DWORD_PTR answer = 0;
        if (sheet && IsWindow(sheet) &&
            !SendMessageTimeoutA(sheet, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerWithinMs, &answer) && IsWindow(sheet))
            hang = "the sheet did not answer within a second";
        else if (silent > kSilenceMs)
            hang = "the session wrote nothing for " + std::to_string(silent / 1000) + " s";
        if (!hang.empty()) {
            EnterCriticalSection(&lock_);
            hang_ = hang;
            LeaveCriticalSection(&lock_);
            session_.Kill(kHungExitCode);
            return;
        }
    }
}
