// What a WEP key's text must be: its lengths, its mask, the characters each
// entry format admits and the hexadecimal digits a character key travels as.
// Characters are classified by their ASCII codes: the C runtime's
// classification admits bytes above 0x7F and full-width digits under Wine.
#pragma once

#include <windows.h>

#include <string>

// Key format 0 is hexadecimal entry; every other value is character entry.
bool IsHexFormat(UINT format);
// 0-9, A-F, a-f.
bool IsHexDigit(char c);
// Space to tilde.
bool IsKeyCharacter(char c);

// The length a key of this length index must have, 0 when any length will
// do (indexes other than 64, 128 and 152 bits).
int RequiredKeyLength(UINT format, int lengthIndex);
// The key edit's character limit: the required length, else that of 64 bits.
int KeyLimit(UINT format, int lengthIndex);
// The string of asterisks that stands for a stored key, empty for an index
// without one.
std::string KeyMask(UINT format, int lengthIndex);
// Whether an edit limited to `limit` keeps a text of `length`: a shorter
// text, and one whose length is a valid length of the other entry format.
bool KeepsTextUnderLimit(int length, int limit);

// The characters of `text` that the format admits. `droppedAt` becomes the
// index of the last character left out, 0 when none was.
std::string FilterKeyText(const std::string& text, UINT format, int& droppedAt);
// Each character's code as upper-case hexadecimal digits, without leading
// zeros.
std::string ToHexDigits(const std::string& text);

// A key 1 the card keeps for itself; in hexadecimal digits it says that a
// profile has no key 1.
extern const char kReservedKey[];
