#include "secret.h"

#include <windows.h>
#include <wincrypt.h>

std::string SealSecret(const std::string& clear)
{
    if (clear.empty())
        return std::string();
    DATA_BLOB in = {static_cast<DWORD>(clear.size()), reinterpret_cast<BYTE*>(const_cast<char*>(clear.data()))};
    DATA_BLOB out = {0, nullptr};
    if (!CryptProtectData(&in, L"Vyr 80211API", nullptr, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN, &out))
        return std::string();
    std::string sealed(reinterpret_cast<const char*>(out.pbData), out.cbData);
    LocalFree(out.pbData);
    return sealed;
}

std::string OpenSecret(const std::string& sealed)
{
    if (sealed.empty())
        return std::string();
    DATA_BLOB in = {static_cast<DWORD>(sealed.size()), reinterpret_cast<BYTE*>(const_cast<char*>(sealed.data()))};
    DATA_BLOB out = {0, nullptr};
    if (!CryptUnprotectData(&in, nullptr, nullptr, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN, &out))
        return std::string();
    std::string clear(reinterpret_cast<const char*>(out.pbData), out.cbData);
    SecureZeroMemory(out.pbData, out.cbData);
    LocalFree(out.pbData);
    return clear;
}
