#include "child.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <thread>

#include "framework/seams.h"

namespace {

const char kChildFlag[] = "--child-scenario";

std::map<std::string, ScenarioFunction>& Scenarios()
{
    static std::map<std::string, ScenarioFunction> scenarios;
    return scenarios;
}

std::string ThisProgram()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof(path));
    return std::string(path, length);
}

// Wine reports a version per program name, so the child runs as a copy of this program named after the version.
std::string ProgramForVersion(const std::string& version)
{
    std::string program = ThisProgram();
    if (version.empty())
        return program;
    std::string copy = program.substr(0, program.rfind('.')) + "_" + version + ".exe";
    CopyFileA(program.c_str(), copy.c_str(), FALSE);
    std::string key = "Software\\Wine\\AppDefaults\\" + copy.substr(copy.rfind('\\') + 1);
    RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), "Version", REG_SZ, version.c_str(),
                    static_cast<DWORD>(version.size() + 1));
    return copy;
}

// One argument as the C runtime splits a command line.
std::string Quote(const std::string& argument)
{
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (char c : argument) {
        backslashes = c == '\\' ? backslashes + 1 : 0;
        if (c == '"')
            quoted.append(backslashes + 1, '\\');
        quoted += c;
    }
    return quoted.append(backslashes, '\\') + "\"";
}

// A pipe whose write end the child inherits.
HANDLE OutputPipe(HANDLE& writeEnd)
{
    SECURITY_ATTRIBUTES inheritable = {sizeof(inheritable), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0))
        ADD_FAILURE() << "cannot create a pipe for the child";
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    return readEnd;
}

std::string ReadToEnd(HANDLE readEnd)
{
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (readEnd && ReadFile(readEnd, buffer, sizeof(buffer), &read, nullptr) && read > 0)
        text.append(buffer, read);
    // The child's standard streams are in text mode.
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

// This process's token with the local Administrators group for deny only.
HANDLE NonAdministratorToken()
{
    HANDLE own = nullptr, restricted = nullptr;
    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0,
                             0, &administrators);
    SID_AND_ATTRIBUTES disabled = {administrators, 0};
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ALL_ACCESS, &own) ||
        !CreateRestrictedToken(own, 0, 1, &disabled, 0, nullptr, 0, nullptr, &restricted))
        ADD_FAILURE() << "cannot make a token without administrator rights";
    FreeSid(administrators);
    if (own)
        CloseHandle(own);
    return restricted;
}

}  // namespace

ChildScenario::ChildScenario(const char* name, ScenarioFunction run) { Scenarios()[name] = run; }

// A null token is ours.
void ChildProcess::Start(const std::string& program, std::string commandLine, HANDLE token, bool apartErrors)
{
    HANDLE outputEnd = nullptr, errorsEnd = nullptr;
    output_ = OutputPipe(outputEnd);
    if (apartErrors)
        errors_ = OutputPipe(errorsEnd);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = outputEnd;
    startup.hStdError = apartErrors ? errorsEnd : outputEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process = {};
    BOOL started = FALSE;
    // Wine now and then refuses a start amid many starts and kills (once in
    // over a thousand in the kill test); a try a moment later succeeds.
    for (int attempt = 0; attempt < 3 && !started; ++attempt) {
        if (attempt)
            Sleep(250);
        started = token ? CreateProcessAsUserA(token, program.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0,
                                               nullptr, nullptr, &startup, &process)
                        : CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                         &startup, &process);
    }
    if (started) {
        process_ = process.hProcess;
        CloseHandle(process.hThread);
    } else {
        ADD_FAILURE() << "cannot start " << program << ": error " << GetLastError();
    }
    for (HANDLE end : {outputEnd, errorsEnd, token})
        if (end)
            CloseHandle(end);
}

ChildProcess::ChildProcess(const std::string& scenario, const ChildOptions& options)
{
    std::string program = ProgramForVersion(options.windowsVersion);
    Start(program, Quote(program) + " " + kChildFlag + " " + scenario + " " + Quote(options.argument),
          options.asNonAdministrator ? NonAdministratorToken() : nullptr, false);
}

ChildProcess::~ChildProcess()
{
    if (process_)
        Finish();
    for (HANDLE pipe : {output_, errors_})
        if (pipe)
            CloseHandle(pipe);
}

void ChildProcess::Kill()
{
    if (process_)
        TerminateProcess(process_, 9);
}

ChildResult ChildProcess::Finish()
{
    ChildResult result = {static_cast<DWORD>(-1), std::string(), std::string()};
    if (!process_)
        return result;
    // Both streams at once, or a child that fills one pipe would wait.
    std::thread errorReader([&] { result.errors = ReadToEnd(errors_); });
    result.output = ReadToEnd(output_);
    errorReader.join();
    WaitForSingleObject(process_, INFINITE);
    GetExitCodeProcess(process_, &result.exitCode);
    CloseHandle(process_);
    process_ = nullptr;
    return result;
}

ChildResult RunChild(const std::string& scenario, const ChildOptions& options)
{
    return ChildProcess(scenario, options).Finish();
}

ProgramResult RunProgram(const std::string& fileName, const std::vector<std::string>& arguments)
{
    std::string self = ThisProgram(), program = self.substr(0, self.rfind('\\') + 1) + fileName;
    std::string commandLine = Quote(program);
    for (const std::string& argument : arguments)
        commandLine += " " + Quote(argument);
    ChildProcess child;
    child.Start(program, commandLine, nullptr, true);
    return child.Finish();
}

HANDLE SharedEvent(const std::string& name)
{
    // Children learn the run's identity from the environment they inherit.
    char run[32] = {};
    if (!GetEnvironmentVariableA("VYR_TEST_RUN", run, sizeof(run))) {
        std::snprintf(run, sizeof(run), "%lu", GetCurrentProcessId());
        SetEnvironmentVariableA("VYR_TEST_RUN", run);
    }
    return CreateEventA(nullptr, TRUE, FALSE, ("VyrTest." + std::string(run) + "." + name).c_str());
}

void PrintMessageBoxesInChild()
{
    SetMessageBoxHook([](HWND, const std::string& text, const std::string& caption, UINT) {
        std::printf("message box: %s: %s\n", caption.c_str(), text.c_str());
        std::fflush(stdout);
        return IDOK;
    });
}

bool RunChildScenarioIfRequested(int argc, char** argv, int& exitCode)
{
    if (argc < 3 || std::string(argv[1]) != kChildFlag)
        return false;
    auto found = Scenarios().find(argv[2]);
    if (found == Scenarios().end())
        std::printf("no scenario named %s\n", argv[2]);
    exitCode = found == Scenarios().end() ? 255 : found->second(argc > 3 ? argv[3] : "");
    std::fflush(stdout);
    return true;
}

ChildOptions UnderVersion(const std::string& windowsVersion, const std::string& argument, bool asNonAdministrator)
{
    return {windowsVersion, argument, asNonAdministrator};
}

std::string Outcome(const ChildResult& result)
{
    return "exit " + std::to_string(result.exitCode) + " | " + result.output;
}

ChildResult RunChildForRows(const std::string& scenario, const std::vector<std::string>& rows, ChildOptions options)
{
    options.argument.clear();
    for (const std::string& row : rows)
        options.argument += (options.argument.empty() ? "" : ";") + row;
    return RunChild(scenario, options);
}

int PrintEachRow(const std::string& rows, std::function<std::string(const std::string& row)> row)
{
    for (size_t start = 0; start <= rows.size();) {
        size_t end = std::min(rows.find(';', start), rows.size());
        std::printf("%s\n", row(rows.substr(start, end - start)).c_str());
        std::fflush(stdout);
        start = end + 1;
    }
    return 0;
}
