#include "key_text.h"

#include "driver/pre_shared_key.h"

namespace {

const size_t kShortestPassphrase = 8;
const size_t kLongestPassphrase = 63;

bool IsPrintableAscii(const std::string& text)
{
    for (char c : text) {
        if (c < 0x20 || c > 0x7E)
            return false;
    }
    return true;
}

}  // namespace

const char kWepKeyRule[] = "a WEP key is 10, 26 or 32 hexadecimal digits";
const char kPreSharedKeyRule[] = "a WPA pre-shared key is 8 to 63 printable characters or 64 hexadecimal digits";
const char kMask[] = "********";

bool IsHexDigits(const std::string& text)
{
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')))
            return false;
    }
    return true;
}

int WepKeyLengthIndex(const std::string& key)
{
    int index = key.size() == 10 ? 0 : key.size() == 26 ? 1 : key.size() == 32 ? 2 : -1;
    return IsHexDigits(key) ? index : -1;
}

bool IsPreSharedKeyText(const std::string& key)
{
    return IsHexPreSharedKey(key) ||
           (key.size() >= kShortestPassphrase && key.size() <= kLongestPassphrase && IsPrintableAscii(key));
}
