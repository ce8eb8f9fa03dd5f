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

// The entries that are easy to get wrong: shared DLLs, odd spellings.
TEST(LanguageTable, NamesTheDllsWithTheirExactSpelling)
{
    EXPECT_EQ(DllFor(0x0404), "chineseT.dll");
    EXPECT_EQ(DllFor(0x0C04), "chineseS.dll");  // Hong Kong takes the simplified set
    EXPECT_EQ(DllFor(0x1407), "german.dll");
    EXPECT_EQ(DllFor(0x180C), "french.dll");
    EXPECT_EQ(DllFor(0x0411), "Japanese.dll");
    EXPECT_EQ(DllFor(0x0814), "norwegan.dll");
    EXPECT_EQ(DllFor(0x0816), "bPort.dll");
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
