// This program run again as a child, its output read line by line as it
// comes.
#pragma once

#include <windows.h>

#include <string>

class ChildProgram {
public:
    explicit ChildProgram(const std::string& arguments);
    ~ChildProgram();
    ChildProgram(const ChildProgram&) = delete;
    ChildProgram& operator=(const ChildProgram&) = delete;

    bool Started() const { return process_ != nullptr; }
    // The next line of its output; false once the output ends.
    bool ReadLine(std::string& line);
    void Kill(UINT exitCode);
    // Waits for its end; its exit code.
    DWORD Finish();

private:
    HANDLE process_ = nullptr;
    HANDLE output_ = nullptr;
    std::string pending_;
};
