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

std::string ProgramBeside(const std::string& fileName)
{
    std::string self = ThisProgram();
    return self.substr(0, self.rfind('\\') + 1) + fileName;
}

// One argument as the C runtime splits a command line.
std::string Quote(const std::string& argument)
{
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
        } else {
            if (c == '"')
                quoted.append(backslashes + 1, '\\');
            backslashes = 0;
        }
        quoted += c;
    }
    quoted.append(backslashes, '\\');
    return quoted + "\"";
}

// A pipe whose write end the child inherits; false when none was made.
bool MakeOutputPipe(HANDLE& readEnd, HANDLE& writeEnd)
{
    SECURITY_ATTRIBUTES inheritable = {sizeof(inheritable), nullptr, TRUE};
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) {
        ADD_FAILURE() << "cannot create a pipe for the child";
        return false;
    }
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    return true;
}

std::string ReadToEnd(HANDLE readEnd)
{
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(readEnd, buffer, sizeof(buffer), &read, nullptr) && read > 0)
        text.append(buffer, read);
    // The child's standard streams are in text mode.
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

// Starts `program` with its standard output and error going to the write
// ends given; a null environment is this process's, a null token ours.
bool StartWithOutput(const std::string& program, std::string commandLine, char* environment, HANDLE token,
                     HANDLE output, HANDLE errors, PROCESS_INFORMATION& process)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output;
    startup.hStdError = errors;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    BOOL started = token ? CreateProcessAsUserA(token, program.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0,
                                                environment, nullptr, &startup, &process)
                         : CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, environment,
                                          nullptr, &startup, &process);
    if (!started)
        ADD_FAILURE() << "cannot start " << program;
    return started != FALSE;
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

    HANDLE writeEnd = nullptr;
    if (!MakeOutputPipe(output_, writeEnd)) {
        output_ = nullptr;
        return;
    }
    PROCESS_INFORMATION process = {};
    HANDLE token = options.asNonAdministrator ? NonAdministratorToken() : nullptr;
    if (StartWithOutput(program, commandLine, &environment[0], token, writeEnd, writeEnd, process)) {
        process_ = process.hProcess;
        CloseHandle(process.hThread);
    }
    if (token)
        CloseHandle(token);
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
    result.output = ReadToEnd(output_);
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
    ProgramResult result = {static_cast<DWORD>(-1), std::string(), std::string()};
    std::string program = ProgramBeside(fileName);
    std::string commandLine = Quote(program);
    for (const std::string& argument : arguments)
        commandLine += " " + Quote(argument);
    HANDLE output = nullptr, outputEnd = nullptr, errors = nullptr, errorsEnd = nullptr;
    if (!MakeOutputPipe(output, outputEnd))
        return result;
    if (!MakeOutputPipe(errors, errorsEnd)) {
        CloseHandle(output);
        CloseHandle(outputEnd);
        return result;
    }
    PROCESS_INFORMATION process = {};
    bool started = StartWithOutput(program, commandLine, nullptr, nullptr, outputEnd, errorsEnd, process);
    CloseHandle(outputEnd);
    CloseHandle(errorsEnd);
    if (started) {
        // Both streams at once, or a child that fills one pipe would wait.
        std::thread errorReader([&] { result.errors = ReadToEnd(errors); });
        result.output = ReadToEnd(output);
        errorReader.join();
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &result.exitCode);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(output);
    CloseHandle(errors);
    return result;
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

ChildOptions UnderVersion(const std::string& windowsVersion, const std::string& argument, bool asNonAdministrator)
{
    ChildOptions options;
    options.windowsVersion = windowsVersion;
    options.argument = argument;
    options.asNonAdministrator = asNonAdministrator;
    return options;
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
