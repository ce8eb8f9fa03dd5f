#include "language_dll.h"

#include "framework/framework.h"

namespace {

struct LanguageDll {
    LANGID language;
    const char* file;
};

const LanguageDll kLanguageDlls[] = {
    {0x0404, "chineseT.dll"},
    {0x0804, "chineseS.dll"}, {0x0C04, "chineseS.dll"}, {0x1004, "chineseS.dll"}, {0x1404, "chineseS.dll"},
    {0x0406, "danish.dll"},
    {0x0407, "german.dll"}, {0x0807, "german.dll"}, {0x0C07, "german.dll"}, {0x1007, "german.dll"},
    {0x1407, "german.dll"},
    {0x040B, "finnish.dll"},
    {0x040C, "french.dll"}, {0x080C, "french.dll"}, {0x0C0C, "french.dll"}, {0x100C, "french.dll"},
    {0x140C, "french.dll"}, {0x180C, "french.dll"},
    {0x0410, "italian.dll"}, {0x0810, "italian.dll"},
    {0x0411, "Japanese.dll"},
    {0x0412, "korean.dll"}, {0x0812, "korean.dll"},
    {0x0413, "dutch.dll"}, {0x0813, "dutch.dll"},
    {0x0414, "norwegan.dll"}, {0x0814, "norwegan.dll"},
    {0x0416, "bPort.dll"}, {0x0816, "bPort.dll"},
    {0x041D, "swedish.dll"}, {0x081D, "swedish.dll"},
};

// Spanish: every sublanguage from 0x080A to 0x500A; 0x040A, the
// traditional sort, keeps the built-in resources.
const LANGID kFirstSpanish = 0x080A;
const LANGID kLastSpanish = 0x500A;
const LANGID kSpanishStep = 0x0400;

}  // namespace

const char* LanguageDllName(LANGID language)
{
    for (const LanguageDll& entry : kLanguageDlls) {
        if (entry.language == language)
            return entry.file;
    }
    if (language >= kFirstSpanish && language <= kLastSpanish && (language - kFirstSpanish) % kSpanishStep == 0)
        return "spanish.dll";
    return nullptr;
}

void LoadLanguageResources()
{
    LANGID language = LOWORD(GetUserDefaultLCID());
    const char* file = LanguageDllName(language);
    if (!file)
        return;
    // Kept loaded for the life of the process.
    if (HINSTANCE module = LoadLibraryA(file))
        SetResourceHandle(module);
}
