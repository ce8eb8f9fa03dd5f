// The per-language resource DLLs, chosen by the user's default language.
#pragma once

#include <windows.h>

// The file name of the language DLL for the language, or null when the
// built-in (US English) resources serve it.
const char* LanguageDllName(LANGID language);

// Loads the DLL for the user's default language and makes it the resource
// module. Keeps the built-in resources when there is none or it fails to load.
void LoadLanguageResources();
