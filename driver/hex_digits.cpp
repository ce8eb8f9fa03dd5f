#include "hex_digits.h"

int HexValue(char digit)
{
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    if (digit >= 'a' && digit <= 'f')
        return digit - 'a' + 10;
    return -1;
}

bool IsHex(const std::string& text)
{
    for (char c : text) {
        if (HexValue(c) < 0)
            return false;
    }
    return true;
}
