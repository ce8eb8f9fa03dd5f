#include "80211api.h"
#include "store_root.h"

namespace {

const char kClaimName[] = "Global\\Vyr80211ConfigurationClaim";
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

PAvailableAdapters::PAvailableAdapters() : multipleConfigNames_(ReadStoreStrings("MultipleConfigNames")) {}

PAvailableAdapters::~PAvailableAdapters() = default;

int PAvailableAdapters::CheckMultipleConfig()
{
    if (claim)
        return 1;
    SetLastError(ERROR_SUCCESS);
    HANDLE mutex = CreateMutexA(nullptr, FALSE, kClaimName);
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
    // The simulated card can force the answer; otherwise ask the service.
    const DWORD kAsk = 0xFFFFFFFE;
    DWORD forced = ReadSimulationValue("WirelessZeroConfig", kAsk);
    if (forced != kAsk)
        return static_cast<int>(forced);
    return QueryZeroConfigService();
}

const std::vector<std::string>& PAvailableAdapters::GetMultipleConfigNames() const
{
    return multipleConfigNames_;
}
