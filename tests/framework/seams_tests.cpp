// The test seams themselves: message boxes and the end of the process.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "framework/framework.h"
#include "support/child.h"
#include "support/expectations.h"

namespace {

TEST(Seams, MessageBoxesGoToTheHookWhichAnswers)
{
    struct Shown {
        HWND owner;
        std::string text, caption;
        UINT type;
    };
    std::vector<Shown> shown;
    SetMessageBoxHook([&](HWND owner, const std::string& text, const std::string& caption, UINT type) {
        shown.push_back({owner, text, caption, type});
        return shown.size() == 1 ? IDNO : IDRETRY;
    });
    HWND window = CreateWindowA("STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(ShowMessageBox(window, "Delete the profile?", "Profiles", MB_YESNO | MB_ICONQUESTION), IDNO);
    CWnd owner(window);
    EXPECT_EQ(owner.MessageBox("Saved.", "Profiles"), IDRETRY);
    DestroyWindow(window);
    // Back to failing on unexpected boxes.
    InstallUnexpectedHandlers();

    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].owner, window);
    EXPECT_EQ(shown[0].text, "Delete the profile?");
    EXPECT_EQ(shown[0].caption, "Profiles");
    EXPECT_EQ(shown[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(shown[1].owner, window);
    EXPECT_EQ(shown[1].type, static_cast<UINT>(MB_OK));
}

TEST(Seams, EndHostProcessRunsTheHookInsteadAndReturns)
{
    ProcessExits exits;
    EndHostProcess(3);
    EndHostProcess(0);
    EXPECT_EQ(exits.Codes(), (std::vector<UINT>{3, 0}));
}

ChildScenario endProcess("end_process", [](const std::string&) {
    std::printf("before\n");
    std::fflush(stdout);
    EndHostProcess(7);
    std::printf("after\n");
    return 0;
});

TEST(Seams, EndHostProcessWithoutAHookEndsTheProcessWithTheCode)
{
    ChildResult result = RunChild("end_process");
    EXPECT_EQ(result.exitCode, 7u);
    EXPECT_EQ(result.output, "before\n");
}

}  // namespace
