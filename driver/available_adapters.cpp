#include "80211api.h"
#include "card_state.h"
#include "configuration_claim.h"
#include "names.h"
#include "store.h"
#include "store_root.h"

namespace {

const char kZeroConfigService[] = "WZCSVC";

// The claim is the process's, not one object's: the sheet takes it and the
// status page may release it through another object.
HANDLE claim = nullptr;

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
    if (IsForeignClaim(ReadSimulatedCard(OpenStore()).foreignClaimSession))
        return 0;
    SetLastError(ERROR_SUCCESS);
    HANDLE mutex = CreateMutexA(nullptr, FALSE, ConfigurationClaimName(StoreRootPath()).c_str());
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
    if (!name.empty() && !NameFault(name).empty())  // empty: none in use
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
