// The version classification and the administrator check, each under the
// Windows version that Wine reports to a child process.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "shell/windows_version.h"
#include "support/child.h"

namespace {

std::string Classification()
{
    return "code " + std::to_string(GetWindowsVersionCode()) + " admin " + (IsUserAdministrator() ? "1" : "0");
}

ChildScenario printVersion("print_version", [](const std::string&) {
    std::printf("%s\n", Classification().c_str());
    return 0;
});

TEST(WindowsVersion, ClassifiesEveryVersionAndChecksAdministratorsWhereItCan)
{
    // The Wine user belongs to Administrators; the Windows 95 family has no
    // security functions, and Windows 98 counts everyone as an administrator.
    struct Row {
        const char* version;
        bool asNonAdministrator;
        const char* expected;
    } const rows[] = {
        {"nt40", false, "code 1 admin 1"},  {"win2k", false, "code 2 admin 1"},
        {"winxp", false, "code 3 admin 1"}, {"winme", false, "code 4 admin 0"},
        {"win98", false, "code 5 admin 1"}, {"win95", false, "code 6 admin 0"},
        {"win2003", false, "code 0 admin 1"}, {"win7", false, "code 0 admin 1"},
        {"winxp", true, "code 3 admin 0"},  {"win2k", true, "code 2 admin 0"},
        {"nt40", true, "code 1 admin 0"},   {"win98", true, "code 5 admin 1"},
    };
    // One child per row: Wine fixes a process's version, and its token, when
    // the process starts.
    std::string expected, seen;
    for (const Row& row : rows) {
        std::string name = std::string(row.version) + (row.asNonAdministrator ? " (no administrator): " : ": ");
        ChildOptions options;
        options.windowsVersion = row.version;
        options.asNonAdministrator = row.asNonAdministrator;
        ChildResult result = RunChild("print_version", options);
        expected += name + row.expected + "\nexit 0\n";
        seen += name + result.output + "exit " + std::to_string(result.exitCode) + "\n";
    }
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(Classification(), "code 3 admin 1") << "this process runs as Windows XP";
}

}  // namespace
