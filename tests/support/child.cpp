#include "child.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>

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

// Wine reports a version per program name, so the child runs as a copy of
// this program named after the version.
std::string ProgramForVersion(const std::string& version)
{
    std::string program = ThisProgram();
    if (version.empty())
        return program;
    std::string::size_type dot = program.rfind('.');
    std::string copy = program.substr(0, dot) + "_" + version + ".exe";
    CopyFileA(program.c_str(), copy.c_str(), FALSE);
    std::string name = copy.substr(copy.rfind('\\') + 1);
    std::string key = "Software\\Wine\\AppDefaults\\" + name;
    RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), "Version", REG_SZ, version.c_str(),
                    static_cast<DWORD>(version.size() + 1));
    return copy;
}

std::string EnvironmentBlock(const std::vector<std::pair<std::string, std::string>>& overrides)
{
    std::map<std::string, std::string> variables;
    char* block = GetEnvironmentStringsA();
    for (const char* entry = block; *entry; entry += strlen(entry) + 1) {
        std::string text(entry);
        std::string::size_type equals = text.find('=', 1);
        if (equals != std::string::npos)
            variables[text.substr(0, equals)] = text.substr(equals + 1);
    }
    FreeEnvironmentStringsA(block);
    for (const auto& [name, value] : overrides)
        variables[name] = value;
    std::string result;
    for (const auto& [name, value] : variables)
        result += name + "=" + value + '\0';
    result += '\0';
    return result;
}

// This process's token with the local Administrators group for deny only.
HANDLE NonAdministratorToken()
{
    HANDLE own = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ALL_ACCESS, &own)) {
        ADD_FAILURE() << "cannot open this process's token";
        return nullptr;
    }
    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0,
                             0, &administrators);
    SID_AND_ATTRIBUTES disabled = {administrators, 0};
    HANDLE restricted = nullptr;
    if (!CreateRestrictedToken(own, 0, 1, &disabled, 0, nullptr, 0, nullptr, &restricted))
        ADD_FAILURE() << "cannot make a token without administrator rights";
    FreeSid(administrators);
    CloseHandle(own);
    return restricted;
}

}  // namespace

ChildScenario::ChildScenario(const char* name, ScenarioFunction run)
{
    Scenarios()[name] = run;
}

ChildProcess::ChildProcess(const std::string& scenario, const ChildOptions& options)
{
    std::string program = ProgramForVersion(options.windowsVersion);
    std::string commandLine = "\"" + program + "\" " + kChildFlag + " " + scenario + " \"" + options.argument + "\"";
    std::string environment = EnvironmentBlock(options.environment);

    SECURITY_ATTRIBUTES inheritable = {sizeof(inheritable), nullptr, TRUE};
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&output_, &writeEnd, &inheritable, 0)) {
        ADD_FAILURE() << "cannot create a pipe for the child";
        output_ = nullptr;
        return;
    }
    SetHandleInformation(output_, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process = {};
    HANDLE token = options.asNonAdministrator ? NonAdministratorToken() : nullptr;
    BOOL started = token ? CreateProcessAsUserA(token, program.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0,
                                                &environment[0], nullptr, &startup, &process)
                         : CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0,
                                          &environment[0], nullptr, &startup, &process);
    if (token)
        CloseHandle(token);
    if (started) {
        process_ = process.hProcess;
        CloseHandle(process.hThread);
    } else {
        ADD_FAILURE() << "cannot start " << program;
    }
    CloseHandle(writeEnd);
}

ChildProcess::~ChildProcess()
{
    if (process_)
        Finish();
    if (output_)
        CloseHandle(output_);
}

void ChildProcess::Kill()
{
    if (process_)
        TerminateProcess(process_, 9);
}

ChildResult ChildProcess::Finish()
{
    ChildResult result = {static_cast<DWORD>(-1), std::string()};
    if (!process_)
        return result;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(output_, buffer, sizeof(buffer), &read, nullptr) && read > 0)
        result.output.append(buffer, read);
    WaitForSingleObject(process_, INFINITE);
    GetExitCodeProcess(process_, &result.exitCode);
    // The child's standard output is in text mode.
    result.output.erase(std::remove(result.output.begin(), result.output.end(), '\r'), result.output.end());
    CloseHandle(process_);
    process_ = nullptr;
    return result;
}

ChildResult RunChild(const std::string& scenario, const ChildOptions& options)
{
    return ChildProcess(scenario, options).Finish();
}

HANDLE SharedEvent(const std::string& name)
{
    // Children learn the run's identity from the environment they inherit.
    char run[32] = {};
    if (!GetEnvironmentVariableA("VYR_TEST_RUN", run, sizeof(run))) {
        std::snprintf(run, sizeof(run), "%lu", GetCurrentProcessId());
        SetEnvironmentVariableA("VYR_TEST_RUN", run);
    }
    std::string full = "VyrTest." + std::string(run) + "." + name;
    return CreateEventA(nullptr, TRUE, FALSE, full.c_str());
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
    if (found == Scenarios().end()) {
        std::printf("no scenario named %s\n", argv[2]);
        exitCode = 255;
        return true;
    }
    exitCode = found->second(argc > 3 ? argv[3] : "");
    std::fflush(stdout);
    return true;
}
