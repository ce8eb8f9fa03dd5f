// The keys vyrsim takes on its command line, for profiles and access points
// alike.
#pragma once

#include <string>

// The length index of a WEP key of 10, 26 or 32 hexadecimal digits (0
// 64-bit, 1 128-bit, 2 152-bit); -1 for anything else.
int WepKeyLengthIndex(const std::string& key);
// A WPA pre-shared key: a pass phrase of 8 to 63 printable characters, or
// 64 hexadecimal digits.
bool IsPreSharedKeyText(const std::string& key);
bool IsHexDigits(const std::string& text);

extern const char kWepKeyRule[];
extern const char kPreSharedKeyRule[];
// How a secret shows unless the user asks to see it.
extern const char kMask[];
