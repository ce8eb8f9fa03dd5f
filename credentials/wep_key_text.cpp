#include "wep_key_text.h"

#include "framework/framework.h"
#include "res/resource.h"

const char kReservedKey[] = "27514";

namespace {

struct LengthClass {
    int hexDigits;
    int characters;
    UINT hexMask;
    UINT characterMask;
};

// By length index: 64, 128 and 152 bits.
const LengthClass kLengthClasses[] = {
    {10, 5, IDS_WEP_MASK_HEX_64, IDS_WEP_MASK_CHAR_64},
    {26, 13, IDS_WEP_MASK_HEX_128, IDS_WEP_MASK_CHAR_128},
    {32, 16, IDS_WEP_MASK_HEX_152, IDS_WEP_MASK_CHAR_152},
};
const int kLengthClassCount = 3;

const LengthClass* ClassOf(int lengthIndex)
{
    return lengthIndex >= 0 && lengthIndex < kLengthClassCount ? &kLengthClasses[lengthIndex] : nullptr;
}

bool IsHexLength(int length)
{
    for (const LengthClass& lengths : kLengthClasses) {
        if (lengths.hexDigits == length)
            return true;
    }
    return false;
}

bool IsCharacterLength(int length)
{
    for (const LengthClass& lengths : kLengthClasses) {
        if (lengths.characters == length)
            return true;
    }
    return false;
}

}  // namespace

bool IsHexFormat(UINT format)
{
    return format == 0;
}

bool IsHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool IsKeyCharacter(char c)
{
    unsigned char code = static_cast<unsigned char>(c);
    return code >= 0x20 && code <= 0x7E;
}

int RequiredKeyLength(UINT format, int lengthIndex)
{
    const LengthClass* lengths = ClassOf(lengthIndex);
    if (!lengths)
        return 0;
    return IsHexFormat(format) ? lengths->hexDigits : lengths->characters;
}

int KeyLimit(UINT format, int lengthIndex)
{
    const LengthClass* lengths = ClassOf(lengthIndex) ? ClassOf(lengthIndex) : &kLengthClasses[0];
    return IsHexFormat(format) ? lengths->hexDigits : lengths->characters;
}

std::string KeyMask(UINT format, int lengthIndex)
{
    const LengthClass* lengths = ClassOf(lengthIndex);
    if (!lengths)
        return std::string();
    return LoadResString(IsHexFormat(format) ? lengths->hexMask : lengths->characterMask);
}

bool KeepsTextUnderLimit(int length, int limit)
{
    return length <= limit || (IsHexLength(limit) && IsCharacterLength(length)) ||
           (IsHexLength(length) && IsCharacterLength(limit));
}

std::string FilterKeyText(const std::string& text, UINT format, int& droppedAt)
{
    droppedAt = 0;
    std::string kept;
    for (size_t i = 0; i < text.size(); ++i) {
        if (IsHexFormat(format) ? IsHexDigit(text[i]) : IsKeyCharacter(text[i]))
            kept += text[i];
        else
            droppedAt = static_cast<int>(i);
    }
    return kept;
}

std::string ToHexDigits(const std::string& text)
{
    const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (char c : text) {
        unsigned char code = static_cast<unsigned char>(c);
        if (code >= 16)
            hex += digits[code / 16];
        hex += digits[code % 16];
    }
    return hex;
}
