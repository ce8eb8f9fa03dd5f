#include "hang_watch.h"

#include "child_program.h"

namespace {

const UINT kAnswerWithinMs = 1000;
const DWORD kLookEveryMs = 250;
// Without a line for this long the session is stuck, sheet or not.
const DWORD kSilenceMs = 30000;
const UINT kHungExitCode = 0x48554E47;
// How long a sheet that missed the second is given to answer at all, to
// tell a slow answer from none.
const UINT kLastChanceMs = 20000;

// "answered 1.4 s after it was asked", or "no answer within 20 s".
std::string LateAnswer(HWND sheet)
{
    DWORD start = GetTickCount();
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(sheet, WM_NULL, 0, 0, SMTO_NORMAL, kLastChanceMs, &answer))
        return "no answer within " + std::to_string(kLastChanceMs / 1000) + " s";
    DWORD tenths = (GetTickCount() - start + kAnswerWithinMs + 50) / 100;
    return "answered " + std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " s after it was asked";
}

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
            hang = "the sheet did not answer within a second (" + LateAnswer(sheet) + ")";
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
