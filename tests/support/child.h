// Runs a scenario of this test program in a child process: for what only a process start decides (the Windows version
// Wine reports, the user's locale, the DLLs it loads) and for what ends the process.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct ChildOptions {
    // Wine's name of the version the child sees ("winxp", "win2k", "win98", ...); empty: the prefix's own.
    std::string windowsVersion;
    std::string argument;  // handed to the scenario
    // The Administrators group disabled in the child's token.
    bool asNonAdministrator = false;
};

struct ChildResult {
    DWORD exitCode;
    std::string output;
    std::string errors;  // apart from the output for RunProgram only
};
using ProgramResult = ChildResult;

class ChildProcess {
public:
    ChildProcess(const std::string& scenario, const ChildOptions& options = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return process_ != nullptr; }
    // Ends the child at once, as a crash or Task Manager would.
    void Kill();
    ChildResult Finish();

private:
    friend ProgramResult RunProgram(const std::string&, const std::vector<std::string>&);
    ChildProcess() = default;
    void Start(const std::string& program, std::string commandLine, HANDLE token, bool apartErrors);
    HANDLE process_ = nullptr;
    HANDLE output_ = nullptr;
    HANDLE errors_ = nullptr;
};

ChildResult RunChild(const std::string& scenario, const ChildOptions& options = {});
// Another program of the build, beside this test program, run to its end.
ProgramResult RunProgram(const std::string& fileName, const std::vector<std::string>& arguments);

// A named event shared with children, unique to this test run.
HANDLE SharedEvent(const std::string& name);

// A scenario: its result is the child's exit code. Register one with a
// namespace-scope object:  ChildScenario probe("name", [](const std::string& argument) { ... });
using ScenarioFunction = int (*)(const std::string& argument);
struct ChildScenario {
    ChildScenario(const char* name, ScenarioFunction run);
};

// In a child: message boxes are printed ("message box: <caption>: <text>")
// and answered with OK, as nobody is there to answer them.
void PrintMessageBoxesInChild();

// Called by main: runs the scenario when the command line names one.
bool RunChildScenarioIfRequested(int argc, char** argv, int& exitCode);

ChildOptions UnderVersion(const std::string& windowsVersion, const std::string& argument = std::string(),
                          bool asNonAdministrator = false);
// How a child ended, as one string: "exit <code> | <output>".
std::string Outcome(const ChildResult& result);

// One child for a whole table: the scenario gets the rows joined by ";" and
// prints a line for each through PrintEachRow.
ChildResult RunChildForRows(const std::string& scenario, const std::vector<std::string>& rows,
                            ChildOptions options = {});
int PrintEachRow(const std::string& rows, std::function<std::string(const std::string& row)> row);
