// The applet for a German user: this program runs with a German user locale
// (see the test's environment), so the applet picks german.dll.
#include <windows.h>
#include <cpl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/applet_entry.h"
#include "support/child.h"
#include "support/user.h"
#include "support/window_watcher.h"

namespace {

std::string GermanString(UINT id)
{
    HMODULE german = LoadLibraryExA("german.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    char text[256] = {};
    LoadStringA(german, id, text, sizeof(text));
    FreeLibrary(german);
    return text;
}

class GermanUser : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(LANGIDFROMLCID(GetUserDefaultLCID()), 0x0407); }

    void LoadApplet()
    {
        cplApplet_ = LoadAppletEntry(&applet_);
        ASSERT_NE(cplApplet_, nullptr);
        ASSERT_EQ(cplApplet_(nullptr, CPL_INIT, 0, 0), TRUE);
    }

    void TearDown() override
    {
        if (applet_)
            FreeLibrary(applet_);
    }

    NEWCPLINFOA Inquire()
    {
        NEWCPLINFOA info = {};
        cplApplet_(nullptr, CPL_NEWINQUIRE, 0, reinterpret_cast<LPARAM>(&info));
        return info;
    }

    HMODULE applet_ = nullptr;
    APPLET_PROC cplApplet_ = nullptr;
};

TEST_F(GermanUser, SeesTheAppletDescribedInGerman)
{
    LoadApplet();
    EXPECT_NE(GetModuleHandleA("german.dll"), nullptr);
    NEWCPLINFOA info = Inquire();
    EXPECT_STREQ(info.szName, "Vyr 11a/b/g Wireless LAN");
    EXPECT_STRNE(info.szInfo, "Mini PCI Adapter Configuration");
    EXPECT_NE(std::string(info.szInfo).find("Konfiguration"), std::string::npos) << info.szInfo;
    EXPECT_NE(info.hIcon, nullptr);
}

TEST_F(GermanUser, SeesTheSheetAndItsTabsInGerman)
{
    LoadApplet();
    std::string title = GermanString(1);
    ASSERT_NE(title, "");
    ASSERT_NE(title, "Vyr 11a/b/g Wireless LAN Mini PCI Adapter Configuration");
    std::vector<std::string> tabs;
    WindowWatcher watcher(title, [&](HWND sheet) {
        for (int i = 0; i < user::PageCount(sheet); ++i)
            tabs.push_back(user::PageCaption(sheet, i));
        CancelSheetFromWatcher(sheet);
    });
    cplApplet_(nullptr, CPL_DBLCLK, 0, 0);
    ASSERT_TRUE(watcher.Found());
    EXPECT_EQ(tabs, (std::vector<std::string>{"Status", "Konfiguration", "Sicherheit", "Energie", "Info"}));
}

// Loads the applet in a process of its own, where no earlier load has left
// a language DLL behind, and prints what it describes itself as.
ChildScenario printDescription("print_description", [](const std::string&) {
    APPLET_PROC cplApplet = LoadAppletEntry();
    if (!cplApplet)
        return 2;
    NEWCPLINFOA info = {};
    cplApplet(nullptr, CPL_INIT, 0, 0);
    cplApplet(nullptr, CPL_NEWINQUIRE, 0, reinterpret_cast<LPARAM>(&info));
    std::printf("%04x|%s|%s\n", LANGIDFROMLCID(GetUserDefaultLCID()), info.szName, info.szInfo);
    return 0;
});

TEST_F(GermanUser, KeepsTheEnglishTextsWhenTheLanguageDllIsMissing)
{
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, sizeof(program));
    std::string folder(program, std::string(program).rfind('\\') + 1);
    std::string dll = folder + "german.dll";
    std::string hidden = folder + "german.dll.hidden";
    ASSERT_TRUE(MoveFileA(dll.c_str(), hidden.c_str()));
    ChildResult result = RunChild("print_description");
    MoveFileA(hidden.c_str(), dll.c_str());
    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(result.output, "0407|Vyr 11a/b/g Wireless LAN|Mini PCI Adapter Configuration\n");
}

}  // namespace
