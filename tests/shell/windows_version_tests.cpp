// The version classification and the administrator check, each under the
// Windows version that Wine reports to a child process.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "shell/user_admin.h"
#include "shell/windows_version.h"
#include "support/child.h"

namespace {

ChildScenario printVersion("print_version", [](const std::string&) {
    std::printf("code %u admin %d\n", GetWindowsVersionCode(), IsUserAdministrator() ? 1 : 0);
    return 0;
});

std::string UnderVersion(const char* version, bool asNonAdministrator = false)
{
    ChildOptions options;
    options.windowsVersion = version;
    options.asNonAdministrator = asNonAdministrator;
    ChildResult result = RunChild("print_version", options);
    EXPECT_EQ(result.exitCode, 0u) << version;
    return result.output;
}

TEST(WindowsVersion, ClassifiesEveryVersionAndChecksAdministratorsWhereItCan)
{
    // The Wine user belongs to Administrators; the Windows 95 family has no
    // security functions, and Windows 98 counts everyone as an administrator.
    EXPECT_EQ(UnderVersion("nt40"), "code 1 admin 1\n");
    EXPECT_EQ(UnderVersion("win2k"), "code 2 admin 1\n");
    EXPECT_EQ(UnderVersion("winxp"), "code 3 admin 1\n");
    EXPECT_EQ(UnderVersion("winme"), "code 4 admin 0\n");
    EXPECT_EQ(UnderVersion("win98"), "code 5 admin 1\n");
    EXPECT_EQ(UnderVersion("win95"), "code 6 admin 0\n");
}

TEST(WindowsVersion, AUserOutsideTheAdministratorsGroupIsNoAdministrator)
{
    EXPECT_EQ(UnderVersion("winxp", true), "code 3 admin 0\n");
    EXPECT_EQ(UnderVersion("win2k", true), "code 2 admin 0\n");
    EXPECT_EQ(UnderVersion("nt40", true), "code 1 admin 0\n");
    EXPECT_EQ(UnderVersion("win98", true), "code 5 admin 1\n");
}

TEST(WindowsVersion, NewerVersionsGiveZero)
{
    EXPECT_EQ(UnderVersion("win2003"), "code 0 admin 1\n");
    EXPECT_EQ(UnderVersion("win7"), "code 0 admin 1\n");
}

TEST(WindowsVersion, ThisProcessRunsAsWindowsXP)
{
    EXPECT_EQ(GetWindowsVersionCode(), static_cast<unsigned>(kWindowsXP));
    EXPECT_TRUE(IsUserAdministrator());
}

}  // namespace
