#include "configuration_claim.h"

#include <windows.h>

#include "registry_key.h"

std::string ConfigurationClaimName(const std::string& storeRootPath)
{
    char name[64];
    wsprintfA(name, "Global\\Vyr80211ConfigurationClaim.%08lX", RegistryPathHash(storeRootPath));
    return name;
}

bool IsConfigurationClaimHeld(const std::string& storeRootPath)
{
    // The mutex lives exactly as long as some process keeps a handle to it.
    HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, ConfigurationClaimName(storeRootPath).c_str());
    if (mutex) {
        CloseHandle(mutex);
        return true;
    }
    return GetLastError() == ERROR_ACCESS_DENIED;
}

DWORD CurrentLogonSession()
{
    // Looked up, not imported: Windows NT 4.0 and the Windows 95 family lack
    // it, and have one session only.
    typedef BOOL(WINAPI * SessionOfProcess)(DWORD, DWORD*);
    SessionOfProcess sessionOf = reinterpret_cast<SessionOfProcess>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "ProcessIdToSessionId")));
    DWORD session = 0;
    if (sessionOf)
        sessionOf(GetCurrentProcessId(), &session);
    return session;
}

bool IsForeignClaim(DWORD session)
{
    return session != 0 && session != CurrentLogonSession();
}
