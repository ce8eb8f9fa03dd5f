#include "strings.h"

#include <mbstring.h>

#include <cstdarg>
#include <cstdio>

#include "app.h"

namespace {

// A string table holds 16 strings per block; an entry is a length followed
// by UTF-16 text. Read directly so that an empty string and a missing one
// can be told apart and no buffer size limits the text. The entry is read in
// place: the resource stays mapped while its module is loaded.
const WCHAR* FindStringEntry(HINSTANCE module, UINT id, int& length)
{
    HRSRC block = FindResourceA(module, MAKEINTRESOURCEA(id / 16 + 1), RT_STRING);
    if (!block)
        return nullptr;
    HGLOBAL loaded = LoadResource(module, block);
    const WCHAR* entry = loaded ? static_cast<const WCHAR*>(LockResource(loaded)) : nullptr;
    if (!entry)
        return nullptr;
    for (UINT index = 0; index < id % 16; ++index)
        entry += 1 + *entry;
    length = *entry;
    return length ? entry + 1 : nullptr;
}

}  // namespace

bool TryLoadResString(UINT id, std::string& text)
{
    const ModuleState& state = CurrentModuleState();
    int length = 0;
    const WCHAR* wide = FindStringEntry(state.resources, id, length);
    if (!wide)
        wide = FindStringEntry(state.instance, id, length);
    if (!wide)
        return false;
    int size = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
    text.assign(size, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, length, &text[0], size, nullptr, nullptr);
    return true;
}

std::string LoadResString(UINT id)
{
    std::string text;
    TryLoadResString(id, text);
    return text;
}

std::string Trim(const std::string& text)
{
    const char* blanks = " \t\r\n";
    std::string::size_type first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    std::string::size_type last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool EqualsIgnoringCase(const std::string& a, const std::string& b)
{
    return _mbsicmp(reinterpret_cast<const unsigned char*>(a.c_str()),
                    reinterpret_cast<const unsigned char*>(b.c_str())) == 0;
}

std::string Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int size = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text(size > 0 ? size : 0, '\0');
    if (size > 0)
        std::vsnprintf(&text[0], size + 1, format, args);
    va_end(args);
    return text;
}
