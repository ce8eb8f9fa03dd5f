// The applet for a German user: this program runs with a German user locale
// (see the test's environment), so the applet picks german.dll.
#include <windows.h>
#include <cpl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/applet_entry.h"
#include "support/child.h"
#include "support/user.h"
#include "support/window_watcher.h"

namespace {

class GermanUser : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(LANGIDFROMLCID(GetUserDefaultLCID()), 0x0407); }
};

// Loads the applet and prints what it describes itself as.
ChildScenario printDescription("print_description", [](const std::string&) {
    APPLET_PROC cplApplet = LoadAppletEntry();
    NEWCPLINFOA info = {};
    if (!cplApplet || !cplApplet(nullptr, CPL_INIT, 0, 0))
        return 2;
    cplApplet(nullptr, CPL_NEWINQUIRE, 0, reinterpret_cast<LPARAM>(&info));
    std::printf("%04x | german.dll %s | %s\n", LANGIDFROMLCID(GetUserDefaultLCID()),
                GetModuleHandleA("german.dll") ? "loaded" : "not loaded", DescribeNewInquiry(info).c_str());
    return 0;
});

TEST_F(GermanUser, SeesTheAppletDescribedInGermanOrInEnglishWithoutTheLanguageDll)
{
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, sizeof(program));
    std::string dll = std::string(program, std::string(program).rfind('\\') + 1) + "german.dll";
    std::string hidden = dll + ".hidden";
    // One child per row: a process keeps the language DLL that its first
    // load of the applet picked.
    auto describe = [] {
        ChildResult result = RunChild("print_description");
        return result.output + "exit " + std::to_string(result.exitCode) + "\n";
    };
    std::string seen = "with: " + describe();
    ASSERT_TRUE(MoveFileA(dll.c_str(), hidden.c_str()));
    seen += "without: " + describe();
    MoveFileA(hidden.c_str(), dll.c_str());
    EXPECT_EQ(seen, "with: 0407 | german.dll loaded | size=244 flags=0 help=0 data=set icon=set | "
                    "Vyr 11a/b/g Wireless LAN | Konfiguration des Mini PCI Adapters | \nexit 0\n"
                    "without: 0407 | german.dll not loaded | size=244 flags=0 help=0 data=set icon=set | "
                    "Vyr 11a/b/g Wireless LAN | Mini PCI Adapter Configuration | \nexit 0\n");
}

TEST_F(GermanUser, SeesTheSheetAndItsTabsInGerman)
{
    HMODULE german = LoadLibraryExA("german.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    char title[256] = {};
    LoadStringA(german, 1, title, sizeof(title));
    FreeLibrary(german);
    ASSERT_STRNE(title, "");
    ASSERT_STRNE(title, "Vyr 11a/b/g Wireless LAN Mini PCI Adapter Configuration");

    HMODULE applet = nullptr;
    APPLET_PROC cplApplet = LoadAppletEntry(&applet);
    ASSERT_NE(cplApplet, nullptr);
    ASSERT_EQ(cplApplet(nullptr, CPL_INIT, 0, 0), TRUE);
    std::string tabs;
    WindowWatcher watcher(title, [&](HWND sheet) {
        for (int i = 0; i < user::PageCount(sheet); ++i)
            tabs += user::PageCaption(sheet, i) + " ";
        CancelSheetFromWatcher(sheet);
    });
    cplApplet(nullptr, CPL_DBLCLK, 0, 0);
    EXPECT_EQ(tabs, "Status Konfiguration Sicherheit Energie Info ");
    FreeLibrary(applet);
}

}  // namespace
