#include "child_program.h"

ChildProgram::ChildProgram(const std::string& arguments)
{
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, sizeof(program));
    std::string commandLine = "\"" + std::string(program) + "\" " + arguments;
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&output_, &writeEnd, &inherit, 0))
        return;
    SetHandleInformation(output_, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION started = {};
    if (CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &started)) {
        process_ = started.hProcess;
        CloseHandle(started.hThread);
    }
    // Only the child's end stays open, so the output ends with the child.
    CloseHandle(writeEnd);
}

ChildProgram::~ChildProgram()
{
    if (output_)
        CloseHandle(output_);
    if (process_)
        CloseHandle(process_);
}

bool ChildProgram::ReadLine(std::string& line)
{
    for (;;) {
        std::string::size_type end = pending_.find('\n');
        if (end != std::string::npos) {
            line = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            return true;
        }
        char buffer[4096];
        DWORD read = 0;
        if (!output_ || !ReadFile(output_, buffer, sizeof(buffer), &read, nullptr) || read == 0) {
            line = pending_;
            pending_.clear();
            return !line.empty();
        }
        pending_.append(buffer, read);
    }
}

void ChildProgram::Kill(UINT exitCode)
{
    if (process_)
        TerminateProcess(process_, exitCode);
}

DWORD ChildProgram::Finish()
{
    DWORD exitCode = 1;
    if (process_) {
        WaitForSingleObject(process_, INFINITE);
        GetExitCodeProcess(process_, &exitCode);
    }
    return exitCode;
}
