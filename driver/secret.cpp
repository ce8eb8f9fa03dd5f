#include "secret.h"

#include <windows.h>
#include <wincrypt.h>

namespace {

// The data protection API acquires a provider context for every call and
// releases it after; a context the process holds keeps the provider loaded,
// so that each call no longer loads and unloads it. It is held until the
// process ends: released at unload it could outlive the provider's DLL.
void KeepProviderLoaded()
{
    static HCRYPTPROV context = [] {
        HCRYPTPROV acquired = 0;
        return CryptAcquireContextA(&acquired, nullptr, nullptr, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT) ? acquired : 0;
    }();
    (void)context;
}

}  // namespace

std::string SealSecret(const std::string& clear)
{
    if (clear.empty())
        return std::string();
    KeepProviderLoaded();
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
    KeepProviderLoaded();
    DATA_BLOB in = {static_cast<DWORD>(sealed.size()), reinterpret_cast<BYTE*>(const_cast<char*>(sealed.data()))};
    DATA_BLOB out = {0, nullptr};
    if (!CryptUnprotectData(&in, nullptr, nullptr, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN, &out))
        return std::string();
    std::string clear(reinterpret_cast<const char*>(out.pbData), out.cbData);
    SecureZeroMemory(out.pbData, out.cbData);
    LocalFree(out.pbData);
    return clear;
}
