// Which language DLL each user language picks.
#include <windows.h>
#include <gtest/gtest.h>

#include "shell/language_dll.h"

namespace {

std::string DllFor(LANGID language)
{
    const char* name = LanguageDllName(language);
    return name ? name : "";
}

TEST(LanguageTable, NamesEachLanguagesDllWithItsExactSpelling)
{
    EXPECT_EQ(DllFor(0x0404), "chineseT.dll");
    for (LANGID simplified : {0x0804, 0x0C04, 0x1004, 0x1404})
        EXPECT_EQ(DllFor(simplified), "chineseS.dll") << std::hex << simplified;
    EXPECT_EQ(DllFor(0x0406), "danish.dll");
    for (LANGID german : {0x0407, 0x0807, 0x0C07, 0x1007, 0x1407})
        EXPECT_EQ(DllFor(german), "german.dll") << std::hex << german;
    EXPECT_EQ(DllFor(0x040B), "finnish.dll");
    for (LANGID french : {0x040C, 0x080C, 0x0C0C, 0x100C, 0x140C, 0x180C})
        EXPECT_EQ(DllFor(french), "french.dll") << std::hex << french;
    EXPECT_EQ(DllFor(0x0410), "italian.dll");
    EXPECT_EQ(DllFor(0x0810), "italian.dll");
    EXPECT_EQ(DllFor(0x0411), "Japanese.dll");
    EXPECT_EQ(DllFor(0x0412), "korean.dll");
    EXPECT_EQ(DllFor(0x0812), "korean.dll");
    EXPECT_EQ(DllFor(0x0413), "dutch.dll");
    EXPECT_EQ(DllFor(0x0813), "dutch.dll");
    EXPECT_EQ(DllFor(0x0414), "norwegan.dll");
    EXPECT_EQ(DllFor(0x0814), "norwegan.dll");
    EXPECT_EQ(DllFor(0x0416), "bPort.dll");
    EXPECT_EQ(DllFor(0x0816), "bPort.dll");
    EXPECT_EQ(DllFor(0x041D), "swedish.dll");
    EXPECT_EQ(DllFor(0x081D), "swedish.dll");
}

TEST(LanguageTable, SpanishCoversTheNineteenModernSublanguagesOnly)
{
    int spanish = 0;
    for (unsigned language = 0x000A; language <= 0xFC0A; language += 0x0400) {
        if (DllFor(static_cast<LANGID>(language)) == "spanish.dll")
            ++spanish;
    }
    EXPECT_EQ(spanish, 19);
    EXPECT_EQ(DllFor(0x080A), "spanish.dll");
    EXPECT_EQ(DllFor(0x0C0A), "spanish.dll");
    EXPECT_EQ(DllFor(0x500A), "spanish.dll");
    EXPECT_EQ(DllFor(0x040A), "");
    EXPECT_EQ(DllFor(0x540A), "");
}

TEST(LanguageTable, OtherLanguagesKeepTheBuiltInResources)
{
    EXPECT_EQ(DllFor(0x0409), "");  // US English
    EXPECT_EQ(DllFor(0x0809), "");
    EXPECT_EQ(DllFor(0x0419), "");  // Russian
    EXPECT_EQ(DllFor(0x0000), "");
}

}  // namespace
