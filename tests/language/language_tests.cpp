// Which language DLL each user language picks, and the applet for a German user: this program runs with a German user
// locale (see the test's environment), so the applet picks german.dll.
#include <windows.h>
#include <cpl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>

#include "shell/language_dll.h"
#include "support/applet_entry.h"
#include "support/child.h"
#include "support/user.h"
#include "support/window_watcher.h"

namespace {

const char kEnglishTitle[] = "Vyr 11a/b/g Wireless LAN Mini PCI Adapter Configuration";

// Loads the applet and prints what it describes itself as, then the sheet it opens: whether its title, as the language
// DLL or else the applet has it, is the English one or translated, and its tabs.
ChildScenario describeApplet("describe_applet", [](const std::string&) {
    APPLET_PROC cplApplet = LoadAppletEntry();
    NEWCPLINFOA info = {};
    if (!cplApplet || cplApplet(nullptr, CPL_INIT, 0, 0) != TRUE)
        return 2;
    cplApplet(nullptr, CPL_NEWINQUIRE, 0, reinterpret_cast<LPARAM>(&info));
    HMODULE german = GetModuleHandleA("german.dll");
    std::printf("%04x | german.dll %s | %s\n", LANGIDFROMLCID(GetUserDefaultLCID()), german ? "loaded" : "not loaded",
                DescribeNewInquiry(info).c_str());
    char title[256] = {};
    LoadStringA(german ? german : GetModuleHandleA("VyrWLan.cpl"), 1, title, sizeof(title));
    std::string tabs;
    WindowWatcher watcher(title, [&](HWND sheet) {
        tabs = user::Tabs(sheet);
        CancelSheetFromWatcher(sheet);
    });
    cplApplet(nullptr, CPL_DBLCLK, 0, 0);
    const char* kind = !*title ? "no title" : std::string(title) == kEnglishTitle ? "English" : "translated";
    std::printf("%s | %s\n", kind, tabs.c_str());
    return 0;
});

class UserLanguage : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(LANGIDFROMLCID(GetUserDefaultLCID()), 0x0407); }
};

// The entries that are easy to get wrong: shared DLLs, odd spellings, sublanguages; "" keeps the built-in resources.
TEST_F(UserLanguage, PicksTheDllNamedForItWithItsExactSpelling)
{
    auto dllFor = [](LANGID language) {
        const char* name = LanguageDllName(language);
        return std::string(name ? name : "");
    };
    const std::pair<LANGID, const char*> rows[] = {
        {0x0404, "chineseT.dll"}, {0x0C04, "chineseS.dll"},  // Hong Kong takes the simplified set
        {0x0C07, "german.dll"},   {0x1407, "german.dll"},   {0x180C, "french.dll"}, {0x0411, "Japanese.dll"},
        {0x0814, "norwegan.dll"}, {0x0816, "bPort.dll"},    {0x081D, "swedish.dll"},
        {0x080A, "spanish.dll"},  {0x0C0A, "spanish.dll"},  {0x500A, "spanish.dll"},
        {0x040A, ""},  // traditional-sort Spanish
        {0x540A, ""},  {0x0409, ""}, {0x0809, ""}, {0x0419, ""}, {0x0000, ""},
    };
    for (const auto& [language, dll] : rows)
        EXPECT_EQ(dllFor(language), dll) << std::hex << language;
    int spanish = 0;  // of all sublanguages, the nineteen modern ones
    for (unsigned language = 0x000A; language <= 0xFC0A; language += 0x0400)
        spanish += dllFor(static_cast<LANGID>(language)) == "spanish.dll";
    EXPECT_EQ(spanish, 19);
}

TEST_F(UserLanguage, AGermanUserSeesTheAppletInGermanOrInEnglishWithoutItsDll)
{
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, sizeof(program));
    std::string dll = std::string(program, std::string(program).rfind('\\') + 1) + "german.dll";
    std::string hidden = dll + ".hidden";
    // One child per row: a process keeps the language DLL that its first load of the applet picked.
    std::string seen = "with: " + Outcome(RunChild("describe_applet"));
    ASSERT_TRUE(MoveFileA(dll.c_str(), hidden.c_str()));
    seen += "without: " + Outcome(RunChild("describe_applet"));
    MoveFileA(hidden.c_str(), dll.c_str());
    const std::string description = "size=244 flags=0 help=0 data=set icon=set | Vyr 11a/b/g Wireless LAN | ";
    EXPECT_EQ(seen, "with: exit 0 | 0407 | german.dll loaded | " + description +
                        "Konfiguration des Mini PCI Adapters | \n"
                        "translated | Status Konfiguration Sicherheit Energie Info\n"
                        "without: exit 0 | 0407 | german.dll not loaded | " + description +
                        "Mini PCI Adapter Configuration | \nEnglish | Status Configuration Security Power About\n");
}

}  // namespace
