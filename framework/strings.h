// 8-bit text helpers: string-table loading and the few string operations
// that the pages share.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The string with this ID from the resource module (then the own module);
// empty when neither has it.
std::string LoadResString(UINT id);

// Like LoadResString, but tells a missing string from an empty one.
bool TryLoadResString(UINT id, std::string& text);

// Leading and trailing blanks, tabs and line breaks removed.
std::string Trim(const std::string& text);

bool Contains(const std::string& text, const std::string& part);
bool StartsWith(const std::string& text, const std::string& prefix);

// Exact and case-insensitive comparison in the ANSI code page, aware of
// multibyte characters.
bool EqualsIgnoringCase(const std::string& a, const std::string& b);

// printf-style formatting into a std::string.
std::string Format(const char* format, ...);
