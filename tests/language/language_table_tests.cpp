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

// The entries that are easy to get wrong: shared DLLs, odd spellings,
// sublanguages; "" keeps the built-in resources.
TEST(LanguageTable, NamesTheDllOfEachLanguageWithItsExactSpelling)
{
    const struct {
        LANGID language;
        const char* dll;
    } rows[] = {
        {0x0404, "chineseT.dll"}, {0x0C04, "chineseS.dll"},  // Hong Kong takes the simplified set
        {0x0C07, "german.dll"},   {0x1407, "german.dll"},   {0x180C, "french.dll"}, {0x0411, "Japanese.dll"},
        {0x0814, "norwegan.dll"}, {0x0816, "bPort.dll"},    {0x081D, "swedish.dll"},
        {0x080A, "spanish.dll"},  {0x0C0A, "spanish.dll"},  {0x500A, "spanish.dll"},
        {0x040A, ""},  // traditional-sort Spanish
        {0x540A, ""},  {0x0409, ""}, {0x0809, ""}, {0x0419, ""}, {0x0000, ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(DllFor(row.language), row.dll) << std::hex << row.language;
}

TEST(LanguageTable, SpanishCoversTheNineteenModernSublanguagesOnly)
{
    int spanish = 0;
    for (unsigned language = 0x000A; language <= 0xFC0A; language += 0x0400)
        spanish += DllFor(static_cast<LANGID>(language)) == "spanish.dll";
    EXPECT_EQ(spanish, 19);
}

}  // namespace
