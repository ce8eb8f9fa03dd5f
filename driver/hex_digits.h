// Hexadecimal digits by explicit ranges: the C runtime's classification
// accepts bytes above 0x7F in some locales.
#pragma once

#include <string>

// The digit's value, or -1 for anything else.
int HexValue(char digit);
bool IsHex(const std::string& text);
