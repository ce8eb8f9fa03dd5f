#include "zero_config_ahead.h"

#include <windows.h>

#include "driver/80211api.h"

namespace {

DWORD WINAPI Ask(void* module)
{
    PAvailableAdapters().AskWirelessZeroConfigAhead();
    FreeLibraryAndExitThread(static_cast<HMODULE>(module), 0);
}

}  // namespace

void AskZeroConfigAhead()
{
    HMODULE self = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCSTR>(&Ask), &self))
        return;
    HANDLE thread = CreateThread(nullptr, 0, Ask, self, 0, nullptr);
    if (thread)
        CloseHandle(thread);
    else
        FreeLibrary(self);
}
