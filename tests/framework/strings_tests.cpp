// String-table loading and the shared string helpers.
#include <gtest/gtest.h>

#include <string>

#include "framework/strings.h"
#include "framework_test_resource.h"

namespace {

TEST(Strings, LoadsStringTableTextAsItIs)
{
    EXPECT_EQ(LoadResString(IDS_FW_SHEET_CAPTION), "Framework Sheet");
    EXPECT_EQ(LoadResString(IDS_FW_PADDED), "Padded   ");
    EXPECT_EQ(LoadResString(IDS_FW_TWO_LINES), "First line\nSecond line");
    EXPECT_EQ(LoadResString(IDS_FW_LAST_OF_BLOCK), "End of block");
    std::string digits;
    for (int i = 0; i < 31; ++i)
        digits += "0123456789";
    EXPECT_EQ(LoadResString(IDS_FW_LONG), digits);
}

TEST(Strings, TellsAMissingStringFromAFoundOne)
{
    std::string text = "untouched";
    EXPECT_FALSE(TryLoadResString(IDS_FW_MISSING, text));
    EXPECT_FALSE(TryLoadResString(IDS_FW_MISSING_BLOCK, text));
    EXPECT_EQ(text, "untouched");
    EXPECT_EQ(LoadResString(IDS_FW_MISSING), "");
    EXPECT_TRUE(TryLoadResString(IDS_FW_PADDED, text));
    EXPECT_EQ(text, "Padded   ");
}

TEST(Strings, TrimRemovesOnlyOuterBlanks)
{
    EXPECT_EQ(Trim(" \t Home  Network \r\n"), "Home  Network");
    EXPECT_EQ(Trim("x"), "x");
    EXPECT_EQ(Trim(" \t\r\n "), "");
    EXPECT_EQ(Trim(""), "");
}

TEST(Strings, ContainsAndStartsWithAreExact)
{
    EXPECT_TRUE(Contains("Vyr Wireless", "Wire"));
    EXPECT_FALSE(Contains("Vyr Wireless", "wire"));
    EXPECT_TRUE(Contains("abc", ""));
    EXPECT_TRUE(StartsWith("Campus Lab", "Campus"));
    EXPECT_FALSE(StartsWith("Campus", "Campus Lab"));
    EXPECT_FALSE(StartsWith("Campus", "campus"));
    EXPECT_TRUE(StartsWith("", ""));
}

TEST(Strings, EqualsIgnoringCaseFoldsLettersOnly)
{
    EXPECT_TRUE(EqualsIgnoringCase("Campus-LAB 2", "campus-lab 2"));
    EXPECT_TRUE(EqualsIgnoringCase("", ""));
    EXPECT_FALSE(EqualsIgnoringCase("Campus", "Campu"));
    EXPECT_FALSE(EqualsIgnoringCase("Campus", "Compus"));
    // Characters 0x20 apart that are not letters stay different.
    EXPECT_FALSE(EqualsIgnoringCase("[x]", "{X}"));
    EXPECT_FALSE(EqualsIgnoringCase("@", "`"));
}

TEST(Strings, FormatWritesAnyLength)
{
    EXPECT_EQ(Format("%d of %s", 3, "five"), "3 of five");
    EXPECT_EQ(Format("%s", ""), "");
    std::string longText(2000, 'a');
    EXPECT_EQ(Format("<%s>", longText.c_str()), "<" + longText + ">");
}

}  // namespace
