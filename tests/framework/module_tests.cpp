// The module: where resources come from, the module state, the application
// object, the string helpers and the test seams.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <thread>

#include "framework/framework.h"
#include "framework_test_resource.h"
#include "support/child.h"
#include "support/expectations.h"
#include "support/user.h"

namespace {

// With the resource-only module standing in for a language DLL loaded; the
// resources in force are this program's own again afterwards.
class Module : public testing::Test {
protected:
    void SetUp() override { ASSERT_NE(dll_, nullptr) << "framework_test_lang.dll"; }
    void TearDown() override { SetResourceHandle(own_); FreeLibrary(dll_); }
    std::string Which(HINSTANCE module) { return module == dll_ ? "dll" : module == own_ ? "own" : "neither"; }

    HINSTANCE own_ = GetModuleHandleA(nullptr);
    HINSTANCE dll_ = LoadLibraryA("framework_test_lang.dll");
};

TEST_F(Module, ResourcesComeFromTheResourceModuleInForceThenTheOwnModule)
{
    // What the module state in force finds; the resource module has the
    // string block, not the entry, nor the icon or the form.
    auto resources = [&] {
        std::string dialog;
        ModalWindows modal;
        modal.Then([&](HWND window) {
            dialog = user::WindowText(window);
            EndDialog(window, IDOK);
        }).Then([](HWND window) { EndDialog(window, IDOK); });
        INT_PTR translated = CDialog(IDD_FW_TRANSLATED).DoModal(), form = CDialog(IDD_FW_FORM).DoModal();
        return Which(GetResourceHandle()) + ", instance " + Which(GetInstanceHandle()) + " | " +
               LoadResString(IDS_FW_TRANSLATED) + ", " + LoadResString(IDS_FW_OWN_ONLY) +
               Format(" | icons %d %d | dialogs ", LoadResourceIcon(IDI_FW_ICON) != nullptr,
                      LoadResourceIcon(IDI_FW_ICON + 1) != nullptr) +
               Which(FindResourceHandle(MAKEINTRESOURCEA(IDD_FW_TRANSLATED), RT_DIALOG)) + " " +
               Which(FindResourceHandle(MAKEINTRESOURCEA(IDD_FW_FORM), RT_DIALOG)) + " " +
               Which(FindResourceHandle(MAKEINTRESOURCEA(IDD_FW_MISSING), RT_DIALOG)) +
               Format(" | shown %d %d %d ", int(translated), int(form), int(CDialog(IDD_FW_MISSING).DoModal())) +
               dialog;
    };
    std::string seen = "own: " + resources();
    SetResourceHandle(dll_);
    seen += "\nswitched: " + resources();
    SetResourceHandle(own_);
    // A scoped state holds for its thread only, and switching changes the
    // state in force, not the module's own.
    ModuleState translated{own_, dll_}, other{own_, own_};
    {
        ModuleStateScope scope(translated);
        std::string otherThread;
        std::thread([&] { otherThread = Which(GetResourceHandle()); }).join();
        seen += "\nscoped, other thread " + otherThread + ": " + resources();
        {
            ModuleStateScope inner(other);
            seen += "\ninner: " + resources();
            SetResourceHandle(dll_);
            seen += "\ninner switched, own " + Which(OwnModuleState().resources) + ": " + resources();
        }
        seen += Format("\nouter again %d", &CurrentModuleState() == &translated);
    }
    seen += Format(", ended %d: ", &CurrentModuleState() == &OwnModuleState()) + resources();
    const std::string own = "own, instance own | Original text, Only in the program | icons 1 0"
                            " | dialogs own own neither | shown 1 1 -1 Original Dialog";
    const std::string dll = "dll, instance own | Translated text, Only in the program | icons 1 0"
                            " | dialogs dll own neither | shown 1 1 -1 Translated Dialog";
    EXPECT_EQ(seen, "own: " + own + "\nswitched: " + dll + "\nscoped, other thread own: " + dll +
                        "\ninner: " + own + "\ninner switched, own own: " + dll + "\nouter again 1, ended 1: " + own);
}

// Records its start and end in `calls`; its start fails unless `succeed`.
struct TestApp : CWinApp {
    explicit TestApp(std::string& calls) : CWinApp("Test"), calls(calls) {}
    BOOL InitInstance() override { calls += " init"; return succeed; }
    int ExitInstance() override { calls += " exit"; return 0; }
    std::string& calls;
    bool succeed = true;
};

TEST_F(Module, TheApplicationStartsAndEndsWithTheModuleAndAFailedStartFailsTheLoad)
{
    std::string seen;
    {
        TestApp app(seen);
        seen += Format("current %d |", GetApp() == &app);
        for (bool succeed : {true, false}) {
            app.succeed = succeed;
            BOOL started = StartDllApplication(own_);
            seen += Format(" started %d |", started);
        }
        EndDllApplication();
    }
    EXPECT_EQ(seen + Format(" gone: app %d | resources ", GetApp() != nullptr) + Which(GetResourceHandle()),
              "current 1 | init started 1 | init exit started 0 | exit gone: app 0 | resources own");
}

TEST_F(Module, StringsLoadAsTheyAreAndTheHelpersFollowTheirRules)
{
    std::string digits, found = "untouched", missing = "untouched";
    for (int i = 0; i < 31; ++i)
        digits += "0123456789";
    bool foundIt = TryLoadResString(IDS_FW_PADDED, found);
    bool missingIt = TryLoadResString(IDS_FW_MISSING, missing) || TryLoadResString(IDS_FW_MISSING_BLOCK, missing);
    const std::pair<std::string, std::string> rows[] = {
        {LoadResString(IDS_FW_SHEET_CAPTION) + "|" + LoadResString(IDS_FW_PADDED) + "|" +
             LoadResString(IDS_FW_TWO_LINES) + "|" + LoadResString(IDS_FW_LAST_OF_BLOCK) + "|" +
             LoadResString(IDS_FW_MISSING) + "|", "Framework Sheet|Padded   |First line\nSecond line|End of block||"},
        {LoadResString(IDS_FW_LONG), digits},
        {Format("%d%d ", foundIt, missingIt) + found + "|" + missing, "10 Padded   |untouched"},
        {Trim(" \t Home  Network \r\n") + "|" + Trim("x") + "|" + Trim(" \t\r\n ") + "|" + Trim(""),
         "Home  Network|x||"},
        {Format("contains %d%d%d", Contains("Vyr Wireless", "Wire"), Contains("Vyr Wireless", "wire"),
                Contains("abc", "")), "contains 101"},
        {Format("starts %d%d%d%d", StartsWith("Campus Lab", "Campus"), StartsWith("Campus", "Campus Lab"),
                StartsWith("Campus", "campus"), StartsWith("", "")), "starts 1001"},
        // Characters 0x20 apart that are not letters stay different.
        {Format("equal %d%d%d%d%d%d", EqualsIgnoringCase("Campus-LAB 2", "campus-lab 2"), EqualsIgnoringCase("", ""),
                EqualsIgnoringCase("Campus", "Campu"), EqualsIgnoringCase("Campus", "Compus"),
                EqualsIgnoringCase("[x]", "{X}"), EqualsIgnoringCase("@", "`")), "equal 110000"},
        {Format("%d of %s", 3, "five") + "|" + Format("%s", "") + "|" + Format("<%s>", std::string(2000, 'a').c_str()),
         "3 of five||<" + std::string(2000, 'a') + ">"},
    };
    for (const auto& [seen, expected] : rows)
        EXPECT_EQ(seen, expected);
}

ChildScenario endProcess("end_process", [](const std::string&) {
    std::printf("before\n");
    std::fflush(stdout);
    EndHostProcess(7);
    std::printf("after\n");
    return 0;
});

TEST_F(Module, TheSeamsHandMessageBoxesAndTheProcessEndToTheirHooksOrEndTheProcessWithout)
{
    HWND window = CreateWindowA("STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    std::string seen;
    int boxes = 0;
    SetMessageBoxHook([&](HWND owner, const std::string& text, const std::string& caption, UINT type) {
        seen += Format("%s: %s: %s %#x -> ", owner == window ? "owner" : "other", caption.c_str(), text.c_str(), type);
        return ++boxes == 1 ? IDNO : IDRETRY;
    });
    int answer = ShowMessageBox(window, "Delete the profile?", "Profiles", MB_YESNO | MB_ICONQUESTION);
    seen += Format("%d | ", answer);
    answer = CWnd(window).MessageBox("Saved.", "Profiles");
    DestroyWindow(window);
    // Back to failing on unexpected boxes.
    InstallUnexpectedHandlers();
    ProcessExits exits;
    EndHostProcess(3);
    EndHostProcess(0);
    seen += Format("%d | hooked", answer);
    for (UINT code : exits.Codes())
        seen += Format(" %u", code);
    ChildResult child = RunChild("end_process");
    EXPECT_EQ(seen + Format(" | child: exit %lu, ", child.exitCode) + child.output,
              Format("owner: Profiles: Delete the profile? %#x -> %d | owner: Profiles: Saved. 0 -> %d | hooked 3 0"
                     " | child: exit 7, before\n", MB_YESNO | MB_ICONQUESTION, IDNO, IDRETRY));
}

}  // namespace
