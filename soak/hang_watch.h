// Watches, from a thread of its own, that the applet's sheet answers a
// message within a second and that the session's output keeps coming;
// ends the session's process when either fails.
#pragma once

#include <windows.h>

#include <string>

class ChildProgram;

class HangWatch {
public:
    explicit HangWatch(ChildProgram& session);
    ~HangWatch();
    HangWatch(const HangWatch&) = delete;
    HangWatch& operator=(const HangWatch&) = delete;

    // The sheet now up in the session; null between openings.
    void SetSheet(HWND sheet);
    // The session wrote a line: it is making progress.
    void Progress();
    // What hung, or "" when nothing did.
    std::string Hang();

private:
    static DWORD WINAPI Run(void* watch);
    void Watch();

    ChildProgram& session_;
    CRITICAL_SECTION lock_;
    HANDLE stop_;
    HANDLE thread_ = nullptr;
    HWND sheet_ = nullptr;
    DWORD lastProgress_;
    std::string hang_;
};
