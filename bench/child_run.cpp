#include "child_run.h"

#include <windows.h>

#include <cstdio>
#include <sstream>

std::map<std::string, double> RunChild(const std::string& arguments)
{
    std::map<std::string, double> figures;
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, sizeof(program));
    std::string commandLine = "\"" + std::string(program) + "\" " + arguments;

    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return figures;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process = {};
    BOOL started = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                                  &process);
    CloseHandle(writeEnd);
    std::string output;
    char buffer[4096];
    DWORD read = 0;
    while (started && ReadFile(readEnd, buffer, sizeof(buffer), &read, nullptr) && read > 0)
        output.append(buffer, read);
    CloseHandle(readEnd);
    if (!started)
        return figures;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    if (exitCode != 0)
        return figures;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        std::string::size_type equals = line.find('=');
        if (equals != std::string::npos)
            figures[line.substr(0, equals)] = std::atof(line.c_str() + equals + 1);
    }
    return figures;
}

void Report(const char* name, double value)
{
    std::printf("%s=%.4f\n", name, value);
    std::fflush(stdout);
}
