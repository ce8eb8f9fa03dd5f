#include <ctype.h>

#include "80211api.h"
#include "card_state.h"
#include "store.h"
#include "store_root.h"

namespace {

const char kZeroConfigService[] = "WZCSVC";

// The claim is the process's, not one object's: the sheet takes it and the
// status page may release it through another object.
HANDLE claim = nullptr;

// One claim per store, so that isolated stores do not meet. Registry paths
// ignore case, and so does the name.
std::string ClaimName()
{
    DWORD hash = 2166136261u;
    for (char c : StoreRootPath()) {
        hash ^= static_cast<unsigned char>(tolower(static_cast<unsigned char>(c)));
        hash *= 16777619u;
    }
    char name[64];
    wsprintfA(name, "Global\\Vyr80211ConfigurationClaim.%08lX", hash);
    return name;
}

DWORD CurrentSession()
{
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    return session;
}

int QueryZeroConfigService()
{
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    if (!manager)
        return -1;
    int answer = -1;
    SC_HANDLE service = OpenServiceA(manager, kZeroConfigService, SERVICE_QUERY_STATUS);
    if (service) {
        SERVICE_STATUS status;
        if (QueryServiceStatus(service, &status))
            answer = status.dwCurrentState == SERVICE_RUNNING ? 1 : 0;
        CloseServiceHandle(service);
    } else if (GetLastError() == ERROR_SERVICE_DOES_NOT_EXIST) {
        answer = 0;
    }
    CloseServiceHandle(manager);
    return answer;
}

}  // namespace

PAvailableAdapters::PAvailableAdapters() : multipleConfigNames_(ReadCardState(OpenStore()).multipleConfigNames) {}

PAvailableAdapters::~PAvailableAdapters() = default;

int PAvailableAdapters::CheckMultipleConfig()
{
    if (claim)
        return 1;
    DWORD foreign = ReadSimulatedCard(OpenStore()).foreignClaimSession;
    if (foreign != 0 && foreign != CurrentSession())
        return 0;
    SetLastError(ERROR_SUCCESS);
    HANDLE mutex = CreateMutexA(nullptr, FALSE, ClaimName().c_str());
    if (!mutex)
        return 0;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return 0;
    }
    claim = mutex;
    return 1;
}

void PAvailableAdapters::ClearMultipleConfig()
{
    if (claim) {
        CloseHandle(claim);
        claim = nullptr;
    }
}

int PAvailableAdapters::IsWirelessZeroConfigEnabled()
{
    int forced = ReadSimulatedCard(OpenStore()).zeroConfig;
    return forced == kZeroConfigAskService ? QueryZeroConfigService() : forced;
}

BOOL PAvailableAdapters::SetRadioEnable(BOOL switchedOff)
{
    RegistryKey store = OpenStore();
    CardState state = ReadCardState(store);
    state.radioSwitchedOff = switchedOff != FALSE;
    return WriteCardState(store, state);
}

std::string& PAvailableAdapters::GetAdminProfileName(std::string& name) const
{
    return name = ReadCardState(OpenStore()).adminProfileName;
}

BOOL PAvailableAdapters::SetAdminProfileName(const std::string& name)
{
    if (name.size() > 32)
        return FALSE;
    RegistryKey store = OpenStore();
    CardState state = ReadCardState(store);
    state.adminProfileName = name;
    return WriteCardState(store, state);
}

const std::vector<std::string>& PAvailableAdapters::GetMultipleConfigNames() const
{
    return multipleConfigNames_;
}
